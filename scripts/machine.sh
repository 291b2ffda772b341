#!/usr/bin/env bash
# What this machine can run, found out by running it, never by what is installed: a
# kernel may have its 32-bit emulation off (a boot setting), and then every i386 program,
# the 32-bit Wine included, fails with "Exec format error" however many packages are in.
#
# Sourced by the scripts:
#   tzp_wine64                  sets $wine to Wine's 64-bit loader and exports WINELOADER,
#                               so that 64-bit programs never go through the 32-bit loader
#                               that Debian's /usr/bin/wine prefers once wine32 is installed
#   tzp_detect_32bit            sets and exports TZP_RUNS_32BIT (yes|no) and, when no,
#                               TZP_NO_32BIT_REASON; kept when already set, so a test
#                               command finds it out once
#   tzp_detect_i686_runs        after set-up: sets and exports TZP_I686_RUNS (yes|no) and,
#                               when no, TZP_I686_SKIP (the reason) and TZP_I686_SKIP_SHORT:
#                               the kernel runs 32-bit programs and the 32-bit Wine starts one
#
# Run:
#   bash scripts/machine.sh                 prints what this machine runs
#   bash scripts/machine.sh --self-check    checks the detection itself
#
# TZP_ASSUME_NO_32BIT=1 makes the detection answer "no" whatever the kernel does: a way
# to try, on any machine, the path of a machine that runs no 32-bit programs. Only the
# detection reads it.

# The probes: the smallest programs that say they ran, by exiting with 42, so that a
# program that merely exists, or a stand-in that exits 0, is never taken for one that
# runs. One for x86-64, one for i386 (a static ELF: no library, no loader).
tzp_probe_x86_64=7f454c4602010100000000000000000002003e0001000000780040000000000040000000000000000000000000000000000000004000380001000000000000000100000005000000000000000000000000004000000000000000400000000000840000000000000084000000000000000010000000000000bf2a000000b83c0000000f05
tzp_probe_i386=7f454c460101010000000000000000000200030001000000548004083400000000000000000000003400200001000000000000000100000000000000008004080080040860000000600000000500000000100000bb2a000000b801000000cd80

# Writes the program of the given hex bytes to a file and makes it executable.
tzp_write_probe() {
    local hex=$1 file=$2
    # shellcheck disable=SC2059 # the format is the bytes, as \xHH escapes
    printf "$(sed 's/../\\x&/g' <<<"$hex")" >"$file" && chmod +x "$file"
}

# Whether the program ran: it exited with 42, the probes' own code.
tzp_runs_probe() {
    # In a subshell of its own, so that a probe that crashes makes no noise.
    local rc=0
    ("$1") >/dev/null 2>&1 || rc=$?
    [ "$rc" -eq 42 ]
}

tzp_wine64() {
    wine=/usr/lib/wine/wine64
    [ -x "$wine" ] || wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
    export WINELOADER=$wine
}

tzp_detect_32bit() {
    case ${TZP_RUNS_32BIT:-} in yes | no) return 0 ;; esac
    if [ "${TZP_ASSUME_NO_32BIT:-}" = 1 ]; then
        TZP_RUNS_32BIT=no
        TZP_NO_32BIT_REASON="this machine's kernel runs no 32-bit programs (assumed: TZP_ASSUME_NO_32BIT=1)"
    else
        local dir
        dir=$(mktemp -d "${TMPDIR:-/tmp}/tzp-probe.XXXXXX")
        if tzp_write_probe "$tzp_probe_i386" "$dir/probe32" && tzp_runs_probe "$dir/probe32"; then
            TZP_RUNS_32BIT=yes
            TZP_NO_32BIT_REASON=
        else
            TZP_RUNS_32BIT=no
            TZP_NO_32BIT_REASON="this machine's kernel runs no 32-bit programs"
        fi
        rm -rf "$dir"
    fi
    export TZP_RUNS_32BIT TZP_NO_32BIT_REASON
}

# Whether the 32-bit Wine starts a 32-bit Windows program: the 32-bit command prompt of
# a fresh 64-bit prefix, as WOW64 runs it, exits with the code it is given.
tzp_wine32_starts() {
    local wine dir rc=0
    tzp_wine64
    [ -x "$wine" ] || return 1
    [ -x /usr/lib/wine/wine ] || [ -x /usr/lib/i386-linux-gnu/wine/wine ] || return 1
    dir=$(mktemp -d "${TMPDIR:-/tmp}/tzp-wine32.XXXXXX")
    WINEPREFIX=$dir/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        timeout 120 "$wine" 'C:\windows\syswow64\cmd.exe' /c exit 42 >/dev/null 2>&1 || rc=$?
    WINEPREFIX=$dir/prefix timeout 30 wineserver -k >/dev/null 2>&1
    rm -rf "$dir"
    [ "$rc" -eq 42 ]
}

tzp_detect_i686_runs() {
    case ${TZP_I686_RUNS:-} in yes | no) return 0 ;; esac
    tzp_detect_32bit
    TZP_I686_RUNS=no
    if [ "$TZP_RUNS_32BIT" = no ]; then
        TZP_I686_SKIP=$TZP_NO_32BIT_REASON
        TZP_I686_SKIP_SHORT="no 32-bit programs here"
    elif ! [ -x /usr/lib/wine/wine ] && ! [ -x /usr/lib/i386-linux-gnu/wine/wine ]; then
        TZP_I686_SKIP="the 32-bit Wine (wine32:i386) is not installed (see scripts/setup.sh's output)"
        TZP_I686_SKIP_SHORT="no 32-bit Wine here"
    elif ! tzp_wine32_starts; then
        TZP_I686_SKIP="the 32-bit Wine is installed but starts no 32-bit Windows program"
        TZP_I686_SKIP_SHORT="no working 32-bit Wine here"
    else
        TZP_I686_RUNS=yes
        TZP_I686_SKIP=
        TZP_I686_SKIP_SHORT=
    fi
    export TZP_I686_RUNS TZP_I686_SKIP TZP_I686_SKIP_SHORT
}

# The detection's own check: a probe that runs is seen to run, one that cannot run
# (built for another processor) and one that runs but is not a probe (another exit code)
# are not, and the assumption variable answers "no".
tzp_self_check() {
    local dir problems=()
    dir=$(mktemp -d "${TMPDIR:-/tmp}/tzp-probe.XXXXXX")
    tzp_write_probe "$tzp_probe_x86_64" "$dir/runs"
    # e_machine 0xb7: AArch64, which an x86-64 kernel never runs.
    tzp_write_probe "${tzp_probe_x86_64:0:36}b700${tzp_probe_x86_64:40}" "$dir/foreign"
    # The same program exiting with 0 instead of 42.
    tzp_write_probe "${tzp_probe_x86_64:0:${#tzp_probe_x86_64}-22}00${tzp_probe_x86_64: -20}" "$dir/other"
    tzp_runs_probe "$dir/runs" || problems+=("a 64-bit probe that runs was reported as not running")
    tzp_runs_probe "$dir/foreign" && problems+=("a probe for another processor was reported as running")
    tzp_runs_probe "$dir/other" && problems+=("a program that is not the probe was taken for it")
    local answer
    answer=$(unset TZP_RUNS_32BIT; TZP_ASSUME_NO_32BIT=1; tzp_detect_32bit; echo "$TZP_RUNS_32BIT")
    [ "$answer" = no ] || problems+=("TZP_ASSUME_NO_32BIT=1 gave \"$answer\"")
    rm -rf "$dir"
    if [ ${#problems[@]} -gt 0 ]; then
        printf 'machine: self-check FAILED: %s\n' "${problems[@]}"
        return 1
    fi
    echo "machine: self-check passed (a running probe runs, a foreign one and an impostor do not, the assumption answers no)"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    case ${1:-} in
        --self-check) tzp_self_check; exit ;;
        "")
            tzp_detect_i686_runs
            echo "32-bit programs: $TZP_RUNS_32BIT${TZP_NO_32BIT_REASON:+ ($TZP_NO_32BIT_REASON)}"
            echo "i686 runs under Wine: $TZP_I686_RUNS${TZP_I686_SKIP:+ ($TZP_I686_SKIP)}"
            ;;
        *) echo "usage: bash scripts/machine.sh [--self-check]" >&2; exit 2 ;;
    esac
fi
