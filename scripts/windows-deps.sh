#!/bin/bash
# Cross-builds the Windows libraries the programs link statically: libpng from
# Debian's libpng1.6 source and wxWidgets (wxMSW) from Debian's wxwidgets3.2
# source, the same versions as the installed Linux development packages (or the
# newest the archive still has). Each lands in its own prefix under
#   ${XDG_CACHE_HOME:-~/.cache}/filterdemo/<source package>-<version>/
# and is reused while that version stays the same. Prints, on stdout, the two
# prefixes as shell assignments for scripts/windows.sh:
#   FILTERDEMO_WX_PREFIX=...   FILTERDEMO_PNG_PREFIX=...
# Progress goes to stderr, compiler output to a log file beside each prefix.
#
# Source packages need a deb-src entry. It is derived from this machine's own
# apt sources (the Debian archive entries that serve the installed packages)
# and lives in a private apt configuration in a temporary directory: the
# system's sources, lists and caches are never changed.
# SPDX-License-Identifier: MIT
set -euo pipefail

readonly HOST=x86_64-w64-mingw32
readonly CACHE="${XDG_CACHE_HOME:-$HOME/.cache}/filterdemo"
readonly JOBS="${FILTERDEMO_JOBS:-2}"
readonly KLAAR=.gebouwd # written last: a prefix without it is an interrupted build

meld() { echo "windows-deps: $*" >&2; }
fout() {
  meld "$*"
  exit 1
}

# --- versions ---------------------------------------------------------------

# The source package and version a binary package was built from.
bronversie() { dpkg-query -W -f '${source:Version}' "$1" 2>/dev/null; }

# --- a private apt configuration with deb-src entries -----------------------

APT_TMP=""
opruimen() { [ -z "$APT_TMP" ] || rm -rf "$APT_TMP"; }
trap opruimen EXIT

# The archive URIs that serve the given installed packages (normalised without
# a trailing slash); only entries with these URIs become deb-src entries, so
# third-party repositories configured on the machine are left out.
debian_uris() {
  apt-cache madison "$@" | awk -F'|' '{ split($3, d, " "); sub("/$", "", d[1]); print d[1] }' |
    sort -u
}

# A deb-src line for every archive entry of the machine's apt sources whose URI
# is one of those on stdin. apt itself reads the sources, in whichever format
# they are written (deb822 .sources or sources.list), and lists each entry's
# repository, suite and component. The entries serve Debian's own packages, so
# Debian's archive key signs them.
readonly DEBIAN_SLEUTEL=/usr/share/keyrings/debian-archive-keyring.gpg
deb_src_regels() {
  local uris opties=""
  uris=$(cat)
  [ ! -e "$DEBIAN_SLEUTEL" ] || opties="[signed-by=$DEBIAN_SLEUTEL] "
  # shellcheck disable=SC2016  # the $(...) are apt's own placeholders
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    while read -r uri suite component; do
      [ -n "$component" ] || continue
      grep -qxF "${uri%/}" <<<"$uris" || continue
      echo "deb-src ${opties}${uri%/} ${suite} ${component}"
    done | sort -u
}

APT_OPTS=()
APT_STATUS=0
apt_voorbereiden() {
  [ -z "$APT_TMP" ] || return "$APT_STATUS"
  APT_TMP=$(mktemp -d)
  chmod 755 "$APT_TMP" # apt's download sandbox user must be able to write here
  mkdir -p "$APT_TMP/lists/partial" "$APT_TMP/cache/archives/partial"
  debian_uris libwxgtk3.2-dev libpng-dev | deb_src_regels >"$APT_TMP/sources.list"
  [ -s "$APT_TMP/sources.list" ] ||
    fout "no Debian archive entry found in the apt sources to derive a deb-src entry from"
  APT_OPTS=(-o "Dir::Etc::SourceList=$APT_TMP/sources.list" -o "Dir::Etc::SourceParts=-"
    -o "Dir::State::Lists=$APT_TMP/lists" -o "Dir::Cache=$APT_TMP/cache"
    -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
  meld "fetching the source package lists ($(wc -l <"$APT_TMP/sources.list") deb-src entries)"
  apt-get "${APT_OPTS[@]}" -qq --error-on=any update >&2 || {
    meld "apt-get update of the deb-src entries failed"
    APT_STATUS=1
    return 1
  }
}

# The versions of a source package to try, best first: the wanted one if the
# archive lists it, then the others it lists, newest first. (An index can list a
# version whose files are already gone from the pool.)
kandidaat_versies() {
  local pakket=$1 gewenst=$2 versies
  versies=$(apt-cache "${APT_OPTS[@]}" showsrc --only-source "$pakket" 2>/dev/null |
    awk '/^Version:/ { print $2 }' | sort -u)
  [ -n "$versies" ] || fout "the archive has no source of $pakket"
  if grep -qxF "$gewenst" <<<"$versies"; then echo "$gewenst"; fi
  grep -vxF "$gewenst" <<<"$versies" | sort -r -V || true
}

# Downloads and unpacks the source of $1, trying the versions on stdin in
# turn, into $APT_TMP/<package>/bron; sets VERSIE to the one it got.
bron_uitpakken() {
  local pakket=$1 werk="$APT_TMP/$1" v
  mkdir -p "$werk"
  while read -r v; do
    if (cd "$werk" && apt-get "${APT_OPTS[@]}" -qq source --download-only "$pakket=$v" >&2); then
      (cd "$werk" && dpkg-source --no-check -x ./*.dsc bron >&2) ||
        fout "could not unpack the source of $pakket $v"
      VERSIE=$v
      return
    fi
    meld "the source of $pakket $v could not be downloaded; trying an older one"
    rm -rf "${werk:?}"/*
  done
  fout "could not download any version of the source of $pakket"
}

# --- the builds ---------------------------------------------------------------

bouw_libpng() {
  local prefix=$1 werk=$2
  (
    cd "$werk/bron"
    ./configure --host=$HOST --prefix="$prefix" --disable-shared --enable-static \
      --disable-tools CPPFLAGS="-I/usr/$HOST/include" LDFLAGS="-L/usr/$HOST/lib"
    make -j"$JOBS"
    make install
  )
}

bouw_wx() {
  local prefix=$1 werk=$2 png=$3
  (
    cd "$werk/bron"
    mkdir -p build-msw
    cd build-msw
    ../configure --host=$HOST --prefix="$prefix" --with-msw --disable-shared --disable-debug \
      --with-libpng=sys --with-zlib=sys --without-libjpeg --without-libtiff --without-expat \
      --without-liblzma --without-opengl --without-regex --disable-xrc --disable-html \
      --disable-aui --disable-propgrid --disable-ribbon --disable-richtext --disable-stc \
      --disable-webview --disable-mediactrl --disable-sockets --disable-grid \
      --disable-dataviewctrl --disable-treelist \
      CPPFLAGS="-I$png/include" LDFLAGS="-L$png/lib"
    make -j"$JOBS"
    make install
  )
}

# Builds source package $1 (the installed version of binary package $2, or
# the best the archive has) into its cache prefix unless it is there already,
# and sets PREFIX to it. $3 is the build function, the rest its extra arguments.
bouw_in_cache() {
  local pakket=$1 binair=$2 bouw=$3 gewenst log
  shift 3
  gewenst=$(bronversie "$binair") || fout "$binair is not installed; run scripts/setup-debian.sh"
  PREFIX="$CACHE/$pakket-$gewenst"
  if [ -e "$PREFIX/$KLAAR" ]; then
    meld "reusing $PREFIX"
    return
  fi
  local kandidaten v
  if ! apt_voorbereiden || ! kandidaten=$(kandidaat_versies "$pakket" "$gewenst"); then
    # Offline, say: a version built before beats none.
    local eerder
    eerder=$(find "$CACHE" -mindepth 2 -maxdepth 2 -path "$CACHE/$pakket-*/$KLAAR" -printf '%h\n' |
      sort -V | tail -n 1)
    [ -n "$eerder" ] || fout "no source of $pakket, and none built before"
    PREFIX=$eerder
    meld "reusing $PREFIX, the newest one built before"
    return
  fi
  for v in $kandidaten; do
    if [ -e "$CACHE/$pakket-$v/$KLAAR" ]; then
      PREFIX="$CACHE/$pakket-$v"
      meld "reusing $PREFIX"
      return
    fi
  done
  bron_uitpakken "$pakket" <<<"$kandidaten"
  [ "$VERSIE" = "$gewenst" ] || meld "$pakket $gewenst is not in the archive; using $VERSIE"
  PREFIX="$CACHE/$pakket-$VERSIE"
  log="$CACHE/$pakket-$VERSIE.log"
  meld "building $pakket $VERSIE into $PREFIX (log: $log)"
  rm -rf "$PREFIX"
  local start=$SECONDS
  if ! "$bouw" "$PREFIX" "$APT_TMP/$pakket" "$@" >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    fout "building $pakket $VERSIE failed; see $log"
  fi
  rm -rf "${APT_TMP:?}/$pakket"
  touch "$PREFIX/$KLAAR"
  meld "built $pakket $VERSIE in $((SECONDS - start)) s"
}

main() {
  mkdir -p "$CACHE"
  bouw_in_cache libpng1.6 libpng-dev bouw_libpng
  local png_prefix=$PREFIX
  bouw_in_cache wxwidgets3.2 libwxgtk3.2-dev bouw_wx "$png_prefix"
  echo "FILTERDEMO_PNG_PREFIX=$png_prefix"
  echo "FILTERDEMO_WX_PREFIX=$PREFIX"
}

main "$@"
