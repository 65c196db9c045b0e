#!/usr/bin/env bash
# Runs the bad-file cases that only a player who is not root meets (a table they may not read, a
# program folder they may not write) as such a player. As root, the test program is copied where
# nobody can run it and runs as nobody through setpriv; where that cannot be, the case is skipped
# with the reason (exit status 77).
#   unprivileged.sh BAD_FILES_TEST
set -euo pipefail
test=${1:?the bad files test program}
filter='*Unprivileged*'
if [ "$(id -u)" -ne 0 ]; then
    exec "$test" --gtest_filter="$filter"
fi
if ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1; then
    echo "SKIP: running as root, and setpriv (util-linux) or the user nobody is missing"
    exit 77
fi
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
chmod 755 "$copy"
cp "$test" "$copy/"
cd "$copy"
output=$(setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$copy" TMPDIR=/tmp QT_QPA_PLATFORM=offscreen ./"$(basename "$test")" \
    --gtest_filter="$filter" 2>&1) || { echo "$output"; exit 1; }
echo "$output"
# As nobody, nothing may be skipped: that would mean the cases did not run after all.
if grep -q 'SKIPPED' <<<"$output" || ! grep -q 'PASSED.*1 test' <<<"$output"; then
    echo "FAIL: the cases did not run as nobody"
    exit 1
fi
