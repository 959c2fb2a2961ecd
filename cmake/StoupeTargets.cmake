# Helpers shared by every folder: strict warnings for our own code, and one
# call per library, executable and test executable.

function(stoupe_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# stoupe_library(NAME SOURCES ... [LIBS ...])
# A static library whose headers are reached as "folder/header.h" from the
# project root.
function(stoupe_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  stoupe_warnings(${name})
endfunction()

# stoupe_executable(NAME SOURCES ... [LIBS ...])
function(stoupe_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  stoupe_warnings(${name})
endfunction()

# stoupe_test(NAME SOURCES ... [LIBS ...] [WIDGETS])
# A GoogleTest executable. Tests are labelled "core" (no display needed) or
# "widgets" (run on Qt's offscreen platform). Discovery happens when the tests
# run, so building never needs a display.
function(stoupe_test name)
  cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  stoupe_warnings(${name})
  if(ARG_WIDGETS)
    set(label widgets)
  else()
    set(label core)
  endif()
  # Tests find the build's folders through these definitions. (Passing them
  # as ctest environment does not work: gtest_discover_tests splits a list
  # valued ENVIRONMENT into separate properties.)
  target_compile_definitions(${name} PRIVATE
    STOUPE_TEST_STAGE_DIR="${STOUPE_STAGE_DIR}"
    STOUPE_TEST_BUILD_DIR="${CMAKE_BINARY_DIR}"
    STOUPE_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ${label}
               ENVIRONMENT QT_QPA_PLATFORM=offscreen
               TIMEOUT 300)
endfunction()

# stoupe_benchmark(NAME SOURCES ... [LIBS ...])
# A Google Benchmark executable, built into build/bench/ and added to the
# "benchmarks" target.
function(stoupe_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  stoupe_warnings(${name})
  if(NOT TARGET benchmarks)
    add_custom_target(benchmarks)
  endif()
  add_dependencies(benchmarks ${name})
endfunction()

# stoupe_fuzz(NAME SOURCES ... [LIBS ...])
# A libFuzzer target, built into build-fuzz/fuzz/ when STOUPE_FUZZ is on.
function(stoupe_fuzz name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  stoupe_warnings(${name})
endfunction()
