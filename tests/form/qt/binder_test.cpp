// What the binder does alike for every control of a kind.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "form/qt/binder.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {
namespace {

template <typename W>
W* widgetNamed(QWidget& root, const char* name) {
    auto* widget = new W(&root);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

TEST(Binder, AControlWhoseWidgetIsMissingOrOfAnotherKindIsAMistakeNamedAtOnce) {
    QWidget root;
    root.setObjectName(QStringLiteral("Form"));
    widgetNamed<QLabel>(root, "Labl1");
    widgetNamed<QLabel>(root, "OKButton");
    Label label("Label1");
    Button ok("OKButton");
    ControlTable misspelt, wrongKind;
    misspelt.add(label);
    wrongKind.add(ok);
    Binder binder(&root);
    try {
        binder.bind(misspelt);
        ADD_FAILURE() << "a misspelt name was bound";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("\"Label1\""), std::string::npos) << e.what();
    }
    EXPECT_THROW(binder.bind(wrongKind), std::logic_error);
    // A control with a place of its own is made where the table puts it.
    PictureBox preview("Image1");
    ControlTable placed;
    placed.add(preview, nullptr, Place{150, 300, 1500, 750});
    binder.bind(placed);
    auto* made = root.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->geometry(), QRect(10, 20, 100, 50));
}

TEST(Binder, TypingIntoAComboBoxSelectsNoItemAndCompletesNothing) {
    QWidget root;
    widgetNamed<QComboBox>(root, "sizes");
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
    widgetNamed<QPushButton>(root, "colour");
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
