#pragma once
#include <string>

#include "engine/body_text.h"
#include "engine/conversion_settings.h"
#include "platform/file_blocks.h"
#include "text/text.h"

namespace pelin::engine::testing {

// The answers of the first worked example: everything optional off, BR mode.
inline ConversionSettings plainAnswers() {
    ConversionSettings s;
    s.Lang = 1;
    s.WebTitle = u"サンプル";
    s.HTMLKeyword01 = u"テスト";
    s.Charset = u"Shift_JIS";
    s.Bodyfont = u"000000";
    s.Bodylink = u"0000FF";
    s.Bodyalink = u"FF0000";
    s.Bodyvlink = u"800080";
    s.BgColor = u"FFFFFF";
    s.BASEFont = 3;
    s.BR = u"True";
    s.P = u"False";
    s.SpecialFont = 1;
    return s;
}

// Code page 932 bytes of a text written here in UTF-8.
inline std::string sjis(std::string_view utf8) { return text::toCp932(text::fromUtf8(utf8)); }

// A source held in memory.
class MemorySource : public platform::BlockSource {
public:
    explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t length() const override { return bytes_.size(); }
    platform::Result<std::size_t> readAt(std::uint64_t offset, std::span<char> into) override {
        return bytes_.copy(into.data(), into.size(), static_cast<std::size_t>(offset));
    }

private:
    std::string_view bytes_;
};

}  // namespace pelin::engine::testing
