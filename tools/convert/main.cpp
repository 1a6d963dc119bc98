#include <iostream>

#include "convert_tool.h"
#include "platform/files.h"
#ifdef _WIN32
#include "windows_console.h"
#endif

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
    // Ctrl+C in the middle of a page leaves the old page, not a half-written new one.
    pelin::platform::removeTemporaryFilesOnInterrupt();
#ifdef _WIN32
    const std::vector<std::string> args = pelin::convert::utf8Arguments();
    const pelin::convert::Utf8Console console;
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    return pelin::convert::run(args, std::cout, std::cerr, pelin::platform::programFolder());
}
