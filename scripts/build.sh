#!/bin/sh
# Builds into build/ (or build-sanitize/ with --sanitize).
# MORVANE_WERROR=ON in the environment turns warnings into errors (CI).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/build"; extra=""
if [ "${1:-}" = "--sanitize" ]; then
    dir="$top/build-sanitize"; extra="-DMORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
fi
extra="$extra -DMORVANE_WERROR=${MORVANE_WERROR:-OFF}"
# shellcheck disable=SC2086
cmake -S "$top" -B "$dir" -G Ninja $extra >&2
cmake --build "$dir" --parallel "$(nproc)" >&2
echo "$dir"
