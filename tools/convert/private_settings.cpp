#include "private_settings.h"

#include <optional>
#include <string>
#include <system_error>

#include "platform/folders.h"
#include "settings/answer_keys.h"
#include "settings/settings_content.h"
#include "settings/settings_file.h"

namespace pelin::convert {

PrivateSettings::~PrivateSettings() {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
}

platform::Result<> PrivateSettings::open(const std::filesystem::path& file, bool mayBeMissing,
                                         std::span<const AnswerOverride> overrides) {
    platform::Result<std::string> bytes = platform::readFile(file, settings::SettingsFile::kMaxFileBytes);
    if (!bytes && !(mayBeMissing && bytes.error().kind == platform::FileErrorKind::NotFound)) return bytes.error();
    foundFile_ = bytes.ok();
    std::string copy = foundFile_ ? std::move(*bytes) : std::string();
    for (const AnswerOverride& answer : overrides) {
        std::optional<std::string> changed =
            settings::writeSettingTo(copy, settings::kSectionSetei, answer.key, answer.value);
        if (!changed) return platform::fileError(file, platform::FileErrorKind::ContentNotKept);
        copy = std::move(*changed);
    }

    platform::Result<std::filesystem::path> folder = platform::createTemporaryFolder("pelin-convert");
    if (!folder) return folder.error();
    folder_ = std::move(*folder);
    if (!foundFile_ && overrides.empty()) return {};
    return platform::replaceFile(folder_ / settings::SettingsFile::kFileName, copy);
}

}  // namespace pelin::convert
