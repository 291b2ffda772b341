#!/usr/bin/env bash
# Installs what building and testing the control panel needs, when it is missing.
# Installing needs root; without it the script says what is missing and stops.
set -euo pipefail

# clang with its runtime libraries (libFuzzer and the sanitizers) builds the fuzz targets;
# libclang-rt-14-dev is only recommended by clang, so it is named. The release signs with
# osslsigncode, its check makes certificates with openssl, and zip makes the archives.
packages=(cmake ninja-build g++ googletest mingw-w64 wine wine64 xvfb imagemagick x11-utils xdotool
          clang libclang-rt-14-dev osslsigncode openssl zip)
# The shipped i686 program and its tests run under the 32-bit Wine, which Debian installs
# beside the 64-bit one through multiarch: a 64-bit prefix then runs 32-bit programs as
# 64-bit Windows does (WOW64).
i386_packages=(wine32:i386)

missing=()
for p in "${packages[@]}" "${i386_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
i386_missing=0
dpkg --print-foreign-architectures | grep -qx i386 || i386_missing=1
[ ${#missing[@]} -eq 0 ] && [ "$i386_missing" -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    [ "$i386_missing" -eq 1 ] && echo "Missing: the i386 architecture (dpkg --add-architecture i386)" >&2
    [ ${#missing[@]} -gt 0 ] && echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root, or install them with apt-get." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [ "$i386_missing" -eq 1 ]; then
    echo "Adding the i386 architecture (for wine32:i386)"
    dpkg --add-architecture i386
fi
[ ${#missing[@]} -gt 0 ] && echo "Installing: ${missing[*]}"
apt-get update -qq
[ ${#missing[@]} -gt 0 ] && apt-get install -y -qq "${missing[@]}" >/dev/null
exit 0
