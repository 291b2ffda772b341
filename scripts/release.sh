#!/usr/bin/env bash
# Makes the release of the checked-out commit in build/release/:
#
#   tzpcp-<version>-i686/     tzpcp.exe, Langs\en.ini, Langs\fr.ini (Windows-1252), README.txt
#   tzpcp-<version>-x86_64/   the same for 64-bit Windows
#   tzpcp-<version>-<arch>.zip  each folder as an archive
#   BUILDINFO                 the commit and the tools that made the bytes
#   SHA256SUMS                the hash of every file above
#
#   bash scripts/release.sh [--allow-dirty]
#
# The version is the project's (the last v* tag). The programs are built from scratch
# without a compiler cache, in build/release-i686 and build/release-x86_64; the same commit
# gives the same bytes on any machine with the same tools. With a certificate in the
# environment (see scripts/sign.sh) both programs are signed after the build and the
# archives hold the signed programs; the unsigned programs, which are what a rebuild
# reproduces, stay in unsigned/ with their hashes in SHA256SUMS too. What ships is then
# checked as it ships: the headers of both programs (scripts/check-executables.sh), and a
# start of each under Wine where this machine runs its bitness (scripts/machine.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

# The certificate's variables go to the signing step alone, not to every compiler and
# linker the builds start: taken out of the environment here, handed to sign.sh there.
signing=()
for variable in TZP_SIGN_CERT TZP_SIGN_KEY TZP_SIGN_KEY_PASSWORD TZP_SIGN_PKCS12 \
    TZP_SIGN_PASSWORD TZP_SIGN_TIMESTAMP TZP_SIGN_CA; do
    if [ -n "${!variable:-}" ]; then
        signing+=("$variable=${!variable}")
    fi
    unset "$variable"
done

allowDirty=false
for argument in "$@"; do
    case $argument in
        --allow-dirty) allowDirty=true ;;
        *) echo "usage: bash scripts/release.sh [--allow-dirty]" >&2; exit 2 ;;
    esac
done

bash scripts/setup.sh

# Uncommitted changes (untracked sources too: the build globs them) would make a release
# that no commit describes.
refuseDirty() {
    local changes
    changes=$(git status --porcelain)
    [ -z "$changes" ] && return 0
    echo "$changes" >&2
    if $allowDirty; then
        echo "release.sh: uncommitted changes, going on as asked (--allow-dirty)" >&2
        return 0
    fi
    echo "release.sh: $1; commit them, or give --allow-dirty" >&2
    exit 1
}
refuseDirty "the tree has uncommitted changes"
bash langs/build-langs.sh
refuseDirty "langs/*.ini are not what build-langs.sh makes of langs/src"

commit=$(git rev-parse HEAD)
# The commit's time stands for every time the release carries (archive entries).
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
export TZ=UTC LC_ALL=C

out=build/release
rm -rf "$out"
mkdir -p "$out"
for arch in i686 x86_64; do
    rm -rf "build/release-$arch"
    bash scripts/build-shipped.sh "$arch" "build/release-$arch" --no-cache
done
version=$(sed -nE 's/.*return "([^"]+)".*/\1/p' build/release-i686/generated/core/version.cpp)
[ -n "$version" ] || { echo "release.sh: no version in the build" >&2; exit 1; }
if ! tag=$(git describe --tags --exact-match --match 'v[0-9]*' HEAD 2>/dev/null); then
    echo "release.sh: note: $commit carries no v* tag; the release is named $version" >&2
fi

# The README's user part: the sections between the "README.txt" marks.
readmeText() {
    awk '/<!-- README.txt -->/ { on = 1; next } /<!-- \/README.txt -->/ { on = 0; print ""; next }
         on' README.md | iconv -f UTF-8 -t WINDOWS-1252 | sed 's/$/\r/'
}

sign=false
if [ ${#signing[@]} -gt 0 ]; then
    sign=true
    mkdir -p "$out/unsigned"
fi
for arch in i686 x86_64; do
    name=tzpcp-$version-$arch
    mkdir -p "$out/$name/Langs"
    if $sign; then
        cp "build/release-$arch/tzpcp.exe" "$out/unsigned/$name.exe"
        echo "Signing $name/tzpcp.exe"
        env "${signing[@]}" bash scripts/sign.sh "$out/unsigned/$name.exe" "$out/$name/tzpcp.exe"
    else
        cp "build/release-$arch/tzpcp.exe" "$out/$name/tzpcp.exe"
    fi
    cp langs/en.ini langs/fr.ini "$out/$name/Langs/"
    readmeText >"$out/$name/README.txt"
done

# The programs as they ship: their headers, and a start of each, which prints its usage.
bash scripts/check-executables.sh "$out/tzpcp-$version-i686/tzpcp.exe" \
    "$out/tzpcp-$version-x86_64/tzpcp.exe" >/dev/null ||
    { bash scripts/check-executables.sh "$out"/tzpcp-"$version"-*/tzpcp.exe >&2; exit 1; }
source scripts/machine.sh
tzp_detect_i686_runs
for arch in i686 x86_64; do
    if [ "$arch" = i686 ] && [ "$TZP_I686_RUNS" = no ]; then
        echo "release.sh: the i686 program is not started: $TZP_I686_SKIP" >&2
        continue
    fi
    usage=$(tests/support/wine-run.sh "$out/tzpcp-$version-$arch/tzpcp.exe" /? 2>/dev/null) || true
    grep -q '^Tessaly Zivozod Pack Control Panel ' <<<"$usage" ||
        { echo "release.sh: the $arch program does not start under Wine: $usage" >&2; exit 1; }
done

# Archives that depend on nothing but the files: entries in byte order, every time the
# commit's, fixed permissions, no owner or extended attributes (-X), no folder entries (-D).
find "$out" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
find "$out" -type f -exec chmod 644 {} +
for arch in i686 x86_64; do
    name=tzpcp-$version-$arch
    (cd "$out" && find "$name" -type f | sort | zip -X -D -9 -q "$name.zip" -@)
    touch -d "@$SOURCE_DATE_EPOCH" "$out/$name.zip"
done

{
    echo "commit $commit"
    echo "version $version${tag:+ (tag $tag)}"
    echo "commit time $SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M:%S UTC'))"
    dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
        binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 mingw-w64-i686-dev mingw-w64-x86-64-dev zip
} >"$out/BUILDINFO"

sums=$(cd "$out" && find . -type f | sed 's|^\./||' | sort | xargs sha256sum)
echo "$sums" >"$out/SHA256SUMS"
echo
echo "Release $version of $commit in $out:"
cat "$out/SHA256SUMS"
