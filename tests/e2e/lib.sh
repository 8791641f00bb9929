# Helpers for the end-to-end scripts: a throw-away game folder beside the real
# data, waiting for windows, screenshots. The game is driven only from outside.

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# e2e_game_folder <build dir>: prints a new folder holding a copy of the game and
# links to its data, so the test never touches the player's own files.
e2e_game_folder() {
  local build dir
  build=$(cd "$1" && pwd)
  dir=$(mktemp -d /tmp/zumbo-e2e-XXXXXX)
  cp "$build/zumbo" "$dir/zumbo"
  cp "$build/zumbo.ini" "$dir/zumbo.ini" 2>/dev/null || true
  mkdir "$dir/data"
  for entry in "$build"/data/*; do
    [ "$(basename "$entry")" = fullscreen.stt ] && continue
    ln -s "$entry" "$dir/data/$(basename "$entry")"
  done
  echo "$dir"
}

# e2e_wait_window <width> <height> [seconds]: prints the id of a visible window
# named ZumboRumble with that size.
e2e_wait_window() {
  local w=$1 h=$2 limit=${3:-30} t=0 id geo
  while [ "$t" -lt $((limit * 4)) ]; do
    for id in $(xdotool search --onlyvisible --name '^ZumboRumble$' 2>/dev/null); do
      geo=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/.*Geometry: //p')
      if [ "$geo" = "${w}x${h}" ]; then echo "$id"; return 0; fi
    done
    sleep 0.25; t=$((t + 1))
  done
  return 1
}

# e2e_shot <file>: the whole screen as the player sees it.
e2e_shot() { import -window root "$1"; }

# e2e_wait_exit <pid> [seconds]: waits for the game (a child of this shell) to end
# and sets e2e_status to its exit status, or "timeout" after killing it.
e2e_wait_exit() {
  local pid=$1 limit=${2:-20} t=0
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$t" -ge $((limit * 4)) ]; then kill -9 "$pid"; e2e_status=timeout; return 0; fi
    sleep 0.25; t=$((t + 1))
  done
  e2e_status=0
  wait "$pid" || e2e_status=$?
}

# e2e_click <window> <x> <y>: a click as long as a player's (the game polls the
# button once a frame, so an instant press and release could fall between frames).
e2e_click() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.1
  xdotool mousedown 1; sleep 0.15; xdotool mouseup 1
}

# e2e_key <key>: a key held for a few frames.
e2e_key() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }

# e2e_wait_screen <window> <seconds> <x,y=RRGGBB>...: waits until every listed pixel of
# the window is within a few levels of its colour, so a script moves on when the screen
# it needs is up rather than after a fixed wait. Returns 1 on time-out.
e2e_wait_screen() {
  local win=$1 limit=$2 t=0 grab spot at want got ok
  shift 2
  grab=$(mktemp /tmp/zumbo-e2e-grab-XXXXXX.ppm)
  while [ "$t" -lt $((limit * 4)) ]; do
    ok=1
    if import -window "$win" -depth 8 "$grab" 2>/dev/null; then
      for spot in "$@"; do
        want=${spot#*=} at=${spot%%=*}
        got=$(convert "$grab" -crop "1x1+${at%,*}+${at#*,}" +repage -format '%[hex:u.p{0,0}]' info: 2>/dev/null | head -c 6)
        e2e_colour_near "$want" "$got" || { ok=0; break; }
      done
    else
      ok=0
    fi
    if [ "$ok" = 1 ]; then rm -f "$grab"; return 0; fi
    sleep 0.25; t=$((t + 1))
  done
  rm -f "$grab"
  return 1
}

# e2e_colour_near <RRGGBB> <RRGGBB>: true when no channel differs by more than 12.
e2e_colour_near() {
  local i a b
  [ ${#2} = 6 ] || return 1
  for i in 0 2 4; do
    a=$((16#${1:i:2})) b=$((16#${2:i:2}))
    [ $((a > b ? a - b : b - a)) -le 12 ] || return 1
  done
}
