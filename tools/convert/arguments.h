#pragma once
// pelin-convert's command line, read into a request before anything is done.
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "text/text.h"

namespace pelin::convert {

// One saved answer replaced for this run (--set KEY=VALUE); `key` is spelt as
// the settings file's answer key.
struct AnswerOverride {
    text::TextView key;
    text::Text value;
};

struct Request {
    enum class Action { Convert, Help, Version };
    Action action = Action::Convert;
    std::optional<std::filesystem::path> settingsFile;
    std::vector<AnswerOverride> overrides;
    std::optional<std::filesystem::path> outDir;
    std::vector<std::filesystem::path> sources;
    std::filesystem::path destination;  // without --out-dir
};

// The request of `args` (without the program's name, in UTF-8), or what is wrong
// with them.
std::variant<Request, std::string> parseArguments(const std::vector<std::string>& args);

}  // namespace pelin::convert
