# GoogleTest: the system's build natively, built from Debian's sources when
# cross-compiling for Windows.
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# tallyline_test(NAME DIR LIBS...): one test executable from every .cpp in DIR
# and its wings (none while DIR has no tests yet); the folders gallery/ and
# probe/ hold programs of their own.
function(tallyline_test name dir)
  tallyline_sources(sources ${dir})
  list(FILTER sources EXCLUDE REGEX "/(gallery|probe)/")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  # Under Wine a test process starts slowly; one process per executable, not per test.
  add_test(NAME ${name} COMMAND ${name})
endfunction()
