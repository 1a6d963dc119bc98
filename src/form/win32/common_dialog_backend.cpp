#include "form/win32/common_dialog_backend.h"

#include <array>
#include <vector>

#include "form/messages.h"
#include "form/win32/file_filter.h"
#include "form/win32/message_box.h"
#include "form/win32/win_text.h"

// clang-format off
#include <commdlg.h>
// clang-format on

namespace pelin::form::win32 {

namespace {

// Room for the longest path the system's file dialogs hand back.
constexpr DWORD kFileBufferChars = 32768;

// The part of `path` after its folder.
Text nameOf(TextView path) {
    const std::size_t at = path.find_last_of(u"\\/:");
    return Text(at == TextView::npos ? path : path.substr(at + 1));
}

Text folderOf(TextView path) {
    const std::size_t at = path.find_last_of(u"\\/");
    if (at == TextView::npos) return {};
    // "C:\x" lies in "C:\", not in "C:".
    if (at == 2 && path.size() > 1 && path[1] == u':') return Text(path.substr(0, 3));
    return Text(path.substr(0, at));
}

}  // namespace

DWORD fileDialogFlags(int flags, bool save) {
    // The dialogs must not change the program's current folder, which a
    // relative path the program holds would then follow.
    DWORD result = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (!save && (flags & kCdlFileMustExist)) result |= OFN_FILEMUSTEXIST;
    return result;
}

DWORD colourDialogFlags(int flags) {
    DWORD result = CC_ANYCOLOR;
    if (flags & kCdlColorFullOpen) result |= CC_FULLOPEN;
    if (flags & kCdlColorRgbInit) result |= CC_RGBINIT;
    return result;
}

Win32CommonDialogBackend::Win32CommonDialogBackend(HWND owner) : owner_(owner) {}

HWND Win32CommonDialogBackend::owner() const { return owner_ && IsWindow(owner_) ? owner_ : GetActiveWindow(); }

Text Win32CommonDialogBackend::startFolder(const CommonDialog& dialog) {
    return dialogStartFolder(dialog.FileName, dialog.InitDir, lastFolder_);
}

bool Win32CommonDialogBackend::showOpen(CommonDialog& dialog) { return showFile(dialog, false); }
bool Win32CommonDialogBackend::showSave(CommonDialog& dialog) { return showFile(dialog, true); }

bool Win32CommonDialogBackend::showFile(CommonDialog& dialog, bool save) {
    const FileFilterList filters = toFilterList(dialog.Filter);
    const std::wstring title = toWide(dialog.DialogTitle);
    std::wstring folder = toWide(startFolder(dialog));
    std::vector<wchar_t> buffer(kFileBufferChars, L'\0');
    // Only the name is proposed: the folder is the one chosen above.
    const std::wstring proposed = toWide(nameOf(dialog.FileName)).substr(0, kFileBufferChars - 1);
    std::copy(proposed.begin(), proposed.end(), buffer.begin());
    int filterIndex = startFilterIndex(dialog.FilterIndex, filters.count);

    for (;;) {
        OPENFILENAMEW request{};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner();
        request.lpstrFilter = filters.count > 0 ? filters.list.c_str() : nullptr;
        request.nFilterIndex = filters.count > 0 ? static_cast<DWORD>(filterIndex) : 0;
        request.lpstrFile = buffer.data();
        request.nMaxFile = kFileBufferChars;
        request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
        request.lpstrTitle = title.empty() ? nullptr : title.c_str();
        request.Flags = fileDialogFlags(dialog.Flags, save);
        const BOOL chosen = save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
        if (!chosen) {
            // A proposed name the dialog cannot take (a character no file name
            // may hold) is dropped rather than failing the choice.
            if (CommDlgExtendedError() == FNERR_INVALIDFILENAME && buffer[0] != L'\0') {
                std::fill(buffer.begin(), buffer.end(), L'\0');
                continue;
            }
            return false;
        }
        Text path = fromWide(buffer.data());
        if (save) path = withDefaultExtension(path, dialog.DefaultExt);
        if (filters.count > 0) filterIndex = static_cast<int>(request.nFilterIndex);
        const bool asks = save && (dialog.Flags & kCdlOverwritePrompt) &&
                          GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
        // No: the dialog opens again where the user was, as a save dialog does.
        if (asks && Win32MessageBox(request.hwndOwner).show(overwriteQuestion(path), kMbQuestion, kProgramTitle) !=
                        kAnswerYes) {
            folder = toWide(folderOf(path));
            const std::wstring name = toWide(nameOf(path)).substr(0, kFileBufferChars - 1);
            std::fill(buffer.begin(), buffer.end(), L'\0');
            std::copy(name.begin(), name.end(), buffer.begin());
            continue;
        }
        dialog.FileName = path;
        dialog.FileTitle = nameOf(path);
        if (filters.count > 0) dialog.FilterIndex = filterIndex;
        lastFolder_ = folderOf(path);
        return true;
    }
}

bool Win32CommonDialogBackend::showColor(CommonDialog& dialog) {
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner();
    // Only a caller that asks for it starts at its colour; another group's last
    // choice must not be what OK at once gives.
    request.rgbResult = (dialog.Flags & kCdlColorRgbInit) ? static_cast<COLORREF>(dialog.Color) & 0xFFFFFF : 0;
    // The sixteen colours the user keeps in the dialog last as long as the
    // program runs, whichever window asks.
    static std::array<COLORREF, 16> customColours = [] {
        std::array<COLORREF, 16> white;
        white.fill(RGB(255, 255, 255));
        return white;
    }();
    request.lpCustColors = customColours.data();
    request.Flags = colourDialogFlags(dialog.Flags);
    if (!ChooseColorW(&request)) return false;
    dialog.Color = static_cast<std::int32_t>(request.rgbResult & 0xFFFFFF);
    return true;
}

}  // namespace pelin::form::win32
