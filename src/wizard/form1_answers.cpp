// The answers the settings file keeps, in one table: the save writes its rows in
// order, and the start-up reads them back in the same order (which is also the
// order in which the colours must be restored, see showStoredColour).
#include "text/numbers.h"
#include "wizard/form1.h"
#include "wizard/values.h"

namespace pelin::wizard {
namespace {

using K = settings::AnswerKind;
using Record = engine::ConversionSettings;

// Where a save takes a value from.
template <auto Field>
Text recordText(const Form1& f) {
    return f.settings.*Field;
}
template <auto Field>
Text recordNumber(const Form1& f) {
    return text::formatInteger(f.settings.*Field);
}
template <auto Value>
Text windowText(const Form1& f) {
    return f.*Value;
}
template <auto Box>
Text boxText(const Form1& f) {
    return (f.*Box).text;
}
template <auto List>
Text listPosition(const Form1& f) {
    return text::formatInteger((f.*List).listIndex);
}
template <auto Box>
Text checkValue(const Form1& f) {
    return text::formatInteger((f.*Box).value);
}

// What the start-up fills from a stored text. A text that does not convert
// leaves the control as it was.
template <auto Box>
void intoBox(Form1& f, TextView stored) {
    (f.*Box).setText(Text(stored));
}
template <auto Field>
void intoRecord(Form1& f, TextView stored) {
    f.settings.*Field = Text(stored);
}
template <auto Value>
void intoWindow(Form1& f, TextView stored) {
    f.*Value = Text(stored);
}
template <auto List>
void intoList(Form1& f, TextView stored) {
    if (std::optional<std::int64_t> n = wholeNumber(stored)) (f.*List).setListIndex(*n);
}
template <auto Box>
void intoCheck(Form1& f, TextView stored) {
    if (std::optional<std::int64_t> n = wholeNumber(stored)) (f.*Box).setValue(*n);
}
// A check box whose stored state also decides what else is enabled or shown.
template <auto Box, auto Then>
void intoCheckThen(Form1& f, TextView stored) {
    std::optional<std::int64_t> n = wholeNumber(stored);
    if (n && (f.*Box).setValue(*n)) (f.*Then)();
}
template <auto Option>
void intoOption(Form1& f, TextView stored) {
    if (std::optional<bool> yes = truthValue(stored)) (f.*Option).setValue(*yes);
}
// A margin box; its centimetre label is worked out once more either way.
template <auto Box, auto Then>
void intoBoxThen(Form1& f, TextView stored) {
    (f.*Box).setText(Text(stored));
    (f.*Then)();
}

}  // namespace

std::span<const Form1::AnswerEntry> Form1::answerTable() {
    constexpr TextView S = settings::kSectionSetei;
    static const AnswerEntry table[] = {
        {S, u"LangS", K::ListPosition, listPosition<&Form1::LangCombo>, intoList<&Form1::LangCombo>},
        {S, u"CharsetS", K::ListPosition, listPosition<&Form1::CharsetCombo>, intoList<&Form1::CharsetCombo>},
        {S, u"CSS", K::Text, boxText<&Form1::txt_CSS>, intoBox<&Form1::txt_CSS>},
        {S, u"WebTitleS", K::Text, recordText<&Record::WebTitle>, intoBox<&Form1::txtTitle>},
        {S, u"HTMLKeyword01S", K::Text, recordText<&Record::HTMLKeyword01>, intoBox<&Form1::txtKeyword1>},
        {S, u"WebMidashiS", K::Text, recordText<&Record::WebMidashi>, intoBox<&Form1::txtMidashi>},
        {S, u"NoRobotS", K::WholeNumber, recordNumber<&Record::NoRobot>, intoCheck<&Form1::Check1>},
        {S, u"DCheck1S", K::CheckValue, checkValue<&Form1::DCheck1>,
         intoCheckThen<&Form1::DCheck1, &Form1::DCheck1_Click>},
        {S, u"DLColorS", K::ColourCode, recordText<&Record::DLColor>, intoRecord<&Record::DLColor>},
        {S, u"DLColor2S", K::PreviewValue, windowText<&Form1::DLColor2>, intoWindow<&Form1::DLColor2>},
        {S, u"DCheck2S", K::CheckValue, checkValue<&Form1::DCheck2>,
         intoCheckThen<&Form1::DCheck2, &Form1::DCheck2_Click>},
        {S, u"OpenPageEfS", K::ListPosition, listPosition<&Form1::Combo31>, intoList<&Form1::Combo31>},
        {S, u"ClosePageEfS", K::ListPosition, listPosition<&Form1::Combo32>, intoList<&Form1::Combo32>},
        {S, u"BodyfontS", K::ColourCode, recordText<&Record::Bodyfont>, intoRecord<&Record::Bodyfont>},
        {S, u"Font10S", K::PreviewValue, windowText<&Form1::Font10>,
         [](Form1& f, TextView stored) { f.showStoredColour(0, stored); }},
        {S, u"BodylinkS", K::ColourCode, recordText<&Record::Bodylink>, intoRecord<&Record::Bodylink>},
        {S, u"Link10S", K::PreviewValue, windowText<&Form1::Link10>,
         [](Form1& f, TextView stored) { f.showStoredColour(1, stored); }},
        {S, u"BodyalinkS", K::ColourCode, recordText<&Record::Bodyalink>, intoRecord<&Record::Bodyalink>},
        {S, u"BodyvlinkS", K::ColourCode, recordText<&Record::Bodyvlink>, intoRecord<&Record::Bodyvlink>},
        {S, u"AlinkS", K::PreviewValue, windowText<&Form1::Alink>,
         [](Form1& f, TextView stored) {
             f.showStoredColour(2, stored);
             f.Alink = Text(stored);
         }},
        {S, u"VlinkS", K::PreviewValue, windowText<&Form1::Vlink>,
         [](Form1& f, TextView stored) {
             f.showStoredColour(3, stored);
             f.Vlink = Text(stored);
         }},
        {S, u"BgColorS", K::ColourCode, recordText<&Record::BgColor>, intoRecord<&Record::BgColor>},
        {S, u"BgColor10S", K::PreviewValue, windowText<&Form1::BgColor10>,
         [](Form1& f, TextView stored) { f.showStoredColour(4, stored); }},
        {S, u"BodygroundS", K::Text, recordText<&Record::Bodyground>, intoBox<&Form1::BackgroundTitle>},
        {S, u"FIXEDCheckS", K::CheckValue, checkValue<&Form1::FIXEDCheck>, intoCheck<&Form1::FIXEDCheck>},
        {S, u"TOPMpixS", K::WholeNumber, recordNumber<&Record::TOPMpix>,
         intoBoxThen<&Form1::txtTOPM, &Form1::txtTOPM_Change>},
        {S, u"LEFTMpixS", K::WholeNumber, recordNumber<&Record::LEFTMpix>,
         intoBoxThen<&Form1::txtLEFTM, &Form1::txtLEFTM_Change>},
        // Stored as the base font size 1…7, one more than the list position.
        {S, u"BASEFontS", K::WholeNumber, recordNumber<&Record::BASEFont>,
         [](Form1& f, TextView stored) {
             if (std::optional<std::int64_t> n = wholeNumber(stored)) f.BaseFontSize.setListIndex(*n - 1);
         }},
        {S, u"BQuoteS", K::CheckValue, checkValue<&Form1::Check51>, intoCheck<&Form1::Check51>},
        {S, u"BRS", K::TruthValue, recordText<&Record::BR>, intoOption<&Form1::BR61>},
        {S, u"PRES", K::TruthValue, windowText<&Form1::PreFlag>, intoOption<&Form1::PRE61>},
        {S, u"PS", K::TruthValue, recordText<&Record::P>, intoOption<&Form1::P61>},
        {S, u"Option71S", K::CheckValue, checkValue<&Form1::Option71>, intoCheck<&Form1::Option71>},
        {S, u"Comment81S", K::CheckValue, checkValue<&Form1::Comment81>,
         intoCheckThen<&Form1::Comment81, &Form1::Comment81_Click>},
        {S, u"CommentS", K::Text, recordText<&Record::Comment>, intoBox<&Form1::txtComment>},
        // Added after the first 35: a file without them loads the boxes unticked.
        {S, u"URL61S", K::CheckValue, checkValue<&Form1::URL61>, intoCheck<&Form1::URL61>},
        {S, u"Mail61S", K::CheckValue, checkValue<&Form1::Mail61>, intoCheck<&Form1::Mail61>},
        {S, u"Option72S", K::CheckValue, checkValue<&Form1::Option72>, intoCheck<&Form1::Option72>},
    };
    return table;
}

std::vector<Form1::Answer> Form1::answers() const {
    std::vector<Answer> out;
    for (const AnswerEntry& entry : answerTable()) out.push_back({entry.key, entry.save(*this)});
    return out;
}

void Form1::applySavedAnswers() {
    for (const AnswerEntry& entry : answerTable()) entry.load(*this, readSetting(entry.section, entry.key));
}

}  // namespace pelin::wizard
