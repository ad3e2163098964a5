#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tests as the user "nobody" when started as root, for the cases where root would pass
# for the wrong reason: permissions do not bind root, and root may mount a small file system
# where an ordinary user gets the injected size limit instead. Exit 77 (skipped) when that
# cannot be arranged; any test still skipped as nobody is a failure.
#   as_user.sh TESTS GTEST_FILTER
set -uo pipefail
tests=$1 filter=$2
if [ "$(id -u)" -ne 0 ]; then
  exec "$tests" --gtest_filter="$filter"
fi
command -v setpriv >/dev/null || { echo "setpriv missing"; exit 77; }
tmp=$(mktemp -d)
chmod 1777 "$tmp"
trap 'rm -rf "$tmp"' EXIT
out=$(setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$tmp" TMPDIR="$tmp" \
        XDG_RUNTIME_DIR="$tmp" "$tests" --gtest_filter="$filter" 2>&1)
rc=$?
echo "$out"
[ $rc -eq 0 ] || exit 1
if grep -q '\[  SKIPPED \]' <<<"$out"; then echo "still skipped as nobody"; exit 1; fi
grep -q '\[  PASSED  \] [1-9]' <<<"$out" || exit 1
