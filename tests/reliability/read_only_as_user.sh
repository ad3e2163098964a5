#!/usr/bin/env bash
# Runs the settings writer's read-only-folder test as the user "nobody" when started as root,
# where folder permissions would not apply. Exit 77 (skipped) when that cannot be arranged.
#   read_only_as_user.sh APP_TESTS
set -uo pipefail
tests=$1
filter='SettingsFileTest.ReadOnlyFolderReportsAnErrorAndKeepsTheOldFiles'
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
grep -q '\[  PASSED  \] 1 test' <<<"$out" || exit 1
