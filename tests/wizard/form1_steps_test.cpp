// The step machine: a whole run, Back, Cancel, Top, the destination check, the
// answers copied as steps are left, and a conversion that fails.
#include <stdexcept>

#include "wizard/step_texts.h"
#include "wizard/wizard_fixture.h"

namespace pelin::testing {
namespace {

constexpr std::int32_t kGreen = 65280, kGrey = 8421504;

class StepsTest : public WizardTest {
protected:
    wizard::Form1& loadExample(const Keys& keys, const char* source) {
        writeIni(keys);
        return load(writeFile("src.txt", source));
    }
    void expectOnly(int step) {
        for (int s = 1; s <= 10; ++s) {
            const std::string n = std::to_string(s);
            EXPECT_EQ(form->controls().find<form::Frame>("Frame" + n)->visible, s == step) << "Frame" << n;
            EXPECT_EQ(form->controls().find<form::Label>("Label" + n)->foreColor, s == step ? kGreen : kGrey)
                << "Label" << n;
        }
        EXPECT_EQ(form->CurrentStep, step);
    }
    void expectButtons(bool back, bool cancel, bool next) {
        EXPECT_EQ(form->SubBack.enabled, back);
        EXPECT_EQ(form->SubChan.enabled, cancel);
        EXPECT_EQ(form->SubFoword.enabled, next);
    }
};

TEST_F(StepsTest, WholeRunWritesTheFirstExamplePageByteForByte) {
    auto& f = loadExample(firstExampleKeys(), kFirstExampleSource);
    expectOnly(1);
    expectButtons(false, false, true);

    f.SubFoword.click();
    expectOnly(2);
    expectButtons(true, true, true);
    EXPECT_FALSE(f.mnufileopen.enabled);
    for (int step = 3; step <= 9; ++step) {
        f.SubFoword.click();
        expectOnly(step);
        EXPECT_EQ(f.txtHelp.text, wizard::helpText(step));
    }
    EXPECT_EQ(f.txtHelp.text, u"HTML変換したファイルの保存先を指定してください。\r\n");

    dialogs.chooseFile(dir / "page.htm");
    f.HozonDialog.click();
    f.SubFoword.click();

    expectOnly(10);
    expectButtons(false, false, false);
    EXPECT_EQ(f.txtHelp.text, u"お疲れさまです。\r\n指定のファイルに変換が終了しました。");
    EXPECT_EQ(readBytes(dir / "page.htm"), cp932(kFirstExamplePage));
    EXPECT_EQ(f.txtSize.caption, u"変換前:0.021KB");
    EXPECT_TRUE(f.htmSize.caption.starts_with(u"変換後:"));
    EXPECT_TRUE(f.EditBottan.enabled);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StepsTest, SecondExampleWithEveryOptionalBlock) {
    loadExample(secondExampleKeys(), kSecondExampleSource);
    convertTo(dir / "page.htm");
    ASSERT_EQ(form->CurrentStep, 10);
    EXPECT_EQ(readBytes(dir / "page.htm"), secondExamplePageBytes());
}

// The two link boxes of step 6 come back from the settings file and reach the
// page; a file without their keys leaves them unticked.
TEST_F(StepsTest, SavedLinkBoxesMakeTheBodysAddressesLinks) {
    writeIni({{"BRS", "True"}, {"URL61S", "1"}, {"Mail61S", "1"}});
    auto& f = load(writeFile("src.txt", "見て http://example.jp/a. と a@example.jp\r\n"));
    EXPECT_EQ(f.URL61.value, 1);
    EXPECT_EQ(f.Mail61.value, 1);
    convertTo(dir / "page.htm");
    ASSERT_EQ(f.CurrentStep, 10);
    EXPECT_NE(readBytes(dir / "page.htm")
                  .find(cp932("見て <A HREF=\"http://example.jp/a\">http://example.jp/a</A>. と "
                              "<A HREF=\"mailto:a@example.jp\">a@example.jp</A><BR>\r\n")),
              std::string::npos);

    writeIni({{"BRS", "True"}});
    auto& unticked = load(writeFile("src.txt", "http://example.jp/\r\n"));
    EXPECT_EQ(unticked.URL61.value, 0);
    convertTo(dir / "plain.htm");
    EXPECT_NE(readBytes(dir / "plain.htm").find("\r\nhttp://example.jp/<BR>\r\n"), std::string::npos);
}

TEST_F(StepsTest, NextIsEnabledByAnyChangeOfThePathAndNeverDisabledByIt) {
    auto& f = load();  // the source dialog is cancelled
    expectButtons(false, false, false);
    EXPECT_TRUE(f.mnufileopen.enabled);
    f.txtHTML.setText(u"x");
    EXPECT_TRUE(f.SubFoword.enabled);
    f.txtHTML.setText(u"");
    EXPECT_TRUE(f.SubFoword.enabled);
    // An empty box names no source to check; the conversion asks for one later.
    f.SubFoword.click();
    EXPECT_EQ(f.CurrentStep, 2);
}

TEST_F(StepsTest, BackCopiesNothingAndStepOneRestoresItsButtons) {
    auto& f = loadExample(secondExampleKeys(), kSecondExampleSource);
    nextTo(5);
    EXPECT_EQ(f.settings.Bodyground, u"bg.gif");
    f.BackgroundTitle.setText(u"other.gif");
    f.SubBack.click();
    expectOnly(4);
    EXPECT_EQ(f.txtHelp.text, wizard::helpText(4));
    EXPECT_EQ(f.settings.Bodyground, u"bg.gif");
    f.SubFoword.click();  // leaving step 4 again takes the box as it is now
    EXPECT_EQ(f.settings.Bodyground, u"other.gif");

    for (int step = 5; step > 1; --step) f.SubBack.click();
    expectOnly(1);
    expectButtons(false, false, true);
    EXPECT_TRUE(f.mnufileopen.enabled);
    EXPECT_EQ(f.txtHelp.text, wizard::kReturnHelpText);
}

TEST_F(StepsTest, CancelAskedAndOnlyYesReturnsToStepOne) {
    auto& f = loadExample(firstExampleKeys(), kFirstExampleSource);
    nextTo(6);
    const Text help = f.txtHelp.text;
    messages.answers = {form::kAnswerNo};
    f.SubChan.click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt, u"変換作業を中止しますか？");
    EXPECT_EQ(messages.shown[0].flags, 36);
    EXPECT_EQ(messages.shown[0].title, u"中止");
    expectOnly(6);
    EXPECT_EQ(f.txtHelp.text, help);

    messages.answers = {form::kAnswerYes};
    f.SubChan.click();
    expectOnly(1);
    expectButtons(false, false, true);
    EXPECT_TRUE(f.mnufileopen.enabled);
    EXPECT_EQ(f.txtHelp.text, wizard::kReturnHelpText);
    EXPECT_EQ(f.settings.WebTitle, u"サンプル");  // answers stay
}

TEST_F(StepsTest, TopAllowsASecondConversionWithTheSameAnswers) {
    auto& f = loadExample(secondExampleKeys(), kSecondExampleSource);
    convertTo(dir / "page.htm");
    ASSERT_EQ(f.CurrentStep, 10);
    f.StartFrame.click();
    expectOnly(1);
    expectButtons(false, false, true);
    EXPECT_TRUE(f.mnufileopen.enabled);
    EXPECT_EQ(f.txtHelp.text, wizard::kReturnHelpText);

    std::filesystem::remove(dir / "page.htm");
    f.txtTOPM.setText(u"");  // an empty margin keeps the value of the first run
    nextTo(9);
    EXPECT_EQ(f.txtHozon.text, text::fromPath(dir / "page.htm"));
    f.SubFoword.click();
    EXPECT_EQ(f.CurrentStep, 10);
    EXPECT_EQ(f.settings.TOPMpix, 10);
    EXPECT_EQ(readBytes(dir / "page.htm"), secondExamplePageBytes());
}

TEST_F(StepsTest, StepNineWithoutDestinationWarnsEveryTime) {
    auto& f = loadExample(firstExampleKeys(), kFirstExampleSource);
    nextTo(9);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        f.SubFoword.click();
        expectOnly(9);
        expectButtons(true, true, true);
        ASSERT_EQ(messages.shown.size(), static_cast<std::size_t>(attempt));
        EXPECT_EQ(messages.shown.back().prompt, u"ファイルの保存先を決めてから[次へ]を押してください");
        EXPECT_EQ(messages.shown.back().flags, 48);
        EXPECT_EQ(messages.shown.back().title, u"ぺりん");
    }
}

TEST_F(StepsTest, MarginsAreCopiedOnlyWhenTheyAreSixteenBitNumbers) {
    auto& f = load();
    f.txtHTML.setText(text::fromPath(writeFile("typed.txt", "x")));
    struct Case {
        const char16_t* text;
        std::int16_t expected;
    };
    // Each pass starts from the value the previous one left.
    const Case cases[] = {{u"1", 1},      {u"12", 12}, {u"-5", -5}, {u"", -5},           {u"abc", -5},
                          {u"40000", -5}, {u"2.5", 2}, {u"3.5", 4}, {u"-32768", -32768}, {u"32768", -32768}};
    for (const Case& c : cases) {
        f.txtTOPM.setText(c.text);
        f.txtLEFTM.setText(c.text);
        nextTo(5);
        f.SubFoword.click();
        EXPECT_EQ(f.settings.TOPMpix, c.expected) << text::toUtf8(c.text);
        EXPECT_EQ(f.settings.LEFTMpix, c.expected) << text::toUtf8(c.text);
        messages.answers = {form::kAnswerYes};
        f.SubChan.click();
    }
}

TEST_F(StepsTest, AnswersOfEachStepAreTakenWhenItIsLeft) {
    auto& f = load();
    f.txtHTML.setText(text::fromPath(writeFile("typed.txt", "x")));
    f.txtTitle.setText(u"題");
    f.Check1.setValue(1);
    f.Combo31.setListIndex(-1);
    f.Combo32.setListIndex(21);
    f.BaseFontSize.typeText(u"9");
    f.Check51.setValue(1);
    f.P61.setValue(true);
    f.Comment81.setValue(1);
    f.txtComment.setText(u"一行目\r\n二行目");
    nextTo(9);
    EXPECT_EQ(f.settings.WebTitle, u"題");
    EXPECT_EQ(f.settings.NoRobot, 1);
    EXPECT_EQ(f.settings.OpenPageEf, 0);
    EXPECT_EQ(f.settings.ClosePageEf, 22);
    EXPECT_EQ(f.settings.BASEFont, 0);  // typed text selects no size
    EXPECT_EQ(f.settings.BQuote, 1);
    EXPECT_EQ(f.settings.BR, u"False");
    EXPECT_EQ(f.PreFlag, u"False");
    EXPECT_EQ(f.settings.P, u"True");
    EXPECT_FALSE(f.BR61.value);
    EXPECT_EQ(f.settings.Comment, u"一行目\r\n二行目");

    // Unchecking the afterword keeps the comment copied before.
    f.SubBack.click();
    f.Comment81.setValue(0);
    f.txtComment.setText(u"別");
    f.SubFoword.click();
    EXPECT_EQ(f.settings.Comment, u"一行目\r\n二行目");
}

TEST_F(StepsTest, FailedConversionWarnsStaysOnStepNineAndSavesNothing) {
    writeIni({{"Setei", "Auto"}});
    auto& f = load(writeFile("src.txt", "text"));
    const std::string iniBefore = readBytes(iniPath());
    convertTo(dir / "missing-folder" / "page.htm");
    expectOnly(9);
    expectButtons(true, true, true);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].flags, 48);
    EXPECT_EQ(messages.shown[0].title, u"ぺりん");
    // The file and the reason in the program's words, each on a line of its own.
    EXPECT_EQ(messages.shown[0].prompt, u"HTMLファイルに変換できませんでした。\r\n" +
                                            text::fromPath(dir / "missing-folder" / "page.htm") +
                                            u"\r\nファイルまたはフォルダーが見つかりません");
    ASSERT_TRUE(f.lastConversionError);
    EXPECT_EQ(readBytes(iniPath()), iniBefore);
    EXPECT_TRUE(f.txtSize.caption.empty());

    // A source that has gone away is reported the same way.
    std::filesystem::remove(dir / "src.txt");
    dialogs.chooseFile(dir / "page.htm");
    f.HozonDialog.click();
    f.SubFoword.click();
    expectOnly(9);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(messages.shown[1].prompt.find(text::fromPath(dir / "src.txt")), Text::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "page.htm"));
}

TEST_F(StepsTest, AnythingARunThrowsIsAFailedConversionReported) {
    auto& f = load(writeFile("src.txt", "text"));
    f.conversionRunner = [](engine::ConversionSettings&) -> platform::Result<std::optional<engine::ConversionReport>> {
        throw std::runtime_error("thread could not be started");
    };
    convertTo(dir / "page.htm");
    expectOnly(9);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].prompt,
              u"HTMLファイルに変換できませんでした。\r\n" + text::fromPath(dir / "src.txt") +
                  u"\r\n変換中に思いがけないエラーが起きました (thread could not be started)");
    EXPECT_FALSE(std::filesystem::exists(dir / "page.htm"));
}

TEST_F(StepsTest, StoppedConversionStaysOnStepNineWithTheOldPage) {
    writeIni({{"Setei", "Auto"}});
    auto& f = load(writeFile("src.txt", "text"));
    const std::string iniBefore = readBytes(iniPath());
    writeFile("page.htm", "old page");
    f.conversionProgress = [](std::uint64_t, std::uint64_t) { return false; };
    convertTo(dir / "page.htm");
    expectOnly(9);
    expectButtons(true, true, true);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(f.lastConversionError);
    EXPECT_TRUE(f.txtSize.caption.empty());
    EXPECT_EQ(readBytes(dir / "page.htm"), "old page");
    EXPECT_EQ(readBytes(iniPath()), iniBefore);
}

}  // namespace
}  // namespace pelin::testing
