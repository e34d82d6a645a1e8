# libFuzzer targets (clang). clang has no CP932 execution charset, which is why
# pure code keeps its Japanese tables as numbers.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz flavour needs clang (CXX=clang++-14)")
endif()
enable_testing()
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g -O1)
add_library(pure_code_fuzz STATIC ${PURE_SOURCES})
add_dependencies(pure_code_fuzz pure_check)
target_include_directories(pure_code_fuzz PUBLIC ${INCLUDE_DIRS})
target_compile_options(pure_code_fuzz PRIVATE -fsanitize=fuzzer-no-link,address,undefined
  -fno-sanitize-recover=all -g -O1)
set(FUZZ_SECONDS 8 CACHE STRING "Seconds each fuzz target runs under ctest")
foreach(src IN LISTS FUZZ_SOURCES)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_compile_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_options(${name} PRIVATE ${FUZZ_FLAGS})
  target_link_libraries(${name} PRIVATE pure_code_fuzz)
  # Seeds come from tests/fuzz/corpus/<name>/ when present; new finds go to a
  # scratch folder so the committed corpus stays as written.
  set(corpus_dir ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus_dir})
  set(seed_dir ${ROOT}/tests/fuzz/corpus/${name})
  set(seed_arg "")
  if(EXISTS ${seed_dir})
    set(seed_arg ${seed_dir})
  endif()
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
            -print_final_stats=1 -artifact_prefix=${CMAKE_BINARY_DIR}/crash-${name}-
            ${corpus_dir} ${seed_arg})
endforeach()
