#!/bin/sh
# Installs what is missing, builds, and runs every test.
# --sanitize: the same with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/scripts/install-deps.sh"
dir=$(sh "$top/scripts/build.sh" "$@")
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$top/tests/support/lsan.supp}"
ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)"
