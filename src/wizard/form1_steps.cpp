// The ten steps: Next, Back, Cancel and Top, the help texts, and the answers
// copied into the settings record as each step is left.
#include <exception>
#include <new>
#include <string>

#include "form/messages.h"
#include "text/text.h"
#include "text/textfile.h"
#include "wizard/form1.h"
#include "wizard/step_texts.h"
#include "wizard/values.h"

namespace pelin::wizard {

// Every step frame stands in the same place of the window (the window system
// lays them over each other); showing one is all it takes.
void Form1::showFrame(form::Frame& frame) { frame.visible = true; }

void Form1::enterStep(int from, int to) {
    frameOf(from).visible = false;
    showFrame(frameOf(to));
    CurrentStep = static_cast<std::int16_t>(to);
    txtHelp.setText(Text(helpText(to)));
    labelOf(from).foreColor = kOtherStepColour;
    labelOf(to).foreColor = kCurrentStepColour;
}

void Form1::backToFirstStepButtons() {
    SubFoword.enabled = true;
    SubBack.enabled = false;
    SubChan.enabled = false;
    mnufileopen.enabled = true;
}

void Form1::SubFoword_Click() {
    const int step = CurrentStep;
    if (step < 1 || step > 8) {
        finishConversion();
        return;
    }
    // The source box may hold a path typed since the last choice.
    if (step == 1 && !takeTypedSource()) return;
    enterStep(step, step + 1);
    copyAnswersOfStep(step);
    if (step == 1) {
        SubFoword.enabled = true;
        SubBack.enabled = true;
        SubChan.enabled = true;
        mnufileopen.enabled = false;
    }
}

void Form1::copyAnswersOfStep(int step) {
    engine::ConversionSettings& s = settings;
    switch (step) {
    case 2:
        s.WebTitle = txtTitle.text;
        s.HTMLKeyword01 = txtKeyword1.text;
        s.WebMidashi = txtMidashi.text;
        s.NoRobot = Check1.value;
        break;
    case 3:
        s.OpenPageEf = static_cast<std::int16_t>(Combo31.listIndex + 1);
        s.ClosePageEf = static_cast<std::int16_t>(Combo32.listIndex + 1);
        break;
    case 4: s.Bodyground = BackgroundTitle.text; break;
    case 5:
        // A margin that is empty, not a number or out of range keeps the value
        // of the previous pass.
        if (std::optional<std::int16_t> top = int16Number(txtTOPM.text)) s.TOPMpix = *top;
        if (std::optional<std::int16_t> left = int16Number(txtLEFTM.text)) s.LEFTMpix = *left;
        s.BASEFont = static_cast<std::int16_t>(BaseFontSize.listIndex + 1);
        s.BQuote = Check51.value;
        break;
    case 6:
        s.BR = truthText(BR61.value);
        PreFlag = truthText(PRE61.value);
        s.P = truthText(P61.value);
        break;
    case 8:
        if (Comment81.value == 1) s.Comment = txtComment.text;
        break;
    default: break;
    }
}

void Form1::finishConversion() {
    if (txtHozon.text.empty()) {
        services_.messageBox.show(u"ファイルの保存先を決めてから[次へ]を押してください", form::kMbWarning,
                                  form::kProgramTitle);
        return;
    }
    if (settings.HTMLCFile.empty()) {
        services_.messageBox.show(
            u"変換するテキストファイルが選択されていません。\r\n"
            u"[ファイル選択]に戻ってファイルを選んでください。",
            form::kMbWarning, form::kProgramTitle);
        return;
    }
    if (!takeTypedDestination()) return;

    // The values the page takes straight from the controls.
    settings.Lang = static_cast<std::int16_t>(LangCombo.listIndex);
    settings.Charset = CharsetCombo.text;
    settings.CSSLink = txt_CSS.text;
    settings.HoverOn = DCheck1.value;
    settings.PageEfOn = DCheck2.value;
    settings.FixedBg = FIXEDCheck.value;
    settings.SpecialFont = Option71.value;
    settings.CommentOn = Comment81.value;
    settings.URLLink = URL61.value;
    settings.MailLink = Mail61.value;
    settings.AngleBrackets = Option72.value;

    BrowseButton.enabled = false;  // until this run has written a page
    platform::Result<std::optional<engine::ConversionReport>> report = convert();
    lastConversionError.reset();
    if (!report) {
        // The page was not written: say so and let the user choose again,
        // rather than show a finished step for a page that does not exist.
        lastConversionError = report.error();
        services_.messageBox.show(form::fileErrorMessage(u"HTMLファイルに変換できませんでした。", report.error()),
                                  form::kMbWarning, form::kProgramTitle);
        return;
    }
    if (!*report) return;  // stopped by the user: nothing was written
    txtSize.caption = (*report)->txtSize;
    htmSize.caption = (*report)->htmSize;
    EditBottan.enabled = (*report)->editEnabled;
    BrowseButton.enabled = true;

    // The check mark is what the user sees of the mode; a first start (no mode
    // stored) or a hand-edited mode shows automatic saving and so saves.
    if (mnuoptionhozonAuto.checked) SaveAllSettings();

    enterStep(9, 10);
    SubFoword.enabled = false;
    SubBack.enabled = false;
    SubChan.enabled = false;
}

// A page too large for the memory is a failed conversion like any other: the
// window and its answers stay.
platform::Result<std::optional<engine::ConversionReport>> Form1::convert() {
    try {
        if (conversionRunner) return conversionRunner(settings);
        return engine::runConversion(settings, conversionProgress);
    } catch (const std::bad_alloc&) {
        Text().swap(settings.HTMLLine);
        return platform::fileError(text::toPath(settings.HTMLCFile), platform::FileErrorKind::OutOfMemory);
    } catch (const std::exception& e) {
        // Whatever else a run throws is a failed conversion too, never the end
        // of the program: the window and its answers stay.
        Text().swap(settings.HTMLLine);
        return platform::FileError{text::toPath(settings.HTMLCFile),
                                   "変換中に思いがけないエラーが起きました (" + std::string(e.what()) + ")",
                                   platform::FileErrorKind::Other};
    }
}

void Form1::SubBack_Click() {
    const int step = CurrentStep;
    if (step == 2) {
        enterStep(2, 1);
        backToFirstStepButtons();
    } else if (step >= 3 && step <= 9) {
        enterStep(step, step - 1);
    }
}

void Form1::StartFrame_Click() {
    enterStep(10, 1);
    backToFirstStepButtons();
}

void Form1::SubChan_Click() {
    if (services_.messageBox.show(u"変換作業を中止しますか？", form::kMbQuestion, u"中止") != form::kAnswerYes) return;
    txtHelp.setText(Text(kReturnHelpText));
    Label1.foreColor = kCurrentStepColour;
    for (int step = 2; step <= 9; ++step) labelOf(step).foreColor = kOtherStepColour;
    showFrame(Frame1);
    for (int step = 2; step <= 9; ++step) frameOf(step).visible = false;
    CurrentStep = 1;
    backToFirstStepButtons();
}

}  // namespace pelin::wizard
