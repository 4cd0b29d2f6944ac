#!/bin/sh
# Installs, as root, the Debian 12 packages that building and testing need;
# with --run also what only the running program needs (Help's CHM viewer,
# the desktop's opener and what it tells file types by). Packages already
# present are left alone.
set -eu
packages="
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev googletest
  ffmpeg libopencore-amrnb-dev
  fp-utils
  fonts-wine fonts-dejavu-core
  xvfb xauth xdotool x11-utils openbox wmctrl
"
if [ "${1:-}" = "--run" ]; then
    # xdg-open tells a CHM file by file(1) where no desktop is running.
    packages="$packages xchm xdg-utils file"
fi
missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and installing them needs root:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $missing
