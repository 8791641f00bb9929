#!/bin/bash
# A screenshot of level 1 in play on the real backend: rungame under Xvfb, the ball
# launched with a click, the pointer following it for a few seconds, then the shot.
# usage: screenshot.sh <game folder> <screenshots folder>
set -u
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "no display and no xvfb-run"; exit 77; }
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
. "$(dirname "$0")/../e2e/lib.sh"
build=$1
shots=$2
mkdir -p "$shots"
[ -x "$build/rungame" ] || e2e_fail "no rungame in $build"
[ -f "$build/data/levels/maps/level01.map" ] || { echo "no data in $build (build the data target)"; exit 77; }
for tool in xdotool import convert; do
  command -v $tool >/dev/null || { echo "no $tool"; exit 77; }
done

dir=$(e2e_game_folder "$build")
cp "$build/rungame" "$dir/rungame"
trap 'rm -rf "$dir"' EXIT
SDL_AUDIODRIVER=dummy "$dir/rungame" 1 &
pid=$!
win=$(e2e_wait_window 800 600 30) || { kill -9 $pid; e2e_fail "no game window"; }
sleep 1.5                         # the doors open
e2e_click "$win" 400 300          # the held ball drops onto the bat
for i in $(seq 1 16); do          # follow the play for a while
  xdotool mousemove --window "$win" $((300 + (i * 37) % 250)) 300
  sleep 0.2
done
shot="$shots/play-level1.png"
import -window "$win" "$shot"
xdotool key --window "$win" ctrl+q
e2e_wait_exit $pid 20
[ "$e2e_status" = 0 ] || e2e_fail "rungame ended with $e2e_status"

# A picture of the game, not an empty screen: many colours in the game's area.
colours=$(convert "$shot" -unique-colors -format "%w" info:)
[ "$colours" -gt 200 ] || e2e_fail "the screenshot shows only $colours colours"
echo "screenshot: $shot ($colours colours)"
