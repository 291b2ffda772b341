#!/usr/bin/env bash
# Checks that the shipped programs are reproducible: two builds of the same sources, in
# folders with different absolute paths (the sources copied elsewhere too), at different
# times, must give the same bytes.
#
#   bash scripts/check-reproducible.sh           both programs, each built twice from scratch
#   bash scripts/check-reproducible.sh --quick   the i686 program only: build/repro-i686 (kept
#                                                between runs, compiler cache allowed) against
#                                                one build from scratch without the cache
#
# The test command runs --quick; build/repro-i686/tzpcp.exe is then the checked program.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
quick=false
case "${1:-}" in
    --quick) quick=true ;;
    "") ;;
    *) echo "usage: bash scripts/check-reproducible.sh [--quick]" >&2; exit 2 ;;
esac

work=$(mktemp -d "${TMPDIR:-/tmp}/tzp-repro.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The second build's sources: the working tree as it is, in another folder. Without the
# repository beside it, it is given the first build's version.
mkdir "$work/elsewhere"
git ls-files -z --cached --others --exclude-standard |
    xargs -0 tar -cf - --no-recursion --ignore-failed-read -- 2>/dev/null | tar -xf - -C "$work/elsewhere"

architectures=(i686 x86_64)
$quick && architectures=(i686)
failed=0
for arch in "${architectures[@]}"; do
    if $quick; then
        first=$source/build/repro-$arch
        bash scripts/build-shipped.sh "$arch" "$first" >/dev/null
    else
        first=$work/first/build-$arch
        bash scripts/build-shipped.sh "$arch" "$first" --no-cache >/dev/null
    fi
    version=$(sed -nE 's/.*return "([^"]+)".*/\1/p' "$first/generated/core/version.cpp")
    second=$work/elsewhere/build/second-$arch
    bash "$work/elsewhere/scripts/build-shipped.sh" "$arch" "$second" --no-cache \
        -DTZP_VERSION="$version" >/dev/null
    a=$(sha256sum <"$first/tzpcp.exe" | cut -d' ' -f1)
    b=$(sha256sum <"$second/tzpcp.exe" | cut -d' ' -f1)
    if [ "$a" = "$b" ]; then
        echo "reproducible: $arch tzpcp.exe $a"
    else
        echo "NOT reproducible: $arch tzpcp.exe $a ($first) against $b ($second)" >&2
        cmp -l "$first/tzpcp.exe" "$second/tzpcp.exe" | head -n 20 >&2 || true
        failed=1
    fi
done
exit $failed
