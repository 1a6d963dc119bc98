#pragma once
// pelin-convert on a Windows console: the command line in UTF-16, whatever the
// system's code page, with its wildcards expanded, and messages the console
// shows as they are written.
#include <string>
#include <vector>

namespace pelin::convert {

// The program's arguments (without its name), in UTF-8, from the command line
// Windows keeps in UTF-16: `argv` holds them in the system's code page, which
// cannot name every file. An argument with "*" or "?" outside quotes stands for
// the files it matches, as for other Windows programs.
std::vector<std::string> utf8Arguments();

// While it lives, a console that standard output or standard error writes to
// takes UTF-8; output that is redirected gets the UTF-8 bytes as they are.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned oldCodePage_ = 0;  // 0: no console was changed
};

}  // namespace pelin::convert
