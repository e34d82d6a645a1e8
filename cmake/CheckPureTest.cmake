# Shows that CheckPure.cmake refuses what it must and lets pure code through:
# each case writes one file into a scratch tree and runs the check on it.
#   cmake -DSCRATCH=<folder> -P CheckPureTest.cmake
set(cases
  "framework/text/Good.cpp|#include <string>\n#include \"framework/text/TString.h\"\n#include \"framework/path/pure/PathText.h\"\n|pass"
  "framework/text/Win.cpp|#include <windows.h>\n|fail"
  "framework/icons/pure/Shell.h|#  include <ShlObj.h>\n|fail"
  "app/pure/Reach.cpp|#include \"framework/registry/TRegKeyList.h\"\n|fail"
  "tests/pure/text/Harness.cpp|#include \"tests/support/ChildProcess.h\"\n|fail"
  "tests/pure/text/PureHarness.cpp|#include \"tests/support/pure/HexBytes.h\"\n|pass")
set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 path)
  list(GET parts 1 text)
  list(GET parts 2 expected)
  file(REMOVE_RECURSE ${SCRATCH})
  string(REPLACE "\\n" "\n" text "${text}")
  file(WRITE ${SCRATCH}/${path} "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SCRATCH} -DFILES=${SCRATCH}/${path}
                  -P ${CMAKE_CURRENT_LIST_DIR}/CheckPure.cmake
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(outcome pass)
  else()
    set(outcome fail)
  endif()
  if(NOT outcome STREQUAL expected)
    list(APPEND failures "${path}: expected ${expected}, got ${outcome}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "The pure-folder check misjudged:\n  ${text}")
endif()
