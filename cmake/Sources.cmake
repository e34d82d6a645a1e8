# Source discovery. A file joins its flavour by where it lives:
#   framework/util, framework/window, app      product code (app/WinMain.cpp is the entry)
#   tests/pure      tests of pure code, run natively and under Wine
#   tests/win       tests that need Win32 (run under Wine)
#   tests/e2e       end-to-end tests against the real Stowpane.exe
#   tests/support   helpers shared by the test programs
#   tests/programs  small Win32 programs the tests drive (one .cpp each)
#   tests/fuzz      libFuzzer targets (one .cpp each)
#   tests/bench     Google Benchmark programs (one .cpp each)
set(ROOT ${CMAKE_CURRENT_SOURCE_DIR})
file(GLOB PRODUCT_SOURCES CONFIGURE_DEPENDS
  ${ROOT}/framework/util/*.cpp ${ROOT}/framework/window/*.cpp ${ROOT}/app/*.cpp)
list(REMOVE_ITEM PRODUCT_SOURCES ${ROOT}/app/WinMain.cpp)

set(PURE_SOURCES "")
foreach(src IN LISTS PRODUCT_SOURCES)
  file(STRINGS ${src} win32_includes REGEX "^#include <windows\\.h>")
  if(NOT win32_includes)
    list(APPEND PURE_SOURCES ${src})
  endif()
endforeach()

file(GLOB PURE_TEST_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/pure/*.cpp)
file(GLOB WIN_TEST_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/win/*.cpp)
file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/e2e/*.cpp)
file(GLOB SUPPORT_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/support/*.cpp)
file(GLOB TEST_PROGRAM_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/programs/*.cpp)
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/fuzz/*.cpp)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/bench/*.cpp)

set(PURE_SUPPORT_SOURCES "")
foreach(src IN LISTS SUPPORT_SOURCES)
  file(STRINGS ${src} win32_includes REGEX "^#include <windows\\.h>")
  if(NOT win32_includes)
    list(APPEND PURE_SUPPORT_SOURCES ${src})
  endif()
endforeach()

set(INCLUDE_DIRS ${ROOT} ${ROOT}/resources)
set(RESULTS_DIR ${CMAKE_BINARY_DIR}/results)
file(MAKE_DIRECTORY ${RESULTS_DIR})
