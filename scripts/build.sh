#!/bin/sh
# Builds into build/ (or build-sanitize/ with --sanitize).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
dir="$top/build"; extra=""
if [ "${1:-}" = "--sanitize" ]; then
    dir="$top/build-sanitize"; extra="-DMORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"
fi
# shellcheck disable=SC2086
cmake -S "$top" -B "$dir" -G Ninja $extra >&2
cmake --build "$dir" --parallel "$(nproc)" >&2
echo "$dir"
