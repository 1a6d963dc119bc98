#pragma once
// The window's title, the help texts shown for each step, and the texts of the
// first step.
#include "text/text.h"
#include "version.h"

namespace pelin::wizard {

// The caption before a source file is chosen, and the start of every caption.
inline const text::Text kWindowTitle = text::Text(u"ぺりん Ver") + kVersionText;

inline constexpr text::TextView kStartHelpText =
    u"ぺりんが起動しました。\r\nHTML変換したいテキストファイルを選択してください。\r\n下の選択ボタンから選択してくださ"
    u"い。";
inline constexpr text::TextView kReturnHelpText =
    u"再度変換作業が出来ます。\r\nHTML変換したいテキストファイルを選択してください。\r\n"
    u"下の選択ボタンか、ドラッグ＆ドロップで下枠に持ってきてください。";

// The text shown on entering `step` (2 to 10; step 1 gives the return text).
inline text::TextView helpText(int step) {
    switch (step) {
    case 2:
        return u"ページの基本設定をします。\r\nページのタイトルのみ必ず記入してください。\r\n"
               u"検索キーワードと説明文は必要に応じて記入してください。";
    case 3:
        return u"DynamicHTMLの設定をします。\r\nこの機能は特定のブラウザにしか対応してません。\r\n"
               u"必要な機能にチェックをしてデータを選択してください。";
    case 4:
        return u"BODYタグの設定をします。\r\nここでページの大まかなデザインが決まります。\r\n"
               u"文字色の入力は必須ではありません。もし未入力ならブラウザの基本設定に準じます。";
    case 5: return u"ページのスタイル設定をします。\r\n文章の縦横余白や、文字の基本サイズを決めることができます。";
    case 6: return u"文章の設定をします。\r\n改行を表現するのに使うタグを設定できます。";
    case 7: return u"オプション設定をします。\r\n特殊フォントをWebで使えるように変換します。";
    case 8: return u"あとがきを入力できます。\r\n文末に表示されないコメントを挿入できます。";
    case 9: return u"HTML変換したファイルの保存先を指定してください。\r\n";
    case 10: return u"お疲れさまです。\r\n指定のファイルに変換が終了しました。";
    default: return kReturnHelpText;
    }
}

}  // namespace pelin::wizard
