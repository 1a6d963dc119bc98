#pragma once
// Dialog on the screen: the character list, the preview and the three buttons,
// bound to the character dialog's model. A fixed-size dialog of the main window
// (so it has no task-bar entry of its own), shown without being modal.
#include <QDialog>
#include <filesystem>
#include <functional>

#include "character/dialog.h"
#include "form/qt/binder.h"
#include "form/qt/message_box.h"

namespace pelin::character::qt {

class CharacterDialog : public QDialog {
    Q_OBJECT
public:
    CharacterDialog(form::PictureLoader& pictures, settings::SettingsFile& ini, CharacterFolders folders,
                    QWidget* parent);
    ~CharacterDialog() override;

    Dialog& model() { return form_.model(); }
    // Shows the model's state again.
    void refresh();

private:
    void buildWidgets();

    form::qt::QtMessageBox messageBox_;
    form::qt::BoundForm<Dialog> form_;
};

// A way to show the character dialog of `owner` (the main window): created and
// loaded on first use, brought forward while it is open, nothing once `owner`
// is gone. "OK" hands the chosen picture to `setMainPicture` at once.
std::function<void()> characterDialogOpener(form::PictureLoader& pictures, settings::SettingsFile& ini,
                                            CharacterFolders folders, QWidget& owner,
                                            std::function<void(std::shared_ptr<form::Picture>)> setMainPicture);

}  // namespace pelin::character::qt
