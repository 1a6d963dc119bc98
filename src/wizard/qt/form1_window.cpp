#include "wizard/qt/form1_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

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
    Form1& model = form_.create(services_, ini, std::move(options));
    model.onRequestClose = [this] { close(); };
    model.conversionRunner = [this](engine::ConversionSettings& settings) {
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
    keepRoomForEveryStep(*background_);
    showWindowState();
    // The window is as large as its steps need and no larger.
    setFixedSize(sizeHint());
}

Form1Window::~Form1Window() {
    QApplication::instance()->removeEventFilter(this);
    emit aboutToBeDestroyed(this);
    // The menus outlive the model by a moment: nothing may draw them from it.
    if (menus_) menus_->leaveWindow(*this);
    form_.release();
}

void Form1Window::buildWidgets() {
    buildForm1Widgets(*background_);
    sourceBox_ = findChild<QLineEdit*>(QStringLiteral("txtHTML"));
    sourceBox_->setAcceptDrops(true);
    // Files dropped on the source box, and Alt+F: "ファイル(&F)" and "次へ >(&F)"
    // share it, which Qt would answer by turns (focus the button, then open the
    // menu), so the key is looked at before any shortcut, wherever the focus is.
    QApplication::instance()->installEventFilter(this);
}

bool Form1Window::takeAltF(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F || key->modifiers() != Qt::AltModifier || !isActiveWindow()) return false;
    // While 次へ can be pressed, the wizard's main action takes the key;
    // otherwise the menu bar has it alone.
    Form1& model = form_.model();
    if (!model.SubFoword.enabled || !model.SubFoword.visible) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // delivered as a key press instead of a shortcut
        return true;
    }
    form_.binder().handle([&model] { model.SubFoword.click(); });
    return true;
}

void Form1Window::bindControls() {
    Form1& model = form_.model();
    form::qt::Binder& binder = form_.makeBinder(background_);
    binder.afterInput = [this] { showWindowState(); };
    if (menus_) binder.makeMenu = [menus = menus_](QWidget* owner) { return menus->makeMenu(owner); };
    binder.bind(model.controls(), menuBar());

    // The menu pictures, each keyed by the caption of the item that shows it.
    const std::pair<const form::MenuItem*, const char*> pictures[] = {{&model.mnufileopen, "menu-open"},
                                                                      {&model.mnuhelpreadme, "menu-readme"},
                                                                      {&model.mnuoptioncharcter, "menu-character"},
                                                                      {&model.mnuhelpver, "menu-version"}};
    for (const auto& [item, picture] : pictures)
        model.ImageList1.Add(item->caption, std::make_shared<form::qt::QtPicture>(
                                                form::qt::bundledPicture(QString::fromLatin1(picture))));
}

void Form1Window::showWindowState() {
    setWindowTitle(toQString(form_.model().Caption));
    background_->setPicture(form_.model().picture.get());
}

void Form1Window::refresh() {
    form_.binder().sync();
    showWindowState();
}

void Form1Window::Form_Load() {
    // The dialogs of the start-up belong to this window, though it is not shown yet.
    form_.binder().handle([this] { form_.model().Form_Load(); });
}

void Form1Window::dropSourceFile(const QString& path) {
    dialogs_.answerNextOpenWith(path);
    form_.binder().handle([this] { form_.model().Command11_Click(); });
}

void Form1Window::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    form_.binder().handle([this, &mayClose] { mayClose = form_.model().Form_QueryUnload(); });
    if (mayClose) event->accept();
    else event->ignore();
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && takeAltF(event))
        return true;
    if (watched == sourceBox_) {
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
