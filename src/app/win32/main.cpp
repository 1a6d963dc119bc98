// pelin.exe: the desktop program on the Windows API itself. The splash comes
// first; its tick opens the main window, and the program ends when its last
// window closes.
#include <filesystem>

#include "app/win32/message_loop.h"
#include "app/win32/program_wiring.h"
#include "platform/files.h"
#include "settings/settings_location.h"

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // The common controls of the manifest's version 6, drawn in the system's style.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    pelin::app::win32::ProgramContext context;
    context.showCommand = showCommand;
    const std::filesystem::path programFolder = pelin::platform::programFolder();
    context.dataFolder = pelin::settings::chooseDataFolder(programFolder);
    context.settingsFolder = pelin::settings::chooseSettingsFolder(programFolder);
    // Made now so that the first save has somewhere to go; a folder that cannot
    // be made is reported by that save.
    pelin::settings::createSettingsFolder(context.settingsFolder);
    context.userCharacterFolder = pelin::settings::chooseUserCharacterFolder(context.dataFolder);

    if (!pelin::app::win32::openFirstWindow(context)) return 0;
    return pelin::app::win32::runMessageLoop(context.opened);
}
