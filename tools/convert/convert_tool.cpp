#include "convert_tool.h"

#include <cstdlib>
#include <optional>
#include <system_error>

#include "progress_line.h"
#include "settings/settings_file.h"
#include "text/textfile.h"
#include "tool_services.h"
#include "wizard/form1.h"

namespace pelin::convert {

const char* const kUsage =
    "usage: pelin-convert [--settings FILE] SOURCE DEST\n"
    "       pelin-convert [--settings FILE] --out-dir DIR SOURCE...\n"
    "\n"
    "Converts text files to HTML pages with the answers saved in FILE (default:\n"
    "Pelin.ini in the program's folder), as the wizard does when every step is\n"
    "passed unchanged. The settings file is never written. With --out-dir, each\n"
    "SOURCE becomes DIR/<its name without extension>.htm. For each page the sizes\n"
    "before and after are printed.\n";

namespace {

struct Request {
    std::optional<std::filesystem::path> settingsFile;
    std::optional<std::filesystem::path> outDir;
    std::vector<std::filesystem::path> sources;
    std::filesystem::path destination;  // without --out-dir
};

enum class Parsed { Run, Help, Wrong };

Parsed parse(const std::vector<std::string>& args, Request& request) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") return Parsed::Help;
        if (a == "--settings" || a == "--out-dir") {
            if (i + 1 >= args.size()) return Parsed::Wrong;
            std::filesystem::path value = args[++i];
            (a == "--settings" ? request.settingsFile : request.outDir) = value;
        } else if (a == "--") {
            positional.insert(positional.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (a.size() > 1 && a[0] == '-') {
            return Parsed::Wrong;
        } else {
            positional.push_back(a);
        }
    }
    if (request.outDir) {
        if (positional.empty()) return Parsed::Wrong;
        request.sources.assign(positional.begin(), positional.end());
    } else {
        if (positional.size() != 2) return Parsed::Wrong;
        request.sources = {positional[0]};
        request.destination = positional[1];
    }
    return Parsed::Run;
}

// The settings are read from a file named "Pelin.ini" in a folder. Another name
// is read through a private copy, which also keeps the user's file untouched.
class SettingsFolder {
public:
    platform::Result<> open(const std::filesystem::path& file) {
        if (file.filename() == "Pelin.ini") {
            folder_ = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
            return {};
        }
        std::error_code ec;
        std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        if (ec) base = ".";
        std::string name = (base / "pelin-convert-XXXXXX").string();
        if (!::mkdtemp(name.data())) return platform::FileError{base, "cannot create a temporary folder"};
        temporary_ = folder_ = name;
        if (!std::filesystem::exists(file, ec)) return {};  // a first start
        platform::Result<std::string> bytes = platform::readFile(file);
        if (!bytes) return bytes.error();
        return platform::replaceFile(folder_ / "Pelin.ini", *bytes);
    }
    const std::filesystem::path& folder() const { return folder_; }
    ~SettingsFolder() {
        std::error_code ec;
        if (!temporary_.empty()) std::filesystem::remove_all(temporary_, ec);
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path temporary_;
};

std::filesystem::path destinationFor(const Request& request, const std::filesystem::path& source) {
    if (!request.outDir) return request.destination;
    std::filesystem::path name = source.filename();
    name.replace_extension(".htm");
    return *request.outDir / name;
}

void reportFailure(std::ostream& err, const std::filesystem::path& source, const std::string& reason) {
    err << "pelin-convert: " << source.string() << ": " << reason << '\n';
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        const std::filesystem::path& programFolder) {
    Request request;
    switch (parse(args, request)) {
    case Parsed::Help: out << kUsage; return 0;
    case Parsed::Wrong: err << kUsage; return 2;
    case Parsed::Run: break;
    }

    SettingsFolder settingsFolder;
    if (platform::Result<> opened = settingsFolder.open(request.settingsFile.value_or(programFolder / "Pelin.ini"));
        !opened) {
        reportFailure(err, opened.error().path, opened.error().reason);
        return 1;
    }
    settings::SettingsFile ini(settingsFolder.folder());

    ToolDialogs dialogs;
    ToolMessages messages;
    NoPictures pictures;
    NoClipboard clipboard;
    NoShell shell;
    NoWindows windows;
    form::Services services{messages, dialogs, pictures, clipboard, shell, windows};
    wizard::Form1 form(services, ini, {programFolder, /*keepSettingsFile=*/true});

    ProgressLine progress(err);
    bool allConverted = true;
    bool loaded = false;
    for (const std::filesystem::path& source : request.sources) {
        dialogs.source = text::fromPath(std::filesystem::absolute(source));
        dialogs.destination = text::fromPath(std::filesystem::absolute(destinationFor(request, source)));

        // Back to the first step as the user would: Top after a conversion,
        // Cancel after one that failed. The first file is asked for by start-up.
        if (!loaded) {
            form.Form_Load();
            loaded = true;
        } else {
            if (form.CurrentStep == 10) form.StartFrame.click();
            else form.SubChan.click();
            form.Command11.click();
        }
        if (!form.mnufilepro.enabled) {  // the source choice failed
            reportFailure(err, source, "cannot find the file");
            allConverted = false;
            continue;
        }
        for (int step = 1; step <= 8; ++step) form.SubFoword.click();
        form.HozonDialog.click();
        form.conversionProgress = progress.watch(source);
        form.SubFoword.click();
        progress.clear();

        if (form.CurrentStep != 10) {
            const std::string reason =
                form.lastConversionError ? form.lastConversionError->path.string() + ": " + form.lastConversionError->reason
                                         : "not converted";
            reportFailure(err, source, reason);
            allConverted = false;
            continue;
        }
        out << text::toUtf8(form.txtSize.caption) << '\n' << text::toUtf8(form.htmSize.caption) << '\n';
    }
    return allConverted ? 0 : 1;
}

}  // namespace pelin::convert
