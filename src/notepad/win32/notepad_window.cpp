#include "notepad/win32/notepad_window.h"

#include <stdexcept>
#include <vector>

#include "form/win32/control_name.h"
#include "form/win32/dpi.h"
#include "form/win32/top_window.h"
#include "form/win32/win_text.h"
#include "form/win32/window_text.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace pelin::notepad::win32 {

using form::win32::dpiOf;

namespace {

constexpr wchar_t kWindowClass[] = L"PelinNotepad";
// The model gives the client area in pixels at 96 dots per inch.
constexpr double kTwipsPerPixel = 15;

}  // namespace

std::vector<NotepadWindow*> NotepadWindow::notepads_;
HHOOK NotepadWindow::hook_ = nullptr;

NotepadWindow::NotepadWindow(NotepadServices services, MainWindowLink mainWindow) : services_(services) {
    form::win32::registerWindowClass(kWindowClass, windowProc);
    CreateWindowExW(0, kWindowClass, form::win32::toWide(Form4::kCaption).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                    CW_USEDEFAULT, 600, 400, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) throw std::runtime_error("could not make the notepad window");
    // A window whose making failed goes with the object that would have served it.
    try {
        build(std::move(mainWindow));
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

void NotepadWindow::build(MainWindowLink mainWindow) {
    form::win32::setControlName(window_, "Form4");

    Form4& model = form_.create(services_.messageBox, services_.clipboard, services_.shell, std::move(mainWindow));
    // Closing asks about unsaved edits, after the command that asked for it is over.
    model.onClose = [this] { PostMessageW(window_, WM_CLOSE, 0, 0); };
    model.onUndo = [this] {
        SetFocus(editor_);
        SendMessageW(editor_, EM_UNDO, 0, 0);
    };
    makeEditor();
    form::win32::Binder& binder = form_.makeBinder(window_);
    binder.onDpiChanged = [this](UINT dpi) {
        editorFont_ = form::win32::makeFont(form::win32::uiFont(9.75), dpi);
        SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(editorFont_.get()), TRUE);
    };
    binder.bind(model.controls(), CreateMenu());
    if (notepads_.empty()) hook_ = SetWindowsHookExW(WH_GETMESSAGE, queueHook, nullptr, GetCurrentThreadId());
    notepads_.push_back(this);
    form::win32::showProgramIcon(window_);
    form::win32::sizeClientArea(window_, Form4::kClientWidth * kTwipsPerPixel, Form4::kClientHeight * kTwipsPerPixel);
}

NotepadWindow::~NotepadWindow() {
    if (window_) DestroyWindow(window_);
    std::erase(notepads_, this);
    if (notepads_.empty() && hook_) {
        UnhookWindowsHookEx(hook_);
        hook_ = nullptr;
    }
}

void NotepadWindow::makeEditor() {
    // No frame: the editor is the whole client area. Without ES_AUTOHSCROLL
    // long lines wrap, and the vertical scroll bar is always there.
    editor_ = CreateWindowExW(
        0, WC_EDITW, L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
        0, 0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!editor_) throw std::runtime_error("could not make the notepad's editor");
    form::win32::setControlName(editor_, "Text1");
    // A page is often longer than the 32 K characters an EDIT takes by default.
    SendMessageW(editor_, EM_SETLIMITTEXT, 0, 0);
    SetWindowSubclass(editor_, editorProc, 0, 0);
    editorFont_ = form::win32::makeFont(form::win32::uiFont(9.75), dpiOf(window_));
    SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(editorFont_.get()), FALSE);
}

bool NotepadWindow::open(TextView text, TextView file, text::PageCharset charset) {
    bool opened = false;
    binder().handle([&] { opened = model().Open(text, file, charset); });
    if (opened) binder().showAfresh(model().Text1);
    return opened;
}

void NotepadWindow::runCommand(form::MenuItem& item) {
    binder().handle([&item] { item.click(); });
}

bool NotepadWindow::mayClose() {
    if (closed()) return true;
    bool mayGo = false;
    binder().handle([this, &mayGo] { mayGo = model().Form_QueryUnload(); });
    return mayGo;
}

LRESULT CALLBACK NotepadWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = form::win32::windowObject<NotepadWindow>(window, message, lParam);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE) self->window_ = window;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = self->editor_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->message(message, wParam, lParam);
}

LRESULT NotepadWindow::message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (editor_) MoveWindow(editor_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (editor_) SetFocus(editor_);
        return 0;
    case WM_CLOSE:
        if (mayClose()) DestroyWindow(window_);
        return 0;
    case WM_QUERYENDSESSION:
        // The session waits while the user keeps unsaved edits.
        return closed() || !model().modified() || mayClose();
    case WM_DESTROY: form_.release(); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// A multi-line EDIT that the message loop's dialog keys (IsDialogMessageW)
// ask about its keys would close its window on Esc, as if in a dialog box: it
// is asked without the key, and still gets every key.
LRESULT CALLBACK NotepadWindow::editorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR) {
    if (message == WM_GETDLGCODE) return DefSubclassProc(window, message, wParam, 0) | DLGC_WANTALLKEYS;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, editorProc, id);
    return DefSubclassProc(window, message, wParam, lParam);
}

// The Del shortcut of 削除 would take the Delete key from the editor, and with
// nothing selected (削除 greyed) swallow it: the character after the caret
// could not be deleted. The key is the editor's then, taken from the queue
// before the message loop looks for shortcuts.
LRESULT CALLBACK NotepadWindow::queueHook(int code, WPARAM removed, LPARAM data) {
    auto& message = *reinterpret_cast<MSG*>(data);
    if (code == HC_ACTION && removed == PM_REMOVE && message.message == WM_KEYDOWN && message.wParam == VK_DELETE &&
        GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0)
        for (NotepadWindow* self : notepads_)
            if (message.hwnd == self->editor_) {
                DWORD start = 0, end = 0;
                SendMessageW(self->editor_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                             reinterpret_cast<LPARAM>(&end));
                if (start == end) {
                    self->deleteNext(start);
                    message.message = WM_NULL;
                }
                break;
            }
    return CallNextHookEx(nullptr, code, removed, data);
}

void NotepadWindow::deleteNext(DWORD caret) {
    // A line break and a character outside the basic plane go as one.
    const Text shown = form::win32::windowText(editor_);
    if (caret >= shown.size()) return;
    DWORD length = 1;
    if (caret + 1 < shown.size() &&
        ((shown[caret] == u'\r' && shown[caret + 1] == u'\n') || (shown[caret] >= 0xD800 && shown[caret] < 0xDC00)))
        length = 2;
    SendMessageW(editor_, EM_SETSEL, caret, caret + length);
    SendMessageW(editor_, WM_CLEAR, 0, 0);
}

}  // namespace pelin::notepad::win32
