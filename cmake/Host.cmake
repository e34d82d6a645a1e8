# Native build of the pure code: tests under the sanitizers, benchmarks without.
# g++ is used (not clang) so that test literals become Shift-JIS exactly as in
# the cross build.
find_package(GTest REQUIRED)
find_package(benchmark QUIET)
enable_testing()

set(SHIFT_JIS_FLAGS -finput-charset=UTF-8 -fexec-charset=CP932 -Werror=multichar)
set(SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(pure_code STATIC ${PURE_SOURCES})
add_dependencies(pure_code pure_check)
target_include_directories(pure_code PUBLIC ${INCLUDE_DIRS})
target_compile_options(pure_code PRIVATE -Wall -Wextra ${SHIFT_JIS_FLAGS} ${SANITIZE})
target_link_options(pure_code PUBLIC ${SANITIZE})

add_executable(host_tests ${PURE_TEST_SOURCES} ${PURE_SUPPORT_SOURCES})
target_link_libraries(host_tests PRIVATE pure_code GTest::gtest)
target_compile_options(host_tests PRIVATE -Wall -Wextra ${SHIFT_JIS_FLAGS} ${SANITIZE})
add_test(NAME host_tests COMMAND host_tests --gtest_output=xml:${RESULTS_DIR}/host_tests.xml)

if(benchmark_FOUND AND BENCH_SOURCES)
  add_library(pure_code_plain STATIC ${PURE_SOURCES})
  target_include_directories(pure_code_plain PUBLIC ${INCLUDE_DIRS})
  target_compile_options(pure_code_plain PRIVATE -O2 ${SHIFT_JIS_FLAGS})
  foreach(src IN LISTS BENCH_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -O2 ${SHIFT_JIS_FLAGS})
    target_link_libraries(${name} PRIVATE pure_code_plain benchmark::benchmark)
  endforeach()
endif()

# The include checks themselves: the pure folders refuse Win32 and non-pure
# includes, the rooms an include that points up.
add_test(NAME include_checks_refuse_what_they_must
  COMMAND ${CMAKE_COMMAND} -DSCRATCH=${CMAKE_BINARY_DIR}/include-check-test -P ${ROOT}/cmake/CheckIncludesTest.cmake)
