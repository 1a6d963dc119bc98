// The notepad's menus and its edit commands on Text1's selection.
#include "notepad/form4.h"

#include <algorithm>

#include "notepad/proper_case.h"
#include "text/line_ends.h"

namespace pelin::notepad {

Form4::Form4(form::MessageBoxService& messageBox, form::Clipboard& clipboard, form::Shell& shell,
             MainWindowLink mainWindow)
    : messageBox_(messageBox), clipboard_(clipboard), shell_(shell), mainWindow_(std::move(mainWindow)) {
    controls_.add(Text1);
    setUpMenus();
    showDocumentState();
}

void Form4::setUpMenus() {
    struct Item {
        form::MenuItem& item;
        form::MenuItem* menu;
        TextView caption;
        TextView shortcut;
        void (Form4::*handler)();
    };
    const Item items[] = {
        {mnufile, nullptr, u"ファイル(&F)", u"", nullptr},
        {mnufilea, &mnufile, u"上書き保存(&A)", u"", &Form4::mnufilea_Click},
        {mnufilebrowse, &mnufile, u"ブラウザで確認(&V)", u"", &Form4::mnufilebrowse_Click},
        {mnufileb, &mnufile, u"名前をつけて保存(&B)", u"", &Form4::mnufileb_Click},
        {mnufilehai1, &mnufile, u"-", u"", nullptr},
        {mnufileend, &mnufile, u"閉じる(&E)", u"", &Form4::mnufileend_Click},
        {mnuedit, nullptr, u"編集(&E)", u"", &Form4::mnuedit_Click},
        {mnueditun, &mnuedit, u"元に戻す(&U)", u"Ctrl+Z", &Form4::mnueditun_Click},
        {mnuedithai1, &mnuedit, u"-", u"", nullptr},
        {mnueditt, &mnuedit, u"切り取り(&T)", u"Ctrl+X", &Form4::mnueditt_Click},
        {mnueditcut, &mnuedit, u"コピー(&C)", u"Ctrl+C", &Form4::mnueditcut_Click},
        {mnueditpaste, &mnuedit, u"貼り付け(&P)", u"Ctrl+V", &Form4::mnueditpaste_Click},
        {mnueditdel, &mnuedit, u"削除(&D)", u"Del", &Form4::mnueditdel_Click},
        {mnuedithai2, &mnuedit, u"-", u"", nullptr},
        {mnueditall, &mnuedit, u"すべての範囲を選択(&A)", u"Ctrl+A", &Form4::mnueditall_Click},
        {mnuedithai3, &mnuedit, u"-", u"", nullptr},
        {mnueditsentou, &mnuedit, u"英単語の先頭を大文字変換", u"Ctrl+U", &Form4::mnueditsentou_Click},
    };
    for (const Item& i : items) {
        i.item.caption = Text(i.caption);
        i.item.shortcut = Text(i.shortcut);
        i.item.separator = i.caption == u"-";
        if (i.handler) i.item.onClick = [this, h = i.handler] { (this->*h)(); };
        controls_.add(i.item, i.menu);
    }
}

void Form4::clampSelection() {
    const auto length = static_cast<std::int32_t>(Text1.text.size());
    Text1.selStart = std::clamp(Text1.selStart, 0, length);
    Text1.selLength = std::clamp(Text1.selLength, 0, length - Text1.selStart);
}

Text Form4::selectedText() {
    clampSelection();
    return Text1.text.substr(static_cast<std::size_t>(Text1.selStart), static_cast<std::size_t>(Text1.selLength));
}

void Form4::replaceSelection(TextView by) {
    clampSelection();
    Text changed = Text1.text;
    changed.replace(static_cast<std::size_t>(Text1.selStart), static_cast<std::size_t>(Text1.selLength), by);
    Text1.setText(std::move(changed));
    // The caret ends after what was put in, as in any editor.
    Text1.selStart += static_cast<std::int32_t>(by.size());
    Text1.selLength = 0;
}

void Form4::mnuedit_Click() {
    clampSelection();
    const bool selected = Text1.selLength != 0;
    mnueditt.enabled = selected;
    mnueditcut.enabled = selected;
    mnueditdel.enabled = selected;
    mnueditpaste.enabled = clipboard_.hasText();
}

void Form4::mnueditun_Click() {
    if (onUndo) onUndo();
}

void Form4::mnueditt_Click() {
    // Cutting or copying nothing leaves the clipboard as it was rather than
    // emptying it.
    const Text selected = selectedText();
    if (selected.empty()) return;
    clipboard_.setText(selected);
    replaceSelection(u"");
}

void Form4::mnueditcut_Click() {
    const Text selected = selectedText();
    if (!selected.empty()) clipboard_.setText(selected);
}

void Form4::mnueditpaste_Click() {
    if (!clipboard_.hasText()) return;
    replaceSelection(text::withCrLf(clipboard_.text()));
}

void Form4::mnueditdel_Click() { replaceSelection(u""); }

void Form4::mnueditall_Click() {
    Text1.selStart = 0;
    Text1.selLength = static_cast<std::int32_t>(Text1.text.size());
}

void Form4::mnueditsentou_Click() {
    clampSelection();
    const std::int32_t start = Text1.selStart, length = Text1.selLength;
    Text1.setText(properCase(Text1.text));
    // Only letters change, so the selection still covers the same text.
    Text1.selStart = start;
    Text1.selLength = length;
}

void Form4::mnufileend_Click() {
    if (onClose) onClose();
}

}  // namespace pelin::notepad
