#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer + UndefinedBehaviorSanitizer)
# in build-fuzz and runs each for the given seconds (default 10) over its seeds; exits
# non-zero when any of them finds a crash. A long run: scripts/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
BUILD=${ZUMBO_FUZZ_BUILD_DIR:-build-fuzz}
JOBS=${ZUMBO_FUZZ_JOBS:-1}   # fuzz targets run side by side (each uses one core)

start=$(date +%s)
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZUMBO_FUZZ=ON -DZUMBO_SANITIZE=address,undefined -DZUMBO_BUILD_DATA=OFF -DZUMBO_BUILD_BENCH=OFF \
  -DZUMBO_TEST_DIRS=fuzz -DZUMBO_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build "$BUILD" --target fuzz_all -j2
built=$(date +%s)
echo "Fuzz targets built in $(( built - start )) s; running each for $seconds s"

status=0
ZUMBO_FUZZ_SECONDS=$seconds ctest --test-dir "$BUILD" -L fuzz --output-on-failure -j"$JOBS" \
  --timeout $(( seconds * 3 + 120 )) || status=$?
echo "Fuzzing ran in $(( $(date +%s) - built )) s"
if [ $status -ne 0 ]; then
  echo "A fuzz target failed: its input is in $BUILD/tests/fuzz/work/<target>/artifacts" >&2
fi
exit $status
