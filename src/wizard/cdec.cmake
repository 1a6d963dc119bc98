# The radix routines and colour-code conversion, a module of their own so that
# the colour inputs and the command-line converter can share them.
pelin_add_module(pelin_cdec SOURCES ${CMAKE_CURRENT_LIST_DIR}/cdec.cpp)
