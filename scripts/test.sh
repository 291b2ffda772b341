#!/usr/bin/env bash
# Builds the four builds and runs every test: the native unit tests (with sanitizers),
# a short run of every fuzz target, then the Windows tests under Wine, the GUI tests under
# Xvfb among them, for both Windows builds: the x86_64 one, and the shipped i686 one,
# whose programs run as 32-bit programs in a 64-bit Wine prefix (WOW64, through the
# 32-bit Wine that scripts/setup.sh installs), their cases named "i686.…".
#
# Not every machine runs 32-bit programs (a kernel with its 32-bit emulation off runs
# none, whatever is installed). There the i686 build and its tests are still built, with
# warnings as errors, its headers checked and its reproducibility proved; only its runs
# are skipped, said in a line of their own and counted apart in the summary.
# TZP_ASSUME_NO_32BIT=1 takes that path on any machine (scripts/machine.sh).
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/machine.sh
tzp_detect_32bit
bash scripts/setup.sh || exit 1
tzp_detect_i686_runs
bash langs/build-langs.sh

# Every test case is a CTest test of its own; a Wine test program also has one test,
# "run.<kind>", that runs the program whole. The summary counts cases and failures.
failed=0
passed=0
skipped=0
cases=0
run_ctest() {
    local preset=$1 log
    log=$(mktemp)
    shift
    ctest --preset "$preset" "$@" 2>&1 | tee "$log"
    local line
    line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
    else
        local total bad runs badRuns
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
        bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
        runs=$(grep -cE 'Test +#[0-9]+: (i686\.)?run\.' "$log")
        badRuns=$(grep -E 'Test +#[0-9]+: (i686\.)?run\.' "$log" | grep -vc ' Passed ')
        cases=$((total - runs))
        passed=$((passed + total - bad - runs + badRuns))
        failed=$((failed + bad))
    fi
    rm -f "$log"
}

build() {
    cmake --preset "$1" -DTZP_WERROR=ON >/dev/null && cmake --build --preset "$1" -j2
}

if build native; then run_ctest native --parallel 2; else echo "native build failed"; failed=$((failed + 1)); fi
# A short run of every fuzz target (15 seconds each): a reader that breaks one of its
# properties again fails here.
fuzzlog=$(mktemp)
bash scripts/fuzz.sh 2>&1 | tee "$fuzzlog"
fuzzline=$(grep -E '^fuzz: [0-9]+ passed, [0-9]+ failed' "$fuzzlog" | tail -n 1)
if [ -z "$fuzzline" ]; then
    echo "fuzz build failed"
    failed=$((failed + 1))
else
    passed=$((passed + $(sed -E 's/fuzz: ([0-9]+) passed.*/\1/' <<<"$fuzzline")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed/\1/' <<<"$fuzzline")))
fi
rm -f "$fuzzlog"
stage_start=$SECONDS
x86_64_cases=0
if build mingw64; then
    run_ctest mingw64
    x86_64_cases=$cases
else
    echo "x86_64 build failed"
    failed=$((failed + 1))
fi
echo "x86_64 build and tests: $((SECONDS - stage_start)) s"
# The start-up and command-line cases once more, against the x86_64 program as it ships
# (Release, no debug information, built by the release's own recipe), so that what ships
# is what was tested; the test program is the x86_64 build's.
stage_start=$SECONDS
shipped_cases() {
    local log ok bad
    log=$(mktemp)
    TZP_PROGRAM_UNDER_TEST=$PWD/build/shipped-x86_64/tzpcp.exe tests/support/wine-run.sh \
        build/mingw64/tests/tzp_gui_tests.exe --gtest_filter='CommandMode.*:ShellGui.*' 2>&1 |
        tr -d '\r' | sed 's/^/shipped x86_64: /' | tee "$log"
    ok=$(sed -nE 's/^shipped x86_64: \[  PASSED  \] ([0-9]+) tests?\..*/\1/p' "$log")
    bad=$(sed -nE 's/^shipped x86_64: \[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' "$log")
    rm -f "$log"
    if [ -z "$ok" ]; then
        echo "shipped x86_64: the test program did not finish"
        failed=$((failed + 1))
        return
    fi
    passed=$((passed + ok))
    failed=$((failed + ${bad:-0}))
}
if bash scripts/build-shipped.sh x86_64 build/shipped-x86_64 >/dev/null; then
    shipped_cases
else
    echo "shipped x86_64 build failed"
    failed=$((failed + 1))
fi
echo "shipped x86_64 program's start-up and command-line cases: $((SECONDS - stage_start)) s"
stage_start=$SECONDS
skip_line="i686 runs skipped: $TZP_I686_SKIP"
if ! build mingw32; then
    echo "i686 build failed"
    failed=$((failed + 1))
elif [ "$TZP_I686_RUNS" = yes ]; then
    run_ctest mingw32
else
    # The i686 test programs are built from the same sources as the x86_64 ones, so
    # theirs are the cases that do not run; they cannot be listed without running them.
    skipped=$x86_64_cases
    echo "$skip_line"
fi
echo "i686 build and tests: $((SECONDS - stage_start)) s"
# The shipped executables' headers: randomisation, no-execute, terminal-server awareness,
# and imports from the system's known libraries only. One case an executable.
exelog=$(mktemp)
bash scripts/check-executables.sh build/mingw32/tzpcp.exe build/shipped-x86_64/tzpcp.exe 2>&1 |
    tee "$exelog"
exeline=$(grep -E '^executables: [0-9]+ passed, [0-9]+ failed' "$exelog" | tail -n 1)
if [ -z "$exeline" ]; then
    failed=$((failed + 1))
else
    passed=$((passed + $(sed -E 's/executables: ([0-9]+) passed.*/\1/' <<<"$exeline")))
    failed=$((failed + $(sed -E 's/.* ([0-9]+) failed/\1/' <<<"$exeline")))
fi
rm -f "$exelog"
# The release's two checks, a case each: the shipped i686 program is reproducible (one more
# build of it from scratch, elsewhere, gives the same bytes), and a copy of it signed with a
# throw-away certificate verifies and still starts under Wine.
release_check() {
    if "$@"; then passed=$((passed + 1)); else echo "failed: $*"; failed=$((failed + 1)); fi
}
release_check bash scripts/check-reproducible.sh --quick
release_check bash scripts/check-signing.sh build/repro-i686/tzpcp.exe build/mingw64/tzpcp.exe
# The detection that decides the skip: a program that runs is seen to run, one that
# cannot is not.
release_check bash scripts/machine.sh --self-check

echo
if [ "$TZP_I686_RUNS" = yes ]; then
    echo "Summary: $passed test cases passed, $failed failed"
else
    echo "$skip_line"
    echo "Summary: $passed test cases passed, $failed failed, $skipped skipped (i686 runs: $TZP_I686_SKIP_SHORT)"
fi
[ "$failed" -eq 0 ]
