#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary DESTDIR and runs that installed program in a virtual X
# server as an ordinary user with a fresh home: it must start with sound on, take a start level
# picked on the level bar with a click, and keep it in ~/.config/zembrik/option_game.000, while
# nothing under the install tree changes. Usage: installed_session.sh BUILD_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?build folder}
for tool in xvfb-run xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool not installed"; exit 77; }
done

work=$(mktemp -d)
trap '[ -n "${E2E_KEEP:-}" ] || rm -rf "$work"' EXIT
chmod 755 "$work"
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# The tree as installed: every path with its size, mode and modification time.
tree() { find "$root" -printf '%p %s %m %T@\n' | sort; }
tree >"$work/tree.before"

# A fresh home and the folders the session writes to, owned by whoever runs it.
mkdir -p "$work/home" "$work/tmp" "$work/run"
chmod 700 "$work/run"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv >/dev/null || { echo "skipped: setpriv not installed"; exit 77; }
  chown 65534:65534 "$work/home" "$work/tmp" "$work/run"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
# Only what a desktop session would give: no XDG_CONFIG_HOME or XDG_DATA_HOME from the caller.
run_env=(env -i PATH=/usr/bin:/bin HOME="$work/home" TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/run"
         QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy E2E_TRACE="${E2E_TRACE:-}"
         ASAN_OPTIONS="${ASAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}"
         UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")
# The session exits with 75 when it cannot reach its X server: then it gets a fresh server.
rc=75
for attempt in 1 2 3; do
  rc=0
  "${as_user[@]}" "${run_env[@]}" xvfb-run -a -s "-screen 0 800x600x24 -noreset" \
    "$here/installed_session_inner.sh" "$root/usr/games/zembrik" "$work/tmp" || rc=$?
  [ "$rc" = 75 ] || break
  echo "X server not reachable, trying again"
  sleep 1
done
[ "$rc" = 0 ] || exit "$rc"

fail() { echo "FAIL: $*" >&2; exit 1; }
config=$work/home/.config/zembrik
[ -f "$config/option_game.000" ] || fail "no $config/option_game.000; home has: $(cd "$work/home" && find . | tr '\n' ' ')"
first=$(head -n 1 "$config/option_game.000")
[ "$first" = $' 13 \r' ] || fail "option_game.000 starts with '$first', not the level 13 picked"
for f in option_key option_style option_more; do
  [ -f "$config/$f.000" ] || fail "$f.000 was not written"
done
[ "$(stat -c %a "$config")" = 700 ] || fail "$config is $(stat -c %a "$config"), not 700"
tree >"$work/tree.after"
diff "$work/tree.before" "$work/tree.after" >&2 || fail "the install tree changed"
echo "installed session passed"
