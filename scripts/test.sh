#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Starts its own X server
# (Xvfb) when there is no display, so it runs the same on a desktop, a headless
# machine and CI.
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
ctest --test-dir build --output-on-failure -j2 --timeout 600
echo "All tests ran in $(( $(date +%s) - start )) s"
