#include <sys/stat.h>

#include <gtest/gtest.h>
#include <QBuffer>
#include <QColorDialog>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "form/qt/classic_look.h"
#include "form/qt/common_dialog_backend.h"
#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"
#include "platform/files.h"
#include "support/qt_test_support.h"
#include "support/temp_dir.h"

namespace pelin::form::qt {
namespace {

std::string pictureBytes(const char* format) {
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

TEST(PictureLoader, ContentDecidesTheFormatWhateverTheName) {
    testing::TempDir dir;
    QtPictureLoader loader;
    for (const char* format : {"PNG", "BMP", "JPG"}) {
        const auto path = dir.write(std::string("chara-") + format + ".pcf", pictureBytes(format));
        const std::shared_ptr<Picture> picture = loader.load(path);
        ASSERT_NE(picture, nullptr) << format;
        EXPECT_EQ(picture->width(), 7);
        EXPECT_EQ(picture->height(), 5);
        ASSERT_NE(pixmapOf(picture.get()), nullptr);
        EXPECT_FALSE(pixmapOf(picture.get())->isNull());
    }
    // A drawing, as the characters that come with the program are.
    const std::shared_ptr<Picture> drawing = loader.load(dir.write(
        "drawn.pcf",
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="7" height="5"><rect width="7" height="5"/></svg>)"));
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(drawing->width(), 7);
    EXPECT_EQ(drawing->height(), 5);
    EXPECT_EQ(loader.load(dir.write("text.pcf", "no picture here")), nullptr);
    EXPECT_EQ(loader.load(dir / "missing.pcf"), nullptr);
    // A pipe named as the mascot would block the start-up if it were opened.
    ASSERT_EQ(::mkfifo((dir / "pipe.pcf").c_str(), 0600), 0);
    EXPECT_EQ(loader.load(dir / "pipe.pcf"), nullptr);
}

TEST(PictureLoader, AFileOverThePictureLimitIsNotRead) {
    testing::TempDir dir;
    // A picture that decodes whatever follows it, made larger than the limit.
    const auto path = dir.write("large.pcf", pictureBytes("PNG"));
    ASSERT_NE(QtPictureLoader().load(path), nullptr);
    std::filesystem::resize_file(path, platform::kMaxPictureFileBytes + 1);
    EXPECT_EQ(QtPictureLoader().load(path), nullptr);
}

TEST(BundledPicture, DrawnForThePixelRatioAtTheSameSizeInWindows) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QPixmap mascot = bundledPicture(QStringLiteral("mascot-blue"), ratio);
        EXPECT_EQ(mascot.devicePixelRatio(), ratio);
        EXPECT_EQ(mascot.size(), QSize(123, 207) * ratio);
        EXPECT_EQ(mascot.deviceIndependentSize().toSize(), QSize(123, 207)) << ratio;
    }
    EXPECT_TRUE(bundledPicture(QStringLiteral("no-such-picture")).isNull());
}

TEST(FileNames, ANameThatIsNotUtf8KeepsItsBytesThroughQt) {
    testing::TempDir dir;
    // Latin-1 "été" and code page 932 "日記", as older systems name their files.
    for (const char* name : {"\xE9t\xE9.pcf", "\x93\xFA\x8B\x4C.pcf"}) {
        const std::filesystem::path path = dir / name;
        EXPECT_EQ(toPath(fromPath(path)).native(), path.native()) << name;
        EXPECT_NE(QtPictureLoader().load(dir.write(name, pictureBytes("PNG"))), nullptr) << name;
    }
    EXPECT_EQ(fromPath("ぺりん.pcf"), QStringLiteral("ぺりん.pcf"));  // UTF-8 reads as itself
}

TEST(ColourNumbers, RedInTheLowestByte) {
    EXPECT_EQ(toColourNumber(QColor(0, 0, 255)), 16711680);
    EXPECT_EQ(toColourNumber(QColor(128, 128, 255)), 16744576);
    EXPECT_EQ(toQColor(65280), QColor(0, 255, 0));
    EXPECT_EQ(toQColor(16744576), QColor(128, 128, 255));
}

TEST(Clipboard, RoundTripsText) {
    QtClipboard clipboard;
    clipboard.setText(u"ぺりん\r\nText");
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), u"ぺりん\r\nText");
}

class NoBackend : public CommonDialogBackend {
    bool showOpen(CommonDialog&) override { return false; }
    bool showSave(CommonDialog&) override { return false; }
    bool showColor(CommonDialog&) override { return false; }
};

TEST(FileDialog, PreparedFromTheDialogProperties) {
    testing::TempDir dir;
    NoBackend none;
    CommonDialog dialog(none);
    dialog.DialogTitle = u"背景CGを選択";
    dialog.Filter = u"画像ファイル|*.gif;*.png|すべてのファイル(*.*)|*.*";
    dialog.FilterIndex = 2;
    dialog.Flags = kCdlFileMustExist;
    dialog.InitDir = fromQString(fromPath(dir.path()));
    QFileDialog open;
    prepareFileDialog(open, dialog, false);
    EXPECT_EQ(open.windowTitle(), QStringLiteral("背景CGを選択"));
    EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
    // Qt keeps the patterns; the user sees each description as the program words it.
    ASSERT_EQ(open.nameFilters().size(), 2);
    EXPECT_EQ(open.nameFilters().at(0), QStringLiteral("画像ファイル (*.gif *.png)"));
    EXPECT_TRUE(open.testOption(QFileDialog::HideNameFilterDetails));
    EXPECT_EQ(open.selectedNameFilter(), QStringLiteral("すべてのファイル(*.*)"));
    EXPECT_EQ(open.directory().absolutePath(), fromPath(dir.path()));

    // A stored Windows folder that does not exist here opens the home folder.
    dialog.InitDir = u"C:\\";
    dialog.Flags = kCdlOverwritePrompt;
    dialog.DefaultExt = u"htm";
    dialog.FilterIndex = 9;  // out of range: the first entry
    QFileDialog save;
    prepareFileDialog(save, dialog, true);
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(save.testOption(QFileDialog::DontConfirmOverwrite));  // asked in the program's words
    EXPECT_EQ(save.defaultSuffix(), QStringLiteral("htm"));
    EXPECT_EQ(save.selectedNameFilter(), QStringLiteral("画像ファイル"));
    EXPECT_EQ(save.directory().absolutePath(), QDir::homePath());

    dialog.Flags = 0;
    QFileDialog noPrompt;
    prepareFileDialog(noPrompt, dialog, true);
    EXPECT_TRUE(noPrompt.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(FileDialog, OpensWhereTheWindowsDialogsOpen) {
    testing::TempDir dir;
    const QString named = fromPath(dir.path()), initial = fromPath(dir / "initial"), last = fromPath(dir / "last");
    QDir().mkpath(initial);
    QDir().mkpath(last);
    EXPECT_EQ(startFolder(named + QStringLiteral("/page.htm"), initial, last), named);
    EXPECT_EQ(startFolder(QStringLiteral("page"), initial, last), initial);
    EXPECT_EQ(startFolder(named + QStringLiteral("/gone/page.htm"), QStringLiteral("C:\\"), last), last);
    EXPECT_EQ(startFolder({}, {}, named + QStringLiteral("/gone")), QDir::homePath());
}

TEST(FileDialog, AcceptedChoiceGivesPathNameAndDefaultExtension) {
    testing::TempDir dir;
    QtCommonDialogBackend backend;
    CommonDialog dialog(backend);
    dialog.DialogTitle = u"HTML変換したファイルの保存先";
    dialog.Filter = u"すべてのファイル(*.*)|*.*";
    dialog.FilterIndex = 1;
    dialog.Flags = kCdlOverwritePrompt;
    dialog.InitDir = fromQString(fromPath(dir.path()));
    dialog.FileName = u"ぺりんの日記";
    dialog.DefaultExt = u"htm";
    pelin::testing::whenModalOpens([](QWidget& modal) {
        auto& fileDialog = dynamic_cast<QFileDialog&>(modal);
        EXPECT_EQ(fileDialog.windowTitle(), QStringLiteral("HTML変換したファイルの保存先"));
        static_cast<QDialog&>(fileDialog).accept();  // runs the file dialog's own accept
    });
    ASSERT_TRUE(dialog.ShowSave());
    const QString expected = fromPath(dir.path()) + QStringLiteral("/ぺりんの日記.htm");
    EXPECT_EQ(toQString(dialog.FileName), expected);
    EXPECT_EQ(dialog.FileTitle, u"ぺりんの日記.htm");

    pelin::testing::whenModalOpens([](QWidget& modal) { dynamic_cast<QDialog&>(modal).reject(); });
    const Text before = dialog.FileName;
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName, before);
}

TEST(FileDialog, RemembersItsFoldersForThisRunWithoutASettingsFileOfQts) {
    testing::TempDir config, first, second;
    // Where Qt keeps its dialogs' settings: the user's configuration folder, here
    // a temporary one.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, fromPath(config.path()));
    QtCommonDialogBackend backend;
    CommonDialog dialog(backend);
    dialog.InitDir = fromQString(fromPath(first.path()));
    dialog.FileName = u"page.htm";
    pelin::testing::whenModalOpens([](QWidget& modal) { static_cast<QDialog&>(modal).accept(); });
    ASSERT_TRUE(dialog.ShowSave());

    QStringList history;
    dialog.InitDir = fromQString(fromPath(second.path()));
    pelin::testing::whenModalOpens([&history](QWidget& modal) {
        history = dynamic_cast<QFileDialog&>(modal).history();
        static_cast<QDialog&>(modal).reject();
    });
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_TRUE(history.contains(fromPath(first.path()))) << history.join(u' ').toStdString();
    EXPECT_TRUE(std::filesystem::is_empty(config.path()));
}

TEST(FileDialog, ReplacingAChosenFileIsAskedAsForATypedOne) {
    testing::TempDir dir;
    const auto existing = dir.write("page.htm", "old");
    QtCommonDialogBackend backend;
    CommonDialog dialog(backend);
    dialog.Flags = kCdlOverwritePrompt;
    dialog.FileName = fromQString(fromPath(existing));
    dialog.DefaultExt = u"htm";
    QString asked;
    bool reopened = false;
    // The file dialog is accepted on the existing page, the question answered
    // No, and the dialog that opens again is cancelled.
    pelin::testing::whenModalOpens([&](QWidget& modal) {
        static_cast<QDialog&>(modal).accept();
        pelin::testing::whenModalOpens([&](QWidget& question) {
            auto& box = dynamic_cast<QMessageBox&>(question);
            asked = box.text();
            EXPECT_EQ(box.windowTitle(), QStringLiteral("ぺりん"));
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            box.button(QMessageBox::No)->click();
            pelin::testing::whenModalOpens([&](QWidget& again) {
                reopened = dynamic_cast<QFileDialog*>(&again) != nullptr;
                static_cast<QDialog&>(again).reject();
            });
        });
    });
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(asked,
              fromPath(existing) + QStringLiteral(" は既に存在します。\r\n上書きしますか?").replace(u'\r', QString()));
    EXPECT_TRUE(reopened);
    EXPECT_EQ(dialog.FileName, fromQString(fromPath(existing)));
}

TEST(ColourDialog, ChosenColourAsNumberCancelReportsFalse) {
    QtCommonDialogBackend backend;
    CommonDialog dialog(backend);
    dialog.Flags = kCdlColorFullOpen;
    pelin::testing::whenModalOpens([](QWidget& modal) {
        auto& colours = dynamic_cast<QColorDialog&>(modal);
        colours.setCurrentColor(QColor(0, 0, 255));
        colours.accept();
    });
    ASSERT_TRUE(dialog.ShowColor());
    EXPECT_EQ(dialog.Color, 16711680);
    QColor started;  // not the last colour: OK at once must not copy another group's
    pelin::testing::whenModalOpens([&started](QWidget& modal) {
        started = dynamic_cast<QColorDialog&>(modal).currentColor();
        dynamic_cast<QDialog&>(modal).reject();
    });
    EXPECT_FALSE(dialog.ShowColor());
    EXPECT_NE(started, QColor(0, 0, 255));
    EXPECT_EQ(dialog.Color, 16711680);
}

}  // namespace
}  // namespace pelin::form::qt
