# Benchmarks under Wine (tests/winbench, one program per .cpp): they print
# figures for a person to read and are no tests, so ctest does not run them;
# tools/bench.sh does. Built with everything else so that they keep compiling.
file(GLOB WINBENCH_SOURCES CONFIGURE_DEPENDS ${ROOT}/tests/winbench/*.cpp)
foreach(src IN LISTS WINBENCH_SOURCES)
  get_filename_component(name ${src} NAME_WE)
  # The resources come along: the tray menu and its icons load from the program.
  add_executable(${name} ${src} $<TARGET_OBJECTS:stowpane_resources>)
  target_link_libraries(${name} PRIVATE test_support psapi)
  # The programs a benchmark drives sit beside it.
  add_dependencies(${name} Stowpane ${TEST_PROGRAMS})
endforeach()
