#pragma once
// The answers one run of pelin-convert converts with: the settings file's bytes,
// with the answers given by --set written into them, held in memory. The wizard
// reads them there; no file is written, neither the user's nor a copy, so that a
// run however it ends leaves nothing behind.
#include <filesystem>
#include <span>
#include <string>

#include "arguments.h"
#include "platform/result.h"
#include "settings/settings_file.h"

namespace pelin::convert {

class PrivateSettings {
public:
    // Reads `file` and sets `overrides` in section "Setei". A missing file is an
    // error unless `mayBeMissing`; then the answers are the overrides alone (a
    // first start). Anything else that is not a readable regular file is an error.
    platform::Result<> open(const std::filesystem::path& file, bool mayBeMissing,
                            std::span<const AnswerOverride> overrides);

    // The answers, as the wizard reads its settings file.
    settings::SettingsFile settingsFile() const { return settings::SettingsFile::inMemory(content_); }
    // False when there was no file to read.
    bool foundFile() const { return foundFile_; }

private:
    std::string content_;
    bool foundFile_ = false;
};

}  // namespace pelin::convert
