#include "app/splash_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

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

// Room (twips) left between the version and the window's right edge.
constexpr double kVersionMargin = 120;

QWidget* rule(QWidget* parent, const char* name, QRect geometry) {
    auto* line = new QWidget(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, kDarkGrey);
    line->setPalette(palette);
    line->setGeometry(geometry);
    return line;
}

QLabel* darkLabel(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kDarkGrey);
    label->setPalette(palette);
    return label;
}

}  // namespace

SplashWindow::SplashWindow(std::function<void()> showMain)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), showMain_(std::move(showMain)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setFixedSize(twips(4290), twips(3030));

    // The picture is taller than the window and is cut at its bottom edge.
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(bundledPicture(QStringLiteral("mascot-blue")));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setGeometry(0, 0, twips(1845), twips(3105));

    QLabel* name = darkLabel(this, "Label1", QStringLiteral("ぺりん"), uiFont(21.75));
    placeLabel(*name, 1680, 480, 1455, 495);
    rule(this, "Line1", QRect(twips(1680), twips(960), twips(4200) - twips(1680), 1));
    rule(this, "Line2", QRect(twips(3000), twips(600), 1, twips(1320) - twips(600)));
    QLabel* version =
        darkLabel(this, "Label2", QStringLiteral("Ver") + QString::fromLatin1(kVersion), uiFont(15.75, true));
    // Its box runs past the window's right edge, which the font the window was
    // drawn for never reached; a wider font is made smaller until the text ends
    // inside the window as far from the edge as that font left it.
    fitLabelWidth(*version, 4290 - 3120 - kVersionMargin);
    placeLabel(*version, 3120, 960, 1215, 375);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setParent(this);
    timer_.setInterval(300);
    timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire up to 5 % early
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    timer_.start();
}

void SplashWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The fixed frame: without a title bar the window still needs an edge.
    QPainter painter(this);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SplashWindow::Timer1_Timer() {
    if (showMain_) showMain_();
    close();
}

}  // namespace pelin::app
