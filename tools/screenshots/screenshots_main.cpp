// pelin_screenshots OUTDIR: draws every window of the program the way a user
// sees it and saves each as a PNG (run by tools/screenshots.sh under Xvfb).
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/icon_menus.h"
#include "app/qt_texts.h"
#include "app/splash_window.h"
#include "app/version_window.h"
#include "character/qt/character_dialog.h"
#include "form/qt/classic_look.h"
#include "form/qt/common_dialog_backend.h"
#include "form/qt/message_box.h"
#include "form/qt/platform_services.h"
#include "notepad/qt/notepad_window.h"
#include "notepad/qt/program_notepad.h"
#include "support/fakes.h"
#include "support/qt_test_support.h"
#include "support/temp_dir.h"
#include "wizard/qt/form1_window.h"

namespace {

QString outDir;

void save(QWidget& window, const QString& name) {
    window.show();
    QTest::qWait(80);
    const QPixmap picture = window.grab();
    picture.save(outDir + u'/' + name + QStringLiteral(".png"));
    std::printf("%s %dx%d\n", qPrintable(name), picture.width(), picture.height());
}

// The main window's drop-down menus opened by the mouse as a user opens them,
// `path` naming the entries to open on the way and the item to point at.
void saveMenu(QMainWindow& window, std::initializer_list<int> path, const QString& name) {
    QMenuBar* bar = window.menuBar();
    QAction* entry = bar->actions().at(*path.begin());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
    QTest::qWait(200);
    QMenu* menu = entry->menu();
    QRect area = window.frameGeometry().united(menu->geometry());
    for (auto step = path.begin() + 1; step != path.end(); ++step) {
        QAction* item = menu->actions().at(*step);
        QTest::mouseMove(menu, menu->actionGeometry(item).center());
        QTest::qWait(450);  // long enough for a submenu to open
        area = area.united(menu->geometry());
        if (step + 1 != path.end()) menu = item->menu();
    }
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    const qreal scale = screen.devicePixelRatio();
    const QRect grabbed = area.adjusted(0, 0, 8, 8);
    const QPixmap picture = screen.copy(QRect(grabbed.topLeft() * scale, grabbed.size() * scale));
    picture.save(outDir + u'/' + name + QStringLiteral(".png"));
    std::printf("%s %dx%d\n", qPrintable(name), picture.width(), picture.height());
    for (std::size_t i = 1; i < path.size(); ++i) QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    if (QWidget* popup = QApplication::activePopupWidget()) QTest::keyClick(popup, Qt::Key_Escape);
    // The bar keeps its entry highlighted for the keyboard until Escape.
    if (bar->activeAction()) QTest::keyClick(bar, Qt::Key_Escape);
    QTest::qWait(150);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(pelin::form::qt::uiFont(9));
    QApplication::setQuitOnLastWindowClosed(false);
    pelin::app::installQtJapanese();
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);

    pelin::app::SplashWindow splash({});
    splash.timer().stop();
    save(splash, QStringLiteral("00-splash"));
    splash.hide();

    pelin::testing::TempDir dir;
    std::filesystem::copy_file(PELIN_ASSETS_DIR "/src/mascot-blue.svg", dir / "pelin-blue.pcf");
    const auto source = dir.write("日記.txt", pelin::text::toCp932(u"きょうは晴れ。\r\nぺりんと散歩しました。\r\n"));
    pelin::settings::SettingsFile ini(dir.path());
    (void)ini.WriteSetting(u"Data", u"Char", pelin::text::fromPath(dir / "pelin-blue.pcf"));
    pelin::testing::ScriptedDialogs dialogs;
    pelin::form::qt::QtMessageBox messages;
    pelin::form::qt::QtPictureLoader pictures;
    pelin::testing::FakeClipboard clipboard;
    pelin::testing::FakeShell shell;
    pelin::testing::FakeWindows windows;
    pelin::form::Services services{messages, dialogs, pictures, clipboard, shell, windows};
    dialogs.chooseFile(source);
    pelin::wizard::qt::Form1Window window(services, ini, {dir.path(), false}, &pelin::app::iconMenus());
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.Form_Load();
    pelin::wizard::Form1& model = window.model();
    model.txtTitle.setText(u"ぺりんの日記");
    model.DCheck1.setValue(1);
    model.DCheck2.setValue(1);
    model.Combo31.setListIndex(5);   // the longest transition
    dialogs.chooseColour(0xCC6600);  // the hover colour, as the colour dialog gives it (BGR)
    model.DLinkColor.click();
    model.CText1.setText(u"333366");
    model.CText2.setText(u"0066CC");
    model.CText3.setText(u"CC3300");
    model.CText4.setText(u"663399");
    model.CText5.setText(u"FFF8F0");
    model.txtTOPM.setText(u"10");
    model.Comment81.setValue(1);
    model.txtComment.setText(u"ぺりんで作りました");
    window.refresh();
    for (int step = 1; step <= 9; ++step) {
        save(window, QStringLiteral("%1-step").arg(step, 2, 10, QLatin1Char('0')));
        if (step == 9) break;
        model.SubFoword.click();
        window.refresh();
    }
    // Step 9 without a destination: the warning.
    pelin::testing::whenModalOpens([](QWidget& box) {
        QTest::qWait(50);
        box.grab().save(outDir + QStringLiteral("/12-message.png"));
        std::printf("12-message %dx%d\n", box.width(), box.height());
        static_cast<QMessageBox&>(box).accept();
    });
    model.SubFoword.click();
    dialogs.chooseFile(dir / "page.htm");
    model.HozonDialog.click();
    model.SubFoword.click();
    window.refresh();
    save(window, QStringLiteral("10-step-after-conversion"));

    // The page in the notepad, as the button after the conversion opens it.
    model.EditBottan.click();
    pelin::form::qt::QtCommonDialogBackend notepadDialogs;
    pelin::notepad::qt::ProgramNotepad notepad(notepadDialogs);
    notepad.show(windows.notepad.back(), windows.notepadFiles.back());
    save(*notepad.window(), QStringLiteral("23-notepad"));
    notepad.window()->hide();

    // The menus, each open with an item selected: File with a picture, Option
    // with the checked save mode, Help on a disabled item and on a plain one.
    window.move(40, 40);
    window.show();
    QTest::qWait(200);
    saveMenu(window, {0, 2}, QStringLiteral("14-menu-file"));
    saveMenu(window, {1, 0}, QStringLiteral("15-menu-option-picture"));
    saveMenu(window, {1, 1, 1}, QStringLiteral("16-menu-save-mode"));
    saveMenu(window, {1, 1, 0}, QStringLiteral("16-menu-save-mode-checked"));
    saveMenu(window, {1, 3}, QStringLiteral("17-menu-option"));
    saveMenu(window, {2, 0}, QStringLiteral("18-menu-help-disabled"));
    saveMenu(window, {2, 3}, QStringLiteral("19-menu-help-picture"));
    // The bar at rest, the pointer elsewhere.
    QTest::mouseMove(window.centralWidget(), QPoint(200, 200));
    QTest::qWait(150);
    window.menuBar()->grab().save(outDir + QStringLiteral("/20-menu-bar.png"));

    // Back at the first step, the source dialog cancelled: no source anywhere.
    model.StartFrame.click();
    model.Command11.click();
    window.refresh();
    save(window, QStringLiteral("21-step-1-after-cancel"));

    // The source dialog as the user sees it, Qt's own texts included.
    pelin::form::qt::QtCommonDialogBackend fileDialogs(&window);
    pelin::form::CommonDialog chooser(fileDialogs);
    chooser.DialogTitle = u"HTML変換するテキストを選択";
    chooser.Filter = u"テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*";
    chooser.FilterIndex = 1;
    chooser.Flags = pelin::form::kCdlFileMustExist;
    chooser.InitDir = pelin::text::fromPath(dir.path());
    pelin::testing::whenModalOpens([](QWidget& dialog) {
        QTest::qWait(150);
        save(dialog, QStringLiteral("22-file-dialog"));
        static_cast<QDialog&>(dialog).reject();
    });
    chooser.ShowOpen();

    pelin::app::VersionWindow version;
    save(version, QStringLiteral("13-version"));
    version.hide();

    // The character dialog with a character clicked and previewed.
    std::filesystem::copy_file(PELIN_ASSETS_DIR "/src/mascot-pink.svg", dir / "pelin-pink.pcf");
    pelin::character::qt::characterDialogOpener(pictures, ini, {dir.path()}, window, {})();
    auto* characters = window.findChild<pelin::character::qt::CharacterDialog*>();
    auto* list = characters->findChild<QListWidget*>(QStringLiteral("PCFFile"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    save(*characters, QStringLiteral("11-character"));
    window.hide();
    return 0;
}
