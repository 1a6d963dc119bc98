// The icon menus' headers name some of their values as <windows.h> names its
// macros: they come first.
#include "iconmenu/win32/win32_menu_host.h"
#include "iconmenu/win32/window_icon_menus.h"
#include "wizard/win32/form1_window.h"

#include "app/win32/program_wiring.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <utility>

#include "app/win32/splash_window.h"
#include "app/win32/version_window.h"
#include "character/win32/character_dialog.h"
#include "form/win32/clipboard.h"
#include "form/win32/common_dialog_backend.h"
#include "form/win32/message_box.h"
#include "form/win32/picture_loader.h"
#include "notepad/win32/program_notepad.h"
#include "settings/settings_file.h"
#include "shell/win32/system_shell.h"

namespace pelin::app::win32 {

using iconmenu::win32::Win32MenuHost;

struct ProgramParts {
    form::win32::Win32MessageBox messageBox;
    form::win32::Win32CommonDialogBackend dialogs;
    form::win32::WicPictureLoader pictures;
    form::win32::Win32Clipboard clipboard;
    shell::win32::SystemShell shell;
    notepad::win32::ProgramNotepad notepad{{messageBox, clipboard, shell}, dialogs};
    std::unique_ptr<settings::SettingsFile> ini;
    std::unique_ptr<wizard::win32::Form1Window> main;
    HWND version = nullptr;

    // Messages and dialogs belong to the main window while it is there.
    void setOwner(HWND owner) {
        messageBox.setOwner(owner);
        dialogs.setOwner(owner);
        shell.setOwner(owner);
    }
    HWND mainHandle() const { return main && main->open() ? main->handle() : nullptr; }
};

ProgramContext::ProgramContext() : parts(std::make_unique<ProgramParts>()) {}
ProgramContext::~ProgramContext() = default;

void ProgramWindows::add(HWND window) {
    if (window && std::find(windows_.begin(), windows_.end(), window) == windows_.end()) windows_.push_back(window);
}

bool ProgramWindows::noneLeft() {
    // A handle of a window that is gone may come back as another window's.
    std::erase_if(windows_, [](HWND window) { return !IsWindow(window); });
    return std::none_of(windows_.begin(), windows_.end(), [](HWND window) { return IsWindowVisible(window); });
}

void ProgramWindowService::showNotepad(form::TextView text, form::TextView file, text::PageCharset charset) {
    if (notepad) notepad(text, file, charset);
}

void ProgramWindowService::showCharacterDialog() {
    if (characterDialog) characterDialog();
}

void ProgramWindowService::showVersionWindow() {
    if (versionWindow) versionWindow();
}

namespace {

wizard::win32::Form1Hooks mainWindowHooks(ProgramContext& context) {
    ProgramParts& parts = *context.parts;
    wizard::win32::Form1Hooks hooks;
    hooks.made = [&parts](HWND window, wizard::Form1Options& options) {
        Win32MenuHost& menus = Win32MenuHost::instance();
        options.menuHost = &menus;
        options.hWnd = menus.registerWindow(window);
        parts.setOwner(window);
    };
    hooks.loaded = [](wizard::Form1& model, HWND window) { iconmenu::win32::fitIconCell(model.MainIconMenu, window); };
    hooks.closing = [&parts](wizard::Form1& model, HWND window) {
        iconmenu::win32::detachIconMenu(model.MainIconMenu, window);
        // An owned window would go with its owner: the version window stays.
        if (parts.version && IsWindow(parts.version) && GetWindow(parts.version, GW_OWNER) == window)
            SetWindowLongPtrW(parts.version, GWLP_HWNDPARENT, 0);
    };
    return hooks;
}

}  // namespace

// The notepad and the version window outlive the main window; the character
// dialog belongs to it and goes with it.
void linkWindowService(ProgramContext& context) {
    ProgramParts& parts = *context.parts;
    context.windows.notepad = [&context, &parts](form::TextView text, form::TextView file, text::PageCharset charset) {
        parts.notepad.show(text, file, charset);
        if (notepad::win32::NotepadWindow* window = parts.notepad.window()) context.opened.add(window->handle());
    };
    context.windows.versionWindow = [&context, &parts] {
        parts.version = showVersionWindow(parts.mainHandle());
        context.opened.add(parts.version);
    };
}

HWND showMainWindow(ProgramContext& context) {
    ProgramParts& parts = *context.parts;
    if (!parts.ini) parts.ini = std::make_unique<settings::SettingsFile>(context.settingsFolder);
    linkWindowService(context);
    form::Services services{parts.messageBox, parts.dialogs, parts.pictures,
                            parts.clipboard,  parts.shell,   context.windows};
    auto made = std::make_unique<wizard::win32::Form1Window>(
        services, *parts.ini, wizard::Form1Options{context.dataFolder, false}, mainWindowHooks(context));
    wizard::win32::Form1Window& window = *made;
    parts.main = std::move(made);
    const HWND handle = window.handle();
    context.opened.add(handle);

    parts.notepad.linkMainWindow({[&window]() -> form::CommonDialog& { return window.model().commonDialog(); }});
    context.windows.characterDialog = character::win32::characterDialogOpener(
        {parts.messageBox, parts.pictures, *parts.ini}, {context.dataFolder, context.userCharacterFolder}, handle,
        [&window](std::shared_ptr<form::Picture> picture) {
            if (!window.open()) return;
            window.model().picture = std::move(picture);
            window.refresh();
        });
    window.onDestroyed = [&context, &parts] {
        parts.notepad.unlinkMainWindow();
        context.windows.characterDialog = nullptr;
        parts.setOwner(nullptr);
    };

    window.Form_Load();
    if (!window.open()) return nullptr;
    ShowWindow(handle, context.showCommand);
    UpdateWindow(handle);
    return handle;
}

bool openFirstWindow(ProgramContext& context) {
    HWND splash = showSplashWindow([&context] {
        try {
            showMainWindow(context);
        } catch (const std::exception&) {
            // A main window that cannot be made leaves the program without
            // one; the loop then ends with the splash.
        }
    });
    context.opened.add(splash);
    return !context.opened.noneLeft();
}

}  // namespace pelin::app::win32
