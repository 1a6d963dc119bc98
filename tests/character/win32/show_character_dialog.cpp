// Shows the character dialog of a main window for a few seconds, its first
// character previewed, for a look at it (screenshots); not a test. Usage:
// show_character_dialog FOLDER [SECONDS], FOLDER holding the ".pcf" files.
#include <cstdlib>

#include "character/win32/character_dialog.h"
#include "form/win32/bitmap.h"
#include "form/win32/control_name.h"
#include "support/fakes.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace {

// Every file is a picture: a face in a colour of its own.
class DrawnPictures : public pelin::form::PictureLoader {
public:
    std::shared_ptr<pelin::form::Picture> load(const std::filesystem::path& path) override {
        constexpr int kSize = 120;
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ before = SelectObject(dc, bitmap);
        const auto hue = static_cast<BYTE>(std::hash<std::wstring>{}(path.filename().wstring()));
        RECT all{0, 0, kSize, kSize};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HBRUSH face = CreateSolidBrush(RGB(hue, 160, 255 - hue));
        SelectObject(dc, face);
        Ellipse(dc, 10, 10, kSize - 10, kSize - 10);
        SelectObject(dc, GetStockObject(BLACK_BRUSH));
        Ellipse(dc, 38, 45, 50, 57);
        Ellipse(dc, 70, 45, 82, 57);
        Arc(dc, 35, 50, 85, 95, 35, 80, 85, 80);
        SelectObject(dc, before);
        DeleteObject(face);
        DeleteDC(dc);
        // GDI leaves the alpha bytes empty: the picture is opaque.
        for (int i = 0; i < kSize * kSize; ++i) static_cast<std::uint32_t*>(bits)[i] |= 0xFF000000u;
        return std::make_shared<pelin::form::win32::Bitmap>(bitmap, kSize, kSize);
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace pelin;
    if (argc < 2) return 2;
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    testing::RecordingMessages messages;
    DrawnPictures pictures;
    settings::SettingsFile ini(std::filesystem::temp_directory_path());
    HWND main = CreateWindowExW(0, L"STATIC", L"ぺりん", WS_OVERLAPPEDWINDOW, 400, 300, 300, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    auto show = character::win32::characterDialogOpener({messages, pictures, ini}, {argv[1]}, main, {});
    show();
    HWND dialog = GetWindow(main, GW_ENABLEDPOPUP);
    if (!dialog) dialog = FindWindowW(nullptr, L"キャラクター選択ダイアログ");
    HWND list = form::win32::findControl(dialog, "PCFFile");
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    SetTimer(nullptr, 0, static_cast<UINT>((argc > 2 ? std::atoi(argv[2]) : 8) * 1000), nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER && IsWindow(dialog)) {
        if (IsDialogMessageW(dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
