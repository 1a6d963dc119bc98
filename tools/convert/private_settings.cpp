#include "private_settings.h"

#include <optional>

#include "settings/answer_keys.h"
#include "settings/settings_content.h"

namespace pelin::convert {

platform::Result<> PrivateSettings::open(const std::filesystem::path& file, bool mayBeMissing,
                                         std::span<const AnswerOverride> overrides) {
    platform::Result<std::string> bytes = platform::readFile(file, settings::SettingsFile::kMaxFileBytes);
    if (!bytes && !(mayBeMissing && bytes.error().kind == platform::FileErrorKind::NotFound)) return bytes.error();
    foundFile_ = bytes.ok();
    std::string content = foundFile_ ? std::move(*bytes) : std::string();
    for (const AnswerOverride& answer : overrides) {
        std::optional<std::string> changed =
            settings::writeSettingTo(content, settings::kSectionSetei, answer.key, answer.value);
        if (!changed) return platform::fileError(file, platform::FileErrorKind::ContentNotKept);
        content = std::move(*changed);
    }
    content_ = std::move(content);
    return {};
}

}  // namespace pelin::convert
