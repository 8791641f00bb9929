#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: unit, headless flows, GL under
# Xvfb, the real game driven end to end, then the sanitizer builds (ASan + UBSan, TSan)
# and a short run of every fuzzer. Starts its own X server (Xvfb) when there is no
# display, so it runs the same on a desktop, a headless machine and CI.
# ZUMBO_QUICK=1 skips the sanitizer and fuzzing layers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

if [ -z "${DISPLAY:-}" ] && [ -z "${ZUMBO_IN_XVFB:-}" ]; then
  export ZUMBO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

# Software GL (llvmpipe) and a silent audio device unless a test chooses another.
export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

start=$(date +%s)
status=0
# The end-to-end runs drive a real X server with fixed waits; a run that loses a race
# on a loaded machine gets two more tries.
ctest --test-dir build --output-on-failure -j2 --timeout 600 --repeat until-pass:3 || status=1
echo "Main tests ran in $(( $(date +%s) - start )) s"

if [ -z "${ZUMBO_QUICK:-}" ]; then
  bash scripts/sanitize.sh || status=1
  bash scripts/fuzz.sh "${ZUMBO_FUZZ_SECONDS:-10}" || status=1
fi
echo "Everything ran in $(( $(date +%s) - start )) s"
exit $status
