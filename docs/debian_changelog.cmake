# Writes CHANGELOG.md in the format of a Debian changelog, which is what
# /usr/share/doc/<package>/changelog.gz of a native package must be: one entry
# per "## VERSION (YYYY-MM-DD HH:MM UTC)", every list item and paragraph a "*" item.
#
# cmake -DBRON=CHANGELOG.md -DDOEL=changelog -DPAKKET=name -DONDERHOUDER="Name <mail>" -P ...
# SPDX-License-Identifier: MIT
file(STRINGS ${BRON} regels)
set(uit "")
set(open_item FALSE)
set(ondertekening "")

foreach(regel IN LISTS regels)
  if(regel MATCHES "^## ([0-9.]+) \\(([0-9-]+ [0-9:]+ UTC)\\)$")
    string(APPEND uit "${ondertekening}")
    execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2}" OUTPUT_VARIABLE datum
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND uit "${PAKKET} (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    set(ondertekening "\n -- ${ONDERHOUDER}  ${datum}\n\n")
    set(in_entry TRUE)
  elseif(NOT in_entry)
    # The heading and introduction above the first version.
  elseif(regel MATCHES "^- (.*)$")
    string(APPEND uit "  * ${CMAKE_MATCH_1}\n")
  elseif(regel MATCHES "^  +(.*)$")
    string(APPEND uit "    ${CMAKE_MATCH_1}\n")
  elseif(regel MATCHES "^[^ ]")
    string(APPEND uit "  * ${regel}\n")
  endif()
endforeach()
string(APPEND uit "${ondertekening}")
string(REGEX REPLACE "\n\n$" "\n" uit "${uit}")
file(WRITE ${DOEL} "${uit}")
