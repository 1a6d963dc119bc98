// The window that stands in for the system's property sheet.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QLabel>
#include <QTest>

#include "form/qt/qt_text.h"
#include "shell/qt/file_shell.h"
#include "support/temp_dir.h"
#include "support/window_shot.h"
#include "text/textfile.h"

namespace pelin::shell::qt {
namespace {

QStringList shownTexts(QWidget& window) {
    QStringList texts;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && !label->text().isEmpty()) texts << label->text();
    return texts;
}

TEST(PropertiesWindow, ShowsTheFileAndIsOneWindow) {
    testing::TempDir dir;
    const auto file = dir.write("source.txt", std::string(2048, 'a'));
    ::chmod(file.c_str(), 0444);
    QWidget main;
    FileShell shell;
    shell.setParent(&main);
    shell.showFileProperties(text::fromPath(file));
    PropertiesWindow* window = shell.window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->parentWidget(), &main);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("source.txtのプロパティ"));
    const QStringList texts = shownTexts(*window);
    EXPECT_TRUE(texts.contains(QStringLiteral("2,048 バイト"))) << texts.join(u'|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("読み取り専用")));
    EXPECT_TRUE(texts.contains(form::qt::fromPath(dir.path())));
    testing::saveShot(*window, "properties");

    // Asked again for a path with no file: the same window says so.
    shell.showFileProperties(text::fromPath(dir / "gone.txt"));
    EXPECT_EQ(shell.window(), window);
    const QStringList missing = shownTexts(*window);
    ASSERT_EQ(missing.size(), 1);
    EXPECT_EQ(missing[0], QStringLiteral("ファイルが見つかりません。\n") + form::qt::fromPath(dir / "gone.txt"));
    testing::saveShot(*window, "properties-missing");
    EXPECT_FALSE(shell.showInternetOptions());
    delete window;
}

TEST(Shell, NoInternetOptionsPanelHere) { EXPECT_FALSE(FileShell().showInternetOptions()); }

}  // namespace
}  // namespace pelin::shell::qt
