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
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "form/qt/editor_link.h"
#include "form/qt/flat_face.h"
#include "form/qt/platform_services.h"
#include "form/qt/qt_text.h"

namespace pelin::form::qt {

namespace {

constexpr int kKeyEnter = 13;

#ifdef NDEBUG
bool strictBinding = false;
#else
bool strictBinding = true;
#endif

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

Binder::~Binder() = default;

void Binder::setStrict(bool strict) { strictBinding = strict; }
bool Binder::strict() { return strictBinding; }

void Binder::missing(const Control& control) const {
    throw std::logic_error("no widget of its kind named \"" + control.name + "\" in " +
                           root_->objectName().toStdString());
}

template <typename W>
W* Binder::widgetFor(const Control& control) {
    const QString name = QString::fromStdString(control.name);
    if (auto* found = root_->findChild<W*>(name)) return found;
    const bool placed = binding_ && binding_->place;
    if (!placed && strictBinding) missing(control);
    QWidget* parent = root_.data();
    if (placed && binding_->container)
        if (auto* container = root_->findChild<QWidget*>(QString::fromStdString(binding_->container->name)))
            parent = container;
    auto* created = new W(parent);
    created->setObjectName(name);
    made_ = created;
    if (!placed && parent->layout()) parent->layout()->addWidget(created);
    return created;
}

void Binder::bind(const ControlTable& table, QWidget* menuBar) {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlEntry& entry : table) {
        binding_ = &entry;
        made_ = nullptr;
        try {
            bindEntry(entry, table, menuBar, tabOrder);
        } catch (...) {
            binding_ = nullptr;
            throw;
        }
    }
    binding_ = nullptr;
    std::stable_sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    sync();
}

void Binder::bindEntry(const ControlEntry& entry, const ControlTable& table, QWidget* menuBar,
                       std::vector<std::pair<int, QWidget*>>& tabOrder) {
    if (MenuItem* item = entry.as<MenuItem>()) {
        QWidget* owner = menuBar;
        if (entry.container) {
            auto found = std::find_if(menus_.begin(), menus_.end(),
                                      [&entry](const auto& menu) { return menu.first == entry.container; });
            if (found == menus_.end()) missing(*entry.container);
            owner = found->second;
        }
        if (!owner) missing(*item);
        QAction* action = bind(*item, owner, table.holdsItems(*item));
        if (action->menu()) menus_.emplace_back(item, action->menu());
        return;
    }
    QWidget* widget = std::visit(
        [this](auto* control) -> QWidget* {
            if constexpr (std::is_same_v<std::remove_pointer_t<decltype(control)>, MenuItem>) return nullptr;
            else return bind(*control);
        },
        entry.control);
    // A widget the window made keeps the place its layout gives it.
    if (entry.place && widget == made_) {
        const Place& at = *entry.place;
        widget->setGeometry(twips(at.left), twips(at.top), twips(at.width), twips(at.height));
    }
    if (entry.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) tabOrder.emplace_back(entry.tabIndex, widget);
}

void Binder::addSync(QWidget* widget, std::function<void()> sync) {
    QPointer<QWidget> guard(widget);
    syncs_.push_back([guard, sync = std::move(sync)] {
        if (guard) sync();
    });
}

void Binder::syncCommon(QWidget* widget, const Control& control) {
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
    for (const auto& editor : editors_) editor->pull();
    // An input may close the window; a window closes later, so this normally
    // outlives it, but nothing is touched once it is gone.
    QPointer<Binder> alive(this);
    input();
    if (!alive) return;
    sync();
    if (afterInput) afterInput();
}

void Binder::showAfresh(Editor& editor) {
    for (const auto& link : editors_)
        if (&link->editor() == &editor) link->showAfresh();
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
    QWidget* widget = widgetFor<QWidget>(frame);
    addSync(widget, [this, widget, &frame] {
        if (auto* box = qobject_cast<QGroupBox*>(widget)) box->setTitle(toQString(frame.caption));
        syncCommon(widget, frame);
    });
    watchMouse(widget, frame, {});
    return widget;
}

QLabel* Binder::bind(Label& label) {
    QLabel* widget = widgetFor<QLabel>(label);
    widget->setTextFormat(Qt::PlainText);
    addSync(widget, [this, widget, &label] {
        const QString text = toQString(label.caption);
        if (widget->text() != text) widget->setText(text);
        syncCommon(widget, label);
    });
    watchMouse(widget, label, [&label] { label.click(); });
    return widget;
}

QLabel* Binder::bind(Image& image) {
    QLabel* widget = widgetFor<QLabel>(image);
    addSync(widget, [this, widget, &image] { syncCommon(widget, image); });
    watchMouse(widget, image, {});
    return widget;
}

QPushButton* Binder::bind(Button& button) {
    QPushButton* widget = widgetFor<QPushButton>(button);
    drawFlatFace(*widget);
    connect(widget, &QPushButton::clicked, this, [this, &button] { handle([&button] { button.click(); }); });
    addSync(widget, [this, widget, &button] {
        const QString text = toQString(button.caption);
        if (widget->text() != text) widget->setText(text);
        syncCommon(widget, button);
    });
    watchMouse(widget, button, {});
    return widget;
}

QWidget* Binder::bind(TextBox& box) {
    if (box.multiLine) {
        auto* widget = widgetFor<QPlainTextEdit>(box);
        connect(widget, &QPlainTextEdit::textChanged, this, [this, widget, &box] {
            handle([widget, &box] { box.setText(fromDisplayText(widget->toPlainText())); });
        });
        addSync(widget, [this, widget, &box] {
            const QString text = toDisplayText(box.text);
            if (widget->toPlainText() != text) widget->setPlainText(text);
            syncCommon(widget, box);
        });
        watchMouse(widget, box, {});
        return widget;
    }
    auto* widget = widgetFor<QLineEdit>(box);
    connect(widget, &QLineEdit::textEdited, this,
            [this, &box](const QString& text) { handle([&box, text] { box.setText(fromQString(text)); }); });
    connect(widget, &QLineEdit::returnPressed, this, [this, &box] { handle([&box] { box.keyPress(kKeyEnter); }); });
    addSync(widget, [this, widget, &box] {
        widget->setMaxLength(box.maxLength > 0 ? box.maxLength : 32767);
        widget->setAttribute(Qt::WA_InputMethodEnabled, !box.imeOff);
        widget->setInputMethodHints(box.imeOff ? Qt::ImhLatinOnly | Qt::ImhNoPredictiveText : Qt::ImhNone);
        const QString text = toQString(box.text);
        if (widget->text() != text) widget->setText(text);
        syncCommon(widget, box);
    });
    watchMouse(widget, box, {});
    return widget;
}

QCheckBox* Binder::bind(CheckBox& box) {
    QCheckBox* widget = widgetFor<QCheckBox>(box);
    // A click checks an unchecked or greyed box and clears a checked one.
    connect(widget, &QCheckBox::clicked, this,
            [this, &box] { handle([&box] { box.setValue(box.value == 1 ? 0 : 1); }); });
    addSync(widget, [this, widget, &box] {
        const QString text = toQString(box.caption);
        if (widget->text() != text) widget->setText(text);
        widget->setTristate(box.value == 2);
        widget->setCheckState(box.value == 2 ? Qt::PartiallyChecked : box.value == 1 ? Qt::Checked : Qt::Unchecked);
        syncCommon(widget, box);
    });
    watchMouse(widget, box, {});
    return widget;
}

QRadioButton* Binder::bind(OptionButton& option) {
    QRadioButton* widget = widgetFor<QRadioButton>(option);
    // The model clears the other buttons of the group; Qt must not refuse to
    // show a group with none selected.
    widget->setAutoExclusive(false);
    connect(widget, &QRadioButton::clicked, this, [this, &option] { handle([&option] { option.setValue(true); }); });
    addSync(widget, [this, widget, &option] {
        const QString text = toQString(option.caption);
        if (widget->text() != text) widget->setText(text);
        widget->setChecked(option.value);
        syncCommon(widget, option);
    });
    watchMouse(widget, option, {});
    return widget;
}

QComboBox* Binder::bind(ComboBox& combo) {
    QComboBox* widget = widgetFor<QComboBox>(combo);
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
        syncCommon(widget, combo);
    });
    watchMouse(widget, combo, {});
    return widget;
}

QPlainTextEdit* Binder::bind(Editor& editor) {
    auto* widget = widgetFor<QPlainTextEdit>(editor);
    auto* link = editors_.emplace_back(std::make_unique<EditorLink>(editor, *widget, *this)).get();
    addSync(widget, [this, widget, link, &editor] {
        link->push();
        syncCommon(widget, editor);
    });
    watchMouse(widget, editor, {});
    return widget;
}

QListWidget* Binder::bind(ListBox& list) {
    QListWidget* widget = widgetFor<QListWidget>(list);
    // Clicks and the arrow keys both select; each new selection is a click. A
    // list makes its first item current when it takes the focus without one,
    // but selects nothing: that is no choice of the user's.
    connect(widget, &QListWidget::itemSelectionChanged, this, [this, widget, &list] {
        const QList<QListWidgetItem*> selected = widget->selectedItems();
        if (selected.isEmpty()) return;
        const int row = widget->row(selected.first());
        if (row != list.listIndex) handle([&list, row] { list.setListIndex(row); });
    });
    addSync(widget, [this, widget, &list] {
        QStringList items;
        for (const Text& item : list.items) items << toQString(item);
        QStringList shown;
        for (int i = 0; i < widget->count(); ++i) shown << widget->item(i)->text();
        const QSignalBlocker quiet(widget);
        if (shown != items) {
            widget->clear();
            widget->addItems(items);
        }
        if (widget->currentRow() != list.listIndex) widget->setCurrentRow(list.listIndex);
        syncCommon(widget, list);
    });
    watchMouse(widget, list, {});
    return widget;
}

QLabel* Binder::bind(PictureBox& box) {
    QLabel* widget = widgetFor<QLabel>(box);
    widget->setScaledContents(true);  // the picture is stretched to the box
    addSync(widget, [this, widget, &box] {
        const QPixmap* pixmap = pixmapOf(box.picture.get());
        const qint64 key = pixmap ? pixmap->cacheKey() : 0;
        if (widget->property("pelinPicture").toLongLong() != key) {
            if (pixmap) widget->setPixmap(*pixmap);
            else widget->clear();
            widget->setProperty("pelinPicture", key);
        }
        syncCommon(widget, box);
    });
    watchMouse(widget, box, {});
    return widget;
}

QAction* Binder::bind(MenuItem& item, QWidget* owner, bool holdsItems) {
    const QString name = QString::fromStdString(item.name);
    QAction* action = nullptr;
    if (holdsItems) {
        QMenu* menu = makeMenu ? makeMenu(owner) : new QMenu(owner);
        menu->setObjectName(name);
        action = menu->menuAction();
        // Opening a menu is its click: a menu may decide its items' states then.
        if (item.onClick)
            connect(menu, &QMenu::aboutToShow, this, [this, &item] { handle([&item] { item.click(); }); });
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
