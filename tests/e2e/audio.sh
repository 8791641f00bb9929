#!/usr/bin/env bash
# The real game's sound reaches the audio device: with SDL's disk audio driver the
# menu's music is written to a file, which must not be silent.
# Usage: audio.sh <build dir> <xclose> <shots dir>
set -euo pipefail
build=$1 xclose=$2 shots=$3
. "$(dirname "$0")/lib.sh"
[ -n "${DISPLAY:-}" ] || { echo "no display: run under xvfb-run"; exit 77; }
mkdir -p "$shots"

game=$(e2e_game_folder "$build")
trap 'rm -rf "$game"' EXIT
printf '\001' > "$game/data/fullscreen.stt"
out="$game/audio-out.raw"

(cd /tmp && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out" exec "$game/zumbo") &
pid=$!
dialog=$(e2e_wait_window 420 260) || e2e_fail "the start-up dialog did not show"
e2e_click "$dialog" 340 216
win=$(e2e_wait_window 800 600) || e2e_fail "the game window did not open"
xdotool windowfocus "$win" 2>/dev/null || true
sleep 3
e2e_shot "$shots/audio-menu.png"
"$xclose" "$win"
e2e_wait_exit "$pid"
[ "$e2e_status" = 0 ] || e2e_fail "the game did not end cleanly: $e2e_status"

[ -s "$out" ] || e2e_fail "no audio was written"
bytes=$(stat -c %s "$out")
loud=$(od -An -v -td2 -w2 "$out" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > 300) n++ } END { print n + 0 }')
echo "audio: $bytes bytes written, $loud samples above the noise floor"
[ "$loud" -gt 10000 ] || e2e_fail "the audio written is (nearly) silent"
