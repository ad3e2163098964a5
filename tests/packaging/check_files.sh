#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the files the install adds for the desktop: the desktop entry and the AppStream data
# pass their validators without a warning, the manual page formats without a warning, each
# icon has its size, and the art generator still draws the committed icons and style art.
#   check_files.sh SOURCE_FOLDER MANPAGE_GZ ARTGEN
set -uo pipefail
src=$1 man=$2 artgen=$3
pkg=$src/packaging
bad=0
fail() { echo "FAIL: $*"; bad=1; }

out=$(desktop-file-validate "$pkg/zembrik.desktop" 2>&1) || fail "desktop-file-validate"
[ -z "$out" ] || fail "desktop-file-validate says: $out"

out=$(appstreamcli validate --no-net --pedantic --no-color "$pkg/zembrik.metainfo.xml" 2>&1) ||
  fail "appstreamcli validate: $out"
grep -qE '^[EWIP]: ' <<<"$out" && fail "appstreamcli validate says: $out"

# The way lintian formats a manual page: any warning from groff is a fault.
out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
[ -z "$out" ] || fail "the manual page: $out"

for n in 16 32 48 64 128 256; do
  size=$(identify -format '%wx%h %[channels]' "$pkg/icons/${n}x$n/zembrik.png" 2>&1)
  [[ "$size" == "${n}x$n srgba"* ]] || fail "icons/${n}x$n/zembrik.png is $size"
done

# Drawn again into a scratch folder, the art must come out byte for byte as committed.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/gfx" "$tmp/data"
"$artgen" "$tmp" || fail "zembrik-artgen failed"
while IFS= read -r f; do
  cmp -s "$tmp/$f" "$src/$f" || fail "$f differs from what tools/artgen draws"
done < <(cd "$tmp" && find . -type f | sed 's|^\./||')
exit "$bad"
