#pragma once
// The settings file "Pelin.ini": one key read or written at a time, nothing cached,
// so every read sees the file as it is on disk.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "platform/files.h"
#include "text/text.h"

namespace pelin::settings {

using text::Text;
using text::TextView;

// One key and the value to write to it.
struct SettingValue {
    TextView key;
    TextView value;
};

class SettingsFile {
public:
    static constexpr const char* kFileName = "Pelin.ini";
    // Far beyond any file of answers; a larger one is not read (every key reads
    // empty) and not written.
    static constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{4} << 20;

    // `folder` holds "Pelin.ini" (the program's folder, or wherever tests point).
    explicit SettingsFile(std::filesystem::path folder);
    // The answers of `content` (the bytes of a settings file), held in memory:
    // reads and writes go to them, and no file is read or written.
    static SettingsFile inMemory(std::string content);

    // The folder as text, ending in the path separator.
    Text SettingsFolder() const;
    std::filesystem::path filePath() const;

    // Writes one key; the file and the section are created when missing. The file
    // is replaced whole (see platform::replaceFile: a symbolic link is followed),
    // so a failed write leaves the old file. Returns the error when the file could
    // not be read or written, is no regular file, or could not keep its encoding.
    platform::Result<> WriteSetting(TextView section, TextView key, TextView value);

    // Writes several keys of one section in one replacement of the file: the file
    // ends up exactly as after one WriteSetting per key in this order, but the disk
    // is synchronised once, not once a key (a save of all answers uses this).
    // Nothing is written when any key cannot be stored.
    platform::Result<> WriteSettings(TextView section, std::span<const SettingValue> values);

    // Reads one key; "" when the file, section or key is missing, and when the
    // file cannot be read or is no regular file (a folder, a pipe, a device).
    Text ReadSetting(TextView section, TextView key) const;

private:
    std::filesystem::path folder_;
    std::optional<std::string> memory_;
};

}  // namespace pelin::settings
