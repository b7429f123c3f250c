#!/bin/sh
# Sets up a Debian 12 machine, builds everything with the default preset and
# runs the whole test suite (the window tests on their own Xvfb servers).
# SPDX-License-Identifier: MIT
set -eu
cd "$(dirname "$0")/.."

sh scripts/setup-debian.sh --test
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"
