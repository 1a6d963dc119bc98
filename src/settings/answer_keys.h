#pragma once
// The keys of the settings file: the 35 answers that a save writes, in the order
// it writes them, and the few keys written on their own.
#include <array>
#include <string_view>

namespace pelin::settings {

// How an answer is written as text.
enum class AnswerKind {
    ListPosition,  // 0-based list position, -1 for none
    WholeNumber,   // decimal, minus sign when negative
    CheckValue,    // 0 unchecked, 1 checked, 2 greyed
    TruthValue,    // "True" or "False"
    Text,          // as typed
    ColourCode,    // RRGGBB, no "#"
    PreviewValue,  // a colour number as decimal text
};

struct AnswerKey {
    std::u16string_view name;
    AnswerKind kind;
};

inline constexpr std::u16string_view kSectionSetei = u"Setei";
inline constexpr std::u16string_view kSectionData = u"Data";

// Keys of "Setei" outside the answer set.
inline constexpr std::u16string_view kKeySaveMode = u"Setei";   // "Auto" or "Mnyu"
inline constexpr std::u16string_view kKeySourceFolder = u"Pash";  // folder of the last source file
// Key of "Data": full path of the chosen character picture.
inline constexpr std::u16string_view kKeyCharacter = u"Char";

inline constexpr std::array<AnswerKey, 35> kAnswerKeys{{
    {u"LangS", AnswerKind::ListPosition},
    {u"CharsetS", AnswerKind::ListPosition},
    {u"CSS", AnswerKind::Text},
    {u"WebTitleS", AnswerKind::Text},
    {u"HTMLKeyword01S", AnswerKind::Text},
    {u"WebMidashiS", AnswerKind::Text},
    {u"NoRobotS", AnswerKind::WholeNumber},
    {u"DCheck1S", AnswerKind::CheckValue},
    {u"DLColorS", AnswerKind::ColourCode},
    {u"DLColor2S", AnswerKind::PreviewValue},
    {u"DCheck2S", AnswerKind::CheckValue},
    {u"OpenPageEfS", AnswerKind::ListPosition},
    {u"ClosePageEfS", AnswerKind::ListPosition},
    {u"BodyfontS", AnswerKind::ColourCode},
    {u"Font10S", AnswerKind::PreviewValue},
    {u"BodylinkS", AnswerKind::ColourCode},
    {u"Link10S", AnswerKind::PreviewValue},
    {u"BodyalinkS", AnswerKind::ColourCode},
    {u"BodyvlinkS", AnswerKind::ColourCode},
    {u"AlinkS", AnswerKind::PreviewValue},
    {u"VlinkS", AnswerKind::PreviewValue},
    {u"BgColorS", AnswerKind::ColourCode},
    {u"BgColor10S", AnswerKind::PreviewValue},
    {u"BodygroundS", AnswerKind::Text},
    {u"FIXEDCheckS", AnswerKind::CheckValue},
    {u"TOPMpixS", AnswerKind::WholeNumber},
    {u"LEFTMpixS", AnswerKind::WholeNumber},
    {u"BASEFontS", AnswerKind::WholeNumber},  // 1..7: the list position + 1
    {u"BQuoteS", AnswerKind::CheckValue},
    {u"BRS", AnswerKind::TruthValue},
    {u"PRES", AnswerKind::TruthValue},
    {u"PS", AnswerKind::TruthValue},
    {u"Option71S", AnswerKind::CheckValue},
    {u"Comment81S", AnswerKind::CheckValue},
    {u"CommentS", AnswerKind::Text},
}};

}  // namespace pelin::settings
