// Building the main window: its controls, their containers and their handlers.
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

void Form1::registerControls() {
    controls_.add(Mainmenu, nullptr);
    controls_.add(MainmenuTitle, &Mainmenu);
    for (int step = 1; step <= 10; ++step) controls_.add(labelOf(step), &Mainmenu);
    controls_.add(txtHelp, nullptr);
    controls_.add(Submenu, nullptr);
    for (form::Button* b : {&SubBack, &SubChan, &SubFoword}) controls_.add(*b, &Submenu);
    for (int step = 1; step <= 10; ++step) controls_.add(frameOf(step), nullptr);

    controls_.add(HTMLFileTitle, &Frame1);
    controls_.add(txtHTML, &Frame1);
    controls_.add(Command11, &Frame1);
    controls_.add(txtHTMLSize, &Frame1);
    controls_.add(Label18, &Frame1);
    controls_.add(LangCombo, &Frame1);
    controls_.add(Label19, &Frame1);
    controls_.add(CharsetCombo, &Frame1);
    controls_.add(Label20, &Frame1);
    controls_.add(txt_CSS, &Frame1);
    controls_.add(Command1, &Frame1);

    controls_.add(HTMLTitle, &Frame2);
    controls_.add(txtTitle, &Frame2);
    controls_.add(HTMLKeyword, &Frame2);
    controls_.add(txtKeyword1, &Frame2);
    controls_.add(HTMLMidashi, &Frame2);
    controls_.add(txtMidashi, &Frame2);
    controls_.add(Check1, &Frame2);

    controls_.add(DLinkColorTitle, &Frame3);
    controls_.add(DCheck1, &Frame3);
    controls_.add(DLinkColor, &Frame3);
    controls_.add(Sample31, &Frame3);
    controls_.add(Image1, &Frame3);
    controls_.add(DTranTitle, &Frame3);
    controls_.add(DCheck2, &Frame3);
    controls_.add(DTran1, &Frame3);
    controls_.add(Combo31, &Frame3);
    controls_.add(Label11, &Frame3);
    controls_.add(Combo32, &Frame3);
    controls_.add(Image2, &Frame3);

    controls_.add(BodyTitle, &Frame4);
    form::TextBox* boxes[] = {&CText1, &CText2, &CText3, &CText4, &CText5};
    form::Button* buttons[] = {&Command41, &Command42, &Command43, &Command44, &Command45};
    for (int i = 0; i < 5; ++i) {
        controls_.add(*buttons[i], &Frame4);
        controls_.add(*boxes[i], &Frame4);
    }
    controls_.add(SampleFrame, &Frame4);
    controls_.add(SampleFont1, &SampleFrame);
    controls_.add(SampleFont2, &SampleFrame);
    controls_.add(Label12, &Frame4);
    controls_.add(BackgroundTitle, &Frame4);
    controls_.add(Command46, &Frame4);
    controls_.add(txtCGSize, &Frame4);
    controls_.add(FIXEDCheck, &Frame4);
    controls_.add(Image4, &Frame4);

    controls_.add(PageSTitle, &Frame5);
    controls_.add(TMTitle, &Frame5);
    controls_.add(txtTOPM, &Frame5);
    controls_.add(Pix51, &Frame5);
    controls_.add(mm51, &Frame5);
    controls_.add(cm51, &Frame5);
    controls_.add(LMTitle, &Frame5);
    controls_.add(txtLEFTM, &Frame5);
    controls_.add(Pix52, &Frame5);
    controls_.add(mm52, &Frame5);
    controls_.add(cm52, &Frame5);
    controls_.add(Label13, &Frame5);
    controls_.add(BaseFontSize, &Frame5);
    controls_.add(Image3, &Frame5);
    controls_.add(Label14, &Frame5);
    controls_.add(Check51, &Frame5);

    controls_.add(Label15, &Frame6);
    controls_.add(BR61, &Frame6);
    controls_.add(PRE61, &Frame6);
    controls_.add(P61, &Frame6);
    controls_.add(Label16, &Frame6);
    controls_.add(URL61, &Frame6);
    controls_.add(Mail61, &Frame6);

    controls_.add(Option71, &Frame7);
    controls_.add(Option72, &Frame7);

    controls_.add(Comment81, &Frame8);
    controls_.add(txtComment, &Frame8);

    controls_.add(Label91, &Frame9);
    controls_.add(txtHozon, &Frame9);
    controls_.add(HozonDialog, &Frame9);

    controls_.add(Label17, &Frame10);
    controls_.add(txtSize, &Frame10);
    controls_.add(htmSize, &Frame10);
    controls_.add(SeteiMynu, &Frame10);
    controls_.add(EditBottan, &Frame10);
    controls_.add(BrowseButton, &Frame10);
    controls_.add(StartFrame, &Frame10);

    // The menu bar, in menu order.
    controls_.add(mnufile, nullptr);
    for (form::MenuItem* m : {&mnufileopen, &mnufilehai1, &mnufilepro, &mnufilehai2, &mnufileend})
        controls_.add(*m, &mnufile);
    controls_.add(mnuoption, nullptr);
    controls_.add(mnuoptioncharcter, &mnuoption);
    controls_.add(mnuoptionhozon, &mnuoption);
    controls_.add(mnuoptionhozonAuto, &mnuoptionhozon);
    controls_.add(mnuoptionhozonMnyu, &mnuoptionhozon);
    controls_.add(mnuoptionhai1, &mnuoption);
    controls_.add(mnuoptioninternetoption, &mnuoption);
    controls_.add(mnuhelp, nullptr);
    for (form::MenuItem* m : {&mnuhelphelp, &mnuhelpreadme, &mnuhelphai1, &mnuhelpver}) controls_.add(*m, &mnuhelp);
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
