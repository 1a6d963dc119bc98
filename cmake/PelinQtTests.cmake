# pelin_add_qt_test(NAME SOURCES … LIBS … [ENVIRONMENT …]): GoogleTest with a
# QApplication of its own (tests/support/qt_test_main.cpp), registered with CTest
# to run on the offscreen platform at a scale of 1, with the variables given.
function(pelin_add_qt_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${T_LIBS} pelin_form_qt pelin_options Qt6::Test GTest::gtest)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE PELIN_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")
  set(environment "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1" ${T_ENVIRONMENT})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "${environment}"
                       DISCOVERY_EXTRA_ARGS "-platform" "offscreen")
endfunction()
