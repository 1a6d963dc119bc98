#include "convert_tool.h"

#include <optional>
#include <system_error>

#include "arguments.h"
#include "page_plan.h"
#include "platform/folders.h"
#include "private_settings.h"
#include "progress_line.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "shown_text.h"
#include "text/textfile.h"
#include "tool_services.h"
#include "version.h"
#include "wizard/form1.h"

namespace pelin::convert {

const char* const kUsage =
    "usage: pelin-convert [OPTION]... SOURCE DEST\n"
    "       pelin-convert [OPTION]... --out-dir DIR SOURCE...\n"
    "\n"
    "Converts text files to HTML pages with the answers the wizard saved, as the\n"
    "wizard does when every step is passed unchanged. The settings file is never\n"
    "written. For each page its name and the sizes before and after are printed.\n"
    "\n"
    "  --settings FILE  read the answers from FILE instead of the wizard's file\n"
    "  --set KEY=VALUE  answer VALUE to KEY in this run, as if the settings file held\n"
    "                   it in section \"Setei\" (VALUE as typed in the wizard); KEY is\n"
    "                   one of the saved answers below, in any letter case; repeatable\n"
    "  --out-dir DIR    write each SOURCE to DIR/<its name without extension>.htm (DIR\n"
    "                   is made when missing, its parent must be there); a\n"
    "                   source whose page another source would also get, or whose page\n"
    "                   would replace a source, is not converted\n"
    "  --version        print the version\n"
    "  --help           print this help\n"
    "  --               end of the options: names starting with \"-\" follow\n"
    "\n"
    "Exit status: 0 every page written, 1 some not, 2 a wrong command line or a\n"
    "settings file that cannot be read.\n";

namespace {

struct Failure {
    std::filesystem::path path;
    std::string reason;
};

// These reasons say everything by themselves; any other is what stopped the
// reading or the writing.
std::string reasonFor(const platform::FileError& error, const char* doing) {
    switch (error.kind) {
    case platform::FileErrorKind::IsFolder:
    case platform::FileErrorKind::NotRegularFile:
    case platform::FileErrorKind::TooLarge: return platform::englishReason(error);
    default: return std::string("cannot be ") + doing + " because " + platform::englishReason(error);
    }
}

std::string shown(const std::filesystem::path& path) { return shownName(path); }

void report(std::ostream& err, const std::filesystem::path& path, const std::string& what) {
    err << "pelin-convert: " << shown(path) << ": " << what << '\n';
}

std::filesystem::path absolutePath(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute;
}

std::string clashText(const PlannedPage& planned) {
    const std::string page = "not converted: its page " + shown(planned.page);
    if (planned.clash == PlannedPage::Clash::SharedPage)
        return page + " would also be the page of " + shown(planned.clashesWith);
    if (planned.clashesWith == planned.source) return page + " would replace the source itself";
    return page + " would replace the source " + shown(planned.clashesWith);
}

std::filesystem::path wizardSettingsFile(const std::filesystem::path& programFolder) {
    return settings::chooseSettingsFolder(programFolder) / settings::SettingsFile::kFileName;
}

// The main window, driven as a user who changes nothing would drive it; the file
// dialogs are answered with the files of the run.
class WizardRun {
public:
    WizardRun(settings::SettingsFile& ini, const std::filesystem::path& programFolder)
        : form_(services_, ini, {programFolder, /*keepSettingsFile=*/true}) {}

    // Converts `source` into `page`, its progress on `progress`: nothing, or why not.
    std::optional<Failure> convert(const std::filesystem::path& source, const std::filesystem::path& page,
                                   ProgressLine& progress) {
        const std::filesystem::path sourcePath = absolutePath(source);
        dialogs_.source = text::fromPath(sourcePath);
        dialogs_.destination = text::fromPath(absolutePath(page));

        // Back to the first step as the user would: Top after a conversion,
        // Cancel after one that failed. The first file is asked for by start-up.
        if (!loaded_) {
            form_.Form_Load();
            loaded_ = true;
        } else {
            if (form_.CurrentStep == 10) form_.StartFrame.click();
            else form_.SubChan.click();
            form_.Command11.click();
        }
        if (!form_.lastSourceChoice.chosen) {
            const std::optional<platform::FileError>& error = form_.lastSourceChoice.error;
            return Failure{source, error ? reasonFor(*error, "read") : "not taken by the wizard"};
        }
        for (int step = 1; step <= 8; ++step) form_.SubFoword.click();
        form_.HozonDialog.click();
        form_.conversionProgress = progress.watch(source);
        form_.SubFoword.click();
        form_.conversionProgress = {};
        progress.clear();
        if (form_.CurrentStep == 10) return std::nullopt;

        const std::optional<platform::FileError>& error = form_.lastConversionError;
        if (!error) return Failure{source, "not converted"};
        if (error->path == sourcePath) return Failure{source, reasonFor(*error, "read")};
        return Failure{page, reasonFor(*error, "written")};
    }

    // The sizes before and after, as the last step shows them, on one line.
    std::string sizes() const {
        return text::toUtf8(form_.txtSize.caption) + ' ' + text::toUtf8(form_.htmSize.caption);
    }

private:
    ToolDialogs dialogs_;
    ToolMessages messages_;
    NoPictures pictures_;
    NoClipboard clipboard_;
    NoShell shell_;
    NoWindows windows_;
    form::Services services_{messages_, dialogs_, pictures_, clipboard_, shell_, windows_};
    wizard::Form1 form_;
    bool loaded_ = false;
};

}  // namespace

std::string helpText(const std::filesystem::path& wizardSettingsFile) {
    std::error_code ec;
    std::string help = kUsage;
    help += "\nWithout --settings the answers are read from the wizard's file";
    help += std::filesystem::exists(wizardSettingsFile, ec) ? ":\n" : " (none saved yet):\n";
    help += "  " + shown(wizardSettingsFile) + "\n\nSaved answers for --set:\n ";
    std::size_t column = 1;
    for (const wizard::Form1::AnswerEntry& entry : wizard::Form1::answerTable()) {
        const std::string key = text::toUtf8(entry.key);
        if (column + 1 + key.size() > 80) {
            help += "\n ";
            column = 1;
        }
        help += " " + key;
        column += 1 + key.size();
    }
    return help + "\n";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& programFolder) {
    const std::variant<Request, std::string> parsed = parseArguments(args);
    if (const std::string* wrong = std::get_if<std::string>(&parsed)) {
        err << "pelin-convert: " << *wrong << "\n\n" << kUsage;
        return 2;
    }
    const Request& request = std::get<Request>(parsed);
    switch (request.action) {
    case Request::Action::Help: out << helpText(wizardSettingsFile(programFolder)); return 0;
    case Request::Action::Version: out << "pelin-convert " << kVersion << '\n'; return 0;
    case Request::Action::Convert: break;
    }

    // A settings file named on the command line must be there; the wizard's own
    // may not be yet, and then the run is a first start, as the wizard's would be.
    const std::filesystem::path settingsFile =
        request.settingsFile ? *request.settingsFile : wizardSettingsFile(programFolder);
    PrivateSettings answers;
    if (platform::Result<> opened = answers.open(settingsFile, !request.settingsFile, request.overrides); !opened) {
        const platform::FileError& error = opened.error();
        report(err, error.path, reasonFor(error, error.path == settingsFile ? "read" : "written"));
        return 2;
    }
    if (!answers.foundFile())
        err << "pelin-convert: no answers saved in " << shown(settingsFile)
            << " yet; converting with the answers of a first start\n";

    // The folder of a batch is made, but not the folders it would be in: a
    // mistyped path makes nothing.
    if (request.outDir) {
        if (platform::Result<> made = platform::makeFolder(*request.outDir); !made) {
            report(err, *request.outDir, reasonFor(made.error(), "made"));
            return 1;
        }
    }
    const std::vector<PlannedPage> plan =
        request.outDir ? planPagesInFolder(*request.outDir, request.sources, platform::fileKey)
                       : planPage(request.sources.front(), request.destination, platform::fileKey);
    settings::SettingsFile ini = answers.settingsFile();
    WizardRun wizard(ini, programFolder);
    ProgressLine progress(err);
    bool allConverted = true;
    for (const PlannedPage& planned : plan) {
        std::optional<Failure> failed;
        if (planned.clash != PlannedPage::Clash::None) failed = Failure{planned.source, clashText(planned)};
        else failed = wizard.convert(planned.source, planned.page, progress);
        if (failed) {
            report(err, failed->path, failed->reason);
            allConverted = false;
        } else {
            out << shown(planned.page) << ": " << wizard.sizes() << '\n';
        }
    }
    return allConverted ? 0 : 1;
}

}  // namespace pelin::convert
