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

void Form1::add(ControlKind kind, form::Control& control, form::Control* container) {
    controls_.push_back({kind, &control, container});
}

void Form1::registerControls() {
    using K = ControlKind;
    add(K::Frame, Mainmenu, nullptr);
    add(K::Label, MainmenuTitle, &Mainmenu);
    for (int step = 1; step <= 10; ++step) add(K::Label, labelOf(step), &Mainmenu);
    add(K::TextBox, txtHelp, nullptr);
    add(K::Frame, Submenu, nullptr);
    for (form::Button* b : {&SubBack, &SubChan, &SubFoword}) add(K::Button, *b, &Submenu);
    for (int step = 1; step <= 10; ++step) add(K::Frame, frameOf(step), nullptr);

    add(K::Label, HTMLFileTitle, &Frame1);
    add(K::TextBox, txtHTML, &Frame1);
    add(K::Button, Command11, &Frame1);
    add(K::Label, txtHTMLSize, &Frame1);
    add(K::Label, Label18, &Frame1);
    add(K::ComboBox, LangCombo, &Frame1);
    add(K::Label, Label19, &Frame1);
    add(K::ComboBox, CharsetCombo, &Frame1);
    add(K::Label, Label20, &Frame1);
    add(K::TextBox, txt_CSS, &Frame1);
    add(K::Button, Command1, &Frame1);

    add(K::Label, HTMLTitle, &Frame2);
    add(K::TextBox, txtTitle, &Frame2);
    add(K::Label, HTMLKeyword, &Frame2);
    add(K::TextBox, txtKeyword1, &Frame2);
    add(K::Label, HTMLMidashi, &Frame2);
    add(K::TextBox, txtMidashi, &Frame2);
    add(K::CheckBox, Check1, &Frame2);

    add(K::Label, DLinkColorTitle, &Frame3);
    add(K::CheckBox, DCheck1, &Frame3);
    add(K::Button, DLinkColor, &Frame3);
    add(K::Label, Sample31, &Frame3);
    add(K::Image, Image1, &Frame3);
    add(K::Label, DTranTitle, &Frame3);
    add(K::CheckBox, DCheck2, &Frame3);
    add(K::Label, DTran1, &Frame3);
    add(K::ComboBox, Combo31, &Frame3);
    add(K::Label, Label11, &Frame3);
    add(K::ComboBox, Combo32, &Frame3);
    add(K::Image, Image2, &Frame3);

    add(K::Label, BodyTitle, &Frame4);
    form::TextBox* boxes[] = {&CText1, &CText2, &CText3, &CText4, &CText5};
    form::Button* buttons[] = {&Command41, &Command42, &Command43, &Command44, &Command45};
    for (int i = 0; i < 5; ++i) {
        add(K::Button, *buttons[i], &Frame4);
        add(K::TextBox, *boxes[i], &Frame4);
    }
    add(K::Frame, SampleFrame, &Frame4);
    add(K::Label, SampleFont1, &SampleFrame);
    add(K::Label, SampleFont2, &SampleFrame);
    add(K::Label, Label12, &Frame4);
    add(K::TextBox, BackgroundTitle, &Frame4);
    add(K::Button, Command46, &Frame4);
    add(K::Label, txtCGSize, &Frame4);
    add(K::CheckBox, FIXEDCheck, &Frame4);
    add(K::Image, Image4, &Frame4);

    add(K::Label, PageSTitle, &Frame5);
    add(K::Label, TMTitle, &Frame5);
    add(K::TextBox, txtTOPM, &Frame5);
    add(K::Label, Pix51, &Frame5);
    add(K::Label, mm51, &Frame5);
    add(K::Label, cm51, &Frame5);
    add(K::Label, LMTitle, &Frame5);
    add(K::TextBox, txtLEFTM, &Frame5);
    add(K::Label, Pix52, &Frame5);
    add(K::Label, mm52, &Frame5);
    add(K::Label, cm52, &Frame5);
    add(K::Label, Label13, &Frame5);
    add(K::ComboBox, BaseFontSize, &Frame5);
    add(K::Image, Image3, &Frame5);
    add(K::Label, Label14, &Frame5);
    add(K::CheckBox, Check51, &Frame5);

    add(K::Label, Label15, &Frame6);
    add(K::OptionButton, BR61, &Frame6);
    add(K::OptionButton, PRE61, &Frame6);
    add(K::OptionButton, P61, &Frame6);
    add(K::Label, Label16, &Frame6);
    add(K::CheckBox, URL61, &Frame6);
    add(K::CheckBox, Mail61, &Frame6);

    add(K::CheckBox, Option71, &Frame7);
    add(K::CheckBox, Option72, &Frame7);

    add(K::CheckBox, Comment81, &Frame8);
    add(K::TextBox, txtComment, &Frame8);

    add(K::Label, Label91, &Frame9);
    add(K::TextBox, txtHozon, &Frame9);
    add(K::Button, HozonDialog, &Frame9);

    add(K::Label, Label17, &Frame10);
    add(K::Label, txtSize, &Frame10);
    add(K::Label, htmSize, &Frame10);
    add(K::Button, SeteiMynu, &Frame10);
    add(K::Button, EditBottan, &Frame10);
    add(K::Button, StartFrame, &Frame10);

    // The menu bar, in menu order.
    add(K::MenuItem, mnufile, nullptr);
    for (form::MenuItem* m : {&mnufileopen, &mnufilehai1, &mnufilepro, &mnufilehai2, &mnufileend})
        add(K::MenuItem, *m, &mnufile);
    add(K::MenuItem, mnuoption, nullptr);
    add(K::MenuItem, mnuoptioncharcter, &mnuoption);
    add(K::MenuItem, mnuoptionhozon, &mnuoption);
    add(K::MenuItem, mnuoptionhozonAuto, &mnuoptionhozon);
    add(K::MenuItem, mnuoptionhozonMnyu, &mnuoptionhozon);
    add(K::MenuItem, mnuoptionhai1, &mnuoption);
    add(K::MenuItem, mnuoptioninternetoption, &mnuoption);
    add(K::MenuItem, mnuhelp, nullptr);
    for (form::MenuItem* m : {&mnuhelphelp, &mnuhelpreadme, &mnuhelphai1, &mnuhelpver}) add(K::MenuItem, *m, &mnuhelp);
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
