# Fails unless the shared library's dynamic symbol table defines exactly the names in the list:
# a missing export breaks callers, and an extra one (a helper or a standard library template
# leaking out) becomes part of the library's interface.
#   cmake -DNM=<nm> -DLIBRARY=<libvantrel.so> -DEXPECTED=<exported_symbols.txt> -P <this file>
execute_process(COMMAND "${NM}" -D --defined-only "${LIBRARY}"
                OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}: ${errors}")
endif()

set(actual)
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
  if(line MATCHES "([^ \t]+)[ \t]*$")
    string(REGEX REPLACE "@.*$" "" name "${CMAKE_MATCH_1}")  # drop a version suffix
    list(APPEND actual "${name}")
  endif()
endforeach()

file(STRINGS "${EXPECTED}" expected REGEX "^[A-Za-z_]")
list(LENGTH expected expectedCount)
if(NOT expectedCount EQUAL 39)
  message(FATAL_ERROR "${EXPECTED} lists ${expectedCount} names, not the 39 exports")
endif()

set(extra ${actual})
list(REMOVE_ITEM extra ${expected})
set(missing ${expected})
list(REMOVE_ITEM missing ${actual})
if(extra OR missing)
  list(JOIN extra "\n  " extraText)
  list(JOIN missing "\n  " missingText)
  if(NOT extra)
    set(extraText "(none)")
  endif()
  if(NOT missing)
    set(missingText "(none)")
  endif()
  message(FATAL_ERROR "Exported symbols differ from ${EXPECTED}\n"
                      "exported but not listed:\n  ${extraText}\n"
                      "listed but not exported:\n  ${missingText}")
endif()
list(LENGTH actual actualCount)
message(STATUS "${LIBRARY}: exactly the ${actualCount} listed exports")
