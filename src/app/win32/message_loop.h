#pragma once
// The program's message loop.
#include "app/win32/program_wiring.h"

namespace pelin::app::win32 {

// Runs until the program's last window is closed; the exit status.
int runMessageLoop(ProgramWindows& windows);

}  // namespace pelin::app::win32
