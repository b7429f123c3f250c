#!/bin/sh
# Makes every figure of docs/handleiding.md, and its tables of coefficients,
# with filtercyclus, so that the guide shows exactly what the programs compute
# and draw. The committed docs/figuren/ is this script's output byte for byte;
# a test (label "docs") runs it into a temporary directory and compares, and
# checks that the guide holds the tables of docs/figuren/coefficienten.md.
#
#   docs/figuren.sh [DIR]     (default: docs/figuren/ next to this script,
#                              and the tables are also copied into the guide)
#
# filtercyclus is $FILTERCYCLUS when set, else the one scripts/run.sh builds
# (build/programmas/cli/filtercyclus), else the one scripts/test.sh builds
# (build/default/cli/filtercyclus). Cycle pictures are the graph panel as the
# window opens, at its smallest: 888x500 (six pixels per sample); SVG where
# sharpness counts, PNG for one. Response plots are SVG only: their text is
# text there, while a PNG of a plot depends on the fonts of the machine.
# SPDX-License-Identifier: MIT
set -eu

bron=$(cd "$(dirname "$0")/.." && pwd)
doel=${1:-$bron/docs/figuren}
if [ -n "${FILTERCYCLUS:-}" ]; then
  filtercyclus=$FILTERCYCLUS
elif [ -x "$bron/build/programmas/cli/filtercyclus" ]; then
  filtercyclus=$bron/build/programmas/cli/filtercyclus
else
  filtercyclus=$bron/build/default/cli/filtercyclus
fi
paneel=888x500

if [ ! -x "$filtercyclus" ]; then
  echo "figuren.sh: no filtercyclus at $filtercyclus (run scripts/run.sh, or set FILTERCYCLUS)" >&2
  exit 2
fi
mkdir -p "$doel"
echo "figuren.sh: filtercyclus is $filtercyclus; writing to $doel" >&2

# Shows a command as it is run, with the tool's short name.
draai() {
  echo "  filtercyclus $*" >&2
  "$filtercyclus" "$@"
}

# cyclus NAME.svg|NAME.png PROGRAMMA SIGNAAL [more filtercyclus options]
cyclus() {
  naam=$1 programma=$2 signaal=$3
  shift 3
  case $naam in
    *.png) formaat=--png ;;
    *) formaat=--svg ;;
  esac
  draai --programma "$programma" --signaal "$signaal" "$@" --grootte $paneel \
    "$formaat" "$doel/$naam"
}

# respons NAME.svg PROGRAMMA
respons() {
  draai --programma "$2" --respons --svg "$doel/$1"
}

# spectrum NAME.svg PROGRAMMA SIGNAAL [more filtercyclus options]: a plot,
# so SVG only, at the tool's own size, like the response plots.
spectrum() {
  naam=$1 programma=$2 signaal=$3
  shift 3
  draai --programma "$programma" --signaal "$signaal" "$@" --spectrum --svg "$doel/$naam"
}

# polen NAME.svg PROGRAMMA FREQUENTIE: the z-plane with that frequency marked.
polen() {
  draai --programma "$2" --frequentie "$3" --polen --svg "$doel/$1"
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

# 7. The spectrum: the square wave's harmonics, aliasing, the impulse, leakage.
spectrum fir-spectrum-blokgolf-01pi.svg fir blokgolf --frequentie "0,1*PI"
spectrum fir-spectrum-blokgolf-09pi.svg fir blokgolf --frequentie "0,9*PI"
spectrum fir-spectrum-impuls.svg fir impulsfunktie
spectrum fir-spectrum-cosinus-02pi.svg fir cosinus --frequentie "0,2*PI"

# 8. Poles and zeros, the frequency next to the stop band marked.
polen iir-polen.svg iir "0,6*PI"
polen fir-polen.svg fir "0,6*PI"

# The appendix: both filters' coefficients as Markdown tables, the FIR's taps
# ten to a row, the IIR's sections one to a row, every number as the tool
# prints it.
tabellen=$doel/coefficienten.md
draai --programma fir --coefficienten >"$doel/fir-coefficienten.csv"
draai --programma iir --coefficienten >"$doel/iir-coefficienten.csv"
{
  echo
  echo "FIR-filter, h[k] in Q15 (coëfficiënt k weegt h[k]/32768):"
  echo
  echo "| k | +0 | +1 | +2 | +3 | +4 | +5 | +6 | +7 | +8 | +9 |"
  echo "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"
  awk -F, 'NR > 1 {
      if ($1 % 10 == 0) { rij = "| " $1 }
      rij = rij " | " $2
      if ($1 % 10 == 9 || $1 == 60) { print rij " |" }
    }' "$doel/fir-coefficienten.csv"
  echo
  echo "IIR-filter, per sectie; sectie 0 is de versterking g (b0 = g):"
  echo
  echo "| sectie | b0 | b1 | b2 | a1 | a2 |"
  echo "|---|---:|---:|---:|---:|---:|"
  awk -F, 'NR > 1 { print "| " $1 " | " $2 " | " $3 " | " $4 " | " $5 " | " $6 " |" }' \
    "$doel/iir-coefficienten.csv"
  echo
} >"$tabellen"

# Into the guide, between its two markers, when the figures go to their own
# place.
if [ $# -eq 0 ]; then
  handleiding=$bron/docs/handleiding.md
  awk -v tabellen="$tabellen" '
    /^<!-- einde coefficienten -->$/ { binnen = 0 }
    !binnen { print }
    /^<!-- coefficienten:/ { binnen = 1; while ((getline regel < tabellen) > 0) print regel }
  ' "$handleiding" >"$handleiding.nieuw"
  mv "$handleiding.nieuw" "$handleiding"
  echo "figuren.sh: tables copied into $handleiding" >&2
fi
