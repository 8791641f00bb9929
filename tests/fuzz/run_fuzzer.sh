#!/usr/bin/env bash
# Runs one fuzz target for a bounded time over its seeds: run_fuzzer.sh <fuzzer> <seconds>
# <work folder> <seed folders...>. New inputs go to <work>/corpus (the seed folders are only
# read), anything found to <work>/artifacts. ZUMBO_FUZZ_SECONDS overrides <seconds>.
set -uo pipefail
fuzzer=$1 seconds=${ZUMBO_FUZZ_SECONDS:-$2} work=$3
shift 3
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts" "$work/tmp"
seeds=()
for d in "$@"; do
  [ -d "$d" ] && seeds+=("$d")
done
# Each process makes its throw-away game folder under TMPDIR; a crash leaves it there.
export TMPDIR=$work/tmp
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$(dirname "$0")/../support/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy
"$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" ${ZUMBO_FUZZ_FLAGS:-} "$work/corpus" "${seeds[@]}"
status=$?
if [ $status -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
  echo "FUZZ FAILURE in $(basename "$fuzzer"): status $status; inputs kept in $work/artifacts:" >&2
  ls -l "$work/artifacts" >&2
  exit 1
fi
rm -rf "$work/tmp"
