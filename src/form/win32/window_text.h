#pragma once
// A window's text as the program's text.
#include "form/controls.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

Text windowText(HWND window);
// Sets the text only when it differs, so that an edit field keeps its caret and
// sends no change notice for text it already shows.
void showText(HWND window, TextView text);

}  // namespace pelin::form::win32
