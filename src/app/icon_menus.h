#pragma once
// The main window's menus as the program shows them: drawn by the icon menus
// through Qt's menu host, with the pictures of their items.
#include "wizard/qt/menu_system.h"

namespace pelin::app {

// The program's one menu system of that kind; it keeps no state of its own.
wizard::qt::MenuSystem& iconMenus();

}  // namespace pelin::app
