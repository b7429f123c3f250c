# Puts the module and the page's script into the page's template, giving one
# self-contained HTML file; written whole or not at all.
#   cmake -DPROGRAMMA=iir|fir -DKERN=module.js -DSJABLOON=pagina.html.in
#         -DSCRIPT="pagina.js;more.js" -DUIT=page.html -P maak_pagina.cmake
# The scripts follow each other in one element, in the order given; a line
# that holds only a comment is for the reader of the source, and the page,
# which must stay small, leaves it out.
file(READ ${SJABLOON} pagina)
file(READ ${KERN} kern)
set(script "")
foreach(bestand ${SCRIPT})
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
