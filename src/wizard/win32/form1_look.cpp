#include "wizard/win32/form1_look.h"

#include <utility>

#include "form/win32/bundled_picture.h"
#include "form/win32/control_name.h"
#include "form/win32/picture_drawing.h"
#include "form/win32/win_text.h"

// clang-format off
#include <commctrl.h>
// clang-format on

namespace pelin::wizard::win32 {
namespace {

constexpr const char* kHintImages[] = {"Image1", "Image2", "Image3", "Image4"};

// A hint image: the picture over the face its container gives it.
LRESULT CALLBACK hintProc(HWND image, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR picture) {
    if (message != WM_PAINT) return DefSubclassProc(image, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(image, &paint);
    RECT area{};
    GetClientRect(image, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (picture) form::win32::drawBitmap(dc, *reinterpret_cast<const form::win32::Bitmap*>(picture), area);
    EndPaint(image, &paint);
    return 0;
}

HWND container(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, const char* name) {
    HWND made = CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (made) form::win32::setControlName(made, name);
    return made;
}

// The panel's texts are drawn on the panel's colour, which the window of the
// panel itself paints: the binder gives them their text colour, and this their
// face.
LRESULT CALLBACK samplePanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR sampleFrame) {
    const LRESULT result = DefSubclassProc(panel, message, wParam, lParam);
    if (message != WM_CTLCOLORSTATIC) return result;
    const auto& frame = *reinterpret_cast<const form::Frame*>(sampleFrame);
    auto dc = reinterpret_cast<HDC>(wParam);
    SetBkMode(dc, TRANSPARENT);
    if (frame.backColor == form::kDefaultColour) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    // The face the panel gets from its own container, which would also give the
    // panel's text colour: the text keeps its own.
    const COLORREF text = GetTextColor(dc);
    const LRESULT face = SendMessageW(GetParent(panel), WM_CTLCOLORSTATIC, wParam, reinterpret_cast<LPARAM>(panel));
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    return face;
}

bool isGroupBox(HWND window) {
    wchar_t kind[16] = {};
    GetClassNameW(window, kind, 16);
    return lstrcmpiW(kind, WC_BUTTONW) == 0 &&
           (static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK) == BS_GROUPBOX;
}

LRESULT CALLBACK frameFaceProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message != WM_ERASEBKGND) return DefSubclassProc(frame, message, wParam, lParam);
    RECT area{};
    GetClientRect(frame, &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
}

}  // namespace

void paintFrameFaces(form::win32::Binder& binder, const Form1& model) {
    for (const form::ControlEntry& entry : model.controls()) {
        if (!entry.is<form::Frame>()) continue;
        HWND frame = binder.windowOf(entry.name());
        if (!frame || !isGroupBox(frame)) continue;
        SetWindowLongPtrW(frame, GWL_STYLE, GetWindowLongPtrW(frame, GWL_STYLE) | WS_CLIPCHILDREN);
        SetWindowSubclass(frame, frameFaceProc, 1, 0);
    }
}

void makeOwnContainers(HWND form) {
    container(form, WC_STATICW, 0, 0, "Submenu");
    HWND bodyStep = container(form, WC_BUTTONW, BS_GROUPBOX, 0, "Frame4");
    if (bodyStep) container(bodyStep, WC_STATICW, SS_NOTIFY, WS_EX_CLIENTEDGE, "SampleFrame");
}

void showSampleOnItsPanel(form::win32::Binder& binder, const Form1& model) {
    if (HWND panel = binder.windowOf(model.SampleFrame.name))
        SetWindowSubclass(panel, samplePanelProc, 1, reinterpret_cast<DWORD_PTR>(&model.SampleFrame));
}

form::win32::Font underlinedFont(UINT dpi) {
    form::win32::Font plain = form::win32::makeFont(form::win32::uiFont(9), dpi);
    LOGFONTW look{};
    if (!plain || !GetObjectW(plain.get(), sizeof look, &look)) return plain;
    look.lfUnderline = TRUE;
    return form::win32::Font(CreateFontIndirectW(&look));
}

void showHints(form::win32::Binder& binder, std::shared_ptr<form::win32::Bitmap>& hint) {
    hint = form::win32::bundledPicture("hint-ie4", static_cast<int>(binder.dpi()));
    for (const char* name : kHintImages)
        if (HWND image = binder.windowOf(name)) {
            SetWindowSubclass(image, hintProc, 1, reinterpret_cast<DWORD_PTR>(hint.get()));
            InvalidateRect(image, nullptr, TRUE);
        }
}

void addMenuPictures(Form1& model, UINT dpi) {
    const std::pair<const form::MenuItem*, const char*> pictures[] = {{&model.mnufileopen, "menu-open"},
                                                                      {&model.mnuhelpreadme, "menu-readme"},
                                                                      {&model.mnuoptioncharcter, "menu-character"},
                                                                      {&model.mnuhelpver, "menu-version"}};
    for (const auto& [item, picture] : pictures)
        if (auto bitmap = form::win32::bundledPicture(picture, static_cast<int>(dpi)))
            model.ImageList1.Add(item->caption, std::move(bitmap));
}

}  // namespace pelin::wizard::win32
