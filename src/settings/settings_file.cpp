#include "settings/settings_file.h"

#include <utility>

#include "platform/folders.h"
#include "settings/settings_content.h"
#include "text/textfile.h"

namespace pelin::settings {

SettingsFile::SettingsFile(std::filesystem::path folder) : folder_(std::move(folder)) {}

SettingsFile SettingsFile::inMemory(std::string content) {
    SettingsFile file({});
    file.memory_ = std::move(content);
    return file;
}

Text SettingsFile::SettingsFolder() const {
    Text folder = text::fromPath(folder_);
    if (folder.empty() || !platform::isFolderSeparator(folder.back())) folder += platform::kFolderSeparator;
    return folder;
}

std::filesystem::path SettingsFile::filePath() const { return folder_ / kFileName; }

platform::Result<> SettingsFile::WriteSetting(TextView section, TextView key, TextView value) {
    const SettingValue one{key, value};
    return WriteSettings(section, std::span<const SettingValue>(&one, 1));
}

platform::Result<> SettingsFile::WriteSettings(TextView section, std::span<const SettingValue> values) {
    const std::filesystem::path path = filePath();
    platform::Result<std::string> read =
        memory_ ? platform::Result<std::string>(*memory_) : platform::readFile(path, kMaxFileBytes);
    // Only a file that is not there may start empty; one that cannot be read (or
    // is no file: a folder, a pipe) must not be replaced by these keys alone.
    if (!read && read.error().kind != platform::FileErrorKind::NotFound) return read.error();
    const bool exists = read.ok();
    const std::string old = exists ? std::move(*read) : std::string();
    if (!canWriteInto(old)) return platform::fileError(path, platform::FileErrorKind::ContentNotKept);
    std::string updated = old;
    for (const SettingValue& setting : values) {
        std::optional<std::string> next = writeSettingTo(updated, section, setting.key, setting.value);
        if (!next) return platform::FileError{path, "the section or key name cannot be stored"};
        updated = std::move(*next);
    }
    if (exists && updated == old) return {};
    // A file that could not be read back must not be written either.
    if (updated.size() > kMaxFileBytes) return platform::fileError(path, platform::FileErrorKind::TooLarge);
    if (memory_) {
        *memory_ = std::move(updated);
        return {};
    }
    return platform::replaceFile(path, updated);
}

Text SettingsFile::ReadSetting(TextView section, TextView key) const {
    if (memory_) return readSettingFrom(*memory_, section, key);
    const platform::Result<std::string> bytes = platform::readFile(filePath(), kMaxFileBytes);
    return bytes ? readSettingFrom(*bytes, section, key) : Text();
}

}  // namespace pelin::settings
