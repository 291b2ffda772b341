#!/usr/bin/env bash
# Installs what building and testing the control panel needs, when it is missing.
# Installing needs root; without it the script says what is missing and stops.
set -euo pipefail

# clang with its runtime libraries (libFuzzer and the sanitizers) builds the fuzz targets;
# libclang-rt-14-dev is only recommended by clang, so it is named. The release signs with
# osslsigncode, its check makes certificates with openssl, and zip makes the archives.
packages=(cmake ninja-build g++ googletest mingw-w64 wine wine64 xvfb imagemagick x11-utils xdotool
          clang libclang-rt-14-dev osslsigncode openssl zip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this script as root, or install them with apt-get." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
