#include "arguments.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "shown_text.h"
#include "text/textfile.h"
#include "wizard/form1.h"

namespace pelin::convert {
namespace {

// Letter case is ignored for ASCII letters only, as in the settings file.
bool sameKey(text::TextView a, text::TextView b) {
    auto fold = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; };
    return std::ranges::equal(a, b, {}, fold, fold);
}

// The saved answer named `key`, as the settings file spells it.
std::optional<text::TextView> answerKey(std::string_view key) {
    const text::Text given = text::fromUtf8(key);
    for (const wizard::Form1::AnswerEntry& entry : wizard::Form1::answerTable())
        if (sameKey(given, entry.key)) return entry.key;
    return std::nullopt;
}

// A file named on the command line, which the program receives in UTF-8 (on
// POSIX systems as the bytes of the name, which the round trip keeps).
std::filesystem::path pathOf(std::string_view name) { return text::toPath(text::fromUtf8(name)); }

// --set's KEY=VALUE, or what is wrong with it.
std::variant<AnswerOverride, std::string> overrideOf(std::string_view setting) {
    const std::size_t equals = setting.find('=');
    if (equals == std::string_view::npos) return "--set needs KEY=VALUE, not '" + shownArgument(setting) + "'";
    const std::string_view key = setting.substr(0, equals);
    const std::optional<text::TextView> known = answerKey(key);
    if (!known) return "--set: '" + shownArgument(key) + "' is not a saved answer of the wizard (see --help)";
    return AnswerOverride{*known, text::fromUtf8(setting.substr(equals + 1))};
}

}  // namespace

std::variant<Request, std::string> parseArguments(const std::vector<std::string>& args) {
    Request request;
    std::vector<std::filesystem::path> names;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h" || a == "--version") {
            request.action = a == "--version" ? Request::Action::Version : Request::Action::Help;
            return request;
        }
        if (a == "--") {
            for (std::size_t j = i + 1; j < args.size(); ++j) names.push_back(pathOf(args[j]));
            break;
        }
        const bool takesValue = a == "--settings" || a == "--out-dir" || a == "--set";
        if (!takesValue) {
            if (a.size() > 1 && a[0] == '-') return "unknown option '" + shownArgument(a) + "'";
            names.push_back(pathOf(a));
            continue;
        }
        if (i + 1 >= args.size()) return a + " needs a value";
        const std::string& value = args[++i];
        if (a == "--settings") {
            request.settingsFile = pathOf(value);
        } else if (a == "--out-dir") {
            request.outDir = pathOf(value);
        } else {
            std::variant<AnswerOverride, std::string> setting = overrideOf(value);
            if (std::string* wrong = std::get_if<std::string>(&setting)) return std::move(*wrong);
            request.overrides.push_back(std::get<AnswerOverride>(std::move(setting)));
        }
    }
    if (request.outDir) {
        if (names.empty()) return "--out-dir needs at least one SOURCE";
        request.sources = std::move(names);
    } else {
        if (names.size() != 2) return "give one SOURCE and its DEST, or --out-dir DIR and the sources";
        request.sources = {names[0]};
        request.destination = names[1];
    }
    return request;
}

}  // namespace pelin::convert
