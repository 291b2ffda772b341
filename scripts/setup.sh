#!/usr/bin/env bash
# Installs what building and testing the control panel needs, when it is missing.
# Installing needs root; without it the script says what is missing and stops.
#
# It gets through the normal troubles of a package mirror: an index that fails to
# download (a mirror mid-sync) is retried, then set aside, and the install goes on with
# the indexes there are; an install that fails because a 64-bit library is newer than
# any 32-bit twin the remaining indexes offer is tried again with the release's own
# archive preferred. It fails only when a package the build needs cannot be installed,
# and names it. The 32-bit Wine is installed only where this machine runs 32-bit
# programs (scripts/machine.sh finds out by running one); without it the i686 runs are
# skipped, and the test command says so.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/machine.sh
tzp_detect_32bit

# clang with its runtime libraries (libFuzzer and the sanitizers) builds the fuzz targets;
# libclang-rt-14-dev is only recommended by clang, so it is named. The release signs with
# osslsigncode, its check makes certificates with openssl, and zip makes the archives.
# imagemagick, x11-utils and xdotool take the demo's screenshots.
packages=(cmake ninja-build g++ googletest mingw-w64 wine wine64 xvfb imagemagick x11-utils xdotool
          clang libclang-rt-14-dev osslsigncode openssl zip)
# The shipped i686 program and its tests run under the 32-bit Wine, which Debian installs
# beside the 64-bit one through multiarch: a 64-bit prefix then runs 32-bit programs as
# 64-bit Windows does (WOW64). Only the i686 runs need it.
i386_packages=()
[ "$TZP_RUNS_32BIT" = yes ] && i386_packages=(wine32:i386)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
missing32=()
for p in "${i386_packages[@]}"; do installed "$p" || missing32+=("$p"); done
add_i386=0
[ ${#missing32[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386 && add_i386=1
[ ${#missing[@]} -eq 0 ] && [ ${#missing32[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    [ "$add_i386" -eq 1 ] && echo "Missing: the i386 architecture (dpkg --add-architecture i386)" >&2
    [ ${#missing[@]} -gt 0 ] && echo "Missing packages: ${missing[*]}" >&2
    [ ${#missing32[@]} -gt 0 ] && echo "Missing for the i686 runs: ${missing32[*]}" >&2
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Run this script as root, or install them with apt-get." >&2
        exit 1
    fi
    echo "The i686 runs will be skipped; run this script as root to install it." >&2
    exit 0
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp "${TMPDIR:-/tmp}/tzp-setup.XXXXXX")
trap 'rm -f "$log"' EXIT

if [ "$add_i386" -eq 1 ]; then
    echo "Adding the i386 architecture (for wine32:i386)"
    dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]} ${missing32[*]}"

# apt-get update, three times at most; then the install goes on with what it has, after
# naming the indexes that did not download.
update_indexes() {
    local try
    for try in 1 2 3; do
        apt-get update -qq >"$log" 2>&1 && return 0
        [ "$try" -lt 3 ] && sleep $((try * 10))
    done
    echo "set-up: some package indexes did not download (tried 3 times); going on with the others:"
    grep -E '^(E|W): (Failed to fetch|Some index files)' "$log" | sort -u | sed 's/^/    /'
}

# Installs the packages; a failure is tried again with the release's own archive
# preferred, which gives a multiarch pair one version when an updates index is missing.
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
install() {
    apt-get install -y -qq "$@" >"$log" 2>&1 && return 0
    [ -n "$release" ] &&
        apt-get install -y -qq -o APT::Default-Release="$release" "$@" >"$log" 2>&1
}

# The packages of a list that are still not installed, after one more try of each alone.
not_installable() {
    local p
    for p in "$@"; do
        installed "$p" && continue
        install "$p" || echo "$p"
    done
}

update_indexes
failed=()
if [ ${#missing[@]} -gt 0 ] && ! install "${missing[@]}"; then
    mapfile -t failed < <(not_installable "${missing[@]}")
fi
if [ ${#failed[@]} -gt 0 ]; then
    echo "set-up: could not install ${failed[*]}, which the build needs; apt-get said:" >&2
    grep -E '^(E|W): ' "$log" | sed 's/^/    /' >&2
    exit 1
fi
if [ ${#missing32[@]} -gt 0 ] && ! install "${missing32[@]}"; then
    echo "set-up: could not install ${missing32[*]}: the i686 runs will be skipped; apt-get said:"
    grep -E '^(E|W): ' "$log" | sed 's/^/    /'
fi
exit 0
