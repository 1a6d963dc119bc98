// When the answers are kept: the save mode menu, the manual save button, the
// automatic save after a conversion, and closing the window (which saves nothing).
#include "settings/answer_keys.h"
#include "text/numbers.h"
#include "wizard/form1.h"
#include "form/messages.h"

namespace pelin::wizard {

std::vector<Form1::Answer> Form1::answers() const {
    // Where each answer comes from, in the order of kAnswerKeys: a field of the
    // record as it was when its step was last left, or a control as it stands now.
    const engine::ConversionSettings& s = settings;
    auto n = [](std::int64_t v) { return text::formatInteger(v); };
    return {
        {u"LangS", n(LangCombo.listIndex)},
        {u"CharsetS", n(CharsetCombo.listIndex)},
        {u"CSS", txt_CSS.text},
        {u"WebTitleS", s.WebTitle},
        {u"HTMLKeyword01S", s.HTMLKeyword01},
        {u"WebMidashiS", s.WebMidashi},
        {u"NoRobotS", n(s.NoRobot)},
        {u"DCheck1S", n(DCheck1.value)},
        {u"DLColorS", s.DLColor},
        {u"DLColor2S", DLColor2},
        {u"DCheck2S", n(DCheck2.value)},
        {u"OpenPageEfS", n(Combo31.listIndex)},
        {u"ClosePageEfS", n(Combo32.listIndex)},
        {u"BodyfontS", s.Bodyfont},
        {u"Font10S", Font10},
        {u"BodylinkS", s.Bodylink},
        {u"Link10S", Link10},
        {u"BodyalinkS", s.Bodyalink},
        {u"BodyvlinkS", s.Bodyvlink},
        {u"AlinkS", Alink},
        {u"VlinkS", Vlink},
        {u"BgColorS", s.BgColor},
        {u"BgColor10S", BgColor10},
        {u"BodygroundS", s.Bodyground},
        {u"FIXEDCheckS", n(FIXEDCheck.value)},
        {u"TOPMpixS", n(s.TOPMpix)},
        {u"LEFTMpixS", n(s.LEFTMpix)},
        {u"BASEFontS", n(s.BASEFont)},
        {u"BQuoteS", n(Check51.value)},
        {u"BRS", s.BR},
        {u"PRES", PreFlag},
        {u"PS", s.P},
        {u"Option71S", n(Option71.value)},
        {u"Comment81S", n(Comment81.value)},
        {u"CommentS", s.Comment},
    };
}

void Form1::SaveAllSettings() {
    if (options_.keepSettingsFile) return;
    // All 35 keys in one rewrite of the file: the same bytes as writing them one
    // by one, but either every answer is kept or none, and one failure gives one
    // warning.
    const std::vector<Answer> all = answers();
    std::vector<settings::SettingValue> values;
    values.reserve(all.size());
    for (const Answer& answer : all) values.push_back({answer.key, answer.value});
    if (platform::Result<> written = ini_.WriteSettings(u"Setei", values); !written)
        warnSettingsNotSaved(written.error());
}

void Form1::warnSettingsNotSaved(const platform::FileError& error) {
    services_.messageBox.show(form::fileErrorMessage(u"設定を保存できませんでした。", error), form::kMbWarning, form::kProgramTitle);
}

void Form1::mnuoptionhozonAuto_Click() {
    if (platform::Result<> written = writeSetting(u"Setei", u"Setei", u"Auto"); !written)
        warnSettingsNotSaved(written.error());
    SaveMode = u"Auto";
    mnuoptionhozonAuto.checked = true;
    mnuoptionhozonMnyu.checked = false;
    SeteiMynu.enabled = false;
}

void Form1::mnuoptionhozonMnyu_Click() {
    if (platform::Result<> written = writeSetting(u"Setei", u"Setei", u"Mnyu"); !written)
        warnSettingsNotSaved(written.error());
    SaveMode = u"Mnyu";
    mnuoptionhozonAuto.checked = false;
    mnuoptionhozonMnyu.checked = true;
    SeteiMynu.enabled = true;
}

void Form1::SeteiMynu_Click() { SaveAllSettings(); }

bool Form1::Form_QueryUnload() {
    if (services_.messageBox.show(u"終了しますか？", form::kMbQuestion, u"終了") != form::kAnswerYes) return false;
    MainIconMenu.UnSetIconMenu();
    return true;
}

}  // namespace pelin::wizard
