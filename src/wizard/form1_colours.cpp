// The colour inputs: five colour groups on the BODY step, the hover colour and
// the two switches of the DHTML step, the hover previews, and loading the
// colours at start-up.
#include "text/numbers.h"
#include "wizard/cdec.h"
#include "wizard/form1.h"
#include "wizard/values.h"

namespace pelin::wizard {

using cdec::CodeToColourNumber;
using cdec::ColourNumberToCode;

// The controls and values of one colour group: FONT, LINK, ALINK, VLINK, BGCOLOR.
struct Form1::ColourGroup {
    form::TextBox& box;
    form::Button& button;
    std::int32_t* sample;        // the colour the group's sample shows; null: no sample
    Text& code;                  // the field of the settings record
    Text& preview;               // the preview value
    std::int32_t* storedSample;  // the sample the start-up shows the stored preview on
    // What the sample shows while no colour is given: what a browser shows then,
    // as the page leaves the colour out.
    std::int32_t unsetSample;
};

namespace {

constexpr std::int32_t kBrowserText = 0x000000;        // black
constexpr std::int32_t kBrowserLink = 0xEE0000;        // #0000EE, blue
constexpr std::int32_t kBrowserBackground = 0xFFFFFF;  // white

}  // namespace

Form1::ColourGroup Form1::group(int index) {
    engine::ConversionSettings& s = settings;
    switch (index) {
    // The link sample shows the LINK colour as it is typed, but the stored ALINK
    // colour at start-up.
    case 0:
        return {CText1, Command41, &SampleFont1.foreColor, s.Bodyfont, Font10, &SampleFont1.foreColor, kBrowserText};
    case 1: return {CText2, Command42, &SampleFont2.foreColor, s.Bodylink, Link10, nullptr, kBrowserLink};
    case 2: return {CText3, Command43, nullptr, s.Bodyalink, Alink, &SampleFont2.foreColor, 0};
    case 3: return {CText4, Command44, nullptr, s.Bodyvlink, Vlink, nullptr, 0};
    default:
        return {CText5,
                Command45,
                &SampleFrame.backColor,
                s.BgColor,
                BgColor10,
                &SampleFrame.backColor,
                kBrowserBackground};
    }
}

void Form1::codeBoxChanged(int index) {
    ColourGroup g = group(index);
    if (std::optional<std::int32_t> colour = CodeToColourNumber(g.box.text)) {
        g.button.backColor = *colour;
        if (g.sample) *g.sample = *colour;
        g.preview = text::formatInteger(*colour);
    }
    // The code is kept exactly as typed, readable or not: the page gets what the user wrote.
    g.code = g.box.text;
    if (g.sample && g.code.empty()) *g.sample = g.unsetSample;
}

void Form1::colourButtonClicked(int index) {
    CommonDialog1.Flags = form::kCdlColorFullOpen;
    if (!CommonDialog1.ShowColor()) return;
    const std::int32_t colour = CommonDialog1.Color;
    ColourGroup g = group(index);
    g.button.backColor = colour;
    if (g.sample) *g.sample = colour;
    g.preview = text::formatInteger(colour);
    g.box.enabled = false;
    g.code = ColourNumberToCode(colour);
    g.box.setText(g.code);
    g.box.enabled = true;
}

void Form1::CText1_Change() { codeBoxChanged(0); }
void Form1::CText2_Change() { codeBoxChanged(1); }
void Form1::CText3_Change() { codeBoxChanged(2); }
void Form1::CText4_Change() { codeBoxChanged(3); }
void Form1::CText5_Change() { codeBoxChanged(4); }
void Form1::Command41_Click() { colourButtonClicked(0); }
void Form1::Command42_Click() { colourButtonClicked(1); }
void Form1::Command43_Click() { colourButtonClicked(2); }
void Form1::Command44_Click() { colourButtonClicked(3); }
void Form1::Command45_Click() { colourButtonClicked(4); }

void Form1::DLinkColor_Click() {
    CommonDialog1.Flags = form::kCdlColorFullOpen;
    if (!CommonDialog1.ShowColor()) return;
    DLColor2 = text::formatInteger(CommonDialog1.Color);
    settings.DLColor = ColourNumberToCode(CommonDialog1.Color);
}

void Form1::DCheck1_Click() {
    const bool on = DCheck1.value == 1;
    Sample31.enabled = on;
    DLinkColor.enabled = on;
}

void Form1::DCheck2_Click() {
    const bool on = DCheck2.value == 1;
    Combo31.enabled = on;
    Combo32.enabled = on;
}

void Form1::Sample31_MouseMove() {
    if (!Sample31.enabled) return;
    if (std::optional<std::int32_t> colour = int32Number(DLColor2)) Sample31.foreColor = *colour;
}

void Form1::Frame3_MouseMove() { Sample31.foreColor = kSample31Colour; }

void Form1::SampleFont2_Click() {
    if (std::optional<std::int32_t> colour = int32Number(Alink)) SampleFont2.foreColor = *colour;
    LinkSampleClicked = 1;
}

void Form1::Frame4_MouseMove() {
    const std::optional<std::int32_t> active = int32Number(Alink);
    const std::optional<std::int32_t> visited = int32Number(Vlink);
    if (active && visited && SampleFont2.foreColor == *active) SampleFont2.foreColor = *visited;
}

void Form1::SampleFrame_MouseMove() {
    if (LinkSampleClicked != 1) return;
    if (std::optional<std::int32_t> colour = int32Number(Vlink)) SampleFont2.foreColor = *colour;
}

void Form1::showStoredColour(int index, TextView preview) {
    ColourGroup g = group(index);
    if (std::optional<std::int32_t> colour = int32Number(preview)) {
        g.button.backColor = *colour;
        if (g.storedSample) *g.storedSample = *colour;
    }
    g.box.setText(g.code);
    if (g.sample && g.code.empty()) *g.sample = g.unsetSample;
}

}  // namespace pelin::wizard
