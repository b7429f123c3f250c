#!/bin/sh
# Start-up and "Teken" response times of both programs under Xvfb, median of
# RUNS runs each (default 10). Build first: cmake --build --preset default
# SPDX-License-Identifier: MIT
set -eu
cd "$(dirname "$0")/.."
runs=${1:-10}
# shellcheck source=data/programmas.env
. data/programmas.env
for soort in iir fir; do
  titel=$iir_titel
  [ "$soort" = fir ] && titel=$fir_titel
  echo "== ${soort}_demo"
  NO_AT_BRIDGE=1 xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    build/default/bench/schermtijden "build/default/$soort/${soort}_demo" "$titel" "$runs"
done
