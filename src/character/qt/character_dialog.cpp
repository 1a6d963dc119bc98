#include "character/qt/character_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "form/qt/binder.h"
#include "form/qt/bring_forward.h"
#include "form/qt/classic_look.h"
#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"

namespace pelin::character::qt {

using form::qt::toQString;
using form::qt::twips;

namespace {

// The preview column, in twips.
constexpr double kPreviewLeft = 2280;
constexpr double kPreviewWidth = 1335;
constexpr double kTopMargin = 120;
constexpr double kHeadingHeight = 255;
constexpr double kPreviewBottom = 2190;

}  // namespace

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

    model_ = std::make_unique<Dialog>(DialogServices{messageBox_, pictures, ini}, std::move(folders));
    model_->onClose = [this] { close(); };
    buildWidgets();
}

CharacterDialog::~CharacterDialog() {
    // The binder and the list's moves reach into the model, which goes before
    // the widgets do: nothing they send from here on may reach it.
    delete binder_;
    binder_ = nullptr;
    list_->disconnect(this);
    model_.reset();
}

void CharacterDialog::buildWidgets() {
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("PCFFile"));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("Image1"));
    preview_->setScaledContents(true);  // the picture is stretched to the box
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont bold = form::qt::uiFont(11.25, true);
    bold.setFamilies(QStringList{QStringLiteral("MS UI Gothic")} + bold.families());
    label->setFont(bold);
    for (const char* name : {"OKButton", "CancelButton", "Redata"}) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
    }

    std::vector<QWidget*> tabOrder;
    for (const Placement& place : Dialog::layout()) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(place.name));
        widget->setGeometry(twips(place.left), twips(place.top), twips(place.width), twips(place.height));
        if (place.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) tabOrder.push_back(widget);
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    // The heading keeps the margin from the window's top edge that the list and
    // the buttons have, and the preview starts below it and ends level with the
    // list. A fallback font taller than the one the dialog was drawn for must
    // not run the heading into the preview.
    label->setText(toQString(model_->Label1.caption));
    form::qt::placeLabel(*label, kPreviewLeft, kTopMargin, kPreviewWidth, kHeadingHeight);
    label->raise();
    const int previewTop = std::max(label->y() + label->sizeHint().height(), twips(kTopMargin + kHeadingHeight));
    preview_->setGeometry(twips(kPreviewLeft), previewTop, twips(kPreviewWidth), twips(kPreviewBottom) - previewTop);
    list_->setToolTip(toQString(model_->PCFFile.toolTip));

    binder_ = new form::qt::Binder(this);
    binder_->bind(model_->Label1);
    binder_->bind(model_->OKButton)->setFocus();
    binder_->bind(model_->CancelButton);
    binder_->bind(model_->Redata);
    binder_->afterInput = [this] {
        showList();
        showPreview();
    };
    // Clicks and the arrow keys both select; each new selection is a click. The
    // list makes its first file current when it takes the focus without one,
    // but selects nothing: that is no choice of the user's and shows nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        if (selected.isEmpty()) return;
        const int row = list_->row(selected.first());
        if (row == model_->PCFFile.listIndex) return;
        binder_->handle([this, row] { model_->PCFFile.setListIndex(row); });
    });
}

void CharacterDialog::refresh() {
    binder_->sync();
    showList();
    showPreview();
}

void CharacterDialog::showList() {
    const FileListBox& files = model_->PCFFile;
    QStringList items;
    for (const Text& item : files.items) items << toQString(item);
    QStringList shown;
    for (int i = 0; i < list_->count(); ++i) shown << list_->item(i)->text();
    const QSignalBlocker quiet(list_);
    if (shown != items) {
        list_->clear();
        list_->addItems(items);
    }
    list_->setCurrentRow(files.listIndex);
}

void CharacterDialog::showPreview() {
    const QPixmap* pixmap = form::qt::pixmapOf(model_->Image1.picture.get());
    if (pixmap) preview_->setPixmap(*pixmap);
    else preview_->clear();
}

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
