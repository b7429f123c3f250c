#!/bin/bash
# The browser edition: installs what it needs from Debian's packages, builds
# the `web` preset (build/web/index.html, iir_demo.html, fir_demo.html and the
# guide's two editions), and runs its tests: the WebAssembly module under node
# against the native filtercyclus, the pages in headless Chromium, and the
# guide's links into them and its print.
#   --bouw   build only
# SPDX-License-Identifier: MIT
set -euo pipefail
cd "$(dirname "$0")/.."

testen=ja
case ${1:-} in
  --bouw) testen="" ;;
  "") ;;
  *)
    echo "usage: scripts/web.sh [--bouw]" >&2
    exit 2
    ;;
esac

sh scripts/setup-debian.sh --web
# Emscripten's optimiser loads Debian's node modules (acorn), also when a node
# other than Debian's comes first on PATH.
export NODE_PATH=/usr/share/nodejs
cmake --preset web
cmake --build --preset web
for pagina in index iir_demo fir_demo; do
  echo "build/web/$pagina.html: $(stat -c %s "build/web/$pagina.html") bytes"
done
[ -n "$testen" ] || exit 0

# The pictures the pages must show come from the native tool.
[ -f build/default/CMakeCache.txt ] || cmake --preset default
cmake --build --preset default --target filtercyclus
# Debian's python, which has Debian's selenium.
/usr/bin/python3 tests/web/pagina_test.py --paginas build/web \
  --filtercyclus build/default/cli/filtercyclus --kern build/web/web/paginakern.js
# The guide beside the pages: its links open them in each experiment's
# settings, and its lecturer's edition prints on A4 with every column.
/usr/bin/python3 tests/web/handleiding_test.py --handleiding build/web/handleiding.html \
  --docent build/docent/handleiding-docent.html --filtercyclus build/default/cli/filtercyclus
