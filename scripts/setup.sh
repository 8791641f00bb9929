#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need (only those missing),
# then configures and builds into ./build. Used by both README commands and by CI.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES="build-essential cmake pkg-config git
  libsdl2-dev libsdl2-image-dev libvorbis-dev libcairo2-dev libgl-dev libgl1-mesa-dri libx11-dev libxtst-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends $missing
fi

BUILD=${ZUMBO_BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=${ZUMBO_BUILD_TYPE:-RelWithDebInfo} ${ZUMBO_CMAKE_ARGS:-}
cmake --build "$BUILD" -j"$(nproc)"
