// Start-up: the window takes its saved answers from the settings file and asks
// for a text file at once. Each step stands on its own; one that cannot be done
// (a missing key, a text that is no number, a picture that does not load) is
// skipped and the next one runs.
#include <filesystem>
#include <system_error>

#include "text/textfile.h"
#include "wizard/form1.h"
#include "wizard/step_texts.h"

namespace pelin::wizard {
namespace {

// clang-format off
constexpr TextView kLanguages[] = {
    u"特に指定しない",          u"日本語　　　(ja)", u"アメリカ英語(en-US)", u"イギリス英語(en)",
    u"中国語　　　(zh)",        u"韓国語　　　(ko)", u"ロシア語　　(ru)",   u"イタリア語　(it)",
    u"フランス語　(fr)",        u"その他　　　(*)"};
constexpr TextView kCharsets[] = {u"Shift_JIS", u"euc-jp", u"iso-2022-jp", u"UTF-8"};
constexpr TextView kTransitions[] = {
    u"四角形展開",           u"円収縮",               u"円展開",               u"シャッター下から上へ",
    u"シャッター上から下へ", u"シャッター左から右へ", u"シャッター右から左へ", u"横窓",
    u"縦窓",                 u"横チェック模様",       u"縦チェック模様",       u"点ノイズ",
    u"舞台の幕閉じる",       u"舞台の幕開く",         u"シャッター上下閉める", u"シャッター上下開ける",
    u"斜めアニメーション①", u"斜めアニメーション②", u"斜めアニメーション③", u"斜めアニメーション④",
    u"横線ノイズ",           u"縦線ノイズ"};
// clang-format on
constexpr TextView kBaseFontSizes[] = {u" 7", u" 8", u"10(標準)", u"12", u"15", u"20", u"30"};

template <std::size_t N>
void fill(form::ComboBox& list, const TextView (&items)[N], int defaultPosition) {
    for (TextView item : items) list.addItem(Text(item));
    list.setListIndex(defaultPosition);
}

}  // namespace

void Form1::Form_Load() {
    attachIconMenus();
    loadCharacter();
    applySaveMode();
    showFirstStep();
    fillLists();
    applySavedAnswers();
    Command11_Click();
}

void Form1::attachIconMenus() {
    MainIconMenu.setMenuHost(options_.menuHost);
    MainIconMenu.hTargetWnd(options_.hWnd);
    MainIconMenu.MenuDefaultImage(&ImageList1);
    MainIconMenu.Style(1);
    MainIconMenu.SetIconMenu();
}

void Form1::loadCharacter() {
    const Text path = readSetting(settings::kSectionData, settings::kKeyCharacter);
    if (path.empty()) return;
    const std::filesystem::path saved = text::toPath(path);
    picture = services_.pictures.load(saved);
    // A character that came with the program, saved where an earlier install
    // kept it (beside the program, before its files went to a data folder of
    // their own), is found by its name where the program's files are now.
    std::error_code error;
    if (!picture && !std::filesystem::exists(saved, error) && saved.has_filename() &&
        std::filesystem::exists(options_.programFolder / saved.filename(), error))
        picture = services_.pictures.load(options_.programFolder / saved.filename());
}

void Form1::applySaveMode() {
    SaveMode = readSetting(settings::kSectionSetei, settings::kKeySaveMode);
    const bool manual = SaveMode == u"Mnyu";
    mnuoptionhozonAuto.checked = !manual;
    mnuoptionhozonMnyu.checked = manual;
    if (manual) SeteiMynu.enabled = true;
}

void Form1::showFirstStep() {
    txtHelp.setText(Text(kStartHelpText));
    Label1.foreColor = kCurrentStepColour;
    showFrame(Frame1);
    CurrentStep = 1;
}

void Form1::fillLists() {
    // A list that already has a selection was filled before; it is left alone.
    if (LangCombo.listIndex < 0) fill(LangCombo, kLanguages, 0);
    if (CharsetCombo.listIndex < 0) fill(CharsetCombo, kCharsets, 0);
    if (Combo31.listIndex < 0) {
        fill(Combo31, kTransitions, 0);
        fill(Combo32, kTransitions, 0);
    }
    if (BaseFontSize.listIndex < 0) fill(BaseFontSize, kBaseFontSizes, 2);
}

}  // namespace pelin::wizard
