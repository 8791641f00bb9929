#!/usr/bin/env bash
# A whole visit to the game, driven only from outside as a player would: Play in the
# dialog, Play in the menu, a few seconds of play, Escape, a name typed into the
# high-score table, back to the menu, Quit. Afterwards highscores.raw holds the name
# and the program ended with status 0. A screenshot of every screen goes to <shots>.
# Usage: fullrun.sh <build dir> <xclose> <shots dir>
set -euo pipefail
build=$1 shots=$3
. "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }
mkdir -p "$shots"

game=$(e2e_game_folder "$build")
trap 'rm -rf "$game"' EXIT
printf '\001' > "$game/data/fullscreen.stt"
# A table of nine nameless lines scored -1, so whatever the few seconds of play
# score, it wins a line and the name entry comes up.
for i in 1 2 3 4 5 6 7 8 9; do head -c 256 /dev/zero; printf '\377\377\377\377'; done > "$game/highscores.raw"

(cd /tmp && exec "$game/zumbo") &
pid=$!
dialog=$(e2e_wait_window 420 260) || e2e_fail "the start-up dialog did not show"
sleep 0.5
e2e_shot "$shots/full-1-dialog.png"
e2e_click "$dialog" 340 216

win=$(e2e_wait_window 800 600) || e2e_fail "the game window did not open"
xdotool windowfocus "$win" 2>/dev/null || true
# Pixels of the sand, the palm leaves and the sea of the menu, and of the dark board of
# the high-score table: each step waits for its screen instead of guessing the time.
menu=("700,560=E0C082" "690,250=4BB559" "500,300=1D9CD3")
table=("700,560=33200F" "690,250=33200F" "500,300=33200F")
e2e_wait_screen "$win" 30 "${menu[@]}" || e2e_fail "the menu did not show"
xdotool mousemove --window "$win" 400 420
sleep 0.5
e2e_shot "$shots/full-2-menu.png"

# PLAY sits under (350, 207)-(447, 243).
e2e_click "$win" 398 225
sleep 3                                   # the doors open on level 1
e2e_click "$win" 478 420                  # launch the ball
for x in 470 480 490 480 470 460 470 480; do
  xdotool mousemove --window "$win" "$x" 420
  sleep 0.7
done
e2e_shot "$shots/full-3-game.png"
e2e_key Escape
e2e_wait_screen "$win" 30 "${table[@]}" || e2e_fail "the name entry did not show after the game"
sleep 0.5
e2e_shot "$shots/full-4-name-entry.png"

for k in Z O O; do e2e_key "$k"; sleep 0.3; done
e2e_shot "$shots/full-5-name-typed.png"
e2e_key Return
e2e_wait_screen "$win" 30 "${menu[@]}" || e2e_fail "the menu did not come back after the name entry"
xdotool mousemove --window "$win" 600 560
sleep 0.5
e2e_shot "$shots/full-6-back-in-menu.png"

# QUIT sits under (350, 468)-(477, 513).
e2e_click "$win" 413 490
e2e_wait_exit "$pid" 20
[ "$e2e_status" = 0 ] || e2e_fail "the game did not end cleanly after Quit: $e2e_status"

scores="$game/highscores.raw"
[ -f "$scores" ] || e2e_fail "no highscores.raw was written"
[ "$(stat -c %s "$scores")" = 2340 ] || e2e_fail "highscores.raw is $(stat -c %s "$scores") bytes"
line=$(for i in 0 1 2 3 4 5 6 7 8; do
         name=$(dd if="$scores" bs=260 skip=$i count=1 2>/dev/null | head -c 3)
         [ "$name" = ZOO ] && echo $((i + 1)) && break
       done)
[ -n "$line" ] || e2e_fail "the typed name is not in highscores.raw"
echo "fullrun: ZOO saved on line $line of the high-score table, clean exit"
