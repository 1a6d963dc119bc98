// Colour, style and background inputs.
#include "wizard/wizard_fixture.h"

namespace pelin::testing {
namespace {

using ColourTest = WizardTest;
using StyleTest = WizardTest;

TEST_F(ColourTest, TypedCodesPreviewWhenReadableAndAreKeptAsTyped) {
    auto& f = load();
    f.CText1.setText(u"FF");  // missing pairs are 0
    EXPECT_EQ(f.Command41.backColor, 255);
    EXPECT_EQ(f.SampleFont1.foreColor, 255);
    EXPECT_EQ(f.Font10, u"255");
    EXPECT_EQ(f.settings.Bodyfont, u"FF");

    f.CText1.setText(u"ff8000");
    EXPECT_EQ(f.Command41.backColor, 255 + 128 * 256);
    EXPECT_EQ(f.settings.Bodyfont, u"ff8000");

    f.CText1.setText(u"#FF000");  // unreadable: previews stay, the field takes the text
    EXPECT_EQ(f.Command41.backColor, 255 + 128 * 256);
    EXPECT_EQ(f.Font10, u"33023");
    EXPECT_EQ(f.settings.Bodyfont, u"#FF000");

    f.CText1.setText(u"");
    EXPECT_EQ(f.Command41.backColor, 0);
    EXPECT_EQ(f.SampleFont1.foreColor, 0);
    EXPECT_TRUE(f.settings.Bodyfont.empty());

    f.CText5.setText(u"0000FF");
    EXPECT_EQ(f.SampleFrame.backColor, 16711680);
    EXPECT_EQ(f.BgColor10, u"16711680");
    f.CText3.setText(u"00FF00");  // ALINK has no sample of its own
    EXPECT_EQ(f.Alink, u"65280");
    EXPECT_EQ(f.settings.Bodyalink, u"00FF00");
}

// The page leaves an unset colour out and the browser uses its own: black text,
// blue links, a white background. The samples show the same, also for a box
// emptied after a colour was typed, and for one saved empty.
TEST_F(ColourTest, UnsetColoursShowAsTheBrowserShowsThem) {
    constexpr std::int32_t black = 0x000000, blue = 0xEE0000, white = 0xFFFFFF;
    auto& f = load();
    EXPECT_EQ(f.SampleFont1.foreColor, black);
    EXPECT_EQ(f.SampleFont2.foreColor, blue);
    EXPECT_EQ(f.SampleFrame.backColor, white);

    f.CText1.setText(u"FFFFFF");
    f.CText5.setText(u"000000");
    EXPECT_EQ(f.SampleFont1.foreColor, white);
    EXPECT_EQ(f.SampleFrame.backColor, black);
    f.CText5.setText(u"");
    EXPECT_EQ(f.SampleFrame.backColor, white);

    writeIni({{"BgColorS", ""}, {"BgColor10S", "0"}, {"BodyfontS", ""}, {"Font10S", "16777215"}});
    auto& stored = load();
    EXPECT_EQ(stored.SampleFrame.backColor, white);
    EXPECT_EQ(stored.SampleFont1.foreColor, black);
}

TEST_F(ColourTest, PickedColourSetsCodePreviewAndBox) {
    auto& f = load();
    dialogs.chooseColour(16711680);
    f.Command45.click();
    EXPECT_EQ(dialogs.calls.back().kind, "color");
    EXPECT_EQ(dialogs.calls.back().flags, 2);
    EXPECT_EQ(f.settings.BgColor, u"0000FF");
    EXPECT_EQ(f.BgColor10, u"16711680");
    EXPECT_EQ(f.SampleFrame.backColor, 16711680);
    EXPECT_EQ(f.Command45.backColor, 16711680);
    EXPECT_EQ(f.CText5.text, u"0000FF");
    EXPECT_TRUE(f.CText5.enabled);

    f.Command42.click();  // cancelled: nothing changes
    EXPECT_TRUE(f.settings.Bodylink.empty());
    EXPECT_EQ(f.Command42.backColor, form::kDefaultColour);
}

TEST_F(ColourTest, HoverColourShowsOnlyWhileTheEffectIsOn) {
    auto& f = load();
    dialogs.chooseColour(0x0080FF);
    f.DLinkColor.enabled = true;
    f.DLinkColor.click();
    EXPECT_EQ(f.DLColor2, u"33023");
    EXPECT_EQ(f.settings.DLColor, u"FF8000");
    EXPECT_EQ(f.Sample31.foreColor, 16744576);

    f.DCheck1.setValue(0);
    f.Sample31.mouseMove();  // disabled: no preview
    f.Sample31_MouseMove();
    EXPECT_EQ(f.Sample31.foreColor, 16744576);
    f.DCheck1.setValue(1);
    EXPECT_TRUE(f.Sample31.enabled && f.DLinkColor.enabled);
    f.Sample31.mouseMove();
    EXPECT_EQ(f.Sample31.foreColor, 33023);
    f.Frame3.mouseMove();
    EXPECT_EQ(f.Sample31.foreColor, 16744576);

    f.DCheck2.setValue(1);
    EXPECT_TRUE(f.Combo31.enabled && f.Combo32.enabled);
    f.DCheck2.setValue(0);
    EXPECT_FALSE(f.Combo31.enabled || f.Combo32.enabled);
}

TEST_F(ColourTest, LinkSampleShowsActiveThenVisitedColour) {
    writeIni({{"BodylinkS", "0000FF"}, {"AlinkS", "255"}, {"VlinkS", "8388736"}});
    auto& f = load();
    EXPECT_EQ(f.SampleFont2.foreColor, 255);  // the ALINK preview, over the LINK colour
    f.SampleFrame.mouseMove();                // not clicked yet
    EXPECT_EQ(f.SampleFont2.foreColor, 255);
    f.Frame4.mouseMove();
    EXPECT_EQ(f.SampleFont2.foreColor, 8388736);
    f.Frame4.mouseMove();
    EXPECT_EQ(f.SampleFont2.foreColor, 8388736);

    f.SampleFont2.click();
    EXPECT_EQ(f.SampleFont2.foreColor, 255);
    EXPECT_EQ(f.LinkSampleClicked, 1);
    f.SampleFont2.foreColor = 0;
    f.SampleFrame.mouseMove();
    EXPECT_EQ(f.SampleFont2.foreColor, 8388736);
}

TEST_F(ColourTest, PreviewValuesThatAreNoNumbersAreSkippedAtStartUp) {
    writeIni({{"Font10S", "red"}, {"BgColor10S", "123"}, {"BodyfontS", ""}});
    auto& f = load();
    EXPECT_EQ(f.Command41.backColor, form::kDefaultColour);
    EXPECT_EQ(f.Command45.backColor, 123);
    // With no colour given the samples show the browser's own (see below).
    EXPECT_EQ(f.SampleFont1.foreColor, 0);
    EXPECT_EQ(f.SampleFrame.backColor, 0xFFFFFF);
    EXPECT_TRUE(f.Font10.empty());  // an empty code box runs no change

    writeIni({{"BodylinkS", "0000FF"}});
    EXPECT_EQ(load().SampleFont2.foreColor, 16711680);  // no ALINK preview: the LINK colour
}

TEST_F(StyleTest, MarginsShowCentimetres) {
    auto& f = load();
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"1", u"0.035"}, {u"12", u"0.42"}, {u"15", u"0.525"}, {u"-5", u"-0.175"},
        {u"100", u"3.5"}, {u"0", u"0"},     {u"", u"0"},       {u"abc", u"0"}};
    for (const auto& [typed, shown] : cases) {
        f.txtLEFTM.setText(typed);
        EXPECT_EQ(f.mm52.caption, shown) << text::toUtf8(typed);
        f.txtTOPM.setText(typed);
        EXPECT_EQ(f.mm51.caption, shown) << text::toUtf8(typed);
    }
}

TEST_F(StyleTest, BackgroundSizeIsRoundedHalvesToEven) {
    auto& f = load(writeFile("src.txt", "12345"));
    const Text sourceSize = f.txtHTMLSize.caption;
    const std::pair<std::size_t, const char16_t*> cases[] = {{1499, u"ファイルサイズ : 1KB"},
                                                             {1500, u"ファイルサイズ : 2KB"},
                                                             {2500, u"ファイルサイズ : 2KB"},
                                                             {0, u"ファイルサイズ : ???? KB"}};
    for (const auto& [size, shown] : cases) {
        const std::filesystem::path image = dir / "img" / "back.gif";
        std::filesystem::create_directories(image.parent_path());
        ASSERT_TRUE(platform::replaceFile(image, std::string(size, 'x')));
        dialogs.chooseFile(image);
        messages.shown.clear();
        f.Command46.click();
        EXPECT_EQ(f.txtCGSize.caption, shown) << size;
        EXPECT_EQ(f.BackgroundTitle.text, u"back.gif");
        EXPECT_EQ(f.settings.Bodyground, u"back.gif");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, u"背景画像のパスについて");
        EXPECT_EQ(messages.shown[0].flags, 48);
        EXPECT_EQ(messages.shown[0].prompt,
                  u"背景画像を正しく表示させるには、\r\nHTMLファイルと同じフォルダに置いてください。\r\n\r\n"
                  u"もしくは手動でパスを書き直してください。");
    }
    const DialogCall& call = dialogs.calls.back();
    EXPECT_EQ(call.title, u"背景CGを選択");
    EXPECT_EQ(call.flags, 4096);
    EXPECT_EQ(call.filterIndex, 1);
    EXPECT_EQ(f.txtHTMLSize.caption, sourceSize);
    EXPECT_EQ(f.settings.FileSize, 5);

    messages.shown.clear();
    f.Command46.click();  // cancelled
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(f.BackgroundTitle.text, u"back.gif");
}

}  // namespace
}  // namespace pelin::testing
