#!/usr/bin/env bash
# Runs the unit and headless tests once more under AddressSanitizer + UndefinedBehavior-
# Sanitizer (build-asan), then the audio stress test under ThreadSanitizer (build-tsan).
# The sanitizer builds skip the forge: their tests read the data of the main build
# (ZUMBO_MAIN_BUILD, default ./build, made by scripts/setup.sh). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
MAIN=$(realpath -m "${ZUMBO_MAIN_BUILD:-build}")
ASAN=${ZUMBO_ASAN_BUILD_DIR:-build-asan}
TSAN=${ZUMBO_TSAN_BUILD_DIR:-build-tsan}
JOBS=${ZUMBO_JOBS:-2}
if [ ! -d "$MAIN/data" ]; then
  echo "warning: no generated data in $MAIN (run scripts/setup.sh first); tests that read it will fail" >&2
fi

# Every test folder but the forge's, the end-to-end one and the fuzz targets.
dirs=""
for d in tests/*/; do
  name=$(basename "$d")
  case "$name" in forge_*|e2e|fuzz|support) continue ;; esac
  [ -f "$d/CMakeLists.txt" ] && dirs="$dirs${dirs:+;}$name"
done
common=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUMBO_BUILD_DATA=OFF -DZUMBO_BUILD_BENCH=OFF
        -DZUMBO_TEST_DATA_DIR="$MAIN")
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy}
status=0

start=$(date +%s)
cmake -S . -B "$ASAN" "${common[@]}" -DZUMBO_SANITIZE=address,undefined -DZUMBO_TEST_DIRS="$dirs" >/dev/null
# Only the executables of the tests that run here (not the game, the forge or the GL tests).
EXCLUDE='xvfb|e2e|forge|fuzz'
# A test is either its own executable or a run of a tool (the demo replays): build the
# targets among the test names, and the demo tool.
mapfile -t tests < <(ctest --test-dir "$ASAN" -N -LE "$EXCLUDE" | sed -n 's/^ *Test *#[0-9]*: *//p')
mapfile -t known < <(cmake --build "$ASAN" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
targets=()
for t in "${tests[@]}" zumbo_demo; do
  printf '%s\n' "${known[@]}" | grep -qx -- "$t" && targets+=("$t")
done
cmake --build "$ASAN" -j"$JOBS" --target "${targets[@]}"
built=$(date +%s)
LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0} \
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1} \
UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1} \
  ctest --test-dir "$ASAN" -LE "$EXCLUDE" --output-on-failure -j"$JOBS" || status=1
echo "ASan+UBSan: built in $(( built - start )) s, tests ran in $(( $(date +%s) - built )) s"

start=$(date +%s)
cmake -S . -B "$TSAN" "${common[@]}" -DZUMBO_SANITIZE=thread -DZUMBO_TEST_DIRS=audio >/dev/null
cmake --build "$TSAN" --target audio_stress_test -j"$JOBS"
built=$(date +%s)
TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1} \
  ctest --test-dir "$TSAN" -R '^audio_stress_test$' --output-on-failure || status=1
echo "TSan: built in $(( built - start )) s, stress test ran in $(( $(date +%s) - built )) s"
exit $status
