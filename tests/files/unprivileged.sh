#!/usr/bin/env bash
# Runs the bad-file cases that only a player who is not root meets (a table they may not read, a
# program folder they may not write) as such a player. As root, the test program is copied where
# nobody can run it and runs as nobody through setpriv; without setpriv the case is skipped with
# the reason (exit status 77).
#   unprivileged.sh BAD_FILES_TEST
set -euo pipefail
filter='--gtest_filter=*Unprivileged*'
[ "$(id -u)" -eq 0 ] || exec "${1:?the bad files test program}" "$filter"
command -v setpriv >/dev/null || { echo "SKIP: running as root, and setpriv is missing"; exit 77; }
copy=$(mktemp -d) && trap 'rm -rf "$copy"' EXIT && chmod 755 "$copy" && cp "$1" "$copy/test"
output=$(cd "$copy" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$copy" TMPDIR=/tmp QT_QPA_PLATFORM=offscreen ./test "$filter" 2>&1) || true
echo "$output"
# As nobody, nothing may be skipped: that would mean the case did not run after all.
! grep -q 'SKIPPED' <<<"$output" && grep -q 'PASSED.*1 test' <<<"$output"
