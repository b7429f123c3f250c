#!/bin/sh
# Sets up a Debian 12 machine with what building and running need, builds the
# programs alone (no tests or benchmarks: the "programmas" preset): both
# windowed programs and filtercyclus beside them (build/programmas/cli/), so
# every path the README names is there after the first run, and starts one:
#   scripts/run.sh        starts iir_demo
#   scripts/run.sh fir    starts fir_demo
# SPDX-License-Identifier: MIT
set -eu
cd "$(dirname "$0")/.."

programma=${1:-iir}
case $programma in
  iir | fir) ;;
  *)
    echo "usage: scripts/run.sh [iir|fir]" >&2
    exit 2
    ;;
esac

sh scripts/setup-debian.sh
cmake --preset programmas >/dev/null
cmake --build --preset programmas --target iir_demo fir_demo filtercyclus
exec "build/programmas/$programma/${programma}_demo"
