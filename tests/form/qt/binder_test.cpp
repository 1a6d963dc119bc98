// What the binder does alike for every control of a kind.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "form/qt/binder.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {
namespace {

TEST(Binder, TypingIntoAComboBoxSelectsNoItemAndCompletesNothing) {
    QWidget root;
    Binder binder(&root);
    ComboBox sizes("sizes");
    for (const char16_t* item : {u" 7", u"10(標準)", u"20"}) sizes.addItem(item);
    sizes.setListIndex(1);
    QComboBox* widget = binder.bind(sizes);
    binder.sync();
    root.show();
    widget->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&root));
    widget->lineEdit()->selectAll();
    QTest::keyClicks(widget->lineEdit(), QStringLiteral("2"));
    QTest::keyClick(widget->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(widget->currentText(), QStringLiteral("2"));
    EXPECT_EQ(sizes.listIndex, -1);
}

TEST(Binder, AColourButtonShowsExactlyItsColour) {
    QWidget root;
    Binder binder(&root);
    Button button("colour");
    QPushButton* widget = binder.bind(button);
    widget->resize(80, 24);
    for (std::int32_t colour : {255, 16711680, 8421504}) {
        button.backColor = colour;
        binder.sync();
        const QImage face = widget->grab().toImage();
        EXPECT_EQ(face.pixelColor(face.rect().center()), toQColor(colour)) << colour;
    }
}

}  // namespace
}  // namespace pelin::form::qt
