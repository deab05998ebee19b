# Helpers that keep each folder's build description to one line.

set(REGATIX_RUNTIME_DIR ${CMAKE_BINARY_DIR}/bin)

# regatix_library(folder deps...): src/<folder>/*.cpp becomes regatix_<folder>.
function(regatix_library folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  set(target regatix_${folder})
  list(TRANSFORM ARGN PREPEND regatix_ OUTPUT_VARIABLE deps)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} PUBLIC ${deps})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${deps})
  endif()
endfunction()

# regatix_tests(folder libs...): tests/<folder>/*.cpp becomes one GoogleTest program, <folder>_tests.
function(regatix_tests folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARGN} regatix_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  # gtest_discover_tests writes a list-valued ENVIRONMENT as separate properties (only the first survives),
  # so the test environment is set by running each test program through env(1).
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
    "/usr/bin/env;TZ=UTC;LC_ALL=C.UTF-8;QT_QPA_PLATFORM=offscreen;REGATIX_SHARED_RACES=${REGATIX_SHARED_RACES};REGATIX_SOURCE_DIR=${CMAKE_SOURCE_DIR};REGATIX_BIN_DIR=${REGATIX_RUNTIME_DIR}")
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60)
endfunction()
