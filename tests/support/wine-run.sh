#!/usr/bin/env bash
# Runs one Windows program under Wine, in a Wine prefix made for this run alone and
# removed afterwards. Without an X display it starts Xvfb on a free display first.
# The prefix is a 64-bit one, as users' Windows is: a 32-bit program (the shipped i686
# build) runs in it as under WOW64, through the 32-bit Wine (wine32:i386), on a machine
# whose kernel runs 32-bit programs (scripts/machine.sh).
set -u

# Wine's 64-bit loader, whatever else is installed: Debian's /usr/bin/wine starts the
# 32-bit one whenever wine32:i386 is there, and then no 64-bit program starts on a machine
# that runs no 32-bit code. The 64-bit loader hands a 32-bit program to the 32-bit one.
source "$(dirname "$0")/../../scripts/machine.sh"
tzp_wine64

# A 32-bit program needs a kernel that runs 32-bit programs and the 32-bit Wine; without
# them Wine's message says little.
machine() {
    local header
    header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$header" ] && od -An -tx1 -j$((header + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
if [ -f "${1:-}" ] && [ "$(machine "$1")" = "4c01" ]; then
    tzp_detect_32bit
    if [ "$TZP_RUNS_32BIT" = no ]; then
        echo "wine-run: $1 is a 32-bit program, and $TZP_NO_32BIT_REASON" >&2
        exit 127
    fi
    if [ ! -x /usr/lib/wine/wine ] && [ ! -x /usr/lib/i386-linux-gnu/wine/wine ]; then
        echo "wine-run: $1 is a 32-bit program, and the 32-bit Wine (wine32:i386) is missing:" \
            "run scripts/setup.sh as root" >&2
        exit 127
    fi
fi

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tzp-wine.XXXXXX")
export WINEPREFIX="$prefix/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT

# Xvfb picks the free display itself and writes its number once it listens: two runs
# started together never share one (the first to end would take the other's display away).
if [ -z "${DISPLAY:-}" ]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$prefix/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$prefix/display" ] && break; sleep 0.1; done
    if [ -s "$prefix/display" ]; then
        export DISPLAY=":$(head -n 1 "$prefix/display")"
    else
        echo "wine-run: Xvfb did not start" >&2
    fi
fi

# Under Xvfb with no window manager Wine pauses whenever a top-level window is hidden,
# unless its windows are unmanaged.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$wine" "$@"
rc=$?
timeout 60 wineserver -w >/dev/null 2>&1
exit $rc
