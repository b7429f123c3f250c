#!/bin/bash
# Builds the .debs from the default build (filterdemo, and filterdemo-docent
# with the lecturer's edition of the guide), runs lintian on them (any error or
# warning fails), validates its desktop entries and AppStream metainfo, checks
# that it carries a copyright file, a changelog, the three manual pages and the
# guide, and that its dependencies can be installed, unpacks it into a scratch
# root and runs the installed programs: filtercyclus, and
# iir_demo and fir_demo headless through the end-to-end test, and the
# installed browser pages in headless Chromium.
# SPDX-License-Identifier: MIT
set -euo pipefail
cd "$(dirname "$0")/.."

bouw=build/default
# The browser pages come from their own build (Emscripten), which the default
# build installs from build/web.
scripts/web.sh --bouw
cpack --preset default
pakket=$(ls "$bouw"/filterdemo_*.deb)
docentpakket=$(ls "$bouw"/filterdemo-docent_*.deb)
echo "pakket: $pakket, $docentpakket"
echo "Depends: $(dpkg-deb -f "$pakket" Depends)"

# Informational tags may stay; lintian warns that it runs as root, which is
# how CI runs.
lintian --fail-on error,warning --display-level '>=warning' "$pakket" "$docentpakket"
echo "lintian: no errors or warnings"

wortel=$(mktemp -d)
trap 'rm -rf "$wortel"' EXIT
dpkg-deb -x "$pakket" "$wortel"

doc=$wortel/usr/share/doc/filterdemo
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
gzip -dc "$doc/changelog.gz" | dpkg-parsechangelog -l- -S Version | grep -qx "$(dpkg-deb -f "$pakket" Version)"
for pagina in iir_demo fir_demo filtercyclus; do
  man -l "$wortel/usr/share/man/man1/$pagina.1.gz" | grep -q "$pagina" ||
    { echo "no manual page $pagina(1)" >&2; exit 1; }
done
# The students' guide, one HTML page; the lecturer's edition only in its own
# package, with its figures inside and its links to the main package's pages.
[ -s "$doc/handleiding.html" ] || { echo "no students' guide: $doc/handleiding.html" >&2; exit 1; }
if dpkg-deb -c "$pakket" | grep -q handleiding-docent; then
  echo "the main package carries the lecturer's guide" >&2
  exit 1
fi
dpkg-deb -x "$docentpakket" "$wortel"
grep -q 'src="data:image/svg+xml' "$wortel/usr/share/doc/filterdemo-docent/handleiding-docent.html" ||
  { echo "no lecturer's guide with its figures in $docentpakket" >&2; exit 1; }
grep -q 'href="../../filterdemo/web/fir_demo.html#' "$wortel/usr/share/doc/filterdemo-docent/handleiding-docent.html" ||
  { echo "the lecturer's guide does not link the installed pages" >&2; exit 1; }
echo "copyright, changelog $(dpkg-deb -f "$pakket" Version), three manual pages and the guide: present"

desktop-file-validate "$wortel"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$wortel"/usr/share/metainfo/*.metainfo.xml

# Every dependency that shlibdeps found must be installable here.
apt-get install --simulate --no-install-recommends "./$pakket" >/dev/null

for soort in iir fir; do
  cmp <("$wortel/usr/bin/filtercyclus" --programma "$soort") \
      <("$bouw/cli/filtercyclus" --programma "$soort")
done
echo "installed filtercyclus: same cycles as the build"

# shellcheck source=data/programmas.env
. data/programmas.env
for soort in iir fir; do
  bureaublad_id=${soort}_bureaublad_id
  NO_AT_BRIDGE=1 xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -noreset" \
    tests/e2e/e2e.sh "$wortel/usr/bin/${soort}_demo" "$soort" "$wortel/usr/bin/filtercyclus" \
    "$bouw/tests/e2e/staafcontrole" "$bouw/tests/e2e/sluit_venster" \
    "$wortel/usr/share/applications/${!bureaublad_id}.desktop"
done

web=$wortel/usr/share/filterdemo/web
# The guide's editions there are links to those in the documentation; -s
# follows them.
for pagina in index iir_demo fir_demo handleiding; do
  [ -s "$web/$pagina.html" ] || { echo "no browser page $pagina.html in the package" >&2; exit 1; }
done
/usr/bin/python3 tests/web/pagina_test.py --paginas "$web" --filtercyclus "$wortel/usr/bin/filtercyclus"
# The students' guide opens the installed pages from both places it is in.
/usr/bin/python3 tests/web/handleiding_test.py --handleiding "$doc/handleiding.html" \
  --handleiding "$web/handleiding.html" --filtercyclus "$wortel/usr/bin/filtercyclus"
echo "installed programs: all checks passed"
