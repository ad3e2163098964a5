#!/usr/bin/env bash
# The session itself, run inside the virtual X server by play_session.sh.
set -euo pipefail
app=$1 work=$2
data=$app/data
shot=$work/shot

# Known settings: level 10 (pieces land at once and wait 1000 steps, so the well changes only
# when a key is pressed), hold on, sound on, default keys.
printf ' 10 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n' >"$data/option_game.000"
printf 'centre.kblox\r\nclassic.style\r\n' >"$data/option_style.000"
printf ' 37 \r\n 39 \r\n 40 \r\n 90 \r\n 38 \r\n 65 \r\n 32 \r\n 67 \r\n 13 \r\n' >"$data/option_key.000"
for f in option_game option_style option_key; do
  cp "$data/$f.000" "$work/$f.want"
  touch -d '2001-01-01' "$data/$f.000"
done

fail() { echo "FAIL: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# Waits up to $1 seconds for the command in the remaining arguments to succeed.
waitfor() {
  local limit=$1; shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
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

cd "$work"
"$app/zembrik" >"$work/out.log" 2>&1 &
pid=$!
alive() { kill -0 "$pid" 2>/dev/null; }

findwin() { wid=$(xdotool search --name '^Zembrik$' 2>/dev/null | head -1) && [ -n "$wid" ]; }
waitfor 20 findwin || fail "no window named Zembrik"
eval "$(xdotool getwindowgeometry --shell "$wid")"
wx=$X wy=$Y
[ "$WIDTH" = 640 ] && [ "$HEIGHT" = 480 ] || fail "window is ${WIDTH}x$HEIGHT, not 640x480"
xdotool windowfocus --sync "$wid" 2>/dev/null || xdotool windowfocus "$wid"
key() { xdotool key --delay 30 "$@"; }

# The menu: the new-game picture is drawn at the top of the panel.
menu_up() { snap menu 192x32 216 80 && nonblack menu; }
waitfor 10 menu_up || fail "menu panel not shown"
cp "$work/menu.png" "$work/menu0.png"

# Enter starts a game: the well with its walls appears where the menu was.
key Return
well_up() { snap wall 16x384 0 80 && nonblack wall; }
waitfor 10 well_up || fail "well not shown after Enter"

# The first piece comes after the two-second entry delay and lands at once on this level.
snap w0 192x457 216 16
changed_from() { snap "$2" 192x457 216 16 && differs "$1" "$2"; }
waitfor 10 changed_from w0 w1 || fail "no piece appeared"
sleep 0.3
snap w1 192x457 216 16
sleep 0.5
snap w1b 192x457 216 16
differs w1 w1b && fail "the well changes without any key"

key Left Left
waitfor 5 changed_from w1 w2 || fail "Left did not move the piece"
sleep 0.2; snap w2 192x457 216 16
key Up
waitfor 5 changed_from w2 w3 || fail "Up did not turn the piece"
sleep 0.2; snap w3 192x457 216 16
key Down
waitfor 5 changed_from w3 w4 || fail "Down did not lock the piece"
sleep 0.5; snap w4 192x457 216 16
key Right
waitfor 5 changed_from w4 w5 || fail "Right did not move the next piece"

# Esc leaves the game for the menu, Esc again ends the program.
key Escape
waitfor 10 menu_up || fail "menu not back after Esc"
differs menu0 menu && fail "menu differs from the first one"
alive || fail "program ended on the first Esc"
key Escape
waitfor 10 bash -c "! kill -0 $pid 2>/dev/null" || fail "program still running after Esc on the menu"
wait "$pid" || fail "program exit status $?"

for f in option_game option_style option_key; do
  [ "$(stat -c %Y "$data/$f.000")" -gt 1000000000 ] || fail "$f.000 was not rewritten"
  cmp -s "$data/$f.000" "$work/$f.want" || fail "$f.000 differs: $(od -c "$data/$f.000" | head -3)"
done
echo "e2e session passed"
