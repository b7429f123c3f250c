#!/bin/sh
# Installs, from Debian 12's packages, everything needed to build, run and test
# iir_demo, fir_demo and filtercyclus. Safe to run again: apt skips what is there.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config
  libwxgtk3.2-dev
  libcli11-dev
  libpng-dev libx11-dev libxtst-dev libcairo2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core librsvg2-bin
  dpkg-dev desktop-file-utils appstream
"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $p"
done

if [ -z "$missing" ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
else
  SUDO="sudo"
fi

echo "setup: installing$missing"
$SUDO apt-get update -qq
# shellcheck disable=SC2086  # the list is meant to split into words
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
