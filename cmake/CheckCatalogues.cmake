# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DLUPDATE=<lupdate> -DSOURCES=a|b -DCATALOGUES=x.ts|y.ts -DOPTIONS=o|p
#       -DINCLUDE=<dir> -DWORK=<dir> -P CheckCatalogues.cmake
#
# Runs lupdate over a copy of each catalogue. The catalogue is current when
# lupdate leaves the copy as it was (no text added, none dropped), and
# complete when no entry is left unfinished.
string(REPLACE "|" ";" sources "${SOURCES}")
string(REPLACE "|" ";" catalogues "${CATALOGUES}")
string(REPLACE "|" ";" options "${OPTIONS}")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(failures 0)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name "${catalogue}" NAME)
  set(copy "${WORK}/${name}")
  file(COPY_FILE "${catalogue}" "${copy}")
  execute_process(COMMAND "${LUPDATE}" -silent ${options} "-I${INCLUDE}" ${sources} -ts "${copy}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(SEND_ERROR "${name}: lupdate failed (${status})")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  file(READ "${catalogue}" shipped)
  file(READ "${copy}" refreshed)
  if(NOT shipped STREQUAL refreshed)
    message(SEND_ERROR "${name} is not current with the code; build the target "
                       "update_translations, translate what it adds, commit.")
    execute_process(COMMAND diff -u "${catalogue}" "${copy}")
    math(EXPR failures "${failures} + 1")
  endif()
  # One list item per entry (a text's own semicolons kept apart first).
  string(REPLACE ";" "<semicolon>" entries "${refreshed}")
  string(REPLACE "<message>" ";" entries "${entries}")
  set(count 0)
  foreach(entry IN LISTS entries)
    if(entry MATCHES "type=\"unfinished\"" AND entry MATCHES "<source>([^<]*)</source>")
      string(REPLACE "<semicolon>" ";" text "${CMAKE_MATCH_1}")
      message("  unfinished: ${text}")
      math(EXPR count "${count} + 1")
    endif()
  endforeach()
  if(count GREATER 0)
    message(SEND_ERROR "${name}: ${count} text(s) without a finished translation")
    math(EXPR failures "${failures} + 1")
  endif()
endforeach()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} catalogue problem(s)")
endif()
