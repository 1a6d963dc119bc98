// When the answers are kept: the save mode menu, the manual save button, the
// automatic save after a conversion, and closing the window (which saves nothing).
#include "form/messages.h"
#include "wizard/form1.h"

namespace pelin::wizard {

void Form1::SaveAllSettings() {
    if (options_.keepSettingsFile) return;
    // All the answer keys in one rewrite of the file: the same bytes as writing them one
    // by one, but either every answer is kept or none, and one failure gives one
    // warning.
    const std::vector<Answer> all = answers();
    std::vector<settings::SettingValue> values;
    values.reserve(all.size());
    for (const Answer& answer : all) values.push_back({answer.key, answer.value});
    if (platform::Result<> written = ini_.WriteSettings(settings::kSectionSetei, values); !written)
        warnSettingsNotSaved(written.error());
}

void Form1::warnSettingsNotSaved(const platform::FileError& error) {
    services_.messageBox.show(form::fileErrorMessage(u"設定を保存できませんでした。", error), form::kMbWarning,
                              form::kProgramTitle);
}

void Form1::mnuoptionhozonAuto_Click() {
    if (platform::Result<> written = writeSetting(settings::kSectionSetei, settings::kKeySaveMode, u"Auto"); !written)
        warnSettingsNotSaved(written.error());
    SaveMode = u"Auto";
    mnuoptionhozonAuto.checked = true;
    mnuoptionhozonMnyu.checked = false;
    SeteiMynu.enabled = false;
}

void Form1::mnuoptionhozonMnyu_Click() {
    if (platform::Result<> written = writeSetting(settings::kSectionSetei, settings::kKeySaveMode, u"Mnyu"); !written)
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
