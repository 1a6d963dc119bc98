#include "form/qt/file_filter.h"

#include <gtest/gtest.h>

namespace pelin::form::qt {
namespace {

TEST(FileFilter, PairsBecomeQtFiltersInOrder) {
    EXPECT_EQ(toQtFilters(QStringLiteral("テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*")),
              (QStringList{QStringLiteral("テキストファイル(*.txt) (*.txt)"),
                           QStringLiteral("すべてのファイル(*.*) (*.*)")}));
}

TEST(FileFilter, SemicolonsSeparatePatternsOfOneEntry) {
    EXPECT_EQ(toQtFilters(QStringLiteral(
                  "画像ファイル(*.gif,*.jpg,*.jpeg,*.png)|*.gif;*.jpg;*.jpeg;*.png|すべてのファイル(*.*)|*.*")),
              (QStringList{QStringLiteral("画像ファイル(*.gif,*.jpg,*.jpeg,*.png) (*.gif *.jpg *.jpeg *.png)"),
                           QStringLiteral("すべてのファイル(*.*) (*.*)")}));
}

TEST(FileFilter, TrailingBarEmptyPatternsAndEmptyFilter) {
    EXPECT_EQ(toQtFilters(QStringLiteral("HTML|*.htm;*.html|")), QStringList{QStringLiteral("HTML (*.htm *.html)")});
    // An empty pattern keeps its place so later filter indexes still match.
    EXPECT_EQ(toQtFilters(QStringLiteral("a||b|*.b")),
              (QStringList{QStringLiteral("a (*)"), QStringLiteral("b (*.b)")}));
    EXPECT_EQ(toQtFilters(QStringLiteral("a|; ;*.x ;")), QStringList{QStringLiteral("a (*.x)")});
    EXPECT_TRUE(toQtFilters(QString()).isEmpty());
    EXPECT_TRUE(toQtFilters(QStringLiteral("only a description")).isEmpty());
}

TEST(FileFilter, DefaultExtensionOnlyForNamesWithout) {
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/page"), QStringLiteral("htm")),
              QStringLiteral("/tmp/page.htm"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/page.html"), QStringLiteral("htm")),
              QStringLiteral("/tmp/page.html"));
    // A dot in a folder name does not count as the file's extension.
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/v1.31/page"), QStringLiteral(".htm")),
              QStringLiteral("/tmp/v1.31/page.htm"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/page"), QString()), QStringLiteral("/tmp/page"));
}

}  // namespace
}  // namespace pelin::form::qt
