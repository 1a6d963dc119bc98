#include "wizard/win32/form1_window.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "form/win32/control_name.h"
#include "form/win32/dpi.h"
#include "form/win32/picture_drawing.h"
#include "form/win32/win_text.h"
#include "form/win32/window_text.h"
#include "wizard/win32/form1_look.h"

// clang-format off
#include <shellapi.h>
#include <commctrl.h>
// clang-format on

namespace pelin::wizard::win32 {
namespace {

using form::win32::dpiOf;
using form::win32::twipsToPixels;

constexpr wchar_t kClassName[] = L"PelinForm1";
// A window of fixed size: its steps all fit the one size the table gives.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

void registerClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW kind{};
        kind.cbSize = sizeof kind;
        kind.lpfnWndProc = procedure;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        kind.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        kind.hIcon = LoadIconW(kind.hInstance, MAKEINTRESOURCEW(1));
        kind.lpszClassName = kClassName;
        return RegisterClassExW(&kind) != 0;
    }();
    if (!registered) throw std::runtime_error("the main window's class could not be registered");
}

// The source box takes files dropped on it, as the help text of step 1 says.
LRESULT CALLBACK sourceBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR owner) {
    if (message == WM_DROPFILES) {
        SendMessageW(reinterpret_cast<HWND>(owner), WM_DROPFILES, wParam, lParam);
        return 0;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

Form1Window::Form1Window(form::Services& platform, settings::SettingsFile& ini, Form1Options options, Form1Hooks hooks)
    : hooks_(std::move(hooks)), dialogs_(platform.dialogs), services_{platform.messageBox, dialogs_,
                                                                      platform.pictures,   platform.clipboard,
                                                                      platform.shell,      platform.windows} {
    registerClass(&Form1Window::windowProc);
    window_ = CreateWindowExW(kExStyle, kClassName, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, nullptr,
                              nullptr, GetModuleHandleW(nullptr), this);
    if (!window_) throw std::runtime_error("the main window could not be made");
    form::win32::setControlName(window_, "Form1");
    try {
        if (hooks_.made) hooks_.made(window_, options);
        Form1& model = form_.create(services_, ini, std::move(options));
        // Closing goes through the window's own close, after the handler that
        // asked for it has returned.
        model.onRequestClose = [this] { PostMessageW(window_, WM_CLOSE, 0, 0); };
        // The run happens here and now, as the wizard waits for it; the pointer
        // says so meanwhile.
        model.conversionRunner = [](engine::ConversionSettings& settings) {
            HCURSOR before = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
            auto result = engine::runConversion(settings, engine::ConversionProgress{});
            SetCursor(before);
            return result;
        };
        bindControls();
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
    sizeToControls();
    showWindowState();
}

Form1Window::~Form1Window() {
    if (window_) DestroyWindow(window_);
}

void Form1Window::bindControls() {
    Form1& model = form_.model();
    makeOwnContainers(window_);
    form::win32::Binder& binder = form_.makeBinder(window_);
    binder.setFont(form::win32::uiFont(9));
    binder.afterInput = [this] { showWindowState(); };
    binder.bind(model.controls(), CreateMenu());
    applyFonts();
    paintFrameFaces(binder, model);
    showHints(binder, hint_);
    showSampleOnItsPanel(binder, model);
    if (HWND source = binder.windowOf(model.txtHTML.name)) {
        DragAcceptFiles(source, TRUE);
        SetWindowSubclass(source, sourceBoxProc, 1, reinterpret_cast<DWORD_PTR>(window_));
    }
    binder.onDpiChanged = [this](UINT) {
        // The binder has placed the controls and sized the window by now.
        applyFonts();
        showHints(form_.binder(), hint_);
        InvalidateRect(window_, nullptr, TRUE);
    };
    addMenuPictures(model, dpiOf(window_));
}

void Form1Window::sizeToControls() {
    const UINT dpi = dpiOf(window_);
    const int width = twipsToPixels(Form1::kClientWidth, dpi);
    const int height = twipsToPixels(Form1::kClientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, kExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps onto a second line takes from the client area.
    RECT client{};
    GetClientRect(window_, &client);
    if (client.bottom < height)
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::applyFonts() {
    const UINT dpi = dpiOf(window_);
    bold_ = form::win32::makeFont(form::win32::uiFont(9, true), dpi);
    underlined_ = underlinedFont(dpi);
    for (const char* name : kHeadings)
        if (HWND heading = form_.binder().windowOf(name))
            SendMessageW(heading, WM_SETFONT, reinterpret_cast<WPARAM>(bold_.get()), TRUE);
    if (HWND link = form_.binder().windowOf(form_.model().SampleFont2.name))
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(underlined_.get()), TRUE);
}

void Form1Window::showWindowState() {
    if (!window_) return;
    Form1& model = form_.model();
    form::win32::showText(window_, model.Caption);
    if (model.picture != shownPicture_) {
        shownPicture_ = model.picture;
        InvalidateRect(window_, nullptr, TRUE);
    }
}

void Form1Window::paintBackground(HDC dc) {
    // The mascot at its own size, from the top-left corner, behind the controls.
    const form::win32::Bitmap* bitmap = form::win32::bitmapOf(shownPicture_.get());
    if (!bitmap) return;
    const UINT dpi = dpiOf(window_);
    const RECT place{0, 0, MulDiv(bitmap->width(), static_cast<int>(dpi), 96),
                     MulDiv(bitmap->height(), static_cast<int>(dpi), 96)};
    form::win32::drawBitmap(dc, *bitmap, place);
}

void Form1Window::refresh() {
    form_.binder().sync();
    showWindowState();
}

void Form1Window::Form_Load() {
    form_.binder().handle([this] { form_.model().Form_Load(); });
    if (hooks_.loaded && form_.bound()) hooks_.loaded(form_.model(), window_);
}

void Form1Window::dropSourceFile(const std::filesystem::path& path) {
    dialogs_.answerNextOpenWith(path);
    form_.binder().handle([this] { form_.model().Command11_Click(); });
}

void Form1Window::takeDroppedFiles(HDROP drop) {
    // The first file dropped is the source; a folder or anything else that is no
    // readable file is refused by the model, which says why.
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length, L'\0');
    if (length) DragQueryFileW(drop, 0, path.data(), length + 1);
    DragFinish(drop);
    if (!path.empty() && form_.bound()) dropSourceFile(std::filesystem::path(path));
}

void Form1Window::close() {
    if (!form_.bound()) return;
    bool mayClose = false;
    form_.binder().handle([this, &mayClose] { mayClose = form_.model().Form_QueryUnload(); });
    if (!mayClose || !window_) return;
    if (hooks_.closing) hooks_.closing(form_.model(), window_);
    DestroyWindow(window_);
}

LRESULT CALLBACK Form1Window::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Form1Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<Form1Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT Form1Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paintBackground(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DROPFILES: takeDroppedFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_CLOSE: close(); return 0;
    case WM_DESTROY:
        // The model and its binder go before the controls do.
        form_.release();
        return 0;
    case WM_NCDESTROY: {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        if (onDestroyed) onDestroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

std::unique_ptr<Form1Window> showForm1Window(form::Services& platform, settings::SettingsFile& ini,
                                             Form1Options options, int showCommand, Form1Hooks hooks) {
    auto window = std::make_unique<Form1Window>(platform, ini, std::move(options), std::move(hooks));
    // The start-up's dialogs belong to the window, though it is not shown yet.
    window->Form_Load();
    if (window->open()) {
        ShowWindow(window->handle(), showCommand);
        UpdateWindow(window->handle());
    }
    return window;
}

}  // namespace pelin::wizard::win32
