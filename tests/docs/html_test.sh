#!/bin/sh
# Both editions of the guide are valid HTML as tidy reads them.
# SPDX-License-Identifier: MIT
#
# No error and no warning, but one: tidy asks an HTML 4 attribute "summary"
# of some tables, which HTML5 made obsolete.
#
#   html_test.sh FILE.html ...
set -u
status=0
for bestand in "$@"; do
  meldingen=$(tidy -q -e "$bestand" 2>&1 | grep -v 'lacks "summary" attribute')
  if [ -n "$meldingen" ]; then
    printf '%s is not valid HTML:\n%s\n' "$bestand" "$meldingen" >&2
    status=1
  fi
done
[ $status -eq 0 ] && echo "$# pages: valid HTML"
exit $status
