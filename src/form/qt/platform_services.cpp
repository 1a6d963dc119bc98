#include "form/qt/platform_services.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#ifdef Q_OS_WIN
#include <QDesktopServices>
#endif

#include "form/qt/classic_look.h"
#include "form/qt/qt_text.h"
#include "platform/files.h"

namespace pelin::form::qt {

const QPixmap* pixmapOf(const Picture* picture) {
    const auto* own = dynamic_cast<const QtPicture*>(picture);
    return own ? &own->pixmap() : nullptr;
}

std::shared_ptr<Picture> QtPictureLoader::load(const std::filesystem::path& path) {
    // Read by the program, not by Qt, which could not open a name that is not UTF-8.
    const platform::Result<std::string> bytes = platform::readFile(path, platform::kMaxPictureFileBytes);
    if (!bytes) return nullptr;
    QByteArray content = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&content);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A drawing (the characters that come with the program are drawn) is
    // rendered for the screen, so it stays sharp where pixels are small; a
    // bitmap keeps its pixels as they are.
    const bool drawing = reader.format().startsWith("svg");
    const qreal ratio = drawing ? sharpestPixelRatio() : 1.0;
    if (drawing) reader.setScaledSize(reader.size() * ratio);
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    image.setDevicePixelRatio(ratio);
    return std::make_shared<QtPicture>(QPixmap::fromImage(std::move(image)));
}

bool QtClipboard::hasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

Text QtClipboard::text() { return fromQString(QGuiApplication::clipboard()->text()); }

void QtClipboard::setText(TextView text) { QGuiApplication::clipboard()->setText(toQString(text)); }

bool QtShell::showInternetOptions() {
#ifdef Q_OS_WIN
    // The command line that opens the Internet options control panel; the
    // program does not wait for it.
    QStringList parts =
        QProcess::splitCommand(QStringLiteral("rundll32.exe ") + QStringLiteral("shell32.dll,Control_RunDLL ") +
                               QStringLiteral("Inetcpl.cpl"));
    const QString program = parts.takeFirst();
    return QProcess::startDetached(program, parts);
#else
    return false;
#endif
}

void QtShell::openInBrowser(TextView url, std::function<void(Text reason)> failed) {
    // The report goes to the shell's window while it lives, and nowhere after.
    QObject* context = parent_ ? static_cast<QObject*>(parent_.data()) : QCoreApplication::instance();
#ifdef Q_OS_WIN
    if (!QDesktopServices::openUrl(QUrl(toQString(url)))) failed(u"ウェブページを開くプログラムが登録されていません。");
    (void)context;
#else
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        failed(u"ウェブページを開くプログラム (xdg-open) が見つかりません。");
        return;
    }
    // Not a child of the window: closing the window must not end the browser.
    auto* process = new QProcess();
    process->setProgram(opener);
    process->setArguments({toQString(url)});
    process->setProcessChannelMode(QProcess::MergedChannels);
    QObject::connect(process, &QProcess::finished, context, [process, failed](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0) return;
        QString reason = status == QProcess::NormalExit
                             ? QStringLiteral("ウェブページを開くプログラムが失敗しました (終了コード %1)。").arg(code)
                             : QStringLiteral("ウェブページを開くプログラムが異常終了しました。");
        // Its own words say which program it looked for.
        const QString said = QString::fromLocal8Bit(process->readAll()).trimmed();
        if (!said.isEmpty()) reason += QStringLiteral("\r\n") + said;
        failed(fromQString(reason));
    });
    QObject::connect(process, &QProcess::errorOccurred, context, [process, failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failed(
                fromQString(QStringLiteral("ウェブページを開くプログラムを起動できません: ") + process->errorString()));
    });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    QObject::connect(process, &QProcess::errorOccurred, process, [process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) process->deleteLater();
    });
    process->start();
#endif
}

}  // namespace pelin::form::qt
