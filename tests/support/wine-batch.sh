#!/usr/bin/env bash
# Runs a whole Windows test program once under Wine (wine-run.sh: one private prefix for
# the program) and keeps its output in a log, from which wine-case.sh then reports each
# test case as a CTest test of its own. Starting a Wine prefix takes seconds, and many
# cases share a started program or pack, so running every case in its own prefix would
# multiply the run time.
#   wine-batch.sh <log> <program.exe> [arguments]
# Exits 0 when the program ran its cases; a case that failed, crashed or was never
# reached fails as its own test. A failure outside every case (a suite's set-up or
# tear-down) fails this run.
set -u
log=$1
shift
here=$(dirname "$0")
rm -f "$log" "$log.rc"
mkdir -p "$(dirname "$log")"
"$here/wine-run.sh" "$@" 2>&1 | tr -d '\r' | tee "$log"
rc=${PIPESTATUS[0]}
echo "$rc" >"$log.rc"
if ! grep -q '^\[==========\] Running' "$log"; then
    echo "wine-batch: $1 ran no test case (exit code $rc)" >&2
    exit 1
fi
if [ "$rc" -ne 0 ] && ! grep -q '^\[  FAILED  \]' "$log" &&
    grep -q '^\[==========\] .* ran\.' "$log"; then
    echo "wine-batch: $1 ended with exit code $rc, though no case failed" >&2
    exit 1
fi
exit 0
