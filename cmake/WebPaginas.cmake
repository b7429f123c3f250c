# The browser pages that a native build installs with the programs: the web
# build (the `web` preset) makes them, and the native build takes them from
# FILTERDEMO_WEB_MAP. Included by the top directory before anything else is
# installed, so that an installation without them stops before it starts.
# SPDX-License-Identifier: MIT
set(WEB_PAGINAS index.html iir_demo.html fir_demo.html)
# Where they are installed; the guide's installed editions link there.
set(WEB_INSTALLATIEMAP ${CMAKE_INSTALL_DATADIR}/filterdemo/web)
set(FILTERDEMO_WEB_MAP ${PROJECT_SOURCE_DIR}/build/web
    CACHE PATH "Where the web build left the pages that are installed with the programs")
option(FILTERDEMO_WEB_INSTALLEREN
       "Install the browser pages from FILTERDEMO_WEB_MAP (OFF: install without them)" ON)

# Checked when installing, not when configuring: the pages may be built after
# this build is configured. Without them the guide's links "Open deze proef"
# would open nothing, so the installation stops and says how to go on.
if(FILTERDEMO_WEB_INSTALLEREN)
  list(TRANSFORM WEB_PAGINAS PREPEND ${FILTERDEMO_WEB_MAP}/ OUTPUT_VARIABLE WEB_GEBOUWD)
  install(CODE "
    foreach(pagina ${WEB_GEBOUWD})
      if(NOT EXISTS \${pagina})
        message(FATAL_ERROR \"The browser pages are missing (no \${pagina}): build them with \"
                            \"scripts/web.sh --bouw, or set FILTERDEMO_WEB_MAP to where they are, \"
                            \"or configure with -DFILTERDEMO_WEB_INSTALLEREN=OFF to install \"
                            \"without them.\")
      endif()
    endforeach()")
endif()
