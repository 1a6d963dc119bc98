#include "form/qt/platform_services.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>

#include "form/qt/qt_text.h"

namespace pelin::form::qt {

const QPixmap* pixmapOf(const Picture* picture) {
    const auto* own = dynamic_cast<const QtPicture*>(picture);
    return own ? &own->pixmap() : nullptr;
}

std::shared_ptr<Picture> QtPictureLoader::load(const std::filesystem::path& path) {
    QImageReader reader(QString::fromStdString(path.string()));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) return nullptr;
    return std::make_shared<QtPicture>(QPixmap::fromImage(image));
}

bool QtClipboard::hasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

Text QtClipboard::text() { return fromQString(QGuiApplication::clipboard()->text()); }

void QtClipboard::setText(TextView text) { QGuiApplication::clipboard()->setText(toQString(text)); }

QString QtShell::propertiesText(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) return {};
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QString text;
    text += QStringLiteral("名前 : ") + info.fileName() + u'\n';
    text += QStringLiteral("場所 : ") + QDir::toNativeSeparators(info.absolutePath()) + u'\n';
    if (info.isFile())
        text += QStringLiteral("サイズ : ") + japanese.toString(info.size()) + QStringLiteral(" バイト") + u'\n';
    text += QStringLiteral("更新日時 : ") + info.lastModified().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    return text;
}

void QtShell::showFileProperties(TextView path) {
    // Like the system's property sheet, a name that is no file shows nothing.
    const QString summary = propertiesText(toQString(path));
    if (summary.isEmpty()) return;
    auto* box = new QMessageBox(QMessageBox::Information,
                                QFileInfo(toQString(path)).fileName() + QStringLiteral("のプロパティ"), summary,
                                QMessageBox::Ok, parent_.data());
    box->setObjectName(QStringLiteral("FileProperties"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

bool QtShell::showInternetOptions() {
#ifdef Q_OS_WIN
    // The command line that opens the Internet options control panel; the
    // program does not wait for it.
    QStringList parts = QProcess::splitCommand(QStringLiteral("rundll32.exe ") +
                                               QStringLiteral("shell32.dll,Control_RunDLL ") +
                                               QStringLiteral("Inetcpl.cpl"));
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
#else
    return false;
#endif
}

}  // namespace pelin::form::qt
