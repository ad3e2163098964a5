#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target in BUILD/fuzz over its seed corpus, then for SECONDS seconds each
# (default 8). Fails on any crash, hang (over 5 s for one input), leak or sanitizer report;
# the input that did it is kept in BUILD/fuzz-artifacts/.
#   tests/fuzz/run_fuzzers.sh BUILD [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-8}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
failed=0; ran=0
for target in shapes style settings keynames padlayout records audio replay; do
  exe="$build/fuzz/fuzz_$target"
  if [ ! -x "$exe" ]; then echo "fuzz_$target: not built"; failed=$((failed + 1)); continue; fi
  work=$(mktemp -d)
  # A fixed seed makes every run explore the same inputs first, so a failure is reproducible.
  common=(-seed=1 -timeout=5 -rss_limit_mb=2048 -max_len=8192 -artifact_prefix="$artifacts/$target-"
          -print_final_stats=0)
  log="$artifacts/$target.log"
  # First every seed once, then new inputs for a bounded time (found ones go to $work only).
  if "$exe" "${common[@]}" -runs=0 "$here/corpus/$target" >"$log" 2>&1 &&
     "$exe" "${common[@]}" -max_total_time="$seconds" "$work" "$here/corpus/$target" >>"$log" 2>&1; then
    echo "fuzz_$target: ok ($(grep -o 'cov: [0-9]*' "$log" | tail -1), $(ls "$work" | wc -l) new inputs)"
    ran=$((ran + 1))
  else
    echo "fuzz_$target: FAILED, see $log"; tail -40 "$log"; failed=$((failed + 1))
  fi
  rm -rf "$work"
done
echo "fuzz: $ran passed, $failed failed"
[ "$failed" -eq 0 ]
