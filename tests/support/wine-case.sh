#!/usr/bin/env bash
# The cross-compiling emulator of the Wine test programs, as GoogleTest's test discovery
# calls it:
# - "program --gtest_list_tests" lists the cases (under Wine, line ends made Unix ones);
# - "program --gtest_filter=CASE ..." with TZP_CASE_LOG set reports CASE from the log of
#   the program's whole run (wine-batch.sh): its output, and success only when it passed;
# - anything else runs the program under Wine (wine-run.sh).
set -u
here=$(dirname "$0")

filter=
list=0
for arg in "$@"; do
    case $arg in
        --gtest_list_tests) list=1 ;;
        --gtest_filter=*) filter=${arg#--gtest_filter=} ;;
    esac
done

if [ "$list" -eq 1 ]; then
    "$here/wine-run.sh" "$@" 2>/dev/null | tr -d '\r'
    exit "${PIPESTATUS[0]}"
fi

if [ -z "$filter" ] || [ -z "${TZP_CASE_LOG:-}" ]; then
    exec "$here/wine-run.sh" "$@"
fi

log=$TZP_CASE_LOG
if [ ! -f "$log" ]; then
    echo "No run of the program to report from: $log is missing" >&2
    exit 1
fi
# The case's lines, from its start to its verdict; a case cut short by a crash has no
# verdict, and the rest of the log is its output.
awk -v name="$filter" '
    $0 == "[ RUN      ] " name { inside = 1 }
    inside { print }
    inside && match($0, /^\[ +(OK|FAILED|SKIPPED) +\] /) {
        rest = substr($0, RLENGTH + 1)
        if (rest == name || index(rest, name " ") == 1 || index(rest, name ",") == 1) {
            verdict = $0; inside = 0
        }
    }
    END {
        if (verdict ~ /^\[ +(OK|SKIPPED) +\]/) exit 0
        exit 1
    }' "$log"
rc=$?
if [ "$rc" -ne 0 ] && ! grep -qxF "[ RUN      ] $filter" "$log"; then
    echo "$filter was not run: the program ended with exit code $(cat "$log.rc" 2>/dev/null)" \
        "before it (see the whole run's output in $log)"
fi
exit "$rc"
