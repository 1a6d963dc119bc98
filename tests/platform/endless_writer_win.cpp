// pelin_endless_writer FILE kill|interrupt: replaces FILE with a page that never
// ends, for the tests of what a program stopped midway leaves behind
// (files_win_test.cpp). Writes "!" to standard output once part of the page is
// written; then, asked to, sends its own console Ctrl+C. Ends with 77 when the
// console will not take it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/files.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const bool interrupt = std::strcmp(argv[2], "interrupt") == 0;
    pelin::platform::removeTemporaryFilesOnInterrupt();
    (void)pelin::platform::replaceFileWith(argv[1], [&](const pelin::platform::ChunkWriter& write) {
        const std::string block(1 << 20, 'x');
        for (int i = 0;; ++i) {
            write(block);
            if (i == 3) {
                std::fputs("!", stdout);
                std::fflush(stdout);
                if (interrupt && !::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0)) std::exit(77);
            }
            ::Sleep(20);  // no faster than the disk fills while the test looks
        }
    });
    return 1;
}
