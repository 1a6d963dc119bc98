// Where every control of the main window sits, in twips within its container,
// and the order the Tab key walks them in: the one source of the window's
// geometry for a window system that places controls itself.
//
// The window, at 96 dots per inch: the mascot at the top left with the step
// list under it; the step frames, all in one rectangle, at the right with the
// help box under them and the navigation buttons at the bottom right.
#include <type_traits>

#include "wizard/form1.h"

namespace pelin::wizard {
namespace {

using form::Place;

// Heights of one line of each kind of control, and the frames' inner margin.
constexpr double kLine = 255;    // a label, a check box, an option button
constexpr double kBox = 345;     // a one-line text box, a closed drop-down list
constexpr double kButton = 375;  // a push button
constexpr double kMargin = 180;
constexpr double kFrameWidth = 6150;
constexpr double kInner = kFrameWidth - 2 * kMargin;  // a full-width line
constexpr double kButtonWidth = 1200;
constexpr double kHint = 240;  // the small hint pictures, square

constexpr Place kStepFrame{2115, 120, kFrameWidth, 5340};

// A line of the full inner width at `top`.
constexpr Place line(double top) { return {kMargin, top, kInner, kLine}; }
// A text box with its 選択... button at the right, at `top`.
constexpr Place boxBeforeButton(double top) { return {kMargin, top, 4500, kBox}; }
constexpr Place buttonAfterBox(double top) { return {4770, top - 15, kButtonWidth, kButton}; }

// Enters controls one after another; those that take the focus get the next
// place in the tab order.
class Placer {
public:
    explicit Placer(form::ControlTable& table) : table_(table) {}
    template <typename T>
    void operator()(T& control, form::Control* container, Place place) {
        constexpr bool focusable = std::is_base_of_v<form::Button, T> || std::is_base_of_v<form::TextBox, T> ||
                                   std::is_base_of_v<form::CheckBox, T> || std::is_base_of_v<form::OptionButton, T> ||
                                   std::is_base_of_v<form::ComboBox, T> || std::is_base_of_v<form::ListBox, T>;
        table_.add(control, container, place, focusable ? next_++ : -1);
    }

private:
    form::ControlTable& table_;
    int next_ = 0;
};

}  // namespace

void Form1::registerControls() {
    Placer at(controls_);

    // The step list, under the mascot: the steps 240 twips apart.
    at(Mainmenu, nullptr, {120, 3195, 1845, 3705});
    at(MainmenuTitle, &Mainmenu, {180, 180, 1485, kLine});
    for (int step = 1; step <= 10; ++step) at(labelOf(step), &Mainmenu, {330, 480 + 240.0 * (step - 1), 1215, kLine});

    at(Frame1, nullptr, kStepFrame);
    at(HTMLFileTitle, &Frame1, line(225));
    at(txtHTML, &Frame1, boxBeforeButton(570));
    at(Command11, &Frame1, buttonAfterBox(570));
    at(txtHTMLSize, &Frame1, line(1035));
    at(Label18, &Frame1, {kMargin, 1545, 1740, kLine});
    at(LangCombo, &Frame1, {1920, 1500, 2775, kBox});
    at(Label19, &Frame1, {kMargin, 2010, 1740, kLine});
    at(CharsetCombo, &Frame1, {1920, 1965, 2775, kBox});
    at(Label20, &Frame1, {kMargin, 2475, 1740, kLine});
    at(txt_CSS, &Frame1, {1920, 2430, 2775, kBox});
    at(Command1, &Frame1, buttonAfterBox(2430));

    at(Frame2, nullptr, kStepFrame);
    at(HTMLTitle, &Frame2, line(225));
    at(txtTitle, &Frame2, {kMargin, 570, kInner, kBox});
    at(HTMLKeyword, &Frame2, line(1020));
    at(txtKeyword1, &Frame2, {kMargin, 1365, kInner, kBox});
    at(HTMLMidashi, &Frame2, line(1815));
    at(txtMidashi, &Frame2, {kMargin, 2160, kInner, kBox});
    at(Check1, &Frame2, line(2640));

    // The switches come first on their lines, their headings after them.
    at(Frame3, nullptr, kStepFrame);
    at(DLinkColorTitle, &Frame3, {480, 240, 2160, kLine});
    at(DCheck1, &Frame3, {kMargin, 240, 240, kLine});
    at(DLinkColor, &Frame3, {540, 570, kButtonWidth, kButton});
    at(Sample31, &Frame3, {1980, 630, 1260, kLine});
    at(Image1, &Frame3, {2730, 240, kHint, kHint});
    at(DTranTitle, &Frame3, {480, 1200, 1620, kLine});
    at(DCheck2, &Frame3, {kMargin, 1200, 240, kLine});
    at(DTran1, &Frame3, {540, 1575, 2385, kLine});
    at(Combo31, &Frame3, {3000, 1530, 2505, kBox});
    at(Label11, &Frame3, {540, 2040, 2385, kLine});
    at(Combo32, &Frame3, {3000, 1995, 2505, kBox});
    at(Image2, &Frame3, {2190, 1200, kHint, kHint});

    // The colour buttons with their code boxes, two to a row; the sample beside
    // the last one.
    at(Frame4, nullptr, kStepFrame);
    at(BodyTitle, &Frame4, line(225));
    form::TextBox* boxes[] = {&CText1, &CText2, &CText3, &CText4, &CText5};
    form::Button* buttons[] = {&Command41, &Command42, &Command43, &Command44, &Command45};
    const double rows[] = {570, 1035, 1770};
    for (int i = 0; i < 5; ++i) {
        const double left = i % 2 == 0 ? kMargin : 2685;
        const double top = rows[i / 2];
        at(*buttons[i], &Frame4, {left, top, kButtonWidth, kButton});
        at(*boxes[i], &Frame4, {left + 1290, top + 15, 1125, kBox});
    }
    at(SampleFrame, &Frame4, {2685, 1500, 2415, 930});
    at(SampleFont1, &SampleFrame, {150, 150, 2115, kLine});
    at(SampleFont2, &SampleFrame, {150, 510, 2115, kLine});
    at(Label12, &Frame4, line(2565));
    at(BackgroundTitle, &Frame4, boxBeforeButton(2910));
    at(Command46, &Frame4, buttonAfterBox(2910));
    at(txtCGSize, &Frame4, line(3375));
    at(FIXEDCheck, &Frame4, {kMargin, 3720, 3735, kLine});
    at(Image4, &Frame4, {4005, 3720, kHint, kHint});

    // The margins: heading, box, unit, the value in centimetres and its unit.
    at(Frame5, nullptr, kStepFrame);
    at(PageSTitle, &Frame5, line(225));
    at(TMTitle, &Frame5, {kMargin, 615, 1950, kLine});
    at(txtTOPM, &Frame5, {2175, 570, 705, kBox});
    at(Pix51, &Frame5, {2955, 615, 720, kLine});
    at(mm51, &Frame5, {3750, 615, 555, kLine});
    at(cm51, &Frame5, {4380, 615, 270, kLine});
    at(LMTitle, &Frame5, {kMargin, 1065, 1950, kLine});
    at(txtLEFTM, &Frame5, {2175, 1020, 705, kBox});
    at(Pix52, &Frame5, {2955, 1065, 720, kLine});
    at(mm52, &Frame5, {3750, 1065, 555, kLine});
    at(cm52, &Frame5, {4380, 1065, 270, kLine});
    at(Label13, &Frame5, {kMargin, 1560, 2640, kLine});
    at(BaseFontSize, &Frame5, {kMargin, 1905, 1395, kBox});
    at(Image3, &Frame5, {2910, 1560, kHint, kHint});
    at(Label14, &Frame5, {480, 2475, 3105, kLine});
    at(Check51, &Frame5, {kMargin, 2475, 240, kLine});

    at(Frame6, nullptr, kStepFrame);
    at(Label15, &Frame6, line(225));
    at(BR61, &Frame6, {420, 570, 3600, kLine});
    at(PRE61, &Frame6, {420, 1005, 3600, kLine});
    at(P61, &Frame6, {420, 1440, 3600, kLine});
    at(Label16, &Frame6, line(1965));
    at(URL61, &Frame6, {420, 2310, 4500, kLine});
    at(Mail61, &Frame6, {420, 2745, 4500, kLine});

    at(Frame7, nullptr, kStepFrame);
    at(Option71, &Frame7, line(225));
    at(Option72, &Frame7, line(660));

    at(Frame8, nullptr, kStepFrame);
    at(Comment81, &Frame8, line(225));
    at(txtComment, &Frame8, {kMargin, 660, kInner, 4500});

    at(Frame9, nullptr, kStepFrame);
    at(Label91, &Frame9, line(225));
    at(txtHozon, &Frame9, boxBeforeButton(570));
    at(HozonDialog, &Frame9, buttonAfterBox(570));

    // The result, with its buttons along the bottom of the frame.
    at(Frame10, nullptr, kStepFrame);
    at(Label17, &Frame10, line(225));
    at(txtSize, &Frame10, line(630));
    at(htmSize, &Frame10, line(975));
    at(SeteiMynu, &Frame10, {kMargin, 4770, kButtonWidth, kButton});
    at(EditBottan, &Frame10, {1470, 4770, kButtonWidth, kButton});
    at(BrowseButton, &Frame10, {2760, 4770, 1605, kButton});
    at(StartFrame, &Frame10, {4455, 4770, kButtonWidth, kButton});

    // The help box only shows: it takes no place in the tab order.
    controls_.add(txtHelp, nullptr, {2115, 5550, kFrameWidth, 1350});
    at(Submenu, nullptr, {4530, 6990, 3735, kButton});
    at(SubBack, &Submenu, {0, 0, 1095, kButton});
    at(SubChan, &Submenu, {1320, 0, 1095, kButton});
    at(SubFoword, &Submenu, {2640, 0, 1095, kButton});

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

}  // namespace pelin::wizard
