// Building the main window: its controls and their handlers.
#include "wizard/form1.h"

#include "text/textfile.h"

namespace pelin::wizard {

Form1::Form1(form::Services& services, settings::SettingsFile& ini, Form1Options options)
    : CommonDialog1(services.dialogs), services_(services), ini_(ini), options_(std::move(options)) {
    setUpControls();
    setUpMenus();
    registerControls();
    wireHandlers();
}

void Form1::wireHandlers() {
    SubFoword.onClick = [this] { SubFoword_Click(); };
    SubBack.onClick = [this] { SubBack_Click(); };
    SubChan.onClick = [this] { SubChan_Click(); };
    StartFrame.onClick = [this] { StartFrame_Click(); };

    Command11.onClick = [this] { Command11_Click(); };
    mnufileopen.onClick = [this] { mnufileopen_Click(); };
    txtHTML.onChange = [this] { txtHTML_Change(); };
    txtHTML.onKeyPress = [this](int keyAscii) { txtHTML_KeyPress(keyAscii); };
    Command1.onClick = [this] { Command1_Click(); };
    HozonDialog.onClick = [this] { HozonDialog_Click(); };
    Comment81.onClick = [this] { Comment81_Click(); };
    EditBottan.onClick = [this] { EditBottan_Click(); };
    BrowseButton.onClick = [this] { BrowseButton_Click(); };

    CText1.onChange = [this] { CText1_Change(); };
    CText2.onChange = [this] { CText2_Change(); };
    CText3.onChange = [this] { CText3_Change(); };
    CText4.onChange = [this] { CText4_Change(); };
    CText5.onChange = [this] { CText5_Change(); };
    Command41.onClick = [this] { Command41_Click(); };
    Command42.onClick = [this] { Command42_Click(); };
    Command43.onClick = [this] { Command43_Click(); };
    Command44.onClick = [this] { Command44_Click(); };
    Command45.onClick = [this] { Command45_Click(); };
    DLinkColor.onClick = [this] { DLinkColor_Click(); };
    DCheck1.onClick = [this] { DCheck1_Click(); };
    DCheck2.onClick = [this] { DCheck2_Click(); };
    Sample31.onMouseMove = [this] { Sample31_MouseMove(); };
    Frame3.onMouseMove = [this] { Frame3_MouseMove(); };
    SampleFont2.onClick = [this] { SampleFont2_Click(); };
    Frame4.onMouseMove = [this] { Frame4_MouseMove(); };
    SampleFrame.onMouseMove = [this] { SampleFrame_MouseMove(); };

    txtTOPM.onChange = [this] { txtTOPM_Change(); };
    txtLEFTM.onChange = [this] { txtLEFTM_Change(); };
    Command46.onClick = [this] { Command46_Click(); };

    mnuoptionhozonAuto.onClick = [this] { mnuoptionhozonAuto_Click(); };
    mnuoptionhozonMnyu.onClick = [this] { mnuoptionhozonMnyu_Click(); };
    SeteiMynu.onClick = [this] { SeteiMynu_Click(); };
    mnufileend.onClick = [this] { mnufileend_Click(); };

    mnufilepro.onClick = [this] { mnufilepro_Click(); };
    mnuhelpreadme.onClick = [this] { mnuhelpreadme_Click(); };
    mnuoptioncharcter.onClick = [this] { mnuoptioncharcter_Click(); };
    mnuhelpver.onClick = [this] { mnuhelpver_Click(); };
    mnuoptioninternetoption.onClick = [this] { mnuoptioninternetoption_Click(); };
}

form::Frame& Form1::frameOf(int step) {
    form::Frame* frames[] = {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5, &Frame6, &Frame7, &Frame8, &Frame9, &Frame10};
    return *frames[step - 1];
}

form::Label& Form1::labelOf(int step) {
    form::Label* labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10};
    return *labels[step - 1];
}

Text Form1::readSetting(TextView section, TextView key) const { return ini_.ReadSetting(section, key); }

platform::Result<> Form1::writeSetting(TextView section, TextView key, TextView value) {
    if (options_.keepSettingsFile) return {};
    return ini_.WriteSetting(section, key, value);
}

}  // namespace pelin::wizard
