#include "shell/qt/properties_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "form/qt/qt_text.h"

namespace pelin::shell::qt {

using form::qt::toQString;

PropertiesWindow::PropertiesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FileProperties"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/pelin/pelin-16.png")));
    setMinimumWidth(360);

    auto* layout = new QVBoxLayout(this);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("Problem"));
    problem_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    problem_->setWordWrap(true);
    layout->addWidget(problem_);
    factsBox_ = new QWidget(this);
    form_ = new QFormLayout(factsBox_);
    form_->setContentsMargins(0, 0, 0, 0);
    form_->setLabelAlignment(Qt::AlignLeft);
    form_->setHorizontalSpacing(16);
    layout->addWidget(factsBox_);
    layout->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QWidget::close);
    layout->addWidget(buttons);
}

void PropertiesWindow::showFacts(const FileFacts& facts) {
    setWindowTitle(toQString(facts.title));
    while (form_->rowCount() > 0) form_->removeRow(0);
    for (const FileFact& fact : facts.facts) {
        auto* value = new QLabel(toQString(fact.value), factsBox_);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        form_->addRow(toQString(fact.label) + QStringLiteral(" :"), value);
    }
    problem_->setText(toQString(facts.problem));
    problem_->setVisible(!facts.problem.empty());
    factsBox_->setVisible(!facts.facts.empty());
    adjustSize();
}

}  // namespace pelin::shell::qt
