#!/bin/sh
# Installs, as root, the Debian 12 packages the project needs; packages
# already present are left alone. This is the one place they are listed.
#   (none)  building, running and testing: what scripts/test.sh needs
#   --run   building and running only: what scripts/run.sh needs
#   --ci    as (none), plus what .ci/run checks the installed program with
set -eu
# Building, and running the program (it starts ffmpeg and registers Tahoma).
build="
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev
  ffmpeg libopencore-amrnb-dev
  fp-utils
  fonts-wine fonts-dejavu-core
"
# The tests (GoogleTest, and private X servers with and without a window
# manager, driven by real input) and the format check.
tests="
  libgtest-dev googletest clang-format
  xvfb xauth xdotool x11-utils openbox wmctrl
"
# Running: a private X server where there is no display, Help's CHM viewer,
# the desktop's opener and what it tells file types by (xdg-open uses
# file(1) where no desktop is running).
run="xvfb xchm xdg-utils file"
# The desktop entry's check.
ci="desktop-file-utils"
case "${1:-}" in
"") packages="$build $tests" ;;
--run) packages="$build $run" ;;
--ci) packages="$build $tests $ci" ;;
*) echo "usage: $0 [--run | --ci]" >&2; exit 2 ;;
esac
missing=""
for p in $packages; do
    case " $missing " in *" $p "*) continue ;; esac
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: these packages are missing and installing them needs root:$missing" >&2
    exit 1
fi
echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
