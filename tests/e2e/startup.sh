#!/usr/bin/env bash
# The real game started from outside: the start-up dialog shows, a click on Play
# opens the 800 x 600 game window with the game's pointer, and closing the window
# ends the program with status 0. Screenshots of each step go to <shots>.
# Usage: startup.sh <build dir> <xclose> <shots dir>
set -euo pipefail
build=$1 xclose=$2 shots=$3
. "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }
mkdir -p "$shots"

game=$(e2e_game_folder "$build")
trap 'rm -rf "$game"' EXIT
printf '\001' > "$game/data/fullscreen.stt"   # windowed

(cd /tmp && exec "$game/zumbo") &
pid=$!

dialog=$(e2e_wait_window 420 260) || e2e_fail "the start-up dialog did not show"
sleep 0.5
e2e_shot "$shots/startup-1-dialog.png"

# Play sits at (280, 196)-(400, 236) in the dialog.
e2e_click "$dialog" 340 216
win=$(e2e_wait_window 800 600) || e2e_fail "the game window did not open after Play"
xdotool windowfocus "$win" 2>/dev/null || true
xdotool mousemove --window "$win" 400 300
sleep 1
e2e_shot "$shots/startup-2-game-window.png"
[ "$(od -An -tu1 "$game/data/fullscreen.stt" | tr -d ' ')" = 1 ] || e2e_fail "window mode not kept"

"$xclose" "$win"
e2e_wait_exit "$pid"
[ "$e2e_status" = 0 ] || e2e_fail "the game did not end cleanly after its window was closed: $e2e_status"
echo "startup: dialog, game window and close all fine"
