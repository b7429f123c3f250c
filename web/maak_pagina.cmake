# Puts the module and the page's script into the page's template, giving one
# self-contained HTML file; written whole or not at all.
#   cmake -DPROGRAMMA=iir|fir -DKERN=module.js -DSJABLOON=pagina.html.in
#         "-DSCRIPT=pagina.js;polen.js" -DUIT=page.html -P maak_pagina.cmake
# (the scripts in that order, as one).
file(READ ${SJABLOON} pagina)
file(READ ${KERN} kern)
set(script "")
foreach(deel ${SCRIPT})
  file(READ ${deel} inhoud)
  string(APPEND script "${inhoud}")
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
