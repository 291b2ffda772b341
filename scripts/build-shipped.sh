#!/usr/bin/env bash
# Builds the program as it ships (Release, no debug information, no tests) for one
# architecture in a build folder of its own:
#
#   bash scripts/build-shipped.sh i686|x86_64 BUILD_DIR [--no-cache] [CMAKE_ARGUMENTS...]
#
# release.sh and check-reproducible.sh build with this one recipe, so what the check
# proves holds for the release. --no-cache compiles every source (no compiler cache even
# when the environment names one): a real rebuild.
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 2 ] || { echo "usage: bash scripts/build-shipped.sh i686|x86_64 BUILD_DIR [--no-cache]" >&2; exit 2; }
arch=$1 dir=$2
shift 2
case $arch in
    i686 | x86_64) ;;
    *) echo "build-shipped.sh: unknown architecture $arch" >&2; exit 2 ;;
esac
launcher=()
if [ "${1:-}" = --no-cache ]; then
    shift
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER=)
    export CCACHE_DISABLE=1
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-$arch.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTZP_BUILD_TESTS=OFF "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j2 --target tzpcp
