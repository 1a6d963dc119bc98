#pragma once
// The main window: the ten-step wizard that turns one text file into one page.
//
// The window is a plain model: its members are its controls (each `name` is the
// widget's objectName) and the window-level values; its member functions are the
// handlers, named after control and event. Every handler is wired to its control
// in the constructor, so a change made by the program runs the same handler as
// one made by the user.
//
// How a window system shows it (read this, binder):
//  - `controls()` lists every control once, containers before what they hold,
//    each with its kind and its container (null for the window itself; for a
//    menu item, the menu it belongs to, in menu order).
//  - `controls().find<T>(name)` finds one control by name.
//  - `Caption` is the window caption and `picture` the mascot picture drawn at
//    its own size from the top-left corner of the client area (null: none).
//  - User input goes through the control setters and click()/mouseMove();
//    closing the window asks `Form_QueryUnload()` first.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "engine/conversion_run.h"
#include "engine/conversion_settings.h"
#include "form/control_table.h"
#include "form/services.h"
#include "iconmenu/icon_menu.h"
#include "platform/files.h"
#include "settings/answer_keys.h"
#include "settings/settings_file.h"

namespace pelin::wizard {

using text::Text;
using text::TextView;

// What the window is built with. With `keepSettingsFile` the window reads the
// settings file but never writes it (the command-line converter).
struct Form1Options {
    // The folder of the files the program comes with: the readme and the
    // characters (settings::chooseDataFolder).
    std::filesystem::path programFolder;
    bool keepSettingsFile = false;
    // The window system's menus and this window's handle there; without them
    // the menus keep their ordinary look.
    iconmenu::MenuHost* menuHost = nullptr;
    iconmenu::WindowHandle hWnd = 0;
};

class Form1 {
public:
    Form1(form::Services& services, settings::SettingsFile& ini, Form1Options options);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const form::ControlTable& controls() const { return controls_; }
    form::CommonDialog& commonDialog() { return CommonDialog1; }

    // --- window-level values ---
    Text Caption;
    std::shared_ptr<form::Picture> picture;
    std::int16_t CurrentStep = 1;
    Text SaveMode;
    Text PreFlag;
    Text Font10, Link10, Alink, Vlink, BgColor10, DLColor2;  // colour preview values
    std::int16_t LinkSampleClicked = 0;
    engine::ConversionSettings settings;  // ConversionSettings
    // How the last source choice ended: a file chosen, or not (cancelled, or the
    // file could not be taken, with its error when there is one). What the window
    // shows of it is the caption; a caller without a window reads it here.
    struct SourceChoice {
        bool chosen = false;
        std::optional<platform::FileError> error;
    };
    SourceChoice lastSourceChoice;
    // The error of the last conversion run, if it failed.
    std::optional<platform::FileError> lastConversionError;
    // Told how far a conversion run has come, and may stop it; empty: not asked.
    engine::ConversionProgress conversionProgress;
    // Runs the conversion of a record: set by a window system that runs it off its
    // own thread, showing its progress and letting the user stop it. Empty: the
    // run happens here and now, telling conversionProgress.
    using ConversionRunner =
        std::function<platform::Result<std::optional<engine::ConversionReport>>(engine::ConversionSettings&)>;
    ConversionRunner conversionRunner;
    // The menus drawn with pictures: attached at start-up, unhooked on closing.
    // Its pictures are ImageList1's, keyed by the menu captions.
    iconmenu::cIconMenu MainIconMenu;
    iconmenu::ImageList ImageList1{16, 16};
    // Set by the window system: close the window (as its close box does).
    std::function<void()> onRequestClose;

    // --- controls ---
    form::CommonDialog CommonDialog1;
    // Step list and navigation.
    form::Frame Mainmenu{"Mainmenu"};
    form::Label MainmenuTitle{"MainmenuTitle"};
    form::Label Label1{"Label1"}, Label2{"Label2"}, Label3{"Label3"}, Label4{"Label4"}, Label5{"Label5"},
        Label6{"Label6"}, Label7{"Label7"}, Label8{"Label8"}, Label9{"Label9"}, Label10{"Label10"};
    form::TextBox txtHelp{"txtHelp"};
    form::Frame Submenu{"Submenu"};
    form::Button SubBack{"SubBack"}, SubChan{"SubChan"}, SubFoword{"SubFoword"};
    form::Frame Frame1{"Frame1"}, Frame2{"Frame2"}, Frame3{"Frame3"}, Frame4{"Frame4"}, Frame5{"Frame5"},
        Frame6{"Frame6"}, Frame7{"Frame7"}, Frame8{"Frame8"}, Frame9{"Frame9"}, Frame10{"Frame10"};
    // Step 1.
    form::Label HTMLFileTitle{"HTMLFileTitle"};
    form::TextBox txtHTML{"txtHTML"};
    form::Button Command11{"Command11"};
    form::Label txtHTMLSize{"txtHTMLSize"};
    form::Label Label18{"Label18"}, Label19{"Label19"}, Label20{"Label20"};
    form::ComboBox LangCombo{"LangCombo"}, CharsetCombo{"CharsetCombo"};
    form::TextBox txt_CSS{"txt_CSS"};
    form::Button Command1{"Command1"};
    // Step 2.
    form::Label HTMLTitle{"HTMLTitle"}, HTMLKeyword{"HTMLKeyword"}, HTMLMidashi{"HTMLMidashi"};
    form::TextBox txtTitle{"txtTitle"}, txtKeyword1{"txtKeyword1"}, txtMidashi{"txtMidashi"};
    form::CheckBox Check1{"Check1"};
    // Step 3.
    form::Label DLinkColorTitle{"DLinkColorTitle"}, DTranTitle{"DTranTitle"}, DTran1{"DTran1"}, Label11{"Label11"};
    form::CheckBox DCheck1{"DCheck1"}, DCheck2{"DCheck2"};
    form::Button DLinkColor{"DLinkColor"};
    form::Label Sample31{"Sample31"};
    form::ComboBox Combo31{"Combo31"}, Combo32{"Combo32"};
    form::Image Image1{"Image1"}, Image2{"Image2"};
    // Step 4.
    form::Label BodyTitle{"BodyTitle"};
    form::TextBox CText1{"CText1"}, CText2{"CText2"}, CText3{"CText3"}, CText4{"CText4"}, CText5{"CText5"};
    form::Button Command41{"Command41"}, Command42{"Command42"}, Command43{"Command43"}, Command44{"Command44"},
        Command45{"Command45"};
    form::Frame SampleFrame{"SampleFrame"};
    form::Label SampleFont1{"SampleFont1"}, SampleFont2{"SampleFont2"};
    form::Label Label12{"Label12"};
    form::TextBox BackgroundTitle{"BackgroundTitle"};
    form::Button Command46{"Command46"};
    form::Label txtCGSize{"txtCGSize"};
    form::CheckBox FIXEDCheck{"FIXEDCheck"};
    form::Image Image4{"Image4"};
    // Step 5.
    form::Label PageSTitle{"PageSTitle"}, TMTitle{"TMTitle"}, Pix51{"Pix51"}, mm51{"mm51"}, cm51{"cm51"};
    form::TextBox txtTOPM{"txtTOPM"}, txtLEFTM{"txtLEFTM"};
    form::Label LMTitle{"LMTitle"}, Pix52{"Pix52"}, mm52{"mm52"}, cm52{"cm52"};
    form::Label Label13{"Label13"}, Label14{"Label14"};
    form::ComboBox BaseFontSize{"BaseFontSize"};
    form::Image Image3{"Image3"};
    form::CheckBox Check51{"Check51"};
    // Step 6.
    form::Label Label15{"Label15"}, Label16{"Label16"};
    form::OptionButton BR61{"BR61"}, PRE61{"PRE61"}, P61{"P61"};
    form::CheckBox URL61{"URL61"}, Mail61{"Mail61"};
    // Step 7.
    form::CheckBox Option71{"Option71"};
    form::CheckBox Option72{"Option72"};
    // Step 8.
    form::CheckBox Comment81{"Comment81"};
    form::TextBox txtComment{"txtComment"};
    // Step 9.
    form::Label Label91{"Label91"};
    form::TextBox txtHozon{"txtHozon"};
    form::Button HozonDialog{"HozonDialog"};
    // Step 10.
    form::Label Label17{"Label17"}, txtSize{"txtSize"}, htmSize{"htmSize"};
    form::Button SeteiMynu{"SeteiMynu"}, EditBottan{"EditBottan"}, BrowseButton{"BrowseButton"},
        StartFrame{"StartFrame"};
    // Menus.
    form::MenuItem mnufile{"mnufile"}, mnufileopen{"mnufileopen"}, mnufilehai1{"mnufilehai1"}, mnufilepro{"mnufilepro"},
        mnufilehai2{"mnufilehai2"}, mnufileend{"mnufileend"};
    form::MenuItem mnuoption{"mnuoption"}, mnuoptioncharcter{"mnuoptioncharcter"}, mnuoptionhozon{"mnuoptionhozon"},
        mnuoptionhozonAuto{"mnuoptionhozonAuto"}, mnuoptionhozonMnyu{"mnuoptionhozonMnyu"},
        mnuoptionhai1{"mnuoptionhai1"}, mnuoptioninternetoption{"mnuoptioninternetoption"};
    form::MenuItem mnuhelp{"mnuhelp"}, mnuhelphelp{"mnuhelphelp"}, mnuhelpreadme{"mnuhelpreadme"},
        mnuhelphai1{"mnuhelphai1"}, mnuhelpver{"mnuhelpver"};

    // --- handlers ---
    // Start-up (form1_startup.cpp).
    void Form_Load();
    // Steps and navigation (form1_steps.cpp).
    void SubFoword_Click();
    void SubBack_Click();
    void SubChan_Click();
    void StartFrame_Click();
    // File choices (form1_files.cpp).
    void Command11_Click();
    void mnufileopen_Click() { Command11_Click(); }
    void txtHTML_Change();
    void txtHTML_KeyPress(int keyAscii);
    void Command1_Click();
    void HozonDialog_Click();
    void Comment81_Click();
    void EditBottan_Click();
    void BrowseButton_Click();
    // Colour inputs (form1_colours.cpp).
    void CText1_Change();
    void CText2_Change();
    void CText3_Change();
    void CText4_Change();
    void CText5_Change();
    void Command41_Click();
    void Command42_Click();
    void Command43_Click();
    void Command44_Click();
    void Command45_Click();
    void DLinkColor_Click();
    void DCheck1_Click();
    void DCheck2_Click();
    void Sample31_MouseMove();
    void Frame3_MouseMove();
    void SampleFont2_Click();
    void Frame4_MouseMove();
    void SampleFrame_MouseMove();
    // Style and background inputs (form1_style.cpp).
    void txtTOPM_Change();
    void txtLEFTM_Change();
    void Command46_Click();
    // Save policy and closing (form1_save.cpp).
    void mnuoptionhozonAuto_Click();
    void mnuoptionhozonMnyu_Click();
    void SeteiMynu_Click();
    // True when the window may close; asks the user first.
    bool Form_QueryUnload();
    // The File menu's exit: asks the window system to close the window, which
    // then asks Form_QueryUnload() as for every other way of closing.
    void mnufileend_Click() {
        if (onRequestClose) onRequestClose();
    }
    // Writes every answer key; one warning when the file cannot be written.
    void SaveAllSettings();
    // One saved answer: where it stands in the settings file, how it is written,
    // where a save takes its value from (a field of the record as it was when its
    // step was last left, or a control as it stands now) and what the start-up
    // fills from the text read back.
    struct AnswerEntry {
        TextView section;
        TextView key;
        settings::AnswerKind kind;
        Text (*save)(const Form1&);
        void (*load)(Form1&, TextView stored);
    };
    // Every saved answer, in the order a save writes them and the start-up reads
    // them: the one list that both walk.
    static std::span<const AnswerEntry> answerTable();
    // The answer keys with the values a save would write now, in table order.
    struct Answer {
        TextView key;
        Text value;
    };
    std::vector<Answer> answers() const;
    // Menu commands (form1_menu.cpp).
    void mnufilepro_Click();
    void mnuhelpreadme_Click();
    void mnuoptioncharcter_Click();
    void mnuhelpver_Click();
    void mnuoptioninternetoption_Click();

    // The client area the controls' places fill, in twips.
    static constexpr double kClientWidth = 8415;
    static constexpr double kClientHeight = 7485;

    static constexpr std::int32_t kCurrentStepColour = 65280;  // green
    static constexpr std::int32_t kOtherStepColour = 8421504;  // grey
    static constexpr std::int32_t kSample31Colour = 16744576;

private:
    struct ColourGroup;

    // Construction (form1.cpp, form1_layout.cpp, form1_places.cpp).
    void setUpControls();
    void setUpMenus();
    void registerControls();
    void wireHandlers();

    // Steps.
    form::Frame& frameOf(int step);
    form::Label& labelOf(int step);
    void enterStep(int from, int to);
    void showFrame(form::Frame& frame);
    void backToFirstStepButtons();
    void copyAnswersOfStep(int step);
    void finishConversion();
    platform::Result<std::optional<engine::ConversionReport>> convert();

    // File choices.
    bool takeSource(const Text& path);
    void noSourceChosen();
    bool takeTypedSource();
    bool takeTypedDestination();
    Text sourceInitDir();
    Text fullTypedPath(const Text& typed, const form::CommonDialog& asShown);

    // Start-up.
    void attachIconMenus();
    void loadCharacter();
    void applySaveMode();
    void showFirstStep();
    void fillLists();
    void applySavedAnswers();

    // Colours.
    ColourGroup group(int index);
    // At start-up: a group's stored preview colour on its button (and on the
    // sample that shows it then), then its stored code into its box.
    void showStoredColour(int index, TextView preview);
    void codeBoxChanged(int index);
    void colourButtonClicked(int index);

    // Settings file.
    Text readSetting(TextView section, TextView key) const;
    platform::Result<> writeSetting(TextView section, TextView key, TextView value);
    void warnSettingsNotSaved(const platform::FileError& error);

    form::Services& services_;
    settings::SettingsFile& ini_;
    Form1Options options_;
    form::ControlTable controls_;
};

}  // namespace pelin::wizard
