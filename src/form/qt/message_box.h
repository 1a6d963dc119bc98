#pragma once
// Message boxes as the program asks for them: a prompt, a title and the flags
// (48: warning with OK; 36: question with Yes and No; 35: question with Yes, No
// and Cancel).
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "form/services.h"

namespace pelin::form::qt {

// Icon and buttons that the flags ask for.
struct MessageBoxLook {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
};
MessageBoxLook messageBoxLook(int flags);

class QtMessageBox : public MessageBoxService {
public:
    // `parent` may be null (then the box is a window of its own).
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    int show(TextView prompt, int flags, TextView title) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace pelin::form::qt
