# cmake -DIN=readme.txt (UTF-8, LF) -DOUT=… -DVERSION=… -P PelinReadme.cmake
# Writes the readme as the program and its users read it: code page 932, CR LF,
# with "@VERSION@" standing for the program's version.
cmake_minimum_required(VERSION 3.25)
find_program(ICONV iconv REQUIRED)
execute_process(COMMAND ${ICONV} -f UTF-8 -t CP932 ${IN} OUTPUT_VARIABLE cp932 RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "iconv could not convert ${IN} to code page 932")
endif()
string(REPLACE "@VERSION@" "${VERSION}" cp932 "${cp932}")
string(REPLACE "\r\n" "\n" cp932 "${cp932}")
string(REPLACE "\n" "\r\n" cp932 "${cp932}")
file(WRITE ${OUT}.tmp "${cp932}")
file(RENAME ${OUT}.tmp ${OUT})
