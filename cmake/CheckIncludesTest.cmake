# Shows that the include checks refuse what they must and let the rest
# through: each case names its check, writes one file into a scratch tree and
# runs the check on it.
#   cmake -DSCRATCH=<folder> -P CheckIncludesTest.cmake
set(cases
  "CheckPure|framework/text/Good.cpp|#include <string>\n#include \"framework/text/TString.h\"\n#include \"framework/path/pure/PathText.h\"\n|pass"
  "CheckPure|framework/text/Win.cpp|#include <windows.h>\n|fail"
  "CheckPure|framework/icons/pure/Shell.h|#  include <ShlObj.h>\n|fail"
  "CheckPure|app/pure/Reach.cpp|#include \"framework/registry/TRegKeyList.h\"\n|fail"
  "CheckPure|tests/pure/text/Harness.cpp|#include \"tests/support/ChildProcess.h\"\n|fail"
  "CheckPure|tests/pure/text/PureHarness.cpp|#include \"tests/support/pure/HexBytes.h\"\n|pass"
  # rooms: down and sideways within a room pass, up fails
  "CheckRooms|framework/window/shapes/Down.cpp|#include \"framework/window/menus/IconMenu.h\"\n#include \"framework/window/shapes/TShape.h\"\n#include \"framework/base/Owners.h\"\n|pass"
  "CheckRooms|framework/window/shapes/pure/Down.h|#include \"framework/window/core/pure/Rectangle.h\"\n|pass"
  "CheckRooms|framework/window/menus/Up.cpp|#include \"framework/window/shapes/TShape.h\"\n|fail"
  "CheckRooms|framework/window/core/pure/Up.h|#include \"framework/window/dialogs/pure/RecentNames.h\"\n|fail"
  "CheckRooms|framework/window/core/App.cpp|#include \"app/AppState.h\"\n|fail"
  "CheckRooms|framework/window/attic/Lost.cpp|#include <string>\n|fail"
  "CheckRooms|framework/window/Loose.h|#pragma once\n|fail"
  "CheckRooms|app/titlerules/Down.cpp|#include \"app/storing/WindowStore.h\"\n#include \"app/keys/pure/HotKeyText.h\"\n|pass"
  "CheckRooms|app/storing/Up.cpp|#include \"app/titlerules/AutoIconScan.h\"\n|fail"
  "CheckRooms|app/storing/Shared.cpp|#include \"app/AppState.h\"\n#include \"app/Commands.h\"\n|pass"
  "CheckRooms|app/storing/Spine.cpp|#include \"app/MainWindow.h\"\n|fail"
  "CheckRooms|app/storing/SpinePure.cpp|#include \"app/pure/PeriodicTimer.h\"\n|fail"
  "CheckRooms|app/MainWindow.cpp|#include \"app/titlerules/AutoIconScan.h\"\n#include \"app/emergency/Notices.h\"\n|pass"
  "CheckRooms|app/attic/Lost.cpp|#include <string>\n|fail")
set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 check)
  list(GET parts 1 path)
  list(GET parts 2 text)
  list(GET parts 3 expected)
  file(REMOVE_RECURSE ${SCRATCH})
  string(REPLACE "\\n" "\n" text "${text}")
  file(WRITE ${SCRATCH}/${path} "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${SCRATCH} -DFILES=${SCRATCH}/${path}
                  -P ${CMAKE_CURRENT_LIST_DIR}/${check}.cmake
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(outcome pass)
  else()
    set(outcome fail)
  endif()
  if(NOT outcome STREQUAL expected)
    list(APPEND failures "${check} ${path}: expected ${expected}, got ${outcome}")
  endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "An include check misjudged:\n  ${text}")
endif()
