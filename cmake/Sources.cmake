# Source discovery. A file joins its flavour by where it lives:
#   app/, framework/<domain>/   product code (app/WinMain.cpp is the entry);
#                               framework/window/ and app/ in rooms (cmake/Rooms.cmake)
#   tests/pure                  tests of pure code, run natively and under Wine
#   tests/win                   tests that need Win32 (run under Wine)
#   tests/e2e                   end-to-end tests against the real Stowpane.exe
#   tests/support               helpers shared by the test programs
#   tests/programs              small Win32 programs the tests drive (one .cpp each)
#   tests/fuzz                  libFuzzer targets (one .cpp each)
#   tests/bench                 Google Benchmark programs (one .cpp each)
#   tests/winbench              benchmarks under Wine, not tests (cmake/WinBench.cmake)
# Pure code is what lives in framework/text/ or in a folder named pure/: it
# builds natively too, and may include nothing but the standard library and
# other pure files (cmake/CheckPure.cmake fails the build otherwise).
set(ROOT ${CMAKE_CURRENT_SOURCE_DIR})
include(${ROOT}/cmake/PureFolders.cmake)

# Paths of `files` relative to the root that lie (or not) in a pure folder.
function(split_pure out_pure out_other)
  set(pure "")
  set(other "")
  foreach(path IN LISTS ARGN)
    file(RELATIVE_PATH relative ${ROOT} ${path})
    if(relative MATCHES "${PURE_FOLDER_REGEX}")
      list(APPEND pure ${path})
    else()
      list(APPEND other ${path})
    endif()
  endforeach()
  set(${out_pure} "${pure}" PARENT_SCOPE)
  set(${out_other} "${other}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE PRODUCT_SOURCES CONFIGURE_DEPENDS
  ${ROOT}/framework/*.cpp ${ROOT}/app/*.cpp)
list(REMOVE_ITEM PRODUCT_SOURCES ${ROOT}/app/WinMain.cpp ${ROOT}/app/LeanRuntime.cpp)
split_pure(PURE_SOURCES WIN32_ONLY_SOURCES ${PRODUCT_SOURCES})

file(GLOB_RECURSE PURE_TEST_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/pure/*.cpp)
file(GLOB_RECURSE WIN_TEST_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/win/*.cpp)
file(GLOB E2E_TEST_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/e2e/*.cpp)
file(GLOB_RECURSE SUPPORT_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/support/*.cpp)
file(GLOB TEST_PROGRAM_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/programs/*.cpp)
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/fuzz/*.cpp)
file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/bench/*.cpp)

# The native test program takes the pure helpers and the shared main.
split_pure(PURE_SUPPORT_SOURCES unused ${SUPPORT_SOURCES})
list(APPEND PURE_SUPPORT_SOURCES ${ROOT}/tests/support/TestMain.cpp)

set(INCLUDE_DIRS ${ROOT} ${ROOT}/resources)
set(RESULTS_DIR ${CMAKE_BINARY_DIR}/results)
file(MAKE_DIRECTORY ${RESULTS_DIR})

# A target that runs cmake/<script>.cmake over `files` whenever one of them
# or the script (or a file it reads, in ARGN) changes.
function(add_include_check target script comment files)
  set(stamp ${CMAKE_BINARY_DIR}/${target}.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DROOT=${ROOT} "-DFILES=${files}" -P ${ROOT}/cmake/${script}.cmake
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${files} ${ROOT}/cmake/${script}.cmake ${ARGN}
    VERBATIM
    COMMENT "${comment}")
  add_custom_target(${target} DEPENDS ${stamp})
endfunction()

# Every build checks the pure folders before compiling them, so that a Win32
# include is refused in the cross build too, where it would compile.
file(GLOB_RECURSE ALL_SOURCE_FILES CONFIGURE_DEPENDS
  ${ROOT}/framework/*.h ${ROOT}/framework/*.cpp ${ROOT}/app/*.h ${ROOT}/app/*.cpp
  ${ROOT}/tests/*.h ${ROOT}/tests/*.cpp)
split_pure(PURE_FILES unused ${ALL_SOURCE_FILES})
add_include_check(pure_check CheckPure "Checking that pure folders stay free of Win32" "${PURE_FILES}"
  ${ROOT}/cmake/PureFolders.cmake)

# And that no include of the UI framework or the application points up their
# rooms (cmake/Rooms.cmake).
file(GLOB_RECURSE ROOM_FILES CONFIGURE_DEPENDS
  ${ROOT}/framework/window/*.h ${ROOT}/framework/window/*.cpp ${ROOT}/app/*.h ${ROOT}/app/*.cpp)
add_include_check(room_check CheckRooms "Checking that includes run down the rooms" "${ROOM_FILES}"
  ${ROOT}/cmake/Rooms.cmake)
