#!/bin/bash
# The Windows release under Wine, on the X display in $DISPLAY (no window
# manager): installs the installer silently into a fresh Wine prefix, compares
# the installed filtercyclus.exe with the native one, runs both installed
# programs as a user would (with the mouse: under Wine in Xvfb the keyboard
# does not reach the window), compares the graph panel pixel for pixel with the
# native filtercyclus picture, and uninstalls silently, checking that nothing
# is left. Every Wine call is bounded: a modal dialog would otherwise wait for
# ever.
#
# usage: wine_test.sh SETUP.exe VERSION KNOPPLEK.exe FILTERCYCLUS PANEELVERGELIJK
# SPDX-License-Identifier: MIT
set -euo pipefail

setup=$1 versie=$2 knopplek=$3 filtercyclus=$4 paneelvergelijk=$5

werk=$(mktemp -d)
export WINEPREFIX="$werk/prefix" WINEDEBUG=-all WINEARCH=win64
# No Mono and no Gecko: Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
readonly programmamap='C:\Program Files\filterdemo'
readonly prefix_programmamap="$WINEPREFIX/drive_c/Program Files/filterdemo"
readonly startmenu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
readonly sleutel='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\filterdemo'
# The Start-menu names are the programs' titles.
# shellcheck source=data/programmas.env
. "$(dirname "$0")/../../data/programmas.env"
readonly setup_titel="Filterdemo $versie-installatie"
# The programs' icon as the executables carry it.
icoon=$(dirname "$0")/../../data/icons/filterdemo.ico
readonly icoon

opruimen() {
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$werk"
}
trap opruimen EXIT

fout() {
  echo "wine_test: $*" >&2
  exit 1
}
stap() { echo "wine_test: $*"; }

# A path on the Linux side as Wine's Z: drive names it.
windows_pad() { printf 'Z:%s' "${1//\//\\}"; }

# Prints "X Y LEFT TOP WIDTH HEIGHT" of the control with text $2 in window $1
# (its centre and client area), waiting for it (and for state $3, aan or uit,
# if given).
plek_van() { timeout 60 wine "$knopplek" "$@"; }

klik() {
  local x y
  read -r x y < <(plek_van "$@") || fout "$1: no control \"$2\"${3:+ that is $3}"
  xdotool mousemove "$x" "$y" click 1
}

# The icon Wine hands to the X server for the window titled $1 (_NET_WM_ICON,
# from the icons the program gave its window; without any, Wine's own) must
# be the programs' icon: its first picture against the .ico's picture of the
# same size, both over black, differing in no pixel by more than rounding.
venstericoon_test() {
  local titel=$1 venster maat beeld verschil
  venster=$(xdotool search --name "^$titel\$" | head -n 1)
  [ -n "$venster" ] || fout "$titel: no X window of that name"
  xprop -id "$venster" -notype -f _NET_WM_ICON 32c _NET_WM_ICON | awk -F' = ' '
    NF == 2 { n = split($2, v, ", "); b = v[1]; h = v[2]
              if (n < 2 + b * h) exit 1
              printf "P3\n%d %d\n255\n", b, h
              for (i = 3; i < 3 + b * h; i++) {
                a = int(v[i] / 16777216) / 255
                printf "%d %d %d\n", int(v[i] / 65536) % 256 * a + 0.5,
                                   int(v[i] / 256) % 256 * a + 0.5, v[i] % 256 * a + 0.5 } }
    ' >"$werk/venstericoon.ppm" || true
  maat=$(sed -n 2p "$werk/venstericoon.ppm")
  [ -n "$maat" ] || fout "$titel: the window has no icon (_NET_WM_ICON)"
  beeld=$(identify -format '%w %h\n' "$icoon" | grep -nx "$maat" | cut -d: -f1 | head -n 1)
  [ -n "$beeld" ] || fout "$titel: the window's icon is ${maat/ /x}, a size the programs' icon lacks"
  convert "${icoon}[$((beeld - 1))]" -background black -flatten -depth 8 "$werk/icoon.ppm"
  verschil=$(compare -metric AE -fuzz 1% "$werk/venstericoon.ppm" "$werk/icoon.ppm" null: 2>&1 || true)
  [ "$verschil" = 0 ] ||
    fout "$titel: the window's icon is not the programs' icon ($verschil of ${maat/ /x} pixels differ)"
  stap "$titel: the window carries the programs' icon (${maat/ /x}, as in the .ico)"
}

# --- prefix and installation --------------------------------------------------

begin=$SECONDS
timeout 180 wineboot --init >"$werk/wineboot.log" 2>&1 || fout "creating the Wine prefix failed"
timeout 120 wineserver -w || fout "the Wine prefix did not settle"
stap "fresh Wine prefix in $((SECONDS - begin)) s"

# Run as a user would, the installer shows the licence after its welcome,
# before anything is installed; cancelled there, it leaves nothing behind.
(timeout 60 wine "$setup" >"$werk/setup.log" 2>&1 || true) &
setup_pid=$!
klik "$setup_titel" "&Volgende >"
# The pages after the welcome have a blank sub-caption after the title; the
# next button reads "Akkoord" on the licence page only.
plek_van "$setup_titel " "&Akkoord" >/dev/null ||
  fout "the installer shows no licence page (an \"Akkoord\" button) after its welcome page"
klik "$setup_titel " "Annuleren"
wait "$setup_pid"
[ ! -e "$prefix_programmamap" ] || fout "cancelled at the licence, the installer left $programmamap"
stap "the installer shows the licence before installing; cancelled there, nothing is installed"

timeout 120 wine "$setup" /S || fout "the silent installation failed (status $?)"
timeout 60 wineserver -w || true
for bestand in iir_demo.exe fir_demo.exe filtercyclus.exe handleiding.html \
  index.html iir_demo.html fir_demo.html uninstall.exe; do
  [ -f "$prefix_programmamap/$bestand" ] || fout "not installed: $programmamap\\$bestand"
done
for titel in "$iir_titel" "$fir_titel" Handleiding; do
  [ -f "$startmenu/$titel.lnk" ] || fout "no Start-menu entry \"$titel\""
done
# The lecturer's edition, with the answers, only when chosen; it is one page,
# its figures inside it. The students' one opens the pages beside it.
[ ! -e "$prefix_programmamap/handleiding-docent.html" ] ||
  fout "the default installation puts the lecturer's guide beside the pages"
timeout 120 wine "$setup" /S /DOCENT || fout "the silent installation with /DOCENT failed (status $?)"
timeout 60 wineserver -w || true
[ -f "$startmenu/Handleiding voor de docent.lnk" ] || fout "with /DOCENT: no Start-menu entry for the lecturer's guide"
grep -q 'src="data:image/svg+xml' "$prefix_programmamap/handleiding-docent.html" ||
  fout "with /DOCENT: handleiding-docent.html missing or without its figures"
grep -q 'href="fir_demo.html#' "$prefix_programmamap/handleiding.html" ||
  fout "handleiding.html does not link the pages beside it"
timeout 60 wine reg query "$sleutel" >"$werk/sleutel.txt" 2>/dev/null ||
  fout "no Add/Remove Programs entry $sleutel"
for waarde in "DisplayVersion    REG_SZ    $versie" "Publisher    REG_SZ    " \
  "DisplayName    REG_SZ    " "UninstallString    REG_SZ    " \
  "QuietUninstallString    REG_SZ    \"$programmamap\\uninstall.exe\" /S" \
  "DisplayIcon    REG_SZ    "; do
  grep -qF "$waarde" "$werk/sleutel.txt" || fout "the uninstall entry lacks '$waarde'"
done
stap "installed silently: 3 programs, the pages and the guide's two editions, 4 Start-menu entries, uninstall entry of version $versie"

# --- filtercyclus.exe against the native build --------------------------------

signalen=(cosinus blokgolf impulsfunktie stapfunktie)
frequenties=("DC" "0,05*PI" "0,1*PI" "0,2*PI" "0,4*PI" "0,6*PI" "0,8*PI" "0,9*PI")
amplitudes=(1 12345 32768)
mkdir -p "$werk/native" "$werk/windows"
# One batch file: starting a Windows process inside Wine is much cheaper than
# starting Wine for each.
batch="$werk/cycli.bat"
printf '@echo off\r\n' >"$batch"
aantal=0
for soort in iir fir; do
  for s in "${signalen[@]}"; do
    for f in $(seq 0 $((${#frequenties[@]} - 1))); do
      for a in "${amplitudes[@]}"; do
        naam="$soort-$s-$f-$a"
        opties=(--programma "$soort" --signaal "$s" --frequentie "${frequenties[$f]}" --amplitude "$a")
        "$filtercyclus" "${opties[@]}" >"$werk/native/$naam.csv"
        # The frequency labels contain commas, cmd's argument separators.
        printf '"%s\\filtercyclus.exe" --programma %s --signaal %s --frequentie "%s" --amplitude %s > "%s"\r\nif errorlevel 1 echo %s>> "%s"\r\n' \
          "$programmamap" "$soort" "$s" "${frequenties[$f]}" "$a" \
          "$(windows_pad "$werk/windows/$naam.csv")" "$naam" "$(windows_pad "$werk/mislukt.txt")" \
          >>"$batch"
        aantal=$((aantal + 1))
      done
    done
  done
done
# A picture over an existing file: the second run must replace the first.
for keer in 1 2; do
  printf '"%s\\filtercyclus.exe" --programma fir --signaal blokgolf --png "%s" --grootte 600x400\r\nif errorlevel 1 echo png-%s>> "%s"\r\n' \
    "$programmamap" "$(windows_pad "$werk/windows/blokgolf.png")" "$keer" \
    "$(windows_pad "$werk/mislukt.txt")" >>"$batch"
done

# Failures are listed in mislukt.txt; the batch itself ends with status 0.
printf 'exit /b 0\r\n' >>"$batch"
begin=$SECONDS
timeout 300 wine cmd /c "$(windows_pad "$batch")" >"$werk/cmd.log" 2>&1 ||
  fout "the batch of filtercyclus.exe runs did not finish: $(tail -n 5 "$werk/cmd.log")"
verschillen=0
if [ -s "$werk/mislukt.txt" ]; then
  echo "  filtercyclus.exe failed for: $(tr -d '\r' <"$werk/mislukt.txt" | tr '\n' ' ')" >&2
  verschillen=$(wc -l <"$werk/mislukt.txt")
fi

# FIR (Int16) values must be equal; IIR (Double) values to 1e-9 relative, as
# Windows' cos may differ from glibc's in the last bit. Below one sample unit
# the tolerance is 1e-9 absolute.
for native in "$werk"/native/*.csv; do
  naam=$(basename "$native" .csv)
  windows="$werk/windows/$naam.csv"
  # Standard output is binary: the same bytes as on Linux. (With CRLF the
  # values are compared all the same, to report everything at once.)
  if grep -q $'\r' "$windows"; then
    echo "  $naam: CRLF line ends on stdout" >&2
    verschillen=$((verschillen + 1))
    tr -d '\r' <"$windows" >"$windows.lf"
    windows=$windows.lf
  fi
  case $naam in
    fir-*) cmp -s "$native" "$windows" || {
      echo "  $naam: differs from the native output" >&2
      verschillen=$((verschillen + 1))
    } ;;
    iir-*) awk -F, -v naam="$naam" '
      function abs(x) { return x < 0 ? -x : x }
      function gelijk(a, b,   m) { m = abs(a) > abs(b) ? abs(a) : abs(b); if (m < 1) m = 1
                                   return abs(a - b) <= 1e-9 * m }
      FNR == NR { regel[FNR] = $0; next }
      {
        split(regel[FNR], n, ",")
        if (FNR == 1 ? $0 != regel[1] : ($1 != n[1] || !gelijk($2, n[2]) || !gelijk($3, n[3]))) {
          printf "  %s, line %d: %s, native %s\n", naam, FNR, $0, regel[FNR] > "/dev/stderr"; fout = 1; exit
        }
      }
      END { if (!fout && FNR != length(regel)) { print "  " naam ": wrong number of lines" > "/dev/stderr"; fout = 1 }
            exit fout }' "$native" "$windows" || verschillen=$((verschillen + 1)) ;;
  esac
done
"$filtercyclus" --programma fir --signaal blokgolf --png "$werk/native/blokgolf.png" --grootte 600x400
convert "$werk/native/blokgolf.png" -depth 8 "$werk/native/blokgolf.ppm"
convert "$werk/windows/blokgolf.png" -depth 8 "$werk/windows/blokgolf.ppm"
cmp -s "$werk/native/blokgolf.ppm" "$werk/windows/blokgolf.ppm" || {
  echo "  --png: the picture differs from the native one" >&2
  verschillen=$((verschillen + 1))
}
# The programs are checked even so: their checks do not depend on these.
cyclus_fouten=$verschillen
if [ "$cyclus_fouten" -eq 0 ]; then
  stap "filtercyclus.exe: $aantal cycles (2 programs x ${#signalen[@]} signals x ${#frequenties[@]} frequencies x ${#amplitudes[@]} amplitudes) as native, in $((SECONDS - begin)) s; --png replaces a file, same pixels"
else
  echo "wine_test: $cyclus_fouten of $((aantal + 2)) filtercyclus.exe runs failed or differ" >&2
fi

# --- the windowed programs ----------------------------------------------------

# Waits until check $@ (a paneelvergelijk call on $werk/scherm.ppm) holds for
# a fresh screenshot; at most 10 s.
wacht_op_scherm() {
  local einde=$((SECONDS + 10))
  while :; do
    import -window root -depth 8 "$werk/scherm.ppm"
    if "$@" >"$werk/vergelijking.txt" 2>&1; then
      return 0
    fi
    [ "$SECONDS" -lt "$einde" ] || return 1
    sleep 0.2
  done
}


programma_test() {
  local soort=$1 titel=$2 amplitude=$3 pid b h x y begin=$SECONDS
  (
    status=0
    timeout 120 wine "$programmamap\\${soort}_demo.exe" >"$werk/$soort.log" 2>&1 || status=$?
    echo "$status" >"$werk/$soort.status"
  ) &
  pid=$!

  plek_van "$titel" "$amplitude" aan >/dev/null ||
    fout "$titel: the amplitude control does not show $amplitude"
  venstericoon_test "$titel"
  # The frequency is a choice only for a signal that has one.
  plek_van "$titel" "0,1*PI" aan >/dev/null || fout "$titel: the frequency choice is not enabled"
  klik "$titel" impulsfunktie
  plek_van "$titel" "0,1*PI" uit >/dev/null ||
    fout "$titel: the frequency choice stays enabled for impulsfunktie"
  klik "$titel" cosinus
  plek_van "$titel" "0,1*PI" aan >/dev/null ||
    fout "$titel: the frequency choice stays disabled for cosinus"

  klik "$titel" Teken aan
  plek_van "$titel" Stop >/dev/null || fout "$titel: \"Teken\" did not become \"Stop\""
  plek_van "$titel" cosinus uit >/dev/null || fout "$titel: the signal choice stays enabled"
  # The start cycle, drawn by the native filtercyclus at the panel's client size.
  read -r _ _ x y b h < <(plek_van "$titel" panel) || fout "$titel: no graph panel"
  "$filtercyclus" --programma "$soort" --png "$werk/verwacht.png" --grootte "${b}x$h"
  convert "$werk/verwacht.png" -depth 8 "$werk/verwacht.ppm"
  wacht_op_scherm "$paneelvergelijk" beeld "$werk/scherm.ppm" "$x" "$y" "$werk/verwacht.ppm" ||
    fout "$titel: the panel differs from filtercyclus --png: $(cat "$werk/vergelijking.txt")"
  stap "$titel: \"Teken\": panel ${b}x$h at $x,$y, $(cat "$werk/vergelijking.txt")"
  # The panel's background on the screen lies just there.
  [ "$("$paneelvergelijk" zoek "$werk/scherm.ppm")" = "$b $h $x $y" ] ||
    fout "$titel: the background area on the screen is not the panel's client area"

  klik "$titel" Stop
  plek_van "$titel" Teken >/dev/null || fout "$titel: \"Stop\" did not become \"Teken\""
  wacht_op_scherm "$paneelvergelijk" leeg "$werk/scherm.ppm" "$x" "$y" "$b" "$h" ||
    fout "$titel: the panel is not empty after \"Stop\": $(cat "$werk/vergelijking.txt")"
  stap "$titel: \"Stop\": background only"

  klik "$titel" Einde
  wait "$pid"
  [ "$(cat "$werk/$soort.status")" = 0 ] ||
    fout "$titel: \"Einde\" ended the program with status $(cat "$werk/$soort.status")"
  stap "$titel: \"Einde\" ended the program with status 0 ($((SECONDS - begin)) s)"
}

programma_test iir "$iir_titel" "$iir_start_amplitude"
programma_test fir "$fir_titel" "$fir_start_amplitude"

# --- uninstallation -----------------------------------------------------------

# The uninstaller copies itself to a temporary file and returns at once; the
# copy does the work, so wait for every process of the prefix.
timeout 120 wine "$programmamap\\uninstall.exe" /S || fout "the silent uninstallation failed"
timeout 120 wineserver -w || fout "the uninstaller did not finish"
[ ! -e "$prefix_programmamap" ] || fout "left after uninstalling: $(ls "$prefix_programmamap")"
for titel in "$iir_titel" "$fir_titel" Handleiding "Handleiding voor de docent"; do
  [ ! -e "$startmenu/$titel.lnk" ] || fout "left after uninstalling: Start-menu entry \"$titel\""
done
if timeout 60 wine reg query "$sleutel" >/dev/null 2>&1; then
  fout "left after uninstalling: $sleutel"
fi
stap "uninstalled silently: no files, Start-menu entries or uninstall entry left"
[ "$cyclus_fouten" -eq 0 ] || fout "filtercyclus.exe: $cyclus_fouten runs failed or differ (above)"
