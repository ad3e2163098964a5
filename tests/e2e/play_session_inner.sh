#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The session itself, run inside the virtual X server by play_session.sh.
set -euo pipefail
[ -n "${E2E_TRACE:-}" ] && set -x
app=$1 work=$2
data=$app/data
shot=$work/shot

# Known settings: level 10 (pieces land at once and wait 1000 steps, so the well changes only
# when a key is pressed), hold on, no ghost (the well stays empty until the first piece
# appears), sound on, climb 0, default keys; pause on focus loss, a 640 x 480 window.
printf ' 10 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n' >"$data/option_game.000"
printf 'centre.kblox\r\nclassic.style\r\n' >"$data/option_style.000"
printf ' 37 \r\n 39 \r\n 40 \r\n 90 \r\n 38 \r\n 65 \r\n 32 \r\n 67 \r\n 13 \r\n' >"$data/option_key.000"
printf ' 1 \r\n 640 \r\n 480 \r\n 0 \r\n 0 \r\n 0 \r\n 10 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n' >"$data/option_more.000"
rm -f "$data/records.000"
for f in option_game option_style option_key option_more; do
  cp "$data/$f.000" "$work/$f.want"
  touch -d '2001-01-01' "$data/$f.000"
done

fail() {
  echo "FAIL: $*" >&2
  echo "windows shown:" >&2
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    echo "  $(xdotool getwindowname "$w" 2>/dev/null)" >&2
  done
  [ -f "$work/out.log" ] && sed 's/^/  program: /' "$work/out.log" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# Waits up to $1 seconds (fractions allowed) for the command in the remaining arguments.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((10#${t:0:-3})); }
waitfor() {
  local limit_ms end
  limit_ms=$(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }'); shift
  end=$(($(now_ms) + limit_ms))
  until "$@"; do
    [ "$(now_ms)" -lt "$end" ] || return 1
    sleep 0.1
  done
}

region() { # WxH X Y -> geometry in screen coordinates
  echo "$1+$(($2 + wx))+$(($3 + wy))"
}
snap() { # name WxH X Y
  import -window root "$shot.png"
  convert "$shot.png" -crop "$(region "$2" "$3" "$4")" +repage "$work/$1.png"
}
differs() { # a b: true when the two pictures differ in at least one pixel
  local n
  n=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
  [ "${n%% *}" != "0" ]
}
mean() { convert "$work/$1.png" -format '%[fx:mean]' info:; }
nonblack() { awk -v m="$(mean "$1")" 'BEGIN { exit !(m > 0.01) }'; }

xdotool getdisplaygeometry >/dev/null 2>&1 || exit 75
cd "$work"
"$app/zembrik" >"$work/out.log" 2>&1 &
pid=$!
alive() { kill -0 "$pid" 2>/dev/null; }

findwin() { wid=$(xdotool search --onlyvisible --name '^Zembrik$' 2>/dev/null | head -1) && [ -n "$wid" ]; }
waitfor 20 findwin || fail "no window named Zembrik"
eval "$(xdotool getwindowgeometry --shell "$wid")"
wx=$X wy=$Y
[ "$WIDTH" = 640 ] && [ "$HEIGHT" = 480 ] || fail "window is ${WIDTH}x$HEIGHT, not 640x480"
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
# Each key is held for a few frames: a press and release inside one frame would never be seen
# by a game step, just as with a real keyboard.
key() {
  local k
  for k in "$@"; do
    xdotool keydown "$k"; sleep 0.08; xdotool keyup "$k"; sleep 0.05
  done
}

# The menu: the level bar is lit up to the saved level.
menu_up() { snap menu 192x33 216 200 && nonblack menu; }
waitfor 10 menu_up || fail "menu panel not shown"
cp "$work/menu.png" "$work/menu0.png"

# Enter starts a game and Up, pressed during the two-second entry delay, turns the coming
# piece as it appears; on this level it then lands at once on the floor (rows 20 and 21).
# Every shape is wider than tall unturned and taller than wide turned, except the square,
# which looks the same: then leave and start another game.
lit() { # name: true when some pixel is clearly brighter than the empty well
  [ "$(convert "$work/$1.png" -colorspace gray -threshold 30% -format '%[fx:maxima]' info:)" != 0 ]
}
well_up() { snap wall 16x384 216 80 && nonblack wall; }
landed() { snap floor 160x32 232 416 && lit floor; }
turned=
for attempt in 1 2 3 4 5 6; do
  xdotool keydown Return; sleep 0.08; xdotool keyup Return; key Up
  waitfor 10 well_up || fail "well not shown after Enter"
  waitfor 10 landed || fail "no piece appeared"
  snap area 160x352 232 96
  read -r w h < <(convert "$work/area.png" -colorspace gray -threshold 30% -trim -format '%w %h\n' info:)
  [ "$w" -lt "$h" ] && { turned=1; break; }
  [ "$w" -gt "$h" ] && fail "Up did not turn the piece (${w}x$h pixels)"
  key Escape
  waitfor 10 menu_up || fail "menu not back after Esc"
done
[ -n "$turned" ] || fail "only square pieces came"

# Nothing moves on this level until a key is pressed.
sleep 0.3
snap w1 192x448 216 16
sleep 0.5
snap w1b 192x448 216 16
differs w1 w1b && fail "the well changes without any key"
changed_from() { snap "$2" 192x448 216 16 && differs "$1" "$2"; }

key Left Left
waitfor 5 changed_from w1 w2 || fail "Left did not move the piece"
sleep 0.2; snap w2 192x448 216 16
key Down
waitfor 5 changed_from w2 w3 || fail "Down did not lock the piece"
sleep 0.5; snap w3 192x448 216 16
key Right
waitfor 5 changed_from w3 w4 || fail "Right did not move the next piece"

# P pauses: a plain panel hides the well (its wall too) and reads PAUSED; P again resumes.
panel_up() { snap pwall 12x300 218 100 && ! nonblack pwall && snap ptext 150x40 237 150 && lit ptext; }
key p
waitfor 5 panel_up || fail "P did not show the pause panel"
sleep 0.5
panel_up || fail "the pause panel went away by itself"
key p
waitfor 5 well_up || fail "P did not resume the game"

# R starts the game again at once: the well is empty during the new entry delay, then the
# first piece lands again.
empty_floor() { snap floor 160x32 232 416 && ! lit floor; }
landed || fail "no stack before R"
key r
waitfor 1.8 empty_floor || fail "R did not start a new game"
waitfor 10 landed || fail "no piece in the restarted game"

# Esc leaves the game for the menu, Esc again ends the program.
key Escape
waitfor 10 menu_up || fail "menu not back after Esc"
differs menu0 menu && fail "menu differs from the first one"
alive || fail "program ended on the first Esc"
[ -e "$data/records.000" ] && fail "a game left by Esc or R went into records.000"

# A game played to its end: each Down locks the piece where it lands, until the stack reaches
# the top. The menu comes back with the summary beside it and the game is in records.000.
summary_up() { snap summary 184x300 16 120 && lit summary; }
menu_back() { snap menu 192x33 216 200 && ! differs menu0 menu; }
summary_up && fail "something is drawn left of the menu before any game ended"
key Return
waitfor 10 well_up || fail "well not shown after Enter"
for attempt in $(seq 1 80); do
  menu_back && break
  key Down
  sleep 0.2
done
waitfor 10 menu_back || fail "the game did not end with the stack at the top"
waitfor 5 summary_up || fail "no summary after the game ended"
[ -f "$data/records.000" ] || fail "no records.000 after the game ended"
stamp='[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z'
# A Classic game with classic handling, finished: after the tab, mode 0, handling 0 with its
# default numbers, finished 1.
fields='10 10( [0-9]+){8} 1 0 0 1 0 centre\.kblox'$'\t''0 0 10 2 1 1'
grep -qaE "^$stamp $fields"$'\r'"\$" "$data/records.000" ||
  fail "records.000 is not the game's line: $(od -c "$data/records.000" | head -5)"
[ "$(wc -l <"$data/records.000")" = 1 ] || fail "records.000 has more than one line"
key Escape
waitfor 10 bash -c "! kill -0 $pid 2>/dev/null" || fail "program still running after Esc on the menu"
wait "$pid" || fail "program exit status $?"

for f in option_game option_style option_key option_more; do
  [ "$(stat -c %Y "$data/$f.000")" -gt 1000000000 ] || fail "$f.000 was not rewritten"
  cmp -s "$data/$f.000" "$work/$f.want" || fail "$f.000 differs: $(od -c "$data/$f.000" | head -3)"
done
echo "e2e session passed"
