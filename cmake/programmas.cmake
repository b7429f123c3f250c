# Reads data/programmas.env, the programs' identities, into variables
# FILTERDEMO_<name> (FILTERDEMO_iir_titel, ...), and writes the header
# programma_gegevens.h that the C++ program descriptions take them from.
# SPDX-License-Identifier: MIT
set(filterdemo_programmas_bron ${PROJECT_SOURCE_DIR}/data/programmas.env)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${filterdemo_programmas_bron})
file(STRINGS ${filterdemo_programmas_bron} filterdemo_regels)
foreach(regel IN LISTS filterdemo_regels)
  if(regel MATCHES "^#" OR regel STREQUAL "")
    continue()
  endif()
  if(NOT regel MATCHES "^([a-z_]+)=\"([^\"\\\\$`]*)\"$")
    message(FATAL_ERROR "data/programmas.env: '${regel}' is not NAME=\"value\"")
  endif()
  set(FILTERDEMO_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()

configure_file(${PROJECT_SOURCE_DIR}/common/programma_gegevens.h.in
               ${PROJECT_BINARY_DIR}/gegenereerd/programma_gegevens.h @ONLY)
