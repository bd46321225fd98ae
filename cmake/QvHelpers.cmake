# Small helpers that keep the per-folder CMake files short.

# Where tests and tools put the recordings they generate at test time.
set(QV_FIXTURE_DIR "${CMAKE_BINARY_DIR}/fixtures")
# Where the player's icon is rendered, one hicolor theme folder per size (data/CMakeLists.txt).
set(QV_ICON_DIR "${CMAKE_BINARY_DIR}/data/icons/hicolor")
set(QV_ICON_SIZES 16 32 48 64 128 256)

# Adds every immediate sub-folder of the current folder that has a CMakeLists.txt.
function(qv_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}"
       "${CMAKE_CURRENT_SOURCE_DIR}/*")
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}/${child}"
       AND EXISTS "${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt")
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# qv_library(NAME SOURCES src... [DEPS lib...])
function(qv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# qv_test(NAME SOURCES src... [DEPS lib...] [LABELS label...] [FIXTURES fixture...])
# One GoogleTest program; each test case becomes a CTest test. FIXTURES names the test-time
# fixtures (CTest FIXTURES_SETUP) its cases need.
function(qv_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;LABELS;FIXTURES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/src" "${PROJECT_SOURCE_DIR}/tests"
                                             "${PROJECT_SOURCE_DIR}/tools")
  target_compile_definitions(${name} PRIVATE QV_FIXTURE_DIR="${QV_FIXTURE_DIR}"
                                             QV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             QV_BINARY_DIR="${CMAKE_BINARY_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  if(ARG_FIXTURES)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 900
                                    FIXTURES_REQUIRED "${ARG_FIXTURES}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT 900)
  endif()
endfunction()

# qv_fuzz_target(NAME SOURCES src... [DEPS lib...] [SEED_DIRS dir...])
# With QV_FUZZ (clang) the target is a libFuzzer program; otherwise it is linked with a driver that
# replays files, so every build replays the seed corpora as a test.
function(qv_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;SEED_DIRS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  if(QV_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(replay_args -runs=0)
  else()
    target_sources(${name} PRIVATE "${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp")
    set(replay_args)
  endif()
  set(dirs "${PROJECT_SOURCE_DIR}/fuzz/corpus/${name}" "${QV_FIXTURE_DIR}/seeds/${name}" ${ARG_SEED_DIRS})
  add_test(NAME ${name}_replay COMMAND ${name} ${replay_args} ${dirs})
  set_tests_properties(${name}_replay PROPERTIES FIXTURES_REQUIRED fuzz_seeds LABELS fuzz TIMEOUT 900)
endfunction()
