#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each in turn on its seed corpus.
#
#   scripts/fuzz.sh                 a short run: 15 seconds a target (what the test command does)
#   scripts/fuzz.sh --time N        N seconds a target
#   scripts/fuzz.sh --runs N        N runs a target (the long campaign: --runs 10000000)
#   scripts/fuzz.sh --runs N --time S   N runs a target, or S seconds if that comes first
#   scripts/fuzz.sh ... TARGET...   only the targets named (lang_lookup, text, ...)
#
# The seeds are tests/fuzz/seeds/<target> and, for the language lookup, the shipped
# language files; what a run finds is kept in build/fuzz/corpus/<target>. A failed
# property or a sanitizer report stops the target, leaves the input in
# build/fuzz/artifacts/ and makes the script exit non-zero. Logs: build/fuzz/logs/.
set -uo pipefail
cd "$(dirname "$0")/.."

time=
runs=
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --time) time=$2; shift 2 ;;
        --runs) runs=$2; shift 2 ;;
        *) targets+=("$1"); shift ;;
    esac
done
# A number of runs alone has no time limit; nothing given is the short run.
[ -n "$time" ] || { [ -n "$runs" ] && time=0 || time=15; }
limit=(-max_total_time="$time")
[ -n "$runs" ] && limit+=(-runs="$runs")
# Every target is a file tests/fuzz/<target>_fuzz.cpp, as the build makes them.
if [ ${#targets[@]} -eq 0 ]; then
    for source in tests/fuzz/*_fuzz.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name%_fuzz}")
    done
fi

cmake --preset fuzz >/dev/null && cmake --build --preset fuzz -j2 || exit 1
[ -f langs/en.ini ] || bash langs/build-langs.sh

out=build/fuzz
mkdir -p "$out/artifacts" "$out/logs"
# The language lookup reads an id (the first three bytes) in a whole language file.
seeds=$out/seeds/lang_lookup
mkdir -p "$seeds"
for f in langs/*.ini; do
    for id in 000 029 081 999; do
        { printf '%s' "$id"; cat "$f"; } >"$seeds/$(basename "$f" .ini)-$id"
    done
done

failed=0
passed=0
for t in "${targets[@]}"; do
    corpus=$out/corpus/$t
    mkdir -p "$corpus"
    seedDirs=()
    for d in "tests/fuzz/seeds/$t" "$out/seeds/$t"; do
        [ -d "$d" ] && seedDirs+=("$d")
    done
    # Inputs about the size of the files they stand for: a language file, an export, a
    # language file with a profile's two files, and small files or names for the others.
    # An input that takes longer than the timeout fails the run: 20 minutes (libFuzzer's
    # own), but 10 seconds for the registry file's target, whose first input brings a file
    # of many values that a reading slower than linear takes minutes over.
    timeout=1200
    case "$t" in
        lang_lookup) maxLen=16384 ;;
        export_conversion | command_json) maxLen=4096 ;;
        profile_settings) maxLen=1024 timeout=10 ;;
        *) maxLen=1024 ;;
    esac
    log=$out/logs/$t.log
    # The targets keep a started control panel from one input to the next, whose memory
    # use varies; leak checks would stop them for nothing.
    if "$out/tests/fuzz/${t}_fuzz" "${limit[@]}" -max_len=$maxLen -timeout=$timeout \
        -detect_leaks=0 -artifact_prefix="$out/artifacts/$t-" \
        -print_final_stats=1 "$corpus" "${seedDirs[@]}" >"$log" 2>&1; then
        runs=$(grep -aE '^stat::number_of_executed_units' "$log" | awk '{print $2}')
        echo "fuzz $t: passed, ${runs:-?} runs"
        passed=$((passed + 1))
    else
        echo "fuzz $t: FAILED (see $log)"
        grep -aE 'property failed|ERROR: |runtime error|timeout' "$log" | head -n 3
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
