#include "form/qt/common_dialog_backend.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QTreeView>

#include "form/messages.h"
#include "form/qt/dialog_place.h"
#include "form/qt/file_filter.h"
#include "form/qt/message_box.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {

void keepQtDialogSettingsInMemory() {
    // Qt's resources are read-only: Qt finds nothing there and writes nothing.
    const QString nowhere = QStringLiteral(":/pelin/no-settings");
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
            QSettings::setPath(format, scope, nowhere);
}

namespace {

// The widest text the file list shows in a column (size, kind, date) in the
// system's language: Qt sizes these columns for English texts, and Japanese
// sizes and dates ran past them.
int widestText(const QFontMetrics& metrics, int column) {
    const QLocale locale = QLocale::system();
    QStringList texts;
    if (column == 1) {
        for (const qint64 bytes : {Q_INT64_C(999), Q_INT64_C(1048565), Q_INT64_C(1073731765), Q_INT64_C(1099501129318)})
            texts << locale.formattedDataSize(bytes);
    } else if (column == 2) {
        // The kind of a file, as the system's list of file types names it:
        // "平文テキストドキュメント" is among the longest that are common.
        texts << QString(12, QChar(0x3042));
    } else if (column == 3) {
        texts << locale.toString(QDateTime(QDate(2028, 12, 28), QTime(23, 58, 58)), QLocale::ShortFormat);
    }
    int widest = 0;
    for (const QString& text : texts) widest = qMax(widest, metrics.horizontalAdvance(text));
    return widest;
}

// The file list in its detailed view gives its size, type and date columns the
// room their heading and their texts need, and the dialog grows to show them.
class FileDialog : public Centred<QFileDialog> {
public:
    using Centred::Centred;

protected:
    void showEvent(QShowEvent* event) override {
        if (!event->spontaneous()) giveColumnsTheirWidth();
        Centred::showEvent(event);
    }

private:
    void giveColumnsTheirWidth() {
        auto* view = findChild<QTreeView*>(QStringLiteral("treeView"));
        if (!view || !view->model()) return;
        QHeaderView* header = view->header();
        const QFontMetrics cells(view->font());
        const QFontMetrics headings(header->font());
        const int cellRoom = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + 6;
        const int headingRoom = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) +
                                header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header) + 6;
        int wanted = 0;
        for (int column = 0; column < header->count(); ++column) {
            if (header->isSectionHidden(column)) continue;
            if (column > 0) {
                const QString heading = view->model()->headerData(column, Qt::Horizontal).toString();
                const int room =
                    qMax(headings.horizontalAdvance(heading) + headingRoom, widestText(cells, column) + cellRoom);
                if (header->sectionSize(column) < room) header->resizeSection(column, room);
            }
            wanted += header->sectionSize(column);
        }
        const int missing = wanted - view->viewport()->width();
        if (missing <= 0) return;
        const QScreen* shownOn = screen();
        const int most = shownOn ? shownOn->availableGeometry().width() * 9 / 10 : width() + missing;
        if (width() < most) resize(qMin(width() + missing, most), height());
    }
};

}  // namespace

QtCommonDialogBackend::QtCommonDialogBackend(QWidget* parent) : parent_(parent) { keepQtDialogSettingsInMemory(); }

QString startFolder(const QString& fileName, const QString& initDir, const QString& lastUsed) {
    return toQString(dialogStartFolder(fromQString(fileName), fromQString(initDir), fromQString(lastUsed)));
}

void prepareFileDialog(QFileDialog& fileDialog, const CommonDialog& dialog, bool save, const QString& lastUsed) {
    fileDialog.setObjectName(save ? QStringLiteral("SaveDialog") : QStringLiteral("OpenDialog"));
    fileDialog.setWindowTitle(toQString(dialog.DialogTitle));
    fileDialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The descriptions already name their patterns ("テキストファイル(*.txt)"); the
    // patterns Qt needs after them would only repeat that.
    fileDialog.setOption(QFileDialog::HideNameFilterDetails, true);
    fileDialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) {
        fileDialog.setFileMode(QFileDialog::AnyFile);
        // Replacing a file is asked by showSave, in the program's own words.
        fileDialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        fileDialog.setDefaultSuffix(toQString(dialog.DefaultExt));
    } else {
        fileDialog.setFileMode((dialog.Flags & kCdlFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }

    const QStringList filters = toQtFilters(toQString(dialog.Filter));
    if (!filters.isEmpty()) {
        fileDialog.setNameFilters(filters);
        const int index = dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size() ? dialog.FilterIndex : 1;
        fileDialog.selectNameFilter(filters[index - 1]);
    }
    fileDialog.setDirectory(startFolder(toQString(dialog.FileName), toQString(dialog.InitDir), lastUsed));
    const QString proposed = toQString(dialog.FileName);
    if (!proposed.isEmpty()) fileDialog.selectFile(QFileInfo(proposed).fileName());
}

void takeFileDialogResult(const QFileDialog& fileDialog, CommonDialog& dialog, bool save) {
    const QStringList chosen = fileDialog.selectedFiles();
    if (chosen.isEmpty()) return;
    QString path = QDir::cleanPath(chosen.first());
    if (save) path = withDefaultExtension(path, toQString(dialog.DefaultExt));
    dialog.FileName = fromQString(QDir::toNativeSeparators(path));
    dialog.FileTitle = fromQString(QFileInfo(path).fileName());
    const qsizetype filter = fileDialog.nameFilters().indexOf(fileDialog.selectedNameFilter());
    if (filter >= 0) dialog.FilterIndex = static_cast<int>(filter) + 1;
}

bool QtCommonDialogBackend::showFile(CommonDialog& dialog, bool save) {
    CommonDialog chosen = dialog;
    for (;;) {
        FileDialog fileDialog(parent_.data());
        fileDialog.setOption(QFileDialog::DontUseNativeDialog, true);
        if (!fileDialogState_.isEmpty()) fileDialog.restoreState(fileDialogState_);
        prepareFileDialog(fileDialog, chosen, save, lastFolder_);
        const int answer = fileDialog.exec();
        fileDialogState_ = fileDialog.saveState();
        if (answer != QDialog::Accepted || fileDialog.selectedFiles().isEmpty()) return false;
        takeFileDialogResult(fileDialog, chosen, save);
        const bool asks = save && (dialog.Flags & kCdlOverwritePrompt) && QFileInfo::exists(toQString(chosen.FileName));
        // No: the dialog opens again where the user was, as a save dialog does.
        if (!asks ||
            QtMessageBox(parent_.data()).show(overwriteQuestion(chosen.FileName), kMbQuestion, kProgramTitle) ==
                kAnswerYes)
            break;
    }
    dialog = chosen;
    lastFolder_ = QFileInfo(toQString(dialog.FileName)).absolutePath();
    return true;
}

Text QtCommonDialogBackend::startFolder(const CommonDialog& dialog) {
    return dialogStartFolder(dialog.FileName, dialog.InitDir, fromQString(lastFolder_));
}

bool QtCommonDialogBackend::showOpen(CommonDialog& dialog) { return showFile(dialog, false); }
bool QtCommonDialogBackend::showSave(CommonDialog& dialog) { return showFile(dialog, true); }

bool QtCommonDialogBackend::showColor(CommonDialog& dialog) {
    // Only a caller that asks for it starts at its colour; another group's last
    // choice must not be what OK at once gives.
    Centred<QColorDialog> colourDialog(parent_.data());
    if (dialog.Flags & kCdlColorRgbInit) colourDialog.setCurrentColor(toQColor(dialog.Color));
    colourDialog.setObjectName(QStringLiteral("ColorDialog"));
    colourDialog.setWindowTitle(QStringLiteral("色の設定"));
    colourDialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (colourDialog.exec() != QDialog::Accepted) return false;
    dialog.Color = toColourNumber(colourDialog.selectedColor());
    return true;
}

}  // namespace pelin::form::qt
