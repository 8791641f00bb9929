#!/usr/bin/env bash
# The performance bench: the same set-up as the tests, then the real game under Xvfb
# (llvmpipe) driven from outside, and the in-process benchmarks. Prints
#   - start-up: exec to the dialog on screen, and Play pressed to the first menu frame
#     (best and worst of ZUMBO_BENCH_STARTS runs, default 5);
#   - CPU use of the game process (percent of one core, all its threads, llvmpipe's
#     included) over 20 s in the menu, in the attract game (after the menu's idle time,
#     just over two minutes) and in a game played by zumbo_xplay (it watches the window
#     and moves the pointer) on a copy of level 1 whose bricks release extra balls;
#   - peak resident memory;
#   - the Google Benchmark figures of rendering, the frame update, the mixer and the
#     sound forge.
# Takes about four minutes. ZUMBO_BENCH_PARTS picks parts (default
# "startup menu game inprocess"; "menu" includes the attract game).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${ZUMBO_BENCH_BUILT:-}" ]; then
  scripts/setup.sh >/dev/null
  export ZUMBO_BENCH_BUILT=1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${ZUMBO_IN_XVFB:-}" ]; then
  export ZUMBO_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

BUILD=$(cd "${ZUMBO_BUILD_DIR:-build}" && pwd)
XWATCH=$BUILD/zumbo_xwatch
XCLOSE=$BUILD/tests/e2e/xclose
XPLAY=$BUILD/zumbo_xplay
OUT=$BUILD/bench
STARTS=${ZUMBO_BENCH_STARTS:-5}
SECONDS_MEASURED=20
IDLE_TO_ATTRACT=134          # the menu's 8000 ticks of 1/60 s, and a little more
. tests/e2e/lib.sh
mkdir -p "$OUT"
for tool in "$XWATCH" "$XPLAY" "$XCLOSE" "$BUILD/zumbo"; do
  [ -x "$tool" ] || e2e_fail "missing $tool: build first"
done

# The sand, the palm leaves and the sea of the menu picture (pixels of the 800x600 window).
MENU=("700,560=E0C082" "690,250=4BB559" "500,300=1D9CD3")

PARTS=" ${ZUMBO_BENCH_PARTS:-startup menu game inprocess} "
part() { [[ "$PARTS" == *" $1 "* ]]; }
peaks=()

now_ms() { date +%s%3N; }

# cpu_ticks <pid>: user + system clock ticks of the process so far (all threads).
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# cpu_percent <pid> <seconds>: its CPU use over the next seconds, percent of one core.
cpu_percent() {
  local pid=$1 secs=$2 before after
  before=$(cpu_ticks "$pid")
  sleep "$secs"
  after=$(cpu_ticks "$pid")
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$secs" 'BEGIN { printf "%.1f", 100 * t / hz / s }'
}

peak_rss_mb() { awk '/^VmHWM/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }

# start_game <folder>: runs the game windowed, presses Play in the dialog and waits for
# the first menu frame. Sets pid, win, dialog_ms (exec to dialog) and menu_ms (Play
# released to the first menu frame).
start_game() {
  local game=$1 t0 seen dialog released shown
  printf '\001' > "$game/data/fullscreen.stt"
  t0=$(now_ms)
  (cd "$game" && exec ./zumbo) &
  pid=$!
  seen=$("$XWATCH" ZumboRumble 420x260 20000) || e2e_fail "the start-up dialog did not show"
  dialog=${seen% *}
  dialog_ms=$(( ${seen#* } - t0 ))
  xdotool mousemove --window "$dialog" 340 216
  xdotool mousedown 1; sleep 0.1; xdotool mouseup 1
  released=$(now_ms)
  shown=$("$XWATCH" ZumboRumble 800x600 20000 "${MENU[@]}") || e2e_fail "the menu did not show"
  win=${shown% *}
  menu_ms=$(( ${shown#* } - released ))
}

# stop_game: closes the window as the close box does and waits for a clean end.
stop_game() {
  "$XCLOSE" "$win"
  e2e_wait_exit "$pid" 30
  [ "$e2e_status" = 0 ] || echo "warning: the game ended with $e2e_status" >&2
}

# extra_ball_level <folder>: level 1 of that game folder with every standing brick
# releasing an extra ball (bonus kind 10) when it breaks.
extra_ball_level() {
  local game=$1 map i off
  rm "$game/data/levels"
  cp -rs "$BUILD/data/levels" "$game/data/levels"
  map=$game/data/levels/maps/level01.map
  rm "$map"
  cp "$BUILD/data/levels/maps/level01.map" "$map"
  for i in $(seq 0 199); do
    off=$((1052 + i * 60))
    [ "$(od -An -tu1 -j $((off + 29)) -N1 "$map" | tr -d ' ')" = 0 ] && continue
    printf '\012\000' | dd of="$map" bs=1 seek=$((off + 48)) conv=notrunc status=none
  done
}

games=()
trap 'for g in "${games[@]}"; do rm -rf "$g"; done' EXIT

if part startup; then
echo "== start-up ($STARTS runs)"
dialogs=() menus=()
for run in $(seq "$STARTS"); do
  game=$(e2e_game_folder "$BUILD"); games+=("$game")
  start_game "$game"
  dialogs+=("$dialog_ms") menus+=("$menu_ms")
  [ "$run" = 1 ] && peaks+=("menu $(peak_rss_mb "$pid")")
  stop_game
done
range() { printf '%s\n' "$@" | sort -n | sed -n '1p;$p' | paste -sd' ' | awk '{ print $1 " .. " $2 " ms" }'; }
echo "exec to the dialog on screen:          $(range "${dialogs[@]}")"
echo "Play pressed to the first menu frame:  $(range "${menus[@]}")"
fi

if part menu; then
echo "== menu and attract game"
game=$(e2e_game_folder "$BUILD"); games+=("$game")
start_game "$game"
xdotool mousemove --window "$win" 600 580
idle_from=$(date +%s)
sleep 2
menu_cpu=$(cpu_percent "$pid" $SECONDS_MEASURED)
echo "CPU in the menu:                       $menu_cpu % of one core"
sleep $(( IDLE_TO_ATTRACT - ($(date +%s) - idle_from) + 3 ))
import -window root "$OUT/attract.png"
attract_cpu=$(cpu_percent "$pid" $SECONDS_MEASURED)
echo "CPU in the attract game:               $attract_cpu % of one core (screen: $OUT/attract.png)"
peaks+=("attract $(peak_rss_mb "$pid")")
stop_game
fi

if part game; then
echo "== scripted game, level 1 with extra balls"
game=$(e2e_game_folder "$BUILD"); games+=("$game")
extra_ball_level "$game"
start_game "$game"
e2e_click "$win" 398 225                 # PLAY
sleep 3                                  # the doors open
# zumbo_xplay keeps the monkeys under the lowest moving thing and clicks now and then.
"$XPLAY" "$win" $((SECONDS_MEASURED + 6)) &
player=$!
sleep 3
game_cpu=$(cpu_percent "$pid" $SECONDS_MEASURED)
import -window root "$OUT/game.png"
echo "CPU in the scripted game:              $game_cpu % of one core (screen: $OUT/game.png)"
peaks+=("game $(peak_rss_mb "$pid")")
wait "$player" || true
stop_game
fi
if [ ${#peaks[@]} -gt 0 ]; then
  peak=$(printf '%s\n' "${peaks[@]}" | awk '{ print $2 }' | sort -n | tail -1)
  echo "peak resident memory:                  $peak MB ($(printf '%s MB, ' "${peaks[@]}" | sed 's/, $//'))"
fi

if part inprocess; then
  echo "== in-process benchmarks"
  for bench in tests/engine/bench_render tests/play/bench_frame tests/audio/bench_mixer \
               tests/forge_sound/bench_forge_sound; do
    if [ -x "$BUILD/$bench" ]; then
      (cd "$BUILD/$(dirname "$bench")" && "./$(basename "$bench")" --benchmark_min_time=0.2 2>&1 |
         grep -v '^\*\*\*') || echo "$bench failed"
    else
      echo "$bench: not built (ZUMBO_BUILD_BENCH=OFF?)"
    fi
  done
fi
