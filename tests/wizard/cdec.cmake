pelin_add_test(pelin_cdec_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/cdec_test.cpp LIBS pelin_cdec)
