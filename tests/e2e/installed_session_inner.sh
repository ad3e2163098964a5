#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The session itself, run inside the virtual X server by installed_session.sh: start the
# installed program, click level 13 on the level bar, quit with Esc.
set -euo pipefail
[ -n "${E2E_TRACE:-}" ] && set -x
program=$1 work=$2

fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/out.log" ] && sed 's/^/  program: /' "$work/out.log" >&2
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}
waitfor() { # seconds command...: polls every 0.1 s
  local tries=$(($1 * 10)); shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

xdotool getdisplaygeometry >/dev/null 2>&1 || exit 75
cd "$work"
"$program" >"$work/out.log" 2>&1 &
pid=$!
# The caption becomes "Zembrik" only once start-up, sound set-up included, has succeeded.
findwin() { wid=$(xdotool search --onlyvisible --name '^Zembrik$' 2>/dev/null | head -1) && [ -n "$wid" ]; }
waitfor 20 findwin || fail "no window named Zembrik (still loading, or the sound set-up failed)"
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The 640 x 480 design fills the window at a whole scale, centred.
scale=$((WIDTH / 640 < HEIGHT / 480 ? WIDTH / 640 : HEIGHT / 480))
[ "$scale" -ge 1 ] || fail "window is ${WIDTH}x$HEIGHT"
ox=$((X + (WIDTH - 640 * scale) / 2)) oy=$((Y + (HEIGHT - 480 * scale) / 2))
at() { echo $((ox + $1 * scale)) $((oy + $2 * scale)); }

# The level bar: twenty buttons of 18 x 15 at (216, 200) in the design, ten to a row, 19 apart.
# Level 13 is the fourth of the second row.
lit() { # x y: the button's centre is lit (its colour times three, 0xC0) rather than unlit (0x40)
  import -window root -crop "1x1+$1+$2" "$work/px.png"
  [ "$(convert "$work/px.png" -format '%[fx:int(255*max(r,max(g,b)))]' info:)" -gt 128 ]
}
read -r lx ly < <(at $((216 + 19 * 3 + 9)) $((200 + 18 + 7)))
waitfor 10 bash -c "$(declare -f lit); work=$work; ! lit $lx $ly" || fail "level 13 is lit before the click"
xdotool mousemove "$lx" "$ly" click 1
waitfor 5 lit "$lx" "$ly" || fail "level 13 did not light up after the click"

xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
xdotool key Escape
waitfor 10 bash -c "! kill -0 $pid 2>/dev/null" || fail "program still running after Esc on the menu"
wait "$pid" || fail "program exit status $?"
