// Captions, tool tips and the state of every control when the window is created.
#include "wizard/form1.h"
#include "wizard/step_texts.h"

namespace pelin::wizard {
namespace {

void set(form::Control& c, TextView caption, TextView toolTip = {}) {
    c.caption = Text(caption);
    c.toolTip = Text(toolTip);
}

constexpr TextView kCodeBoxTip = u"数字のみ入力してください。#などは不要です。";
constexpr TextView kIe4Tip = u"IE4以降に対応";
constexpr TextView kMarginBoxTip = u"何も入力しないとデフォルト設定に自動的になります";
constexpr TextView kHoverTip = u"マウスがリンク文字を越えた場合に色が変化する機能";
constexpr TextView kTransitionTip = u"ページを移動する際に変わったページの開き方、閉じ方をする機能。";
constexpr TextView kListTip = u"必ず指定する必要はありません。";
constexpr TextView kSample = u"サンプルで～す";

}  // namespace

void Form1::setUpControls() {
    Caption = kWindowTitle;

    // Step list, help box and navigation.
    set(MainmenuTitle, u"変換行程");
    const TextView stepCaptions[10] = {u"ファイル選択", u"基本設定",   u"DHTML設定", u"BODY設定",     u"ページスタイル",
                                       u"文章設定",     u"オプション", u"あとがき",  u"ファイル保存", u"終了"};
    for (int step = 1; step <= 10; ++step) {
        form::Label& label = labelOf(step);
        set(label, stepCaptions[step - 1]);
        label.foreColor = kOtherStepColour;
        frameOf(step).visible = step == 1;
    }
    txtHelp.multiLine = true;
    set(SubBack, u"< 戻る(&B)", u"前行程に戻ります");
    set(SubChan, u"中止(&S)", u"変換設定作業を中止します");
    set(SubFoword, u"次へ >(&F)", u"次の行程に進みます");
    SubBack.enabled = SubChan.enabled = SubFoword.enabled = false;

    // Step 1.
    set(HTMLFileTitle, u"HTML変換するファイル", u"テキストファイルを選択してください。");
    set(txtHTML, {}, u"変換するテキストファイルのフルパスを入力してください。");
    set(Command11, u"選択...");
    set(Label18, u"指定閲覧言語 ： ", u"LANG");
    set(Label19, u"文字コード ： ", u"charset");
    set(Label20, u"外部CSSファイル ： ", u"stylesheet");
    set(LangCombo, {}, kListTip);
    set(CharsetCombo, {}, kListTip);
    set(txt_CSS, {}, u"ファイルは作成したHTMLと同フォルダに置いてください");
    set(Command1, u"選択...");

    // Step 2.
    set(HTMLTitle, u"ページタイトル <Title>", u"ブラウザのタイトルバーに表示されるWebページのタイトル。");
    set(txtTitle, {},
        u"HTMLページのタイトルになります。デェフォルトの変換ファイル名にもなります。[ファイル保存]で変更可");
    set(HTMLKeyword, u"検索キーワード (Ketwords)", u"gooなどの検索サイト登録時に使われる検索キーワード。");
    set(HTMLMidashi, u"検索Hit時のページ説明文 (Description)",
        u"gooなどの検索サイトで検索にヒットした際、表示されるWebページ説明文。");
    set(Check1, u"ロボット型検索エンジンに登録させない", u"ロボット型検索エンジンが自動登録しないようにする");

    // Step 3.
    set(DCheck1, {}, kHoverTip);
    set(DLinkColorTitle, u"リンク文字選択時に色反転", kHoverTip);
    set(DLinkColor, u"色選択...");
    set(Sample31, kSample, u"マウスをのせると色が変わります。");
    Sample31.foreColor = kSample31Colour;
    set(DCheck2, {}, kTransitionTip);
    set(DTranTitle, u"トランジション効果", kTransitionTip);
    set(DTran1, u"ページを開く際 (Page-Enter)");
    set(Label11, u"ページを閉じる際 (Page-Exit)");
    set(Image1, {}, kIe4Tip);
    set(Image2, {}, kIe4Tip);
    DLinkColor.enabled = Sample31.enabled = Combo31.enabled = Combo32.enabled = false;

    // Step 4.
    set(BodyTitle, u"文字カラー、リンクカラー <BODY>");
    form::TextBox* codeBoxes[] = {&CText1, &CText2, &CText3, &CText4, &CText5};
    for (form::TextBox* box : codeBoxes) {
        set(*box, {}, kCodeBoxTip);
        box->maxLength = 6;
        box->imeOff = true;
    }
    set(Command41, u"FONT", u"通常文字の色");
    set(Command42, u"LINK", u"リンク文字の色");
    set(Command43, u"ALINK", u"リンク文字選択時の色");
    set(Command44, u"VLINK", u"閲覧済みのリンク文字の色");
    set(Command45, u"BGCOLOR", u"背景カラー");
    set(SampleFont1, kSample);
    set(SampleFont2, kSample);
    set(Label12, u"背景画像 <BODY>");
    set(BackgroundTitle, {},
        u"背景CGのファイル名を拡張子付きで入力してください。パスも必要な場合は一緒に記入してください。");
    set(Command46, u"BackGround", u"背景CGの選択");
    set(FIXEDCheck, u"背景画像を固定<BGPROPERTIES=FIXED>", u"スクロール時も背景画像はスクロールされないようにする");
    set(Image4, {}, kIe4Tip);

    // Step 5.
    set(PageSTitle, u"上、左の余白 <BODY>");
    set(TMTitle, u"上余白 (TOPMARGIN)", u"上余白は同時に下余白にも適用されます");
    set(txtTOPM, {}, kMarginBoxTip);
    set(Pix51, u"ピクセル");
    set(mm51, {}, u"上余白をcm変換した値");
    set(cm51, u"cm");
    set(LMTitle, u"左余白 (LEFTMARGIN)", u"左余白は同時に右余白にも適用されます");
    set(txtLEFTM, {}, kMarginBoxTip);
    set(Pix52, u"ピクセル");
    set(mm52, {}, u"左余白をcm変換した値");
    set(cm52, u"cm");
    txtTOPM.imeOff = txtLEFTM.imeOff = true;
    set(Label13, u"文字の基本サイズ <BASEFONT>", u"文字の基本サイズを設定します");
    set(Image3, {}, kIe4Tip);
    set(Label14, u"左右余白の自動設定 <BLOCKQUOTE>", u"インデント設定");
    set(Check51, {}, u"インデント設定");

    // Step 6: the three line-break options are one group.
    set(Label15, u"改行方法", u"読み込んだ文章の改行方法を選択");
    set(BR61, u"改行タグ <BR>", u"ファイルサイズが一番大きくなります。");
    set(PRE61, u"整形タグ <PRE>", u"ファイルサイズは１番軽く済みます。");
    set(P61, u"一行空き改行タグ <P>", u"自動で文間が１行空きます。");
    BR61.group = {&PRE61, &P61};
    PRE61.group = {&BR61, &P61};
    P61.group = {&BR61, &PRE61};
    BR61.value = true;
    set(Label16, u"ハイパーリンクをかける文字列", u"ハイパーリンクをかける文を選択");
    set(URL61, u"URL(ホームページアドレス) http://～");
    set(Mail61, u"メールアドレス ～@～.～");

    // Step 7.
    set(Option71, u"特殊フォントを表示可能に変換 ", u"&,×,÷,±をWebで表示可能なキーコードの形に変換する");
    set(Option72, u"「<」「>」をそのまま表示", u"本文中の<と>をタグとして扱わず、文字として表示されるように変換する");

    // Step 8.
    set(Comment81, u"文末にコメントを追加 <!-- -->", u"表示されないコメントを追加するかどうか");
    set(txtComment, {}, u"< , > , - , の３つの文字は使用できません");
    txtComment.multiLine = true;
    txtComment.visible = false;

    // Step 9.
    set(Label91, u"HTML変換したファイルの保存先", u"ファイル保存先を選択してください。");
    set(txtHozon, {}, u"変換データの保存先。選択ボタンから変更可能");
    set(HozonDialog, u"選択...", u"保存先選択");

    // Step 10.
    set(Label17, u"変換終了しました.....");
    set(SeteiMynu, u"各項目保存", u"手動で各項目を保存");
    SeteiMynu.enabled = false;
    set(EditBottan, u"自分で編集", u"変換したファイルをメモ帳で開く");
    set(BrowseButton, u"ブラウザで確認(&V)", u"変換したファイルをブラウザで開く");
    BrowseButton.enabled = false;
    set(StartFrame, u"トップに戻る", u"始めに戻ります");
}

void Form1::setUpMenus() {
    set(mnufile, u"ファイル(&F)");
    set(mnufileopen, u"HTML変換するファイルを選択...(&O)");
    set(mnufilepro, u"ファイルプロパティ...(&P)");
    mnufilepro.enabled = false;  // until a source file is chosen
    set(mnufileend, u"ぺりんを終了(&E)");
    set(mnuoption, u"オプション(&O)");
    set(mnuoptioncharcter, u"キャラクター変更...(&C)");
    set(mnuoptionhozon, u"設定保存方法(&E)");
    set(mnuoptionhozonAuto, u"自動保存(&A)");
    mnuoptionhozonAuto.checked = true;
    set(mnuoptionhozonMnyu, u"手動保存(&M)");
    set(mnuoptioninternetoption, u"インターネットオプション...(&I)");
    set(mnuhelp, u"ヘルプ(&H)");
    set(mnuhelphelp, u"オンラインヘルプ(&H)");
    mnuhelphelp.enabled = false;
    set(mnuhelpreadme, u"Readmeを見る(&R)");
    set(mnuhelpver, u"バージョン情報...(&V)");
    for (form::MenuItem* line : {&mnufilehai1, &mnufilehai2, &mnuoptionhai1, &mnuhelphai1}) {
        set(*line, u"-");
        line->separator = true;
    }
}

}  // namespace pelin::wizard
