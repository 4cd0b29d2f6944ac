#!/bin/sh
# Builds into build/ (or build-sanitize/ with --sanitize) everything, tests
# and benchmarks included. --run builds only what running the program needs
# (the program, the transcoder stand-ins and the help file); a build folder
# it configures first leaves the tests and benchmarks out.
# MORVANE_WERROR=ON in the environment turns warnings into errors (CI).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/build"; extra="-DBUILD_TESTING=ON -DMORVANE_BUILD_BENCHMARKS=ON"; target=""
case "${1:-}" in
"") ;;
--sanitize)
    dir="$top/build-sanitize"; extra="$extra -DMORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" ;;
--run)
    target="--target morvane-program"; extra=""
    [ -f "$dir/CMakeCache.txt" ] || extra="-DBUILD_TESTING=OFF -DMORVANE_BUILD_BENCHMARKS=OFF" ;;
*)
    echo "usage: $0 [--sanitize | --run]" >&2; exit 2 ;;
esac
extra="$extra -DMORVANE_WERROR=${MORVANE_WERROR:-OFF}"
# shellcheck disable=SC2086
cmake -S "$top" -B "$dir" -G Ninja $extra >&2
# shellcheck disable=SC2086
cmake --build "$dir" --parallel "$(nproc)" $target >&2
echo "$dir"
