#!/bin/sh
# Installs what is missing, builds what running needs, and starts the
# program. Without a display it runs on a private X server of its own,
# stopped when the program ends. One line per step; apt's and the build's
# output go to logs in build/.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$top/build"
# step LOG WHAT FAILURE COMMAND...: one line, the command's output in build/LOG.
step() {
    log=$1 what=$2 failure=$3
    shift 3
    echo "run: $what (log: build/$log)"
    if ! "$@" >"$top/build/$log" 2>&1; then
        tail -n 30 "$top/build/$log" >&2
        echo "run: $failure; the whole log is in build/$log" >&2
        exit 1
    fi
}
step setup.log "installing missing packages" "installing the packages failed" \
    sh "$top/scripts/install-deps.sh" --run
step build.log "building the program (the first build takes a few minutes)" "the build failed" \
    sh "$top/scripts/build.sh" --run
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
