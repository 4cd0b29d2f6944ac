#!/bin/sh
# The installed program converts a file end to end for an ordinary account.
# Installs the build into a fresh prefix and checks what lies there, makes
# the prefix read-only (and root's), then as an ordinary account (`nobody`
# when run as root) with folders of its own starts
# <prefix>/bin/morvane-converter on a private X server and plays the user
# with xdotool: Add, the open and save dialogs, Convert, and the message box
# "Converting Complete.". The output must be a whole AVI with both streams.
#   sh tests/installed/convert-installed.sh <build folder>
set -eu
build=$(cd "${1:?usage: $0 <build folder>}" && pwd)
say() { echo "installed: $*"; }
fail() { echo "installed: FAILED: $*" >&2; exit 1; }
as=""; account=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
    as="setpriv --reuid=65534 --regid=65534 --clear-groups"; account=nobody
fi
for tool in Xvfb xdotool ffmpeg ffprobe desktop-file-validate setpriv; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed"
done

work=$(mktemp -d /tmp/morvane-installed.XXXXXX)
xpid=""; apid=""
cleanup() {
    [ -n "$apid" ] && kill "$apid" 2>/dev/null && wait "$apid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
chmod 755 "$work"

# The installed tree.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log" >&2; fail "cmake --install"; }
folder="$prefix/lib/morvane-converter"
for f in morvane-converter conv.dll conv1.dll; do
    [ -x "$folder/$f" ] || fail "$folder/$f is missing or not executable"
done
[ -s "$folder/help.chm" ] || fail "$folder/help.chm is missing"
link=$(readlink "$prefix/bin/morvane-converter") || fail "bin/morvane-converter is no link"
case "$link" in /*) fail "bin/morvane-converter links to an absolute path ($link)" ;; esac
[ "$(readlink -f "$prefix/bin/morvane-converter")" = "$(readlink -f "$folder/morvane-converter")" ] \
    || fail "bin/morvane-converter links to $link"
entry="$prefix/share/applications/morvane-converter.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qx "Exec=$prefix/bin/morvane-converter" "$entry" || fail "the desktop entry's Exec: $(grep ^Exec= "$entry")"
for size in 16 32 48; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/morvane-converter.png"
    got=$(ffprobe -v error -show_entries stream=width,height -of csv=p=0:s=x "$icon") \
        || fail "$icon is missing or no picture"
    [ "$got" = "${size}x$size" ] || fail "$icon is $got"
done
say "the installed tree is complete; the desktop entry is valid"

[ -z "$as" ] || chown -R 0:0 "$prefix"
chmod -R a-w "$prefix"

# The account's own folders, as its session would have them.
home="$work/home"
mkdir -m 700 "$home" "$home/cache" "$home/config" "$home/runtime" "$home/clips"
[ -z "$as" ] || chown -R nobody "$home"
source="$home/clips/clip.flv"
output="$home/clips/clip.avi"
ffmpeg -nostdin -loglevel error -f lavfi -i testsrc=size=320x240:rate=25:duration=2 \
    -f lavfi -i sine=frequency=440:sample_rate=44100:duration=2 \
    -c:v flv -c:a libmp3lame -ar 44100 "$source" || fail "making the source"
[ -z "$as" ] || chown nobody "$source"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/x.log" &
xpid=$!
i=0
while [ ! -s "$work/display" ]; do
    i=$((i + 1))
    { [ "$i" -le 200 ] && kill -0 "$xpid" 2>/dev/null; } || { cat "$work/x.log" >&2; fail "Xvfb did not start"; }
    sleep 0.05
done
DISPLAY=":$(cat "$work/display")"
export DISPLAY

# shellcheck disable=SC2086
$as env -i PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY" HOME="$home" \
    XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
    "$prefix/bin/morvane-converter" >"$work/program.log" 2>&1 &
apid=$!

# The first visible window of this title, within `seconds`.
window() {
    title=$1; seconds=$2; n=0
    while [ "$n" -lt $((seconds * 10)) ]; do
        kill -0 "$apid" 2>/dev/null || { cat "$work/program.log" >&2; fail "the program ended"; }
        if id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
            echo "$id"; return 0
        fi
        n=$((n + 1)); sleep 0.1
    done
    return 1
}
# A left click on the main window at this point of its own.
click() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    # shellcheck disable=SC2153
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
}
# Types a full path and Return into a file dialog.
answer() {
    dialog=$(window "$1" 20) || { cat "$work/program.log" >&2; fail "no \"$1\" dialog"; }
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    xdotool type --delay 20 "$2"
    xdotool key Return
    n=0
    while xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        n=$((n + 1)); [ "$n" -lt 100 ] || fail "the \"$1\" dialog did not take $2"; sleep 0.1
    done
}

main=$(window "Morvane Converter" 30) || fail "no main window"
say "the program runs as $account from bin/; adding $source"
# The tool strip's buttons (skin/Layout.h): Add is the first, Convert the third.
click 42 88
answer "Open" "$source"
answer "Save as" "$output"
click 182 89
say "converting"
if ! box=$(window "OK" 120); then
    window "Warning" 1 >/dev/null && fail "the run ended with a warning, not \"Converting Complete.\""
    cat "$work/program.log" >&2
    fail "no \"Converting Complete.\" box"
fi
xdotool windowfocus --sync "$box" key Return

streams=$(ffprobe -v error -show_entries stream=codec_type -of csv=p=0 "$output" | sort | tr '\n' ' ') \
    || fail "$output is no video file"
[ "$streams" = "audio video " ] || fail "$output holds: $streams"
duration=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$output")
awk -v d="$duration" 'BEGIN { exit !(d > 1.5) }' || fail "$output lasts $duration s"
[ "$(stat -c %U "$output")" = "$account" ] || fail "$output is not $account's"
say "Converting Complete.: $output, $duration s, audio and video"
