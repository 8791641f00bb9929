#!/usr/bin/env bash
# Installs what is missing, builds the game and its data, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec ./build/zumbo
