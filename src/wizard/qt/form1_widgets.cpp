#include "wizard/qt/form1_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "form/qt/classic_look.h"

namespace pelin::wizard::qt {
namespace {

template <typename W>
W* make(QWidget* parent, const char* name) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* heading(QWidget* parent, const char* name) {
    QLabel* label = make<QLabel>(parent, name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* hint(QWidget* parent, const char* name) {
    QLabel* image = make<QLabel>(parent, name);
    image->setPixmap(form::qt::bundledPicture(QStringLiteral("hint-ie4")));
    image->setFixedSize(16, 16);
    return image;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true) {
    auto* layout = new QHBoxLayout();
    layout->setSpacing(6);
    for (QWidget* w : widgets) layout->addWidget(w);
    if (stretch) layout->addStretch(1);
    return layout;
}

QGroupBox* stepFrame(QWidget* parent, const char* name) {
    QGroupBox* frame = make<QGroupBox>(parent, name);
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(5);
    return frame;
}

QVBoxLayout* column(QGroupBox* frame) { return static_cast<QVBoxLayout*>(frame->layout()); }

QPushButton* button(QWidget* parent, const char* name) {
    QPushButton* b = make<QPushButton>(parent, name);
    b->setAutoDefault(false);
    return b;
}

void buildStep1(QGroupBox* f) {
    QVBoxLayout* v = column(f);
    v->addWidget(heading(f, "HTMLFileTitle"));
    QLineEdit* path = make<QLineEdit>(f, "txtHTML");
    path->setMinimumWidth(300);
    v->addLayout(row({path, button(f, "Command11")}, false));
    v->addWidget(make<QLabel>(f, "txtHTMLSize"));
    v->addSpacing(8);
    auto* grid = new QGridLayout();
    grid->addWidget(make<QLabel>(f, "Label18"), 0, 0);
    grid->addWidget(make<QComboBox>(f, "LangCombo"), 0, 1);
    grid->addWidget(make<QLabel>(f, "Label19"), 1, 0);
    grid->addWidget(make<QComboBox>(f, "CharsetCombo"), 1, 1);
    grid->addWidget(make<QLabel>(f, "Label20"), 2, 0);
    grid->addWidget(make<QLineEdit>(f, "txt_CSS"), 2, 1);
    grid->addWidget(button(f, "Command1"), 2, 2);
    grid->setColumnStretch(1, 1);
    v->addLayout(grid);
    v->addStretch(1);
}

void buildStep2(QGroupBox* f) {
    QVBoxLayout* v = column(f);
    v->addWidget(heading(f, "HTMLTitle"));
    v->addWidget(make<QLineEdit>(f, "txtTitle"));
    v->addWidget(heading(f, "HTMLKeyword"));
    v->addWidget(make<QLineEdit>(f, "txtKeyword1"));
    v->addWidget(heading(f, "HTMLMidashi"));
    v->addWidget(make<QLineEdit>(f, "txtMidashi"));
    v->addWidget(make<QCheckBox>(f, "Check1"));
    v->addStretch(1);
}

void buildStep3(QGroupBox* f) {
    QVBoxLayout* v = column(f);
    v->addLayout(row({make<QCheckBox>(f, "DCheck1"), heading(f, "DLinkColorTitle"), hint(f, "Image1")}));
    auto* sample = make<QLabel>(f, "Sample31");
    auto* hover = row({button(f, "DLinkColor"), sample});
    hover->setContentsMargins(24, 0, 0, 0);
    hover->insertSpacing(1, 10);
    v->addLayout(hover);
    v->addSpacing(10);
    v->addLayout(row({make<QCheckBox>(f, "DCheck2"), heading(f, "DTranTitle"), hint(f, "Image2")}));
    auto* grid = new QGridLayout();
    grid->setContentsMargins(24, 0, 0, 0);
    grid->addWidget(make<QLabel>(f, "DTran1"), 0, 0);
    grid->addWidget(make<QComboBox>(f, "Combo31"), 0, 1);
    grid->addWidget(make<QLabel>(f, "Label11"), 1, 0);
    grid->addWidget(make<QComboBox>(f, "Combo32"), 1, 1);
    grid->setColumnStretch(2, 1);
    v->addLayout(grid);
    v->addStretch(1);
}

void buildStep4(QGroupBox* f) {
    QVBoxLayout* v = column(f);
    v->addWidget(heading(f, "BodyTitle"));
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(6);
    const char* buttons[] = {"Command41", "Command42", "Command43", "Command44", "Command45"};
    const char* boxes[] = {"CText1", "CText2", "CText3", "CText4", "CText5"};
    for (int i = 0; i < 5; ++i) {
        QPushButton* colour = button(f, buttons[i]);
        colour->setMinimumWidth(76);
        QLineEdit* code = make<QLineEdit>(f, boxes[i]);
        code->setFixedWidth(code->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWW")) + 12);
        grid->addWidget(colour, i / 2, (i % 2) * 2);
        grid->addWidget(code, i / 2, (i % 2) * 2 + 1);
    }
    // A plain frame: a group box's style would tint the background colour it previews.
    QFrame* samples = make<QFrame>(f, "SampleFrame");
    samples->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* sampleColumn = new QVBoxLayout(samples);
    sampleColumn->addWidget(make<QLabel>(samples, "SampleFont1"));
    auto* link = make<QLabel>(samples, "SampleFont2");
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    sampleColumn->addWidget(link);
    grid->addWidget(samples, 2, 2, 1, 2);
    grid->setColumnStretch(4, 1);
    v->addLayout(grid);
    v->addSpacing(4);
    v->addWidget(heading(f, "Label12"));
    v->addLayout(row({make<QLineEdit>(f, "BackgroundTitle"), button(f, "Command46")}, false));
    v->addWidget(make<QLabel>(f, "txtCGSize"));
    v->addLayout(row({make<QCheckBox>(f, "FIXEDCheck"), hint(f, "Image4")}));
    v->addStretch(1);
}

void buildStep5(QGroupBox* f) {
    QVBoxLayout* v = column(f);
    v->addWidget(heading(f, "PageSTitle"));
    auto* grid = new QGridLayout();
    const char* names[2][6] = {{"TMTitle", "txtTOPM", "Pix51", "mm51", "cm51", ""},
                               {"LMTitle", "txtLEFTM", "Pix52", "mm52", "cm52", ""}};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(make<QLabel>(f, names[r][0]), r, 0);
        QLineEdit* margin = make<QLineEdit>(f, names[r][1]);
        margin->setFixedWidth(margin->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 14);
        grid->addWidget(margin, r, 1);
        grid->addWidget(make<QLabel>(f, names[r][2]), r, 2);
        QLabel* cm = make<QLabel>(f, names[r][3]);
        cm->setMinimumWidth(cm->fontMetrics().horizontalAdvance(QStringLiteral("0.0000")));
        cm->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(cm, r, 3);
        grid->addWidget(make<QLabel>(f, names[r][4]), r, 4);
    }
    grid->setColumnStretch(5, 1);
    v->addLayout(grid);
    v->addSpacing(6);
    v->addLayout(row({heading(f, "Label13"), hint(f, "Image3")}));
    auto* size = make<QComboBox>(f, "BaseFontSize");
    size->setMinimumWidth(110);
    v->addLayout(row({size}));
    v->addSpacing(6);
    v->addLayout(row({make<QCheckBox>(f, "Check51"), heading(f, "Label14")}));
    v->addStretch(1);
}

void buildStep6(QGroupBox* f) {
    QVBoxLayout* v = column(f);
    v->addWidget(heading(f, "Label15"));
    for (const char* name : {"BR61", "PRE61", "P61"}) {
        auto* option = make<QRadioButton>(f, name);
        v->addLayout(row({option}));
        static_cast<QHBoxLayout*>(v->itemAt(v->count() - 1)->layout())->setContentsMargins(16, 0, 0, 0);
    }
    v->addSpacing(6);
    v->addWidget(heading(f, "Label16"));
    for (const char* name : {"URL61", "Mail61"}) {
        v->addLayout(row({make<QCheckBox>(f, name)}));
        static_cast<QHBoxLayout*>(v->itemAt(v->count() - 1)->layout())->setContentsMargins(16, 0, 0, 0);
    }
    v->addStretch(1);
}

void buildSteps7to10(QGroupBox* f7, QGroupBox* f8, QGroupBox* f9, QGroupBox* f10) {
    column(f7)->addWidget(make<QCheckBox>(f7, "Option71"));
    column(f7)->addWidget(make<QCheckBox>(f7, "Option72"));
    column(f7)->addStretch(1);

    column(f8)->addWidget(make<QCheckBox>(f8, "Comment81"));
    auto* comment = make<QPlainTextEdit>(f8, "txtComment");
    comment->setTabChangesFocus(true);
    column(f8)->addWidget(comment, 1);
    column(f8)->addStretch(0);

    column(f9)->addWidget(heading(f9, "Label91"));
    column(f9)->addLayout(row({make<QLineEdit>(f9, "txtHozon"), button(f9, "HozonDialog")}, false));
    column(f9)->addStretch(1);

    QVBoxLayout* v = column(f10);
    QLabel* done = heading(f10, "Label17");
    v->addWidget(done);
    v->addSpacing(4);
    v->addWidget(make<QLabel>(f10, "txtSize"));
    v->addWidget(make<QLabel>(f10, "htmSize"));
    v->addStretch(1);
    v->addLayout(row(
        {button(f10, "SeteiMynu"), button(f10, "EditBottan"), button(f10, "BrowseButton"), button(f10, "StartFrame")}));
}

}  // namespace

void buildForm1Widgets(QWidget& client) {
    auto* grid = new QGridLayout(&client);
    grid->setContentsMargins(8, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    // Left: room for the mascot at the top, the step list below it.
    const int pictureHeight = 207;
    grid->addItem(new QSpacerItem(123, pictureHeight - 8, QSizePolicy::Fixed, QSizePolicy::Fixed), 0, 0);
    QGroupBox* steps = make<QGroupBox>(&client, "Mainmenu");
    auto* list = new QVBoxLayout(steps);
    list->setSpacing(2);
    list->addWidget(heading(steps, "MainmenuTitle"));
    for (int step = 1; step <= 10; ++step) {
        QLabel* label = make<QLabel>(steps, ("Label" + std::to_string(step)).c_str());
        label->setContentsMargins(10, 0, 0, 0);
        list->addWidget(label);
    }
    list->addStretch(1);
    grid->addWidget(steps, 1, 0, 2, 1);

    // Right: the step frames, all in one place, one of them shown.
    auto* content = new QWidget(&client);
    content->setObjectName(QStringLiteral("ContentArea"));
    auto* stack = new QGridLayout(content);
    stack->setContentsMargins(0, 0, 0, 0);
    QGroupBox* frames[10];
    for (int step = 1; step <= 10; ++step) {
        frames[step - 1] = stepFrame(content, ("Frame" + std::to_string(step)).c_str());
        stack->addWidget(frames[step - 1], 0, 0);
    }
    buildStep1(frames[0]);
    buildStep2(frames[1]);
    buildStep3(frames[2]);
    buildStep4(frames[3]);
    buildStep5(frames[4]);
    buildStep6(frames[5]);
    buildSteps7to10(frames[6], frames[7], frames[8], frames[9]);
    grid->addWidget(content, 0, 1, 2, 1);

    auto* help = make<QPlainTextEdit>(&client, "txtHelp");
    help->setReadOnly(true);
    help->setFocusPolicy(Qt::NoFocus);
    help->setFixedHeight(help->fontMetrics().lineSpacing() * 4 + 22);
    grid->addWidget(help, 2, 1);

    auto* navigation = make<QWidget>(&client, "Submenu");
    auto* buttons = new QHBoxLayout(navigation);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    for (const char* name : {"SubBack", "SubChan", "SubFoword"}) {
        QPushButton* b = button(navigation, name);
        b->setMinimumWidth(88);
        buttons->addWidget(b);
    }
    grid->addWidget(navigation, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
}

void keepRoomForEveryStep(QWidget& client) {
    auto* content = client.findChild<QWidget*>(QStringLiteral("ContentArea"));
    QSize largest;
    for (int step = 1; step <= 10; ++step)
        largest = largest.expandedTo(
            content->findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(step), Qt::FindDirectChildrenOnly)
                ->sizeHint());
    content->setMinimumSize(largest);
}

}  // namespace pelin::wizard::qt
