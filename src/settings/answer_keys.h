#pragma once
// The sections of the settings file and the keys written on their own. The
// answers that a save writes are listed, with where each comes from and goes to,
// in the main window's answer table (wizard/form1_answers.cpp).
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

inline constexpr std::u16string_view kSectionSetei = u"Setei";
inline constexpr std::u16string_view kSectionData = u"Data";

// Keys of "Setei" outside the answer set.
inline constexpr std::u16string_view kKeySaveMode = u"Setei";     // "Auto" or "Mnyu"
inline constexpr std::u16string_view kKeySourceFolder = u"Pash";  // folder of the last source file
// Key of "Data": full path of the chosen character picture.
inline constexpr std::u16string_view kKeyCharacter = u"Char";

}  // namespace pelin::settings
