#!/bin/bash
# Builds the Windows release on Debian 12 and checks it under Wine:
#   build/windows/{iir,fir,cli}/*.exe and build/windows/filterdemo-<version>-setup.exe
# Installs the toolchain from Debian's packages (scripts/setup-debian.sh --windows),
# cross-builds libpng and wxWidgets once (scripts/windows-deps.sh, cached under
# ~/.cache/filterdemo), builds the browser pages the installer carries
# (scripts/web.sh --bouw), builds the `windows` preset, and runs the checks of
# tests/windows/wine_test.sh on a headless X server against the native build
# (the `default` preset's filtercyclus).
#   --geen-test   build only
# SPDX-License-Identifier: MIT
set -euo pipefail
cd "$(dirname "$0")/.."

testen=ja
case ${1:-} in
  --geen-test) testen="" ;;
  "") ;;
  *)
    echo "usage: scripts/windows.sh [--geen-test]" >&2
    exit 2
    ;;
esac

# The whole Wine check, also when something in it hangs.
readonly TEST_LIMIET=600

begin=$SECONDS
scripts/setup-debian.sh --windows

echo "== Windows libraries (libpng, wxWidgets)"
prefixen=$(scripts/windows-deps.sh)
eval "$prefixen"
export FILTERDEMO_WX_PREFIX FILTERDEMO_PNG_PREFIX

echo "== browser pages (the installer carries them beside the guide)"
scripts/web.sh --bouw

echo "== Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows
versie=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
installer=build/windows/filterdemo-$versie-setup.exe
[ -f "$installer" ] || {
  echo "windows: $installer was not built" >&2
  exit 1
}
programmas=(build/windows/iir/iir_demo.exe build/windows/fir/fir_demo.exe
  build/windows/cli/filtercyclus.exe)
ls -l "${programmas[@]}" "$installer"

# Win64 aligns the stack to 16 bytes only: an aligned 32-byte move to a stack
# slot crashes on processors with AVX2, which Wine on this machine need not
# show (cmake/mingw-w64-x86_64.cmake).
echo "== No aligned vector moves to the stack"
grep -q -- "-muse-unaligned-vector-move" build/windows/CMakeCache.txt || {
  echo "windows: the build lacks -Wa,-muse-unaligned-vector-move" >&2
  exit 1
}
for programma in "${programmas[@]}"; do
  uitgelijnd=$(x86_64-w64-mingw32-objdump -d --no-show-raw-insn "$programma" |
    grep -E $'\tvmov(aps|apd|dqa)[0-9]* .*%r[sb]p' || true)
  [ -z "$uitgelijnd" ] || {
    echo "windows: $programma has $(wc -l <<<"$uitgelijnd") aligned vector moves to the stack:" >&2
    head -n 5 <<<"$uitgelijnd" >&2
    exit 1
  }
done

if [ -n "$testen" ]; then
  echo "== Windows checks under Wine"
  # The native filtercyclus is the reference.
  [ -f build/default/CMakeCache.txt ] || cmake --preset default >/dev/null
  cmake --build --preset default --target filtercyclus paneelvergelijk
  timeout "$TEST_LIMIET" xvfb-run --auto-servernum \
    --server-args="-screen 0 1280x1024x24 -noreset" \
    tests/windows/wine_test.sh "$installer" "$versie" build/windows/windows/knopplek.exe \
    build/default/cli/filtercyclus build/default/tests/e2e/paneelvergelijk
fi
echo "== Windows release built$([ -n "$testen" ] && echo " and checked") in $((SECONDS - begin)) s"
