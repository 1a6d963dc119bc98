#include "form/qt/message_box.h"

#include "form/qt/dialog_place.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {

MessageBoxLook messageBoxLook(int flags) {
    MessageBoxLook look;
    switch (flags & 0x70) {
    case 16: look.icon = QMessageBox::Critical; break;
    case kMbIconQuestion: look.icon = QMessageBox::Question; break;
    case kMbIconExclamation: look.icon = QMessageBox::Warning; break;
    case 64: look.icon = QMessageBox::Information; break;
    default: break;
    }
    switch (flags & 0x0F) {
    case kMbYesNo:
        look.buttons = QMessageBox::Yes | QMessageBox::No;
        look.defaultButton = QMessageBox::Yes;
        break;
    case kMbYesNoCancel:
        look.buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        look.defaultButton = QMessageBox::Yes;
        break;
    case 1:
        look.buttons = QMessageBox::Ok | QMessageBox::Cancel;
        look.defaultButton = QMessageBox::Ok;
        break;
    default:
        look.buttons = QMessageBox::Ok;
        look.defaultButton = QMessageBox::Ok;
        break;
    }
    return look;
}

int QtMessageBox::show(TextView prompt, int flags, TextView title) {
    const MessageBoxLook look = messageBoxLook(flags);
    Centred<QMessageBox> box(look.icon, toQString(title), toDisplayText(prompt), look.buttons, parent_.data());
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(look.defaultButton);
    box.setTextFormat(Qt::PlainText);
    switch (box.exec()) {
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    case QMessageBox::Cancel: return kAnswerCancel;
    // Closed without a button (a box with ｷｬﾝｾﾙ answers that instead): a
    // question counts as No.
    default: return (look.buttons & QMessageBox::Yes) ? kAnswerNo : kAnswerOk;
    }
}

}  // namespace pelin::form::qt
