#!/bin/sh
# Runs docs/figuren.sh into a fresh directory with the built filtercyclus and
# compares the result with the committed docs/figuren/, file for file and byte
# for byte: the guide's figures must be what the programs draw now, and its
# tables of coefficients what the tool prints.
#
#   vergelijk_figuren.sh SOURCE_DIR FILTERCYCLUS
# SPDX-License-Identifier: MIT
set -eu

bron=$1
tijdelijk=$(mktemp -d)
trap 'rm -rf "$tijdelijk"' EXIT

FILTERCYCLUS=$2 "$bron/docs/figuren.sh" "$tijdelijk/figuren"
if ! diff -r "$bron/docs/figuren" "$tijdelijk/figuren"; then
  echo "docs/figuren/ is stale: run docs/figuren.sh and commit its output" >&2
  exit 1
fi

# The guide's appendix holds the tables between its two markers, unchanged.
sed -n '/^<!-- coefficienten:/,/^<!-- einde coefficienten -->$/p' "$bron/docs/handleiding.md" |
  sed '1d;$d' >"$tijdelijk/in-handleiding.md"
if ! diff "$tijdelijk/figuren/coefficienten.md" "$tijdelijk/in-handleiding.md"; then
  echo "docs/handleiding.md's coefficients are stale: run docs/figuren.sh and commit" >&2
  exit 1
fi
