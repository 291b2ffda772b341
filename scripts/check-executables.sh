#!/usr/bin/env bash
# Checks the headers of the executables we ship, as the elevated program needs them:
# - address-space randomisation (DYNAMIC_BASE, with its relocations kept), no-execute
#   data (NX_COMPAT), terminal-server awareness, and on 64-bit high-entropy randomisation;
# - imports from the system's known libraries only (kernel32, user32, gdi32, advapi32,
#   msvcrt, and comctl32, which the manifest binds to the system's side-by-side copy):
#   any other library would be looked for beside the program first, where anyone who can
#   write to that folder can plant one.
#
#   scripts/check-executables.sh [EXE...]   default: the i686 build and a 64-bit one
#
# One line a executable, "passed" or "FAILED" with what is missing; the last line counts
# them ("executables: N passed, M failed"); the exit code is non-zero on a failure.
set -uo pipefail
cd "$(dirname "$0")/.."

allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll comctl32.dll"

exes=("$@")
if [ ${#exes[@]} -eq 0 ]; then
    exes=(build/mingw32/tzpcp.exe)
    # The shipped 64-bit build when it was built, else the test build of the same code.
    if [ -f build/mingw64-release/tzpcp.exe ]; then
        exes+=(build/mingw64-release/tzpcp.exe)
    else
        exes+=(build/mingw64/tzpcp.exe)
    fi
fi

# The problems of one executable, one a line; nothing when it is sound.
problems() {
    local exe=$1 dump bits flag dll
    if [ ! -f "$exe" ]; then
        echo "no such file"
        return
    fi
    dump=$(x86_64-w64-mingw32-objdump -p "$exe" 2>/dev/null) || { echo "not an executable"; return; }
    case "$(grep -m1 -o 'file format [a-z0-9-]*' <<<"$dump")" in
        "file format pei-i386") bits=32 ;;
        "file format pei-x86-64") bits=64 ;;
        *) echo "not a Windows executable"; return ;;
    esac
    # objdump names each DllCharacteristics bit on its own line below the value.
    local flags=(DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
    [ "$bits" = 64 ] && flags+=(HIGH_ENTROPY_VA)
    local characteristics
    characteristics=$(sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p' <<<"$dump")
    for flag in "${flags[@]}"; do
        grep -qw "$flag" <<<"$characteristics" || echo "missing flag $flag"
    done
    # Randomisation needs the relocations: "relocations stripped" is bit 0x0001.
    local fileFlags
    fileFlags=$(sed -nE 's/^Characteristics[[:space:]]+0x([0-9a-fA-F]+).*/\1/p' <<<"$dump" | head -n 1)
    if [ -n "$fileFlags" ] && (( 16#$fileFlags & 1 )); then
        echo "relocations stripped (no address-space randomisation)"
    fi
    while read -r dll; do
        [ -n "$dll" ] || continue
        grep -qiw -- "$(tr 'A-Z' 'a-z' <<<"$dll")" <<<"$allowed" ||
            echo "imports $dll, which is not a known system library (allowed: $allowed)"
    done < <(sed -nE 's/^[[:space:]]*DLL Name: (.*)$/\1/p' <<<"$dump")
}

passed=0
failed=0
for exe in "${exes[@]}"; do
    found=$(problems "$exe")
    if [ -z "$found" ]; then
        echo "executable $exe: passed"
        passed=$((passed + 1))
    else
        echo "executable $exe: FAILED"
        sed 's/^/    /' <<<"$found"
        failed=$((failed + 1))
    fi
done
echo "executables: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
