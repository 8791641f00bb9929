#!/bin/bash
# Records a short game on the real backend under Xvfb, played from outside with xdotool
# (launch, follow, Space, arrows, Escape), then replays the demo headless: the replay must
# end in the very state the recorded game was in, and twice the same.
# usage: record.sh <game folder>
set -u
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "no display and no xvfb-run"; exit 77; }
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
. "$(dirname "$0")/../e2e/lib.sh"
build=$(cd "$1" && pwd)
command -v xdotool >/dev/null || { echo "no xdotool"; exit 77; }
[ -x "$build/zumbo_demo_record" ] && [ -x "$build/zumbo_demo" ] || e2e_fail "no demo tools in $build"
[ -f "$build/data/levels/maps/level01.map" ] || { echo "no data in $build (build the data target)"; exit 77; }

dir=$(e2e_game_folder "$build" 2>/dev/null)   # (the game binary itself is not needed)
cp "$build/zumbo_demo_record" "$build/zumbo_demo" "$dir/"
trap 'rm -rf "$dir"' EXIT
SDL_AUDIODRIVER=dummy "$dir/zumbo_demo_record" "$dir/played.demo" 2 > "$dir/record.out" &
pid=$!
win=$(e2e_wait_window 800 600 30) || { kill -9 $pid; e2e_fail "no game window"; }
sleep 1.5                         # the doors open
e2e_click "$win" 400 300          # the held ball drops onto the bat
for i in $(seq 1 12); do
  xdotool mousemove --window "$win" $((250 + (i * 53) % 400)) 300
  sleep 0.15
done
e2e_key space
xdotool keydown Right; sleep 0.3; xdotool keyup Right
e2e_key Escape
sleep 1.5                         # the doors close on the game
xdotool key --window "$win" ctrl+q
e2e_wait_exit $pid 20
[ "$e2e_status" = 0 ] || e2e_fail "zumbo_demo_record ended with $e2e_status: $(cat "$dir/record.out")"
cat "$dir/record.out"
recorded=$(sed -n 's/.*last state //p' "$dir/record.out")
[ -n "$recorded" ] || e2e_fail "the recorder gave no last state"
grep -q "^level 2$" "$dir/played.demo" || e2e_fail "the demo does not start at level 2"
grep -q " 1 " "$dir/played.demo" || e2e_fail "the click is not in the demo"
grep -q "ESCAPE" "$dir/played.demo" || e2e_fail "Escape is not in the demo"

"$dir/zumbo_demo" play "$dir/played.demo" every 50 > "$dir/first" 2>/dev/null || e2e_fail "the replay failed"
"$dir/zumbo_demo" play "$dir/played.demo" every 50 > "$dir/second" 2>/dev/null || e2e_fail "the replay failed"
cmp -s "$dir/first" "$dir/second" || e2e_fail "two replays of one demo differ"
last=$(grep -v '^ended' "$dir/first" | tail -1)
[ "$last" = "$recorded" ] || e2e_fail "the replay ends in \"$last\", the recorded game in \"$recorded\""
echo "replayed to the recorded state: $last"
