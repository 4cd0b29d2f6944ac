#!/bin/sh
# Installs what is missing, builds what running needs, and starts the
# program. Without a display it runs on a private X server of its own,
# stopped when the program ends. One line per step; apt's and the build's
# output go to logs in build/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$top/build"
log="$top/build/setup.log"
echo "run: installing missing packages (log: build/setup.log)"
if ! sh "$top/scripts/install-deps.sh" --run >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "run: installing the packages failed; the whole log is in build/setup.log" >&2
    exit 1
fi
log="$top/build/build.log"
echo "run: building the program (the first build takes a few minutes; log: build/build.log)"
if ! sh "$top/scripts/build.sh" --run >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "run: the build failed; the whole log is in build/build.log" >&2
    exit 1
fi
xpid=""; scratch=""
stop_server() {
    if [ -n "$xpid" ]; then kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; fi
    [ -n "$scratch" ] && rm -rf "$scratch"
    return 0
}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    scratch=$(mktemp -d)
    trap stop_server EXIT
    trap 'exit 143' TERM HUP
    trap 'exit 130' INT
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/log" &
    xpid=$!
    i=0
    while [ ! -s "$scratch/display" ]; do
        i=$((i + 1))
        if [ "$i" -gt 200 ] || ! kill -0 "$xpid" 2>/dev/null; then
            echo "run: no display, and a private X server could not be started" >&2
            cat "$scratch/log" >&2; exit 1
        fi
        sleep 0.05
    done
    DISPLAY=":$(cat "$scratch/display")"
    export DISPLAY
    echo "run: no display; the program runs on the private X server $DISPLAY until it ends" \
         "(screenshot: DISPLAY=$DISPLAY import -window root shot.png)"
fi
"$top/build/morvane-converter" "$@"
