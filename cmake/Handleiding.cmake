# The guide docs/handleiding.md in its two editions, each one HTML page with
# its figures inside (pandoc --self-contained), for the package, cmake
# --install, the Windows installer and the browser edition:
#   handleiding.html         the students' edition: no answer before Teken
#   handleiding-docent.html  the lecturer's edition: figures, numbers, answers
# docs/editie.lua picks each edition's blocks from the one source;
# docs/inleverblad.html keeps a student's answers across a reload. Pandoc
# runs on the build machine, so a cross build makes the same pages. The
# lecturer's edition never lies beside the pages a student opens: it is
# built into a folder and installed as a component of its own.
#
#   handleiding_html(MAP PAGINAS DOEL [EDITIES student|docent ...])
#     a rule that writes the editions (default both) into MAP, and the target
#     DOEL that makes them by default; PAGINAS is the relative path from MAP
#     to the pages iir_demo.html and fir_demo.html ("" when they lie beside
#     it), put before every link "Open deze proef".
# SPDX-License-Identifier: MIT
find_program(PANDOC pandoc REQUIRED)

set(HANDLEIDING_EDITIES handleiding.html handleiding-docent.html)

function(handleiding_html MAP PAGINAS DOEL)
  cmake_parse_arguments(PARSE_ARGV 3 ARG "" "" EDITIES)
  if(NOT ARG_EDITIES)
    set(ARG_EDITIES student docent)
  endif()
  set(bron ${PROJECT_SOURCE_DIR}/docs)
  file(GLOB figuren CONFIGURE_DEPENDS ${bron}/figuren/*.svg ${bron}/figuren/*.png)
  set(titel "Handleiding iir_demo en fir_demo")
  set(bestanden "")
  foreach(editie ${ARG_EDITIES})
    if(editie STREQUAL "student")
      set(bestand ${MAP}/handleiding.html)
      set(paginatitel "${titel}")
      set(ondertitel "Voor studenten")
    else()
      set(bestand ${MAP}/handleiding-docent.html)
      set(paginatitel "${titel}, voor de docent")
      set(ondertitel "Voor de docent: met figuren, getallen en antwoorden")
    endif()
    add_custom_command(
      OUTPUT ${bestand}
      COMMAND ${PANDOC} --from markdown --to html5 --standalone --self-contained --mathml
              --toc --toc-depth=3 --columns=200 --lua-filter=${bron}/editie.lua --css=${bron}/handleiding.css
              --include-after-body=${bron}/inleverblad.html
              --resource-path=${bron} --metadata lang=nl --metadata editie=${editie}
              "--metadata=paginas:${PAGINAS}" "--metadata=toc-title:Inhoud"
              "--metadata=pagetitle:${paginatitel}" "--metadata=subtitle:${ondertitel}" --output ${bestand} ${bron}/handleiding.md
      DEPENDS ${bron}/handleiding.md ${bron}/editie.lua ${bron}/handleiding.css
              ${bron}/inleverblad.html ${figuren}
      COMMENT "The guide's ${editie} edition as one HTML page"
      VERBATIM)
    list(APPEND bestanden ${bestand})
  endforeach()
  add_custom_target(${DOEL} ALL DEPENDS ${bestanden})
endfunction()
