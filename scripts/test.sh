#!/usr/bin/env bash
# Builds the three builds and runs every test: the native unit tests (with sanitizers),
# a short run of every fuzz target, then the Windows tests under Wine, the GUI tests under
# Xvfb among them. The i686 build is compiled and linked only: 32-bit programs cannot run
# on these machines.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
bash langs/build-langs.sh

# Every test case is a CTest test of its own; a Wine test program also has one test,
# "run.<kind>", that runs the program whole. The summary counts cases and failures.
failed=0
passed=0
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
        runs=$(grep -cE 'Test +#[0-9]+: run\.' "$log")
        badRuns=$(grep -E 'Test +#[0-9]+: run\.' "$log" | grep -vc ' Passed ')
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
if build mingw32; then echo "i686 build: compiled and linked"; else echo "i686 build failed"; failed=$((failed + 1)); fi
if build mingw64; then run_ctest mingw64; else echo "x86_64 build failed"; failed=$((failed + 1)); fi

echo
echo "Summary: $passed test cases passed, $failed failed"
[ "$failed" -eq 0 ]
