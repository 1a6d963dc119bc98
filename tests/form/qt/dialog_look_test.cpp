// Where the dialogs open and how their file list reads, run in Japanese as the
// program's users run it.
#include <gtest/gtest.h>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QTest>
#include <QTreeView>

#include "form/qt/common_dialog_backend.h"
#include "form/qt/message_box.h"
#include "form/qt/qt_text.h"
#include "support/qt_test_support.h"
#include "support/temp_dir.h"

namespace pelin::form::qt {
namespace {

TEST(Dialogs, OpenOverTheSplashWhileTheirWindowStartsThenOverThatWindow) {
    QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash.setGeometry(250, 200, 286, 202);
    splash.show();
    QWidget main;  // made, and not shown until its start-up ends
    main.resize(600, 450);
    QPoint middle;
    const auto closeNext = [&middle] {
        pelin::testing::whenModalOpens([&middle](QWidget& modal) {
            middle = modal.frameGeometry().center();
            dynamic_cast<QDialog&>(modal).reject();
        });
    };
    closeNext();
    QtMessageBox(&main).show(u"このファイルは変換できません。", kMbWarning, u"ぺりん");
    EXPECT_LE((middle - splash.frameGeometry().center()).manhattanLength(), 3) << middle.x() << "," << middle.y();
    QtCommonDialogBackend backend(&main);
    CommonDialog dialog(backend);
    closeNext();
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_LE((middle - splash.frameGeometry().center()).manhattanLength(), 3) << middle.x() << "," << middle.y();

    splash.close();
    main.move(100, 75);
    main.show();
    closeNext();
    EXPECT_FALSE(dialog.ShowColor());
    EXPECT_LE((middle - main.frameGeometry().center()).manhattanLength(), 3) << middle.x() << "," << middle.y();
}

TEST(FileDialog, SizesAndDatesOfTheFileListAreShownWhole) {
    testing::TempDir dir;
    dir.write("日記.txt", std::string(31234, 'x'));
    QtCommonDialogBackend backend;
    CommonDialog dialog(backend);
    dialog.InitDir = fromQString(fromPath(dir.path()));
    QStringList cut;
    pelin::testing::whenModalOpens([&cut](QWidget& modal) {
        auto* view = modal.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(view, nullptr);
        const QAbstractItemModel* model = view->model();
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(view->rootIndex()) == 1; }, 5000));
        const QFontMetrics metrics(view->font());
        for (const int column : {1, 3}) {
            const QString shown = model->index(0, column, view->rootIndex()).data().toString();
            const QString heading = model->headerData(column, Qt::Horizontal).toString();
            // The text with the room a cell keeps at each side.
            if (metrics.horizontalAdvance(shown) + 8 > view->header()->sectionSize(column) ||
                metrics.horizontalAdvance(heading) + 8 > view->header()->sectionSize(column))
                cut << shown;
        }
        dynamic_cast<QDialog&>(modal).reject();
    });
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_TRUE(cut.isEmpty()) << cut.join(u' ').toStdString();
}

}  // namespace
}  // namespace pelin::form::qt
