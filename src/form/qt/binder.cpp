#include "form/qt/binder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "form/qt/flat_face.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {

namespace {

constexpr int kKeyEnter = 13;

}  // namespace

void applyColours(QWidget& widget, std::int32_t fore, std::int32_t back) {
    QPalette palette = QApplication::palette(&widget);
    const bool isButton = qobject_cast<QPushButton*>(&widget) != nullptr;
    const QPalette::ColorRole faceRole = isButton ? QPalette::Button : QPalette::Window;
    QColor text;
    if (fore != kDefaultColour) {
        text = toQColor(fore);
    } else if (back != kDefaultColour) {
        // Weighted as the eye sees brightness: pure blue or red takes white text.
        const QColor face = toQColor(back);
        const int brightness = (299 * face.red() + 587 * face.green() + 114 * face.blue()) / 1000;
        text = brightness < 128 ? QColor(Qt::white) : QColor(Qt::black);
    }
    // Only the enabled look takes the model's colours; a disabled control keeps
    // the style's greyed look, as the window system draws it.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        if (text.isValid())
            for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                palette.setColor(group, role, text);
        if (back != kDefaultColour) palette.setColor(group, faceRole, toQColor(back));
    }
    if (back != kDefaultColour) palette.setColor(QPalette::Disabled, faceRole, toQColor(back));
    widget.setPalette(palette);
    if (isButton) setFaceColour(static_cast<QPushButton&>(widget), back != kDefaultColour ? toQColor(back) : QColor());
    else widget.setAutoFillBackground(back != kDefaultColour);
}

Binder::Binder(QWidget* root) : QObject(root), root_(root) {}

template <typename W>
W* Binder::findOrCreate(const Control& control) {
    const QString name = QString::fromStdString(control.name);
    if (auto* found = root_->findChild<W*>(name)) return found;
    auto* created = new W(root_.data());
    created->setObjectName(name);
    if (root_->layout()) root_->layout()->addWidget(created);
    return created;
}

void Binder::addSync(QWidget* widget, std::function<void()> sync) {
    QPointer<QWidget> guard(widget);
    syncs_.push_back([guard, sync = std::move(sync)] {
        if (guard) sync();
    });
}

void Binder::syncCommon(QWidget* widget, const Control& control, bool showCaptionAsTitle) {
    if (showCaptionAsTitle) widget->setWindowTitle(toQString(control.caption));
    const QString tip = toQString(control.toolTip);
    if (widget->toolTip() != tip) widget->setToolTip(tip);
    widget->setEnabled(control.enabled);
    if (widget->isHidden() == control.visible) widget->setVisible(control.visible);
    // Palettes are set only when the colours change: setting one repaints.
    const QPoint colours(control.foreColor, control.backColor);
    const QVariant shown = widget->property("pelinColours");
    if (!shown.isValid() || shown.toPoint() != colours) {
        applyColours(*widget, control.foreColor, control.backColor);
        widget->setProperty("pelinColours", colours);
    }
}

void Binder::sync() {
    if (syncing_) return;
    syncing_ = true;
    for (const auto& s : syncs_) s();
    syncing_ = false;
}

void Binder::handle(const std::function<void()>& input) {
    if (syncing_) return;  // a widget reporting what sync() just showed it
    input();
    sync();
    if (afterInput) afterInput();
}

void Binder::watchMouse(QWidget* widget, Control& control, std::function<void()> click) {
    Watched entry{widget, &control, std::move(click)};
    if (control.onMouseMove) widget->setMouseTracking(true);
    if (control.onMouseMove || entry.click) {
        widget->installEventFilter(this);
        watched_.push_back(std::move(entry));
    }
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease) return QObject::eventFilter(watched, event);
    for (Watched& entry : watched_) {
        if (entry.widget != watched) continue;
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (type == QEvent::MouseMove) {
            // Only the control itself counts, not one of the controls it holds
            // that passed the move on.
            QWidget* child = entry.widget->childAt(at);
            if ((!child || child->testAttribute(Qt::WA_TransparentForMouseEvents)) && entry.control->onMouseMove)
                handle([&entry] { entry.control->mouseMove(); });
        } else if (entry.click && mouse->button() == Qt::LeftButton && entry.widget->rect().contains(at)) {
            handle(entry.click);
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}

QWidget* Binder::bind(Frame& frame) {
    QWidget* widget = findOrCreate<QWidget>(frame);
    addSync(widget, [this, widget, &frame] {
        if (auto* box = qobject_cast<QGroupBox*>(widget)) box->setTitle(toQString(frame.caption));
        syncCommon(widget, frame, false);
    });
    watchMouse(widget, frame, {});
    return widget;
}

QLabel* Binder::bind(Label& label) {
    QLabel* widget = findOrCreate<QLabel>(label);
    widget->setTextFormat(Qt::PlainText);
    addSync(widget, [this, widget, &label] {
        const QString text = toQString(label.caption);
        if (widget->text() != text) widget->setText(text);
        syncCommon(widget, label, false);
    });
    watchMouse(widget, label, [&label] { label.click(); });
    return widget;
}

QLabel* Binder::bind(Image& image) {
    QLabel* widget = findOrCreate<QLabel>(image);
    addSync(widget, [this, widget, &image] { syncCommon(widget, image, false); });
    watchMouse(widget, image, {});
    return widget;
}

QPushButton* Binder::bind(Button& button) {
    QPushButton* widget = findOrCreate<QPushButton>(button);
    drawFlatFace(*widget);
    connect(widget, &QPushButton::clicked, this, [this, &button] { handle([&button] { button.click(); }); });
    addSync(widget, [this, widget, &button] {
        const QString text = toQString(button.caption);
        if (widget->text() != text) widget->setText(text);
        syncCommon(widget, button, false);
    });
    watchMouse(widget, button, {});
    return widget;
}

QWidget* Binder::bind(TextBox& box) {
    if (box.multiLine) {
        auto* widget = findOrCreate<QPlainTextEdit>(box);
        connect(widget, &QPlainTextEdit::textChanged, this, [this, widget, &box] {
            handle([widget, &box] { box.setText(fromDisplayText(widget->toPlainText())); });
        });
        addSync(widget, [this, widget, &box] {
            const QString text = toDisplayText(box.text);
            if (widget->toPlainText() != text) widget->setPlainText(text);
            syncCommon(widget, box, false);
        });
        watchMouse(widget, box, {});
        return widget;
    }
    auto* widget = findOrCreate<QLineEdit>(box);
    connect(widget, &QLineEdit::textEdited, this,
            [this, &box](const QString& text) { handle([&box, text] { box.setText(fromQString(text)); }); });
    connect(widget, &QLineEdit::returnPressed, this, [this, &box] { handle([&box] { box.keyPress(kKeyEnter); }); });
    addSync(widget, [this, widget, &box] {
        widget->setMaxLength(box.maxLength > 0 ? box.maxLength : 32767);
        widget->setAttribute(Qt::WA_InputMethodEnabled, !box.imeOff);
        widget->setInputMethodHints(box.imeOff ? Qt::ImhLatinOnly | Qt::ImhNoPredictiveText : Qt::ImhNone);
        const QString text = toQString(box.text);
        if (widget->text() != text) widget->setText(text);
        syncCommon(widget, box, false);
    });
    watchMouse(widget, box, {});
    return widget;
}

QCheckBox* Binder::bind(CheckBox& box) {
    QCheckBox* widget = findOrCreate<QCheckBox>(box);
    // A click checks an unchecked or greyed box and clears a checked one.
    connect(widget, &QCheckBox::clicked, this,
            [this, &box] { handle([&box] { box.setValue(box.value == 1 ? 0 : 1); }); });
    addSync(widget, [this, widget, &box] {
        const QString text = toQString(box.caption);
        if (widget->text() != text) widget->setText(text);
        widget->setTristate(box.value == 2);
        widget->setCheckState(box.value == 2 ? Qt::PartiallyChecked : box.value == 1 ? Qt::Checked : Qt::Unchecked);
        syncCommon(widget, box, false);
    });
    watchMouse(widget, box, {});
    return widget;
}

QRadioButton* Binder::bind(OptionButton& option) {
    QRadioButton* widget = findOrCreate<QRadioButton>(option);
    // The model clears the other buttons of the group; Qt must not refuse to
    // show a group with none selected.
    widget->setAutoExclusive(false);
    connect(widget, &QRadioButton::clicked, this, [this, &option] { handle([&option] { option.setValue(true); }); });
    addSync(widget, [this, widget, &option] {
        const QString text = toQString(option.caption);
        if (widget->text() != text) widget->setText(text);
        widget->setChecked(option.value);
        syncCommon(widget, option, false);
    });
    watchMouse(widget, option, {});
    return widget;
}

QComboBox* Binder::bind(ComboBox& combo) {
    QComboBox* widget = findOrCreate<QComboBox>(combo);
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    // Typed text stays as typed: completing "2" to "20" would pick an item the
    // user did not choose, and typing selects none.
    widget->setCompleter(nullptr);
    // Measured again whenever the items change, not only before they are there.
    widget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(widget, &QComboBox::activated, this,
            [this, &combo](int index) { handle([&combo, index] { combo.setListIndex(index); }); });
    connect(widget->lineEdit(), &QLineEdit::textEdited, this,
            [this, &combo](const QString& text) { handle([&combo, text] { combo.typeText(fromQString(text)); }); });
    addSync(widget, [this, widget, &combo] {
        QStringList items;
        for (const Text& item : combo.items) items << toQString(item);
        QStringList shown;
        for (int i = 0; i < widget->count(); ++i) shown << widget->itemText(i);
        if (shown != items) {
            widget->clear();
            widget->addItems(items);
            // The measured width leaves out the edit field's own margins: one
            // character more keeps the end of the longest item in view.
            widget->setMinimumWidth(widget->sizeHint().width() + widget->fontMetrics().height());
        }
        if (widget->currentIndex() != combo.listIndex) widget->setCurrentIndex(combo.listIndex);
        const QString text = toQString(combo.text);
        if (widget->currentText() != text) widget->setEditText(text);
        syncCommon(widget, combo, false);
    });
    watchMouse(widget, combo, {});
    return widget;
}

QAction* Binder::bind(MenuItem& item, QWidget* owner, bool holdsItems) {
    const QString name = QString::fromStdString(item.name);
    QAction* action = nullptr;
    if (holdsItems) {
        QMenu* menu = makeMenu ? makeMenu(owner) : new QMenu(owner);
        menu->setObjectName(name);
        action = menu->menuAction();
    } else {
        action = new QAction(owner);
        connect(action, &QAction::triggered, this, [this, &item] { handle([&item] { item.click(); }); });
    }
    action->setObjectName(name);
    if (auto* bar = qobject_cast<QMenuBar*>(owner)) bar->addAction(action);
    if (auto* menu = qobject_cast<QMenu*>(owner)) menu->addAction(action);
    QPointer<QAction> guard(action);
    syncs_.push_back([guard, &item] {
        if (!guard) return;
        const bool separator = item.separator || item.caption == u"-";
        guard->setSeparator(separator);
        // A separator's "-" caption would be drawn beside its line.
        guard->setText(separator ? QString() : toQString(item.caption));
        guard->setToolTip(toQString(item.toolTip));
        guard->setEnabled(item.enabled);
        guard->setVisible(item.visible);
        guard->setCheckable(item.checked);
        guard->setChecked(item.checked);
        guard->setShortcut(QKeySequence(toQString(item.shortcut)));
    });
    return action;
}

}  // namespace pelin::form::qt
