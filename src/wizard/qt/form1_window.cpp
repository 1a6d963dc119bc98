#include "wizard/qt/form1_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <map>

#include "form/qt/classic_look.h"
#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"
#include "wizard/qt/conversion_progress.h"
#include "wizard/qt/form1_widgets.h"

namespace pelin::wizard::qt {

using form::qt::toQString;

// The window's client area, which shows the mascot picture behind the controls:
// at its own size, from the top-left corner.
class Background : public QWidget {
public:
    using QWidget::QWidget;
    void setPicture(const form::Picture* picture) {
        const QPixmap* pixmap = form::qt::pixmapOf(picture);
        const qint64 key = pixmap ? pixmap->cacheKey() : 0;
        if (key == shownKey_) return;
        shownKey_ = key;
        pixmap_ = pixmap ? *pixmap : QPixmap();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (pixmap_.isNull()) return;
        QPainter painter(this);
        painter.drawPixmap(0, 0, pixmap_);
    }

private:
    QPixmap pixmap_;
    qint64 shownKey_ = 0;
};

Form1Window::Form1Window(form::Services& platform, settings::SettingsFile& ini, Form1Options options, MenuSystem* menus)
    : dialogs_(platform.dialogs),
      services_{platform.messageBox, dialogs_, platform.pictures, platform.clipboard, platform.shell, platform.windows},
      menus_(menus) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (menus_) {
        // The menus are drawn by the icon menus once the start-up attaches them.
        setMenuBar(menus_->makeMenuBar(*this));
        menus_->enterWindow(*this, options);
    }
    model_ = std::make_unique<Form1>(services_, ini, std::move(options));
    model_->onRequestClose = [this] { close(); };
    model_->conversionRunner = [this](engine::ConversionSettings& settings) {
        return convertWithProgress(this, settings,
                                   [](engine::ConversionSettings& s, const engine::ConversionProgress& p) {
                                       return engine::runConversion(s, p);
                                   });
    };

    background_ = new Background(this);
    background_->setObjectName(QStringLiteral("Client"));
    setCentralWidget(background_);
    buildWidgets();
    bindControls();
    showWindowState();
    // The window is as large as its steps need and no larger.
    setFixedSize(sizeHint());
}

Form1Window::~Form1Window() {
    emit aboutToBeDestroyed(this);
    // The widgets and menus outlive the model by a moment: nothing may draw them
    // from it, and none of their signals or events may reach it. The binder
    // holds every connection and event filter that does.
    if (menus_) menus_->leaveWindow(*this);
    delete binder_;
    binder_ = nullptr;
    model_.reset();
}

void Form1Window::buildWidgets() {
    buildForm1Widgets(*background_);
    auto* source = findChild<QLineEdit*>(QStringLiteral("txtHTML"));
    source->setAcceptDrops(true);
    source->installEventFilter(this);
}

void Form1Window::bindControls() {
    binder_ = new form::qt::Binder(background_);
    binder_->afterInput = [this] { showWindowState(); };
    if (menus_) binder_->makeMenu = [menus = menus_](QWidget* owner) { return menus->makeMenu(owner); };

    // Which menu items hold others: those get a menu of their own.
    std::map<const form::Control*, bool> holdsItems;
    for (const ControlEntry& entry : model_->controls())
        if (entry.kind == ControlKind::MenuItem && entry.container) holdsItems[entry.container] = true;
    std::map<const form::Control*, QWidget*> menuOf;

    for (const ControlEntry& entry : model_->controls()) {
        form::Control& control = *entry.control;
        switch (entry.kind) {
        case ControlKind::Frame: binder_->bind(static_cast<form::Frame&>(control)); break;
        case ControlKind::Label: binder_->bind(static_cast<form::Label&>(control)); break;
        case ControlKind::Image: binder_->bind(static_cast<form::Image&>(control)); break;
        case ControlKind::Button: binder_->bind(static_cast<form::Button&>(control)); break;
        case ControlKind::TextBox: binder_->bind(static_cast<form::TextBox&>(control)); break;
        case ControlKind::CheckBox: binder_->bind(static_cast<form::CheckBox&>(control)); break;
        case ControlKind::OptionButton: binder_->bind(static_cast<form::OptionButton&>(control)); break;
        case ControlKind::ComboBox: binder_->bind(static_cast<form::ComboBox&>(control)); break;
        case ControlKind::MenuItem: {
            QWidget* owner = entry.container ? menuOf.at(entry.container) : menuBar();
            QAction* action =
                binder_->bind(static_cast<form::MenuItem&>(control), owner, holdsItems.count(&control) > 0);
            if (action->menu()) menuOf[&control] = action->menu();
            break;
        }
        }
    }

    // The menu pictures, each keyed by the caption of the item that shows it.
    const std::pair<const form::MenuItem*, const char*> pictures[] = {{&model_->mnufileopen, "menu-open"},
                                                                      {&model_->mnuhelpreadme, "menu-readme"},
                                                                      {&model_->mnuoptioncharcter, "menu-character"},
                                                                      {&model_->mnuhelpver, "menu-version"}};
    for (const auto& [item, picture] : pictures)
        model_->ImageList1.Add(item->caption, std::make_shared<form::qt::QtPicture>(
                                                  form::qt::bundledPicture(QString::fromLatin1(picture))));
    binder_->sync();
}

void Form1Window::showWindowState() {
    setWindowTitle(toQString(model_->Caption));
    background_->setPicture(model_->picture.get());
}

void Form1Window::refresh() {
    binder_->sync();
    showWindowState();
}

void Form1Window::Form_Load() {
    // The dialogs of the start-up belong to this window, though it is not shown yet.
    binder_->handle([this] { model_->Form_Load(); });
}

void Form1Window::dropSourceFile(const QString& path) {
    dialogs_.answerNextOpenWith(path);
    binder_->handle([this] { model_->Command11_Click(); });
}

void Form1Window::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    binder_->handle([this, &mayClose] { mayClose = model_->Form_QueryUnload(); });
    if (mayClose) event->accept();
    else event->ignore();
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched->objectName() == QLatin1String("txtHTML")) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasUrls() && drag->mimeData()->urls().first().isLocalFile()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasUrls() && drop->mimeData()->urls().first().isLocalFile()) {
                drop->acceptProposedAction();
                dropSourceFile(drop->mimeData()->urls().first().toLocalFile());
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace pelin::wizard::qt
