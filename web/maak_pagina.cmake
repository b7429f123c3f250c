# Puts the module and the page's scripts into the page's template, giving one
# self-contained HTML file; written whole or not at all.
#   cmake -DPROGRAMMA=iir|fir -DKERN=module.js -DSJABLOON=pagina.html.in
#         -DSCRIPTS=a.js|b.js|pagina.js -DUIT=page.html -P maak_pagina.cmake
# The scripts are joined in the order given, into one script; a line that
# holds only a comment is for the reader of the source, and the page, which
# must stay small, leaves it out.
file(READ ${SJABLOON} pagina)
file(READ ${KERN} kern)
string(REPLACE "|" ";" scripts "${SCRIPTS}")
set(script "")
foreach(bestand ${scripts})
  file(READ ${bestand} deel)
  string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" deel "\n${deel}")
  string(APPEND script "${deel}")
endforeach()
foreach(inhoud kern script)
  # Inside a <script> element, this text would end the element.
  string(FIND "${${inhoud}}" "</script" plek)
  if(NOT plek EQUAL -1)
    message(FATAL_ERROR "${inhoud} contains '</script' and cannot be put into the page")
  endif()
endforeach()
string(REPLACE "{{PROGRAMMA}}" "${PROGRAMMA}" pagina "${pagina}")
string(REPLACE "{{SCRIPT}}" "${script}" pagina "${pagina}")
string(REPLACE "{{KERN}}" "${kern}" pagina "${pagina}")
file(WRITE ${UIT}.tmp "${pagina}")
file(RENAME ${UIT}.tmp ${UIT})
