#!/bin/sh
# Makes every figure of docs/handleiding.md with filtercyclus, so that the
# guide shows exactly what the programs compute and draw. The committed
# docs/figuren/ is this script's output byte for byte; a test (label "docs")
# runs it into a temporary directory and compares.
#
#   docs/figuren.sh [DIR]     (default: docs/figuren/ next to this script)
#
# filtercyclus is $FILTERCYCLUS when set, else build/default/cli/filtercyclus
# of this source tree. Cycle pictures are the graph panel at its minimum size,
# 512x500; SVG where sharpness counts, PNG for the one the README shows.
# Response plots are SVG only: their text is text there, while a PNG of a
# plot depends on the fonts of the machine that made it.
set -eu

bron=$(cd "$(dirname "$0")/.." && pwd)
doel=${1:-$bron/docs/figuren}
filtercyclus=${FILTERCYCLUS:-$bron/build/default/cli/filtercyclus}

if [ ! -x "$filtercyclus" ]; then
  echo "figuren.sh: no filtercyclus at $filtercyclus (build it, or set FILTERCYCLUS)" >&2
  exit 2
fi
mkdir -p "$doel"

# cyclus NAME.svg|NAME.png PROGRAMMA SIGNAAL [more filtercyclus options]
cyclus() {
  naam=$1 programma=$2 signaal=$3
  shift 3
  case $naam in
    *.png) formaat=--png ;;
    *) formaat=--svg ;;
  esac
  "$filtercyclus" --programma "$programma" --signaal "$signaal" "$@" "$formaat" "$doel/$naam"
}

# respons NAME.svg PROGRAMMA
respons() {
  "$filtercyclus" --programma "$2" --respons --svg "$doel/$1"
}

# 1. A cosine at 0,1*PI through both filters.
cyclus iir-cosinus-01pi.svg iir cosinus --frequentie "0,1*PI"
cyclus fir-cosinus-01pi.png fir cosinus --frequentie "0,1*PI"

# 2. Pass band and stop band.
respons iir-respons.svg iir
respons fir-respons.svg fir
cyclus fir-cosinus-04pi.svg fir cosinus --frequentie "0,4*PI"
cyclus fir-cosinus-06pi.svg fir cosinus --frequentie "0,6*PI"

# 3. The square wave and its overshoot.
cyclus iir-blokgolf-01pi.svg iir blokgolf --frequentie "0,1*PI"

# 4. Impulse and step responses.
cyclus fir-impuls.svg fir impulsfunktie
cyclus iir-impuls.svg iir impulsfunktie
cyclus iir-stap.svg iir stapfunktie

# 5. 16-bit fixed point at the top of the amplitude range.
cyclus fir-stap-32767.svg fir stapfunktie --amplitude 32767

# 6. The square wave at 0,9*PI.
cyclus fir-blokgolf-09pi.svg fir blokgolf --frequentie "0,9*PI"
