#!/bin/sh
# Fails when a C++ source of the project differs from .clang-format's style,
# and names what differs. Build folders (build*/ and any folder holding a
# CMakeCache.txt) are left out.
set -eu
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null 2>&1 || {
    echo "check-format: clang-format is not installed (sh scripts/install-deps.sh)" >&2
    exit 1
}
list=$(mktemp)
trap 'rm -f "$list"' EXIT
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -co --exclude-standard -- '*.cpp' '*.h' >"$list"
else
    find . -name 'build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print >"$list"
fi
# Drop anything inside a build folder, wherever it lies.
filtered=$(mktemp)
trap 'rm -f "$list" "$filtered"' EXIT
while IFS= read -r f; do
    dir=$(dirname "$f")
    inside=""
    while [ "$dir" != "." ] && [ "$dir" != "/" ]; do
        [ -f "$dir/CMakeCache.txt" ] && inside=1 && break
        dir=$(dirname "$dir")
    done
    case "$f" in build*/* | ./build*/*) inside=1 ;; esac
    [ -z "$inside" ] && printf '%s\n' "$f"
done <"$list" >"$filtered"
[ -s "$filtered" ] || { echo "check-format: no sources found" >&2; exit 1; }
tr '\n' '\0' <"$filtered" | xargs -0 clang-format --dry-run --Werror
echo "check-format: $(wc -l <"$filtered") files follow .clang-format"
