#include "character/qt/character_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QPointer>
#include <algorithm>

#include "form/qt/binder.h"
#include "form/qt/bring_forward.h"
#include "form/qt/classic_look.h"
#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"

namespace pelin::character::qt {

using form::qt::toQString;
using form::qt::twips;

CharacterDialog::CharacterDialog(form::PictureLoader& pictures, settings::SettingsFile& ini, CharacterFolders folders,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      messageBox_(this) {
    setObjectName(QStringLiteral("Dialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(toQString(Dialog::kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pelin/pelin-16.png")));
    setFixedSize(Dialog::kClientWidth, Dialog::kClientHeight);

    Dialog& model = form_.create(DialogServices{messageBox_, pictures, ini}, std::move(folders));
    model.onClose = [this] { close(); };
    buildWidgets();
}

CharacterDialog::~CharacterDialog() = default;

void CharacterDialog::buildWidgets() {
    // Every control has its place in the model; the heading alone needs its font.
    auto* heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = form::qt::uiFont(11.25, true);
    bold.setFamilies(QStringList{QStringLiteral("MS UI Gothic")} + bold.families());
    heading->setFont(bold);

    const Dialog& model = form_.model();
    form::qt::Binder& binder = form_.makeBinder(this);
    binder.bind(model.controls());
    findChild<QWidget*>(QStringLiteral("OKButton"))->setFocus();

    // A fallback font taller than the one the dialog was drawn for must not run
    // the heading into the preview: the preview then starts below it.
    const form::Place headingPlace = *model.controls().entry("Label1")->place;
    const form::Place previewPlace = *model.controls().entry("Image1")->place;
    form::qt::placeLabel(*heading, headingPlace.left, headingPlace.top, headingPlace.width, headingPlace.height);
    heading->raise();
    const int previewTop = std::max(heading->y() + heading->sizeHint().height(), twips(previewPlace.top));
    findChild<QLabel*>(QStringLiteral("Image1"))
        ->setGeometry(twips(previewPlace.left), previewTop, twips(previewPlace.width),
                      twips(previewPlace.bottom()) - previewTop);
}

void CharacterDialog::refresh() { form_.binder().sync(); }

std::function<void()> characterDialogOpener(form::PictureLoader& pictures, settings::SettingsFile& ini,
                                            CharacterFolders folders, QWidget& owner,
                                            std::function<void(std::shared_ptr<form::Picture>)> setMainPicture) {
    QPointer<QWidget> parent(&owner);
    auto dialog = std::make_shared<QPointer<CharacterDialog>>();
    return [parent, dialog, &pictures, &ini, folders = std::move(folders), setMainPicture = std::move(setMainPicture)] {
        if (!parent) return;
        if (!*dialog) {
            auto* created = new CharacterDialog(pictures, ini, folders, parent.data());
            created->model().setMainPicture = setMainPicture;
            created->model().Form_Load();
            created->refresh();
            *dialog = created;
        }
        form::qt::bringForward(**dialog);
    };
}

}  // namespace pelin::character::qt
