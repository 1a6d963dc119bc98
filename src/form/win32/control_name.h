#pragma once
// A control's name kept on its window, as Qt keeps a widget's objectName: the
// binder finds a form's windows by it, and so do tests and outside drivers.
#include <string>
#include <string_view>

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::form::win32 {

void setControlName(HWND window, std::string_view name);
// The name given to `window`; empty when it has none.
std::string controlName(HWND window);
// The window named `name` among every descendant of `root` (root itself
// included), first in the order Windows lists them; null when there is none.
HWND findControl(HWND root, std::string_view name);

}  // namespace pelin::form::win32
