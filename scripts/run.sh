#!/bin/sh
# Installs what is missing, builds, and starts the program.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
sh "$top/scripts/install-deps.sh"
sh "$top/scripts/build.sh" >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display; starting on a private X server (screenshots: DISPLAY=:99 import -window root shot.png)"
    Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    sleep 1
    export DISPLAY=:99
fi
exec "$top/build/morvane-converter"
