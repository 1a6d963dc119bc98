#include <iostream>

#include "convert_tool.h"
#include "platform/files.h"

int main(int argc, char** argv) {
    // Ctrl+C in the middle of a page leaves the old page, not a half-written new one.
    pelin::platform::removeTemporaryFilesOnInterrupt();
    std::vector<std::string> args(argv + 1, argv + argc);
    return pelin::convert::run(args, std::cout, std::cerr, pelin::platform::programFolder());
}
