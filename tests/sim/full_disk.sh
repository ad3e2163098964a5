#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The simulator on a full disk: a shot that cannot be written and output that cannot be
# written both end the run with status 2 and a line naming what failed; a picture already
# there stays byte for byte and no temporary file is left. The disk is a small tmpfs filled
# up where this may mount one, else a file-size limit of 0 on the simulator.
#   full_disk.sh SIM SHAPES STYLE
set -uo pipefail
sim=$1 shapes=$2 style=$3
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
disk=$work/disk
mkdir "$disk"
mounted=0
cleanup() { [ $mounted -eq 1 ] && umount -l "$disk"; rm -rf "$work"; }
trap cleanup EXIT

# Standard output on a full device: nothing may pass for success.
printf '10 dump\n' >"$work/dump.script"
err=$("$sim" --shapes "$shapes" "$work/dump.script" 2>&1 >/dev/full)
rc=$?
[ $rc -eq 2 ] || fail "output to /dev/full: status $rc"
grep -q "cannot write the output (No space left on device)" <<<"$err" || fail "stderr: $err"

# A shot onto a full disk, over an older picture of the same name.
printf '5 shot %s\n' "$disk/well.png" >"$work/shot.script"
if mount -t tmpfs -o size=65536 tmpfs "$disk" 2>/dev/null; then
  mounted=1
  "$sim" --shapes "$shapes" --style "$style" "$work/shot.script" >/dev/null || fail "first shot"
  cp "$disk/well.png" "$work/old.png"
  dd if=/dev/zero of="$disk/filler" bs=4k 2>/dev/null
  err=$("$sim" --shapes "$shapes" --style "$style" "$work/shot.script" 2>&1 >/dev/null)
  rc=$?
  expect="well.png: cannot write (No space left on device)"
else
  "$sim" --shapes "$shapes" --style "$style" "$work/shot.script" >/dev/null || fail "first shot"
  cp "$disk/well.png" "$work/old.png"
  # Ignored here, the signal stays ignored in the simulator, whose write then fails instead.
  err=$(trap '' XFSZ; ulimit -f 0; "$sim" --shapes "$shapes" --style "$style" \
          "$work/shot.script" 2>&1 >/dev/null)
  rc=$?
  expect="well.png: cannot write (File too large)"
fi
[ $rc -eq 2 ] || fail "shot on a full disk: status $rc ($err)"
grep -qF "$expect" <<<"$err" || fail "stderr: $err"
cmp -s "$disk/well.png" "$work/old.png" || fail "the old picture changed"
left=$(ls -A "$disk" | grep -v '^filler$' | tr '\n' ' ')
[ "$left" = "well.png " ] || fail "left in the folder: $left"
# A file-size limit with the signal left at its default: the simulator ignores SIGXFSZ itself,
# so the write fails and is reported, and the run is not killed (status 153).
err=$(trap - XFSZ; ulimit -f 0; "$sim" --shapes "$shapes" --style "$style" \
        "$work/shot.script" 2>&1 >/dev/null)
rc=$?
[ $rc -eq 2 ] || fail "shot over a file-size limit: status $rc ($err)"
grep -qF "well.png: cannot write (File too large)" <<<"$err" || fail "stderr: $err"
cmp -s "$disk/well.png" "$work/old.png" || fail "the old picture changed (size limit)"
left=$(ls -A "$disk" | grep -v '^filler$' | tr '\n' ' ')
[ "$left" = "well.png " ] || fail "left in the folder (size limit): $left"
echo "ok (mounted=$mounted)"
