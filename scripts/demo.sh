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

# DirectShow entries, as a pack's filters and two other decoders would register them, so
# that a filter box's tooltip and the details view (the box's context menu) show who plays
# which format: FFDshow's video and audio decoders, a decoder of higher merit for H.264,
# and an audio decoder that Windows prefers for AAC.
instance='HKCR\CLSID\{083863F1-70DE-11d0-BD40-00A0C911CE86}\Instance'
filter_entry() { # clsid name filter-data
    reg add "$instance\\$1" /v CLSID /d "$1" /f >/dev/null
    reg add "$instance\\$1" /v FriendlyName /d "$2" /f >/dev/null
    reg add "$instance\\$1" /v FilterData /t REG_BINARY /d "$3" /f >/dev/null
}
other_decoder() { # clsid name filter-data
    reg add "HKCR\CLSID\\$1" /ve /d "$2" /f >/dev/null
    reg add "HKCR\CLSID\\$1\InprocServer32" /ve /d "$system\\quartz.dll" /f >/dev/null
    filter_entry "$@"
}
if [ -f "$install/filtres/ffdshow.ax" ]; then
    filter_entry '{04FE9017-F873-410E-871E-AB91661A4EF7}' 'FFDshow Video Decoder' \
        0200000010006000010000000000000030706933000000000000000002000000000000000000000030747933000000004800000058000000307479330000000048000000680000007669647300001000800000aa00389b714832363400001000800000aa00389b714d50345600001000800000aa00389b71
    filter_entry '{0F40E1E5-4F79-4988-B1A9-CC98794E6B55}' 'FFDshow Audio Decoder' \
        0200000020006000010000000000000030706933000000000000000002000000000000000000000030747933000000004800000058000000307479330000000048000000680000006175647300001000800000aa00389b71ff00000000001000800000aa00389b712c806de046dbcf11b4d100805f6cbbea
fi
other_decoder '{7E57D001-0000-4000-8000-00000000D001}' 'Demo H.264 Decoder' \
    02000000000080000100000000000000307069330000000000000000010000000000000000000000307479330000000038000000480000007669647300001000800000aa00389b714832363400001000800000aa00389b71
other_decoder '{7E57D002-0000-4000-8000-00000000D002}' 'Demo Audio Decoder' \
    02000000000010000100000000000000307069330000000000000000010000000000000000000000307479330000000038000000480000006175647300001000800000aa00389b71ff00000000001000800000aa00389b71
reg add 'HKLM\SOFTWARE\Microsoft\DirectShow\Preferred' /v '{000000FF-0000-0010-8000-00AA00389B71}' \
    /d '{7E57D002-0000-4000-8000-00000000D002}' /f >/dev/null

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
