# The product and the Wine-run tests.
enable_language(RC)
# windres sees no compile options: the code page must come through its flags.
string(APPEND CMAKE_RC_FLAGS " -c 65001")
enable_testing()

# GoogleTest from Debian's sources. Built before the Shift-JIS flags are set:
# gtest includes <chrono>, whose "\u00b5s" literal has no CP932 form.
set(GTEST_SRC /usr/src/googletest/googletest)
add_library(gtest_cross STATIC ${GTEST_SRC}/src/gtest-all.cc)
target_include_directories(gtest_cross SYSTEM PUBLIC ${GTEST_SRC}/include PRIVATE ${GTEST_SRC})
target_compile_options(gtest_cross PRIVATE -w)

add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP932 -Werror=multichar -Wall -Wextra)
add_compile_definitions(WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)

set(SYSTEM_LIBS user32 gdi32 shell32 ole32 oleaut32 uuid advapi32 comctl32 comdlg32 winmm
  version shlwapi)

add_library(stowpane_core STATIC ${PRODUCT_SOURCES})
add_dependencies(stowpane_core pure_check room_check)
target_include_directories(stowpane_core PUBLIC ${INCLUDE_DIRS})
target_link_libraries(stowpane_core PUBLIC ${SYSTEM_LIBS})
# The shipped file stays small: code optimised for size (the tick and the
# menus measure the same, tools/bench.sh), each function in its own section
# so that the link drops what nothing calls, and no exceptions, so no unwind
# tables: failure is reported by results, and nothing is thrown or caught.
set(PRODUCT_OPTIONS -Os -ffunction-sections -fdata-sections -fno-exceptions
  -fno-asynchronous-unwind-tables -fno-unwind-tables)
target_compile_options(stowpane_core PRIVATE ${PRODUCT_OPTIONS})

# Resources: the .rc lists its icon, bitmap and header files for windres,
# which tracks no dependencies itself.
set(RC_FILE ${ROOT}/resources/Stowpane.rc)
file(GLOB RC_DEPENDS CONFIGURE_DEPENDS ${ROOT}/resources/*.h ${ROOT}/resources/*.ico
  ${ROOT}/resources/icons/*.ico ${ROOT}/resources/*.bmp ${ROOT}/resources/*.rc2)
set_source_files_properties(${RC_FILE} PROPERTIES OBJECT_DEPENDS "${RC_DEPENDS}")
add_library(stowpane_resources OBJECT ${RC_FILE})
target_include_directories(stowpane_resources PRIVATE ${ROOT}/resources)

add_executable(Stowpane WIN32 ${ROOT}/app/WinMain.cpp ${ROOT}/app/LeanRuntime.cpp
  $<TARGET_OBJECTS:stowpane_resources>)
target_compile_options(Stowpane PRIVATE ${PRODUCT_OPTIONS})
target_link_libraries(Stowpane PRIVATE stowpane_core)
target_link_options(Stowpane PRIVATE -Wl,--gc-sections)
# The program a user copies is the optimised one without symbols; they stay
# beside it in Stowpane.exe.debug, which a debugger finds through the link.
add_custom_command(TARGET Stowpane POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --only-keep-debug Stowpane.exe Stowpane.exe.debug
  COMMAND ${CMAKE_STRIP} --strip-all Stowpane.exe
  COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=Stowpane.exe.debug Stowpane.exe
  WORKING_DIRECTORY $<TARGET_FILE_DIR:Stowpane>
  VERBATIM)

# Emulator: every test program runs under the run's Wine session.
set(STOWPANE_WINEPREFIX ${CMAKE_BINARY_DIR}/../wineprefix)
configure_file(${ROOT}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run.sh)
# Wine reads a bare /path as relative to the current drive: name the Unix root drive.
set(WIN_RESULTS_DIR Z:${RESULTS_DIR})

add_library(test_support STATIC ${SUPPORT_SOURCES})
target_include_directories(test_support PUBLIC ${INCLUDE_DIRS} ${ROOT}/tests)
target_link_libraries(test_support PUBLIC stowpane_core gtest_cross)

add_executable(unit_tests ${PURE_TEST_SOURCES} ${WIN_TEST_SOURCES}
  $<TARGET_OBJECTS:stowpane_resources>)
target_link_libraries(unit_tests PRIVATE test_support)
add_test(NAME unit_tests COMMAND ${WINE_RUN} $<TARGET_FILE:unit_tests>
  --gtest_output=xml:${WIN_RESULTS_DIR}/unit_tests.xml)
set_tests_properties(unit_tests PROPERTIES TIMEOUT 600)

# The shipped program carries no symbols and imports system libraries only.
add_test(NAME product_is_stripped_and_static
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DPROGRAM=$<TARGET_FILE:Stowpane>
          -P ${ROOT}/cmake/CheckProduct.cmake)

# Programs the tests drive: a window factory, a probe and a stand-in taskbar.
set(TEST_PROGRAMS "")
foreach(src IN LISTS TEST_PROGRAM_SOURCES)
  get_filename_component(name ${src} NAME_WE)
  # The program's resources come along, so that its icons and menus load as in
  # Stowpane.exe; iconless.exe stands for a program that has none.
  if(name STREQUAL "iconless")
    add_executable(${name} ${src})
  else()
    add_executable(${name} ${src} $<TARGET_OBJECTS:stowpane_resources>)
  endif()
  target_link_libraries(${name} PRIVATE stowpane_core)
  list(APPEND TEST_PROGRAMS ${name})
endforeach()
# OpenManualTest's stand-in browser is probe.exe.
add_dependencies(unit_tests probe)

if(E2E_TEST_SOURCES)
  add_executable(e2e_tests ${E2E_TEST_SOURCES})
  target_link_libraries(e2e_tests PRIVATE test_support psapi)
  add_dependencies(e2e_tests Stowpane ${TEST_PROGRAMS})
  target_compile_definitions(e2e_tests PRIVATE STOWPANE_BIN_DIR="${CMAKE_BINARY_DIR}")
  # Suites named RealTray* click Wine's own tray, which the rest of the
  # end-to-end suite ends for the rest of the session: they run on their own
  # first (E2eEnvironment.cpp keeps the tray for a run of nothing else).
  add_test(NAME e2e_real_tray COMMAND ${WINE_RUN} $<TARGET_FILE:e2e_tests> --gtest_filter=*RealTray*
    --gtest_output=xml:${WIN_RESULTS_DIR}/e2e_real_tray.xml)
  set_tests_properties(e2e_real_tray PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE DEPENDS unit_tests)
  add_test(NAME e2e_tests COMMAND ${WINE_RUN} $<TARGET_FILE:e2e_tests> --gtest_filter=-*RealTray*
    --gtest_output=xml:${WIN_RESULTS_DIR}/e2e_tests.xml)
  # The end-to-end suite ends Wine's taskbar for the rest of the session (a
  # stand-in takes its place), so it runs after the unit tests and the
  # real-tray tests.
  set_tests_properties(e2e_tests PROPERTIES TIMEOUT 900 RUN_SERIAL TRUE DEPENDS "unit_tests;e2e_real_tray")
endif()

include(${ROOT}/cmake/Release.cmake)
include(${ROOT}/cmake/WinBench.cmake)
