#!/usr/bin/env bash
# Runs one Windows program under Wine, in a Wine prefix made for this run alone and
# removed afterwards. Without an X display it starts Xvfb on a free display first.
set -u

wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)

prefix=$(mktemp -d "${TMPDIR:-/tmp}/tzp-wine.XXXXXX")
export WINEPREFIX="$prefix/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 190); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
        if kill -0 "$xvfb_pid" 2>/dev/null; then
            export DISPLAY=":$n"
            break
        fi
        xvfb_pid=
    done
fi

# Under Xvfb with no window manager Wine pauses whenever a top-level window is hidden,
# unless its windows are unmanaged.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$wine" "$@"
rc=$?
timeout 60 wineserver -w >/dev/null 2>&1
exit $rc
