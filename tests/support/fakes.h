#pragma once
// Platform services for driving the main window in tests: dialogs and message
// boxes answer from a script and remember what they were asked.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "form/services.h"
#include "text/textfile.h"

namespace pelin::testing {

using text::Text;
using text::TextView;

// What a dialog was shown with.
struct DialogCall {
    std::string kind;  // "open", "save", "color"
    Text title, filter, initDir, fileName, defaultExt;
    int filterIndex = 0, flags = 0;
};

class ScriptedDialogs : public form::CommonDialogBackend {
public:
    // The next dialog of that kind chooses this; without a script it is cancelled.
    void chooseFile(const std::filesystem::path& path) { files.push_back(text::fromPath(path)); }
    void chooseColour(std::int32_t colour) { colours.push_back(colour); }

    bool showOpen(form::CommonDialog& d) override { return file("open", d); }
    bool showSave(form::CommonDialog& d) override { return file("save", d); }
    bool showColor(form::CommonDialog& d) override {
        record("color", d);
        if (colours.empty()) return false;
        d.Color = colours.front();
        colours.pop_front();
        return true;
    }

    std::deque<Text> files;
    std::deque<std::int32_t> colours;
    std::vector<DialogCall> calls;

private:
    void record(const char* kind, const form::CommonDialog& d) {
        calls.push_back({kind, d.DialogTitle, d.Filter, d.InitDir, d.FileName, d.DefaultExt, d.FilterIndex, d.Flags});
    }
    bool file(const char* kind, form::CommonDialog& d) {
        record(kind, d);
        if (files.empty()) return false;
        d.FileName = files.front();
        d.FileTitle = text::fromPath(text::toPath(files.front()).filename());
        files.pop_front();
        return true;
    }
};

struct Message {
    Text prompt;
    int flags;
    Text title;
};

class RecordingMessages : public form::MessageBoxService {
public:
    std::deque<int> answers;  // scripted; when empty OK, No for a question, Cancel where it can
    std::vector<Message> shown;
    int show(TextView prompt, int flags, TextView title) override {
        shown.push_back({Text(prompt), flags, Text(title)});
        if (!answers.empty()) {
            int a = answers.front();
            answers.pop_front();
            return a;
        }
        if ((flags & 0x0F) == form::kMbYesNoCancel) return form::kAnswerCancel;
        return (flags & form::kMbYesNo) ? form::kAnswerNo : form::kAnswerOk;
    }
};

struct FakePicture : form::Picture {
    int width() const override { return 10; }
    int height() const override { return 20; }
};

// Loads any existing file whose content starts with "PIC".
class FakePictures : public form::PictureLoader {
public:
    std::vector<std::filesystem::path> asked;
    std::shared_ptr<form::Picture> load(const std::filesystem::path& path) override {
        asked.push_back(path);
        const platform::Result<std::string> bytes = platform::readFile(path);
        if (!bytes || !bytes->starts_with("PIC")) return nullptr;
        return std::make_shared<FakePicture>();
    }
};

class FakeClipboard : public form::Clipboard {
public:
    Text content;
    bool hasText() override { return !content.empty(); }
    Text text() override { return content; }
    void setText(TextView t) override { content = Text(t); }
};

class FakeShell : public form::Shell {
public:
    std::vector<Text> properties;
    bool hasInternetOptions = true;
    int internetOptionsShown = 0;
    void showFileProperties(TextView path) override { properties.emplace_back(path); }
    bool showInternetOptions() override {
        ++internetOptionsShown;
        return hasInternetOptions;
    }
    // Each address opened, and how to tell the last opener's failure.
    std::vector<Text> opened;
    std::function<void(Text)> failOpening;
    void openInBrowser(TextView url, std::function<void(Text)> failed) override {
        opened.emplace_back(url);
        failOpening = std::move(failed);
    }
};

class FakeWindows : public form::WindowService {
public:
    std::vector<Text> notepad, notepadFiles;  // each text shown, and the file it came with
    int characterDialog = 0, versionWindow = 0;
    std::vector<text::PageCharset> notepadCharsets;
    void showNotepad(TextView t, TextView file, text::PageCharset charset) override {
        notepad.emplace_back(t);
        notepadFiles.emplace_back(file);
        notepadCharsets.push_back(charset);
    }
    void showCharacterDialog() override { ++characterDialog; }
    void showVersionWindow() override { ++versionWindow; }
};

}  // namespace pelin::testing
