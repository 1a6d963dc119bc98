# One interface target that carries the language standard, the warnings and the
# sanitizer switches, so every library, program and test is built the same way.
add_library(pelin_options INTERFACE)
target_compile_features(pelin_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(pelin_options INTERFACE -Wall -Wextra -Wpedantic)
if(PELIN_WERROR)
  target_compile_options(pelin_options INTERFACE -Werror)
endif()
if(PELIN_SANITIZE)
  target_compile_options(pelin_options INTERFACE -fsanitize=${PELIN_SANITIZE} -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=all)
  target_link_options(pelin_options INTERFACE -fsanitize=${PELIN_SANITIZE})
endif()

# pelin_add_module(NAME SOURCES … DEPENDS …): one core module as a static library.
function(pelin_add_module name)
  cmake_parse_arguments(M "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${M_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC pelin_options ${M_DEPENDS})
endfunction()

# Listing the tests of a Windows program starts Wine; the build would start
# several at once, so the cross build lists them when CTest runs instead.
if(CMAKE_CROSSCOMPILING)
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
endif()

# pelin_add_test(NAME SOURCES … LIBS …): a GoogleTest program registered with CTest.
function(pelin_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} pelin_options GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
