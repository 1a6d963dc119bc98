#pragma once
// The answers one run of pelin-convert converts with: a private copy of the
// settings file, with the answers given by --set written into it. The wizard
// reads the copy; the user's file is never written, whatever the run does.
#include <filesystem>
#include <span>

#include "arguments.h"
#include "platform/result.h"

namespace pelin::convert {

class PrivateSettings {
public:
    PrivateSettings() = default;
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;
    ~PrivateSettings();  // removes the copy

    // Copies `file` with `overrides` set in section "Setei". A missing file is an
    // error unless `mayBeMissing`; then the copy holds the overrides alone (a
    // first start). Anything else that is not a readable regular file is an error.
    platform::Result<> open(const std::filesystem::path& file, bool mayBeMissing,
                            std::span<const AnswerOverride> overrides);

    // The folder of the copy, which is named "Pelin.ini" as the wizard expects.
    const std::filesystem::path& folder() const { return folder_; }
    // False when there was no file to copy.
    bool foundFile() const { return foundFile_; }

private:
    std::filesystem::path folder_;
    bool foundFile_ = false;
};

}  // namespace pelin::convert
