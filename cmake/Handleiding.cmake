# The guide docs/handleiding.md as one HTML page with its figures inside
# (pandoc --self-contained), for the package, cmake --install, the Windows
# installer and the browser edition. Pandoc runs on the build machine, so a
# cross build makes the same page.
#
#   handleiding_html(BESTAND DOEL)   a rule that writes BESTAND, and the
#                                    target DOEL that makes it by default
#
# The browser edition does the same in its build directory, beside its pages:
#   handleiding_html(${CMAKE_BINARY_DIR}/handleiding.html web_handleiding)
find_program(PANDOC pandoc REQUIRED)

function(handleiding_html BESTAND DOEL)
  set(bron ${PROJECT_SOURCE_DIR}/docs)
  file(GLOB figuren CONFIGURE_DEPENDS ${bron}/figuren/*.svg ${bron}/figuren/*.png)
  add_custom_command(
    OUTPUT ${BESTAND}
    COMMAND ${PANDOC} --from markdown --to html5 --standalone --self-contained
            --resource-path=${bron} --metadata lang=nl
            "--metadata=pagetitle:Handleiding iir_demo en fir_demo" --output ${BESTAND}
            ${bron}/handleiding.md
    DEPENDS ${bron}/handleiding.md ${figuren}
    COMMENT "The guide as one HTML page"
    VERBATIM)
  add_custom_target(${DOEL} ALL DEPENDS ${BESTAND})
endfunction()
