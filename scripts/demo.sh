#!/usr/bin/env bash
# Builds the control panel and opens it on a demo pack under Wine. With an X display the
# window opens there; without one it runs under Xvfb, a screenshot of the window is
# saved as a PNG and its path printed.
#
# It opens the program as it ships, the i686 one, with 32-bit test filter libraries,
# where this machine runs 32-bit programs and the 32-bit Wine (scripts/machine.sh); on a
# machine that runs none, the x86_64 program with 64-bit ones, and says why.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
source scripts/machine.sh
tzp_detect_32bit
bash scripts/setup.sh
bash langs/build-langs.sh
tzp_detect_i686_runs

if [ "$TZP_I686_RUNS" = yes ]; then
    preset=mingw32
    # The 32-bit tools of the 64-bit prefix see the registry view and system folder that
    # the 32-bit program sees.
    system='C:\windows\syswow64'
else
    preset=mingw64
    system='C:\windows\system32'
    echo "Opening the x86_64 program, not the shipped i686 one: $TZP_I686_SKIP"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2 --target tzpcp
cmake --build --preset "$preset" -j2 --target tzp_testlibs 2>/dev/null || true
build=$root/build/$preset

demo=$root/build/demo
rm -rf "$demo"
pack="$demo/Tessaly Pack"
install="$demo/Tessaly Install"
mkdir -p "$pack/Langs" "$pack/Settings" "$pack/Sav" "$install/filtres" "$install/mpc"
cp "$build/tzpcp.exe" "$pack/"
cp langs/en.ini langs/fr.ini "$pack/Langs/"
printf '.nsv\r\n.y4m\r\n' > "$pack/Settings/exts.ini"
# The test filter libraries stand in for the pack's filters, the stand-in programs
# for the pack's own when they were built.
[ -d "$build/testlibs/filtres" ] && cp "$build/testlibs/filtres/"* "$install/filtres/"
[ -f "$build/testlibs/player/tzpplayer.exe" ] && cp "$build/testlibs/player/tzpplayer.exe" "$install/mpc/mplayerc.exe"
[ -f "$build/testlibs/updater/dod.exe" ] && cp "$build/testlibs/updater/dod.exe" "$pack/"

tzp_wine64
export WINEPREFIX=$demo/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
reg() { "$wine" "$system\\reg.exe" "$@"; }
winpath() { echo "Z:$1" | sed 's|/|\\|g'; }
reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
reg add 'HKCU\SOFTWARE\Tessaly Zivozod Pack' /v cpllang /d "${DEMO_LANG:-en}" /f >/dev/null
reg add 'HKCU\SOFTWARE\Tessaly Zivozod Pack' /ve /d "$(winpath "$install")" /f >/dev/null
# Register a few filters, as an installed pack would have them, so that the demo shows
# detected states as well as versions.
for lib in ffdshow.ax VSFilter.dll mkx.dll FLVSplitter.ax; do
    [ -f "$install/filtres/$lib" ] && "$wine" "$system\\regsvr32.exe" /s "$(winpath "$install/filtres/$lib")" >/dev/null 2>&1 || true
done

# Some media types open with the pack's player, one with another program, so that the
# associations tab has real entries to show.
player=$(winpath "$install/mpc/mplayerc.exe")
for ext in .mpg .mpeg .avi .mkv .mp4 .m4a .mp3 .nsv; do
    reg add "HKCR\\$ext" /ve /d "TZPDemo$ext" /f >/dev/null
    reg add "HKCR\\TZPDemo$ext\\shell\\open\\command" /ve /d "\"$player\" \"%1\"" /f >/dev/null
done
reg add 'HKCR\.ogg' /ve /d TZPDemoText /f >/dev/null
reg add 'HKCR\TZPDemoText\shell\open\command' /ve /d 'C:\windows\notepad.exe %1' /f >/dev/null
# A saved profile: every filter off but FFDshow.
for id in 001 002 003 004 005 006 009 010 011 012 013 014 015 016 017 018 019 020 070; do
    [ "$id" = 006 ] && printf '%s 1\r\n' "$id" || printf '%s 0\r\n' "$id"
done > "$pack/Sav/FFDshow only.sav"
printf 'REGEDIT4\r\n' > "$pack/Sav/FFDshow only.reg"

if [ -n "${DISPLAY:-}" ]; then
    echo "Opening the control panel on $pack"
    exec "$wine" "$(winpath "$pack/tzpcp.exe")"
fi

display=
for n in $(seq 50 150); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    display=":$n"
    break
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
"$wine" "$(winpath "$pack/tzpcp.exe")" &
for _ in $(seq 60); do
    xwininfo -root -tree 2>/dev/null | grep -q "Tessaly Zivozod Pack Control Panel" && break
    sleep 0.5
done
sleep 2
window=$(xdotool search --name "Tessaly Zivozod Pack Control Panel" | head -n 1)
shoot() {
    import -window "$window" "$1" 2>/dev/null || import -window root "$1"
}
shot=$demo/control-panel.png
shoot "$shot"
# The pointer resting on FFDshow's box shows its library, version and registration.
eval "$(xdotool getwindowgeometry --shell "$window")"
for x in 150 160 170; do xdotool mousemove $((X + x)) $((Y + 102)); sleep 0.3; done
sleep 3 && import -window root "$demo/filter-tooltip.png"
echo "Screenshot of a filter's tooltip: $demo/filter-tooltip.png"
xdotool mousemove $((X + 500)) $((Y + 560))
# The other two tabs, clicked as a user would.
xdotool mousemove --window "$window" 104 40 click 1 && sleep 1 && shoot "$demo/associations-tab.png"
xdotool mousemove --window "$window" 168 40 click 1 && sleep 1 && shoot "$demo/about-tab.png"
echo "Screenshots of the other tabs: $demo/associations-tab.png $demo/about-tab.png"
echo "Screenshot of the control panel: $shot"
