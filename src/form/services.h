#pragma once
// What the forms ask of the platform. The Qt program supplies real ones; tests
// supply fakes that record the calls and answer as scripted.
#include <filesystem>
#include <memory>

#include "form/controls.h"
#include "form/dialog_folder.h"
#include "text/page_charset.h"

namespace pelin::form {

// Message-box flags and answers as the program uses them.
constexpr int kMbOk = 0;
constexpr int kMbYesNoCancel = 3;
constexpr int kMbYesNo = 4;
constexpr int kMbIconQuestion = 32;
constexpr int kMbIconExclamation = 48;
constexpr int kMbWarning = kMbOk | kMbIconExclamation;   // 48
constexpr int kMbQuestion = kMbYesNo | kMbIconQuestion;  // 36
constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the message and returns the answer (kAnswerOk, kAnswerCancel, kAnswerYes,
    // kAnswerNo).
    virtual int show(TextView prompt, int flags, TextView title) = 0;
};

// Common-dialog flag values.
constexpr int kCdlFileMustExist = 4096;
constexpr int kCdlOverwritePrompt = 2;
constexpr int kCdlColorFullOpen = 2;
constexpr int kCdlColorRgbInit = 1;  // the colour dialog starts at Color; without it, at no colour of the caller's

class CommonDialog;

// Shows the real dialogs for a CommonDialog. Each call reads the dialog's
// properties and, on a choice, sets its results; it returns false on cancel.
class CommonDialogBackend {
public:
    virtual ~CommonDialogBackend() = default;
    virtual bool showOpen(CommonDialog& dialog) = 0;
    virtual bool showSave(CommonDialog& dialog) = 0;
    virtual bool showColor(CommonDialog& dialog) = 0;
    // The folder a file dialog shown now with `dialog`'s properties opens in
    // (dialogStartFolder); a backend that remembers the last folder of the run
    // says so here.
    virtual Text startFolder(const CommonDialog& dialog);
};

// One dialog object per window: every property keeps its value between uses, so
// a caller that does not set one gets what the previous use left.
class CommonDialog {
public:
    explicit CommonDialog(CommonDialogBackend& backend) : backend_(&backend) {}

    Text DialogTitle;
    Text Filter;          // "description|pattern|description|pattern…", patterns split by ";"
    int FilterIndex = 0;  // 1 is the first pair
    int Flags = 0;
    Text InitDir;
    Text FileName;    // proposed name before, full path of the choice after
    Text FileTitle;   // the chosen file's name without its folder
    Text DefaultExt;  // added when the typed name has none
    std::int32_t Color = 0;

    bool ShowOpen() { return backend_->showOpen(*this); }
    bool ShowSave() { return backend_->showSave(*this); }
    bool ShowColor() { return backend_->showColor(*this); }
    Text StartFolder() const { return backend_->startFolder(*this); }

private:
    CommonDialogBackend* backend_;
};

inline Text CommonDialogBackend::startFolder(const CommonDialog& dialog) {
    return dialogStartFolder(dialog.FileName, dialog.InitDir, {});
}

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Loads a picture by its content, whatever the file's name; null on failure,
    // and for a file of more than platform::kMaxPictureFileBytes, which is not read.
    virtual std::shared_ptr<Picture> load(const std::filesystem::path& path) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool hasText() = 0;
    virtual Text text() = 0;
    virtual void setText(TextView text) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Shows the properties of the file at `path` (which may not exist).
    virtual void showFileProperties(TextView path) = 0;
    // Opens the system's Internet options; false when the system has none.
    virtual bool showInternetOptions() = 0;
    // Opens `url` (a "file:" address) in the user's web browser and returns at
    // once. When no browser can be started — at once, or once the system's
    // opener has given up — `failed` is told why, on the window's thread, unless
    // the window the shell belongs to is gone by then.
    virtual void openInBrowser(TextView url, std::function<void(Text reason)> failed) = 0;
};

// The program's other windows, each a single instance shown modeless.
class WindowService {
public:
    virtual ~WindowService() = default;
    // Puts `text` into the notepad (replacing what it held) and shows it; `file`
    // is the file the text was read from, where 上書き保存 writes it back (empty
    // for a text that belongs to no file the user may change), in `charset`.
    virtual void showNotepad(TextView text, TextView file, text::PageCharset charset) = 0;
    virtual void showCharacterDialog() = 0;
    virtual void showVersionWindow() = 0;
};

// Everything a form may ask of the platform.
struct Services {
    MessageBoxService& messageBox;
    CommonDialogBackend& dialogs;
    PictureLoader& pictures;
    Clipboard& clipboard;
    Shell& shell;
    WindowService& windows;
};

}  // namespace pelin::form
