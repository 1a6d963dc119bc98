#include "app/version_window.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include "form/qt/bring_forward.h"
#include "form/qt/classic_look.h"
#include "form/qt/qt_text.h"
#include "version.h"

namespace pelin::app {

using form::qt::bundledPicture;
using form::qt::fitLabelWidth;
using form::qt::kDarkGrey;
using form::qt::placeLabel;
using form::qt::twips;
using form::qt::uiFont;

namespace {

// The rounded outline that frames the text side of the window.
class Outline : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(170, 190, 220), 1.5));
        painter.setBrush(QColor(246, 249, 253));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, -12, -1.5, -1.5), 10, 10);
    }
};

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font,
              const QColor& colour = QColor()) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setFont(font);
    if (colour.isValid()) {
        QPalette palette = result->palette();
        palette.setColor(QPalette::WindowText, colour);
        result->setPalette(palette);
    }
    return result;
}

}  // namespace

VersionWindow::VersionWindow()
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowIcon(QIcon(bundledPicture(QStringLiteral("menu-version"))));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFixedSize(twips(4170), twips(3090));
    setMouseTracking(true);

    auto* shape = new Outline(this);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setGeometry(twips(120), twips(0), twips(2415), twips(3015));
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);  // a drawing, part of the background

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(bundledPicture(QStringLiteral("mascot-pink")));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setGeometry(twips(2400), 0, twips(1815), twips(3105));

    QLabel* description = label(this, "Label2", QStringLiteral("テキスト→HTML変換ソフト"), uiFont(9.75), kDarkGrey);
    fitLabelWidth(*description, 2175);
    placeLabel(*description, 240, 120, 2175, 255);
    placeLabel(*label(this, "Label1", QStringLiteral("ぺりん"), uiFont(21.75), kDarkGrey), 720, 480, 1335, 495);
    placeLabel(*label(this, "Label3", QStringLiteral("Ver") + QString::fromLatin1(kVersion), uiFont(12)), 960, 960, 975,
               375);

    QFont okFont = uiFont(14.25);
    okFont.setUnderline(true);
    ok_ = label(this, "Label7", QStringLiteral("OK"), okFont, Qt::black);
    placeLabel(*ok_, 1080, 2640, 615, 375);
    ok_->setToolTip(QStringLiteral("閉じる"));
    ok_->setCursor(QCursor(bundledPicture(QStringLiteral("pointer")), 2, 2));
    ok_->setMouseTracking(true);
    ok_->installEventFilter(this);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void VersionWindow::setOkColour(const QColor& colour) {
    QPalette palette = ok_->palette();
    palette.setColor(QPalette::WindowText, colour);
    ok_->setPalette(palette);
}

void VersionWindow::Label7_MouseMove() { setOkColour(kHoverColour); }
void VersionWindow::Form_MouseMove() { setOkColour(Qt::black); }
void VersionWindow::Label7_Click() { close(); }

void VersionWindow::showEvent(QShowEvent* event) {
    setOkColour(Qt::black);
    QWidget::showEvent(event);
}

void VersionWindow::mouseMoveEvent(QMouseEvent* event) {
    // Only the window's own background counts; a move over one of its labels
    // that Qt hands up to the window does not.
    QWidget* under = childAt(event->position().toPoint());
    if (!under || under->objectName() == QLatin1String("Shape1")) Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool VersionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ok_) {
        if (event->type() == QEvent::MouseMove) {
            Label7_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && ok_->rect().contains(mouse->position().toPoint())) {
                Label7_Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

VersionWindow* showVersionWindow() {
    static QPointer<VersionWindow> window;
    if (!window) window = new VersionWindow();
    form::qt::bringForward(*window);
    return window.data();
}

}  // namespace pelin::app
