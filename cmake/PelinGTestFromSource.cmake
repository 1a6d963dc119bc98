# GoogleTest built from its sources with the project's compiler, for targets
# (such as Windows) for which the system has no GoogleTest library; the same
# GTest:: names as find_package(GTest) gives.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${PELIN_GTEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
if(NOT TARGET GTest::gtest)  # older GoogleTest sources do not name themselves so
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
