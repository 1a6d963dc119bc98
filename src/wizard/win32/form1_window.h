#pragma once
// Form1 on the screen under Windows: the wizard model bound to child windows by
// their control names. The window owns the model; every user input goes
// through the model's controls and handlers, and the windows show the model's
// state afterwards. The controls stand where the model's table places them.
#include <filesystem>
#include <functional>
#include <memory>

// The wizard's headers come first: the menu drawing names some of its values
// as <windows.h> names its macros.
#include "wizard/form1.h"

#include "form/win32/binder.h"
#include "form/win32/bitmap.h"
#include "form/win32/fonts.h"
#include "wizard/win32/dropped_file_dialogs.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::wizard::win32 {

// What the program does at the window's turning points. Each may be empty.
struct Form1Hooks {
    // The window is made, its model not yet: the program enters the window in
    // the window system's menus (`options.menuHost`, `options.hWnd`) and hands
    // the window its dialogs.
    std::function<void(HWND window, Form1Options& options)> made;
    // The start-up has run; the window is not shown yet.
    std::function<void(Form1& model, HWND window)> loaded;
    // The user agreed to close; the window and its model are still there.
    std::function<void(Form1& model, HWND window)> closing;
};

class Form1Window {
public:
    // Makes the window, hidden, with every control of the model in place.
    Form1Window(form::Services& platform, settings::SettingsFile& ini, Form1Options options, Form1Hooks hooks = {});
    ~Form1Window();
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    HWND handle() const { return window_; }
    // Whether the window is still there (it goes when the user closes it).
    bool open() const { return window_ != nullptr; }
    Form1& model() { return form_.model(); }
    form::win32::Binder& binder() { return form_.binder(); }

    // Runs the start-up (which opens the source dialog) and shows the state.
    void Form_Load();
    // Shows the model's state again after a change made outside user input.
    void refresh();
    // Acts as a file dropped on the window.
    void dropSourceFile(const std::filesystem::path& path);

    // Told once the window is gone, closed by the user or the program.
    std::function<void()> onDestroyed;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void bindControls();
    void sizeToControls();
    void applyFonts();
    void showWindowState();
    void paintBackground(HDC dc);
    void takeDroppedFiles(HDROP drop);
    void close();

    Form1Hooks hooks_;
    DroppedFileDialogs dialogs_;
    form::Services services_;
    HWND window_ = nullptr;
    form::win32::BoundForm<Form1> form_;
    // The fonts of the headings and of the link sample, made for the window's
    // dots per inch.
    form::win32::Font bold_, underlined_;
    std::shared_ptr<form::Picture> shownPicture_;
    std::shared_ptr<form::win32::Bitmap> hint_;
};

// What the program calls to open its main window: makes the window, runs its
// start-up and shows it with `showCommand` (as wWinMain is given it).
std::unique_ptr<Form1Window> showForm1Window(form::Services& platform, settings::SettingsFile& ini,
                                             Form1Options options, int showCommand, Form1Hooks hooks = {});

}  // namespace pelin::wizard::win32
