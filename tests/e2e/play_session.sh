#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a short session of the real game in a virtual X server: menu, start, moves, pause,
# restart, Esc, a game played until the stack reaches the top (its summary and records.000
# line), Esc, and checks that the settings files were written back.
# Usage: play_session.sh APP_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
app=${1:?application folder}
for tool in xvfb-run xdotool import compare convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool not installed"; exit 77; }
done
[ -x "$app/zembrik" ] || { echo "no $app/zembrik"; exit 1; }

# The real window system: the test suite itself runs Qt offscreen.
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
trap '[ -n "${E2E_KEEP:-}" ] || rm -rf "$work"' EXIT
# A private copy of the application folder, so the build's own settings are never rewritten.
cp -a "$app" "$work/app"
# The session exits with 75 when it cannot reach its X server (two servers started at the
# same moment may pick the same display number): then it gets a fresh server.
for attempt in 1 2 3; do
  rc=0
  xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$here/play_session_inner.sh" "$work/app" "$work" || rc=$?
  [ "$rc" = 75 ] || exit "$rc"
  echo "X server not reachable, trying again"
  sleep 1
done
exit 1
