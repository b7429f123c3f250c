#!/bin/sh
# Installs from Debian 12's packages what is missing for iir_demo, fir_demo
# and filtercyclus. Safe to run again: apt skips what is there.
#   scripts/setup-debian.sh          what building and running need
#   scripts/setup-debian.sh --test   also what the test suite, the fuzz
#                                    targets, the benchmarks and the package
#                                    check need
#   scripts/setup-debian.sh --web    also what the browser edition's build,
#                                    tests and benchmark need (scripts/web.sh)
#   scripts/setup-debian.sh --windows what scripts/windows.sh needs to build
#                                    the Windows release and check it under Wine
# SPDX-License-Identifier: MIT
set -eu

BUILD_PACKAGES="
  build-essential cmake ninja-build pkg-config
  libwxgtk3.2-dev
  libcli11-dev
  libpng-dev libcairo2-dev
  scdoc pandoc
  fonts-dejavu-core
"

TEST_PACKAGES="
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libx11-dev libxtst-dev
  xvfb xauth xdotool x11-utils imagemagick librsvg2-bin
  dpkg-dev lintian man-db desktop-file-utils appstream
  python3-numpy poppler-utils
"

# Emscripten for the WebAssembly, Debian's node for its optimiser and the
# tests of the module, Chromium driven by Selenium for the pages, PIL for
# comparing their pictures, poppler's pdftotext for reading the guide's print.
WEB_PACKAGES="
  emscripten nodejs
  chromium chromium-driver python3-selenium python3-pil poppler-utils
"

# The cross toolchain, the installer compiler and Wine; the Wine check
# compares with the native filtercyclus, built from BUILD_PACKAGES.
WINDOWS_PACKAGES="
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools libz-mingw-w64-dev nsis
  wine wine64 dpkg-dev
  xvfb xauth xdotool imagemagick
"

case ${1:-} in
  "") PACKAGES=$BUILD_PACKAGES ;;
  --test) PACKAGES="$BUILD_PACKAGES $TEST_PACKAGES" ;;
  --web) PACKAGES="$BUILD_PACKAGES $WEB_PACKAGES" ;;
  --windows) PACKAGES="$BUILD_PACKAGES $WINDOWS_PACKAGES" ;;
  *)
    echo "usage: scripts/setup-debian.sh [--test | --web | --windows]" >&2
    exit 2
    ;;
esac

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
# Another apt run (an unattended upgrade, a second setup) may hold the lock.
$SUDO apt-get -o DPkg::Lock::Timeout=900 update -qq
# shellcheck disable=SC2086  # the list is meant to split into words
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
  $missing
