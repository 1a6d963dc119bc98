// The character dialog on real windows: made from its model's table, the list
// of a folder's characters, the preview, and "OK" and Esc.
#include "character/win32/character_dialog.h"

#include <gtest/gtest.h>

#include "form/win32/bitmap.h"
#include "form/win32/control_name.h"
#include "form/win32/win_text.h"
#include "form/win32/window_text.h"
#include "platform/files.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/textfile.h"

// clang-format off
#include <windows.h>
// clang-format on

namespace pelin::character::win32 {
namespace {

// A picture of one colour, as the Windows side's loader makes them.
std::shared_ptr<form::Picture> solidPicture(COLORREF colour) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 4, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int i = 0; i < 16; ++i)
        pixels[i] = 0xFF000000u | GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    return std::make_shared<form::win32::Bitmap>(bitmap, 4, 4);
}

// Loads a file that says "red" or "green" as a picture of that colour.
class ColourPictures : public form::PictureLoader {
public:
    std::shared_ptr<form::Picture> load(const std::filesystem::path& path) override {
        const platform::Result<std::string> content = platform::readFile(path);
        if (content && *content == "red") return solidPicture(RGB(255, 0, 0));
        if (content && *content == "green") return solidPicture(RGB(0, 255, 0));
        return nullptr;
    }
};

void runPostedMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::vector<Text> listed(HWND list) {
    std::vector<Text> items;
    for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t item[MAX_PATH] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
        items.push_back(form::win32::fromWide(item));
    }
    return items;
}

std::vector<HWND> windowsOfThisThread(TextView caption) {
    struct Search {
        TextView caption;
        std::vector<HWND> found;
    } search{caption, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto& search = *reinterpret_cast<Search*>(data);
            if (form::win32::windowText(window) == search.caption) search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

COLORREF middleOf(HWND window) {
    UpdateWindow(window);
    RECT area;
    GetClientRect(window, &area);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, area.right / 2, area.bottom / 2);
    ReleaseDC(window, dc);
    return colour;
}

class Win32CharacterDialog : public ::testing::Test {
protected:
    void SetUp() override {
        form::win32::Binder::setStrict(true);
        main = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        for (const auto& [name, content] :
             {std::pair{"blue.pcf", "red"}, {"Green.PCF", "green"}, {"notes.txt", "red"}, {"broken.pcf", "no picture"}})
            ASSERT_TRUE(platform::replaceFile(program / name, content));
        std::filesystem::create_directory(program / "folder.pcf");
    }
    void TearDown() override { DestroyWindow(main); }

    testing::TempDir program, settingsFolder;
    settings::SettingsFile ini{settingsFolder.path()};
    testing::RecordingMessages messages;
    ColourPictures pictures;
    DialogServices services{messages, pictures, ini};
    HWND main = nullptr;
    std::vector<std::shared_ptr<form::Picture>> given;  // what "OK" handed to the main window
};

TEST_F(Win32CharacterDialog, ListsTheFoldersCharactersInOneWindowOfTheMainWindow) {
    auto show = characterDialogOpener(services, {program.path()}, main,
                                      [this](std::shared_ptr<form::Picture> p) { given.push_back(p); });
    show();
    show();
    // Only this test's windows: others may be showing the same dialog meanwhile.
    const std::vector<HWND> dialogs = windowsOfThisThread(Dialog::kCaption);
    ASSERT_EQ(dialogs.size(), 1u);
    HWND dialog = dialogs[0];
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main);  // no task-bar entry of its own
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_EQ(listed(form::win32::findControl(dialog, "PCFFile")),
              (std::vector<Text>{u"blue.pcf", u"broken.pcf", u"Green.PCF"}));
}

TEST_F(Win32CharacterDialog, EveryControlHasItsWindowAndASelectionShowsItsPicture) {
    CharacterDialog dialog(services, {program.path()}, main);
    dialog.model().setMainPicture = [this](std::shared_ptr<form::Picture> p) { given.push_back(p); };
    dialog.load();
    ShowWindow(dialog.handle(), SW_SHOW);
    for (const form::ControlEntry& entry : dialog.model().controls()) {
        HWND window = form::win32::findControl(dialog.handle(), entry.name());
        ASSERT_NE(window, nullptr) << entry.name();
        EXPECT_EQ(GetParent(window), dialog.handle()) << entry.name();
    }
    HWND list = form::win32::findControl(dialog.handle(), "PCFFile");
    HWND preview = form::win32::findControl(dialog.handle(), "Image1");
    EXPECT_EQ(middleOf(preview), GetSysColor(COLOR_BTNFACE));  // each opening starts without a preview

    // The user picks Green.PCF: it shows in the preview.
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    SendMessageW(dialog.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(middleOf(preview), RGB(0, 255, 0));
    EXPECT_TRUE(given.empty());

    SendMessageW(form::win32::findControl(dialog.handle(), "OKButton"), BM_CLICK, 0, 0);
    runPostedMessages();
    ASSERT_EQ(given.size(), 1u);
    EXPECT_EQ(ini.ReadSetting(u"Data", u"Char"), text::fromPath(program / "Green.PCF"));
    EXPECT_TRUE(dialog.closed());
    EXPECT_EQ(dialog.handle(), nullptr);
}

TEST_F(Win32CharacterDialog, EscClosesTheDialogAndChangesNothing) {
    CharacterDialog dialog(services, {program.path()}, main);
    dialog.model().setMainPicture = [this](std::shared_ptr<form::Picture> p) { given.push_back(p); };
    dialog.load();
    HWND list = form::win32::findControl(dialog.handle(), "PCFFile");
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    SendMessageW(dialog.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    MSG escape{list, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    ASSERT_TRUE(IsDialogMessageW(dialog.handle(), &escape));
    runPostedMessages();
    EXPECT_TRUE(dialog.closed());
    EXPECT_TRUE(given.empty());
    EXPECT_FALSE(std::filesystem::exists(ini.filePath()));
}

}  // namespace
}  // namespace pelin::character::win32
