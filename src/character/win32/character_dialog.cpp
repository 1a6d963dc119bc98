#include "character/win32/character_dialog.h"

#include <algorithm>
#include <stdexcept>

#include "form/win32/control_name.h"
#include "form/win32/dpi.h"
#include "form/win32/top_window.h"
#include "form/win32/win_text.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace pelin::character::win32 {

using form::win32::dpiOf;
using form::win32::twipsToPixels;

namespace {

constexpr wchar_t kWindowClass[] = L"PelinCharacterDialog";
// The model gives the client area in pixels at 96 dots per inch.
constexpr double kTwipsPerPixel = 15;

form::win32::FontSpec headingFont() {
    form::win32::FontSpec font = form::win32::uiFont(11.25, true);
    font.faces.insert(font.faces.begin(), L"MS UI Gothic");
    return font;
}

}  // namespace

CharacterDialog::CharacterDialog(DialogServices services, CharacterFolders folders, HWND owner) {
    form::win32::registerWindowClass(kWindowClass, windowProc);
    // A dialog's fixed frame, no minimise or maximise box; owned, so not in the task bar.
    CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kWindowClass,
                    form::win32::toWide(Dialog::kCaption).c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                    CW_USEDEFAULT, CW_USEDEFAULT, 340, 190, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) throw std::runtime_error("could not make the character dialog");
    form::win32::setControlName(window_, "Dialog");
    form::win32::showProgramIcon(window_);
    form::win32::sizeClientArea(window_, Dialog::kClientWidth * kTwipsPerPixel, Dialog::kClientHeight * kTwipsPerPixel);
    // A pop-up window has no place of the system's: it opens over the main window.
    if (owner) form::win32::centreOver(window_, owner);

    // A window whose making failed goes with the object that would have served it.
    try {
        build(services, std::move(folders));
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

void CharacterDialog::build(DialogServices services, CharacterFolders folders) {
    Dialog& model = form_.create(services, std::move(folders));
    // The dialog goes once the click that closes it is over.
    model.onClose = [this] { PostMessageW(window_, WM_CLOSE, 0, 0); };

    // Every control has its place in the model; the heading alone needs its font.
    heading_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, window_,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    form::win32::setControlName(heading_, "Label1");
    headingFont_ = form::win32::makeFont(headingFont(), dpiOf(window_));
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.get()), FALSE);
    form::win32::Binder& binder = form_.makeBinder(window_);
    // The binder places every control for the new DPI; the heading follows its font.
    binder.onDpiChanged = [this](UINT dpi) { showHeading(dpi); };
    binder.bind(model.controls());
    showHeading(dpiOf(window_));
    focus_ = binder.windowOf("OKButton");
}

CharacterDialog::~CharacterDialog() {
    if (window_) DestroyWindow(window_);
}

void CharacterDialog::load() {
    binder().handle([this] { model().Form_Load(); });
}

void CharacterDialog::showHeading(UINT dpi) {
    headingFont_ = form::win32::makeFont(headingFont(), dpi);
    SendMessageW(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.get()), TRUE);
    // A fallback font taller than the one the dialog was drawn for must neither
    // be cut off nor run the heading into the preview: the heading grows to
    // its font, and the preview then starts below it.
    HDC dc = GetDC(heading_);
    HGDIOBJ before = SelectObject(dc, headingFont_.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(heading_, dc);
    const form::Place heading = *model().controls().entry("Label1")->place;
    const form::Place preview = *model().controls().entry("Image1")->place;
    const int headingHeight = std::max<int>(twipsToPixels(heading.height, dpi), metrics.tmHeight);
    SetWindowPos(heading_, nullptr, 0, 0, twipsToPixels(heading.width, dpi), headingHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int previewTop = std::max(twipsToPixels(heading.top, dpi) + headingHeight, twipsToPixels(preview.top, dpi));
    SetWindowPos(binder().windowOf("Image1"), nullptr, twipsToPixels(preview.left, dpi), previewTop,
                 twipsToPixels(preview.width, dpi), twipsToPixels(preview.bottom(), dpi) - previewTop,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK CharacterDialog::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = form::win32::windowObject<CharacterDialog>(window, message, lParam);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE) self->window_ = window;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = self->heading_ = self->focus_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->message(message, wParam, lParam);
}

LRESULT CharacterDialog::message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Enter and Esc, as a dialog takes them (IsDialogMessageW), are OK and ｷｬﾝｾﾙ.
        if (!closed() && !lParam && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
            form::Button& button = LOWORD(wParam) == IDOK ? model().OKButton : model().CancelButton;
            binder().handle([&button] { button.click(); });
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // The control that had the focus gets it back, at first "OK".
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND had = GetFocus(); had && IsChild(window_, had)) focus_ = had;
        } else if (focus_ && IsWindow(focus_)) {
            SetFocus(focus_);
        }
        return 0;
    case WM_CLOSE: DestroyWindow(window_); return 0;
    case WM_DESTROY: form_.release(); return 0;
    default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

std::function<void()> characterDialogOpener(DialogServices services, CharacterFolders folders, HWND owner,
                                            std::function<void(std::shared_ptr<form::Picture>)> setMainPicture) {
    auto dialog = std::make_shared<std::unique_ptr<CharacterDialog>>();
    return [dialog, services, owner, folders = std::move(folders), setMainPicture = std::move(setMainPicture)] {
        if (!IsWindow(owner)) return;
        // Each opening starts with the list read afresh and no preview.
        if (!*dialog || (*dialog)->closed()) {
            dialog->reset();
            *dialog = std::make_unique<CharacterDialog>(services, folders, owner);
            (*dialog)->model().setMainPicture = setMainPicture;
            (*dialog)->load();
        }
        form::win32::bringForward((*dialog)->handle());
    };
}

}  // namespace pelin::character::win32
