#pragma once
// Form4: the notepad in which the user reads and edits the converted page and
// saves it back or under another name.
//
// A plain model: its members are its controls (each `name` is the widget's
// objectName, `controls()` lists them with the menus in order), its member
// functions the handlers. `Text1` is an editor: the window system hands its
// text and selection over before a menu opens or a command runs, and shows
// `Text1` again after.
//
// The notepad belongs to no window. What it shows comes with the file it was
// read from (`Open`), where 上書き保存 writes it back; its save-as borrows the
// main window's common dialog, so that folder and name carry over.
#include <functional>

#include "form/control_table.h"
#include "form/services.h"

namespace pelin::notepad {

using text::Text;
using text::TextView;

struct MainWindowLink {
    // The main window's common dialog.
    std::function<form::CommonDialog&()> commonDialog;
};

class Form4 {
public:
    static constexpr TextView kCaption = u"ぺりん－メモ帳";
    static constexpr int kClientWidth = 586;  // pixels
    static constexpr int kClientHeight = 329;

    Form4(form::MessageBoxService& messageBox, form::Clipboard& clipboard, form::Shell& shell,
          MainWindowLink mainWindow);
    Form4(const Form4&) = delete;
    Form4& operator=(const Form4&) = delete;

    // The editor, then the menu bar's items in order, each with the menu that
    // holds it (none for the two menus themselves).
    const form::ControlTable& controls() const { return controls_; }

    // --- window-level values ---
    // The file Text1's text belongs to: the page it was opened from, or the name
    // it was last saved under. Empty for a text of no file (the readme).
    Text DocumentPath;
    // The set that file is in: a page is saved back in the set it was written in.
    text::PageCharset DocumentCharset = text::PageCharset::Cp932;
    // The path the next save writes to.
    Text SavePath;
    // Set by the window system: the editor's own undo, and closing the window.
    std::function<void()> onUndo;
    std::function<void()> onClose;

    // --- controls ---
    form::Editor Text1{"Text1"};
    form::MenuItem mnufile{"mnufile"}, mnufilea{"mnufilea"}, mnufilebrowse{"mnufilebrowse"}, mnufileb{"mnufileb"},
        mnufilehai1{"mnufilehai1"}, mnufileend{"mnufileend"};
    form::MenuItem mnuedit{"mnuedit"}, mnueditun{"mnueditun"}, mnuedithai1{"mnuedithai1"}, mnueditt{"mnueditt"},
        mnueditcut{"mnueditcut"}, mnueditpaste{"mnueditpaste"}, mnueditdel{"mnueditdel"}, mnuedithai2{"mnuedithai2"},
        mnueditall{"mnueditall"}, mnuedithai3{"mnuedithai3"}, mnueditsentou{"mnueditsentou"};

    // --- handlers ---
    void mnuedit_Click();        // the 編集 menu drops down
    void mnueditun_Click();      // 元に戻す
    void mnueditt_Click();       // 切り取り
    void mnueditcut_Click();     // コピー
    void mnueditpaste_Click();   // 貼り付け
    void mnueditdel_Click();     // 削除
    void mnueditall_Click();     // すべての範囲を選択
    void mnueditsentou_Click();  // 英単語の先頭を大文字変換
    void mnufilea_Click();       // 上書き保存
    void mnufilebrowse_Click();  // ブラウザで確認
    void mnufileb_Click();       // 名前をつけて保存
    void mnufileend_Click();     // 閉じる
    // Writes Text1's text and one more CR LF to SavePath; reports a failure in a
    // message box and returns false.
    bool SaveToFile();
    // Puts `text`, which belongs to `file` (empty: to none) in `charset`, in place
    // of the text held, once unsaved edits of that are saved or given up. False
    // when the user keeps them: then nothing changes.
    bool Open(TextView text, TextView file, text::PageCharset charset = text::PageCharset::Cp932);
    // True when the window may close: no unsaved edits, or the user saved them or
    // gave them up.
    bool Form_QueryUnload();
    // The file the text belongs to, if any, decides what the file menu offers.
    void showDocumentState();
    // Text1 holds edits that are in no file yet.
    bool modified() const { return Text1.text != savedText_; }

    // The selected text, with the selection first kept inside the text.
    Text selectedText();

private:
    void setUpMenus();
    void clampSelection();
    void replaceSelection(TextView by);
    // The two save commands; false when nothing was written.
    bool saveOver();
    bool saveAs();
    // Asks whether unsaved edits are to be saved; false when they are to be kept
    // in the window (ｷｬﾝｾﾙ, or the save failed).
    bool settleUnsavedEdits();

    form::MessageBoxService& messageBox_;
    form::Clipboard& clipboard_;
    form::Shell& shell_;
    MainWindowLink mainWindow_;
    form::ControlTable controls_;
    Text savedText_;  // Text1's text as it was last read or written
};

}  // namespace pelin::notepad
