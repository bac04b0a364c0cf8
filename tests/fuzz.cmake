# Fuzz targets of the portable parsers: libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer, in a clang tree of their own (./dev builds build/fuzz).
# ctest runs each for ORVANE_FUZZ_SECONDS from its seeds, and replays every input that
# once broke it (fuzz/regressions/<target>/); ./dev fuzz runs them longer.
set(ORVANE_FUZZ_SECONDS 30 CACHE STRING "How long ctest runs each fuzz target")

file(GLOB ORVANE_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fuzz/*Fuzz.cpp)
foreach(source ${ORVANE_FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE orvane_portable)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)

  # New inputs the fuzzer finds go to the tree's own corpus; the seeds stay as they are.
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${corpus})
  add_test(NAME fuzz.${name}
           COMMAND ${name} -max_total_time=${ORVANE_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                   -print_final_stats=1 ${corpus} ${CMAKE_CURRENT_LIST_DIR}/fuzz/seeds/${name})
  set_tests_properties(fuzz.${name} PROPERTIES TIMEOUT 600 LABELS fuzz)

  file(GLOB regressions CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/fuzz/regressions/${name}/*)
  if(regressions)
    add_test(NAME fuzz.${name}.regressions COMMAND ${name} ${regressions})
  endif()
endforeach()
