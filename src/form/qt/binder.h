#pragma once
// Binds a form model's controls to Qt widgets by objectName, one way per kind
// of control: the widget shows the model's state, and the user's input goes
// back through the control's setter or click(), which runs the model's handler.
// After every handled input all widgets are shown afresh from the model, since a
// handler may change any control of the form.
//
// Every window with a model is built the same way: the window makes its widgets
// (or leaves those with a fixed place in the model's table to the binder), then
// binds the model's whole ControlTable at once.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "form/control_table.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace pelin::form::qt {

class EditorLink;

class Binder : public QObject {
    Q_OBJECT
public:
    // Widgets are looked up under `root`.
    explicit Binder(QWidget* root);
    ~Binder() override;

    // A control without its widget is a mistake in the window's making. While
    // strict (debug builds and the tests) it throws std::logic_error naming the
    // control; otherwise the binder makes a plain widget for it, so that a user
    // still gets a working window.
    static void setStrict(bool strict);
    static bool strict();

    // Binds every control of `table`. Controls with a place in the table whose
    // widget the window did not make are made here, at that place (a widget the
    // window made keeps the place its layout gives it); the tab order
    // follows the table. Menu items go into `menuBar` (a QMenuBar), each under
    // the menu that holds it.
    void bind(const ControlTable& table, QWidget* menuBar = nullptr);

    QWidget* bind(Frame& frame);
    QLabel* bind(Label& label);
    QLabel* bind(Image& image);
    QPushButton* bind(Button& button);
    QWidget* bind(TextBox& box);  // a QLineEdit, or a QPlainTextEdit for multi-line boxes
    QPlainTextEdit* bind(Editor& editor);
    QCheckBox* bind(CheckBox& box);
    QRadioButton* bind(OptionButton& option);
    QComboBox* bind(ComboBox& combo);
    QListWidget* bind(ListBox& list);
    QLabel* bind(PictureBox& box);
    // A menu item added to `owner` (a QMenuBar or QMenu). An item that holds
    // other items gets a QMenu of its own: the returned action's menu(); its
    // opening is the item's click.
    QAction* bind(MenuItem& item, QWidget* owner, bool holdsItems);

    // Shows the model's state in every bound widget.
    void sync();
    // Shows an editor's text as a new document: the editor's undo starts afresh.
    void showAfresh(Editor& editor);
    // Runs after each user input has been handled and the widgets re-synced, for
    // what the window shows outside its controls (caption, picture).
    std::function<void()> afterInput;
    // Makes the menu of an item that holds others; a plain QMenu when unset.
    std::function<QMenu*(QWidget* owner)> makeMenu;

    // Runs `input` against the model, then re-syncs; used for every user input.
    // Editors hand their text to the model first.
    void handle(const std::function<void()>& input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename W>
    W* widgetFor(const Control& control);
    [[noreturn]] void missing(const Control& control) const;
    void bindEntry(const ControlEntry& entry, const ControlTable& table, QWidget* menuBar,
                   std::vector<std::pair<int, QWidget*>>& tabOrder);
    void watchMouse(QWidget* widget, Control& control, std::function<void()> click);
    void addSync(QWidget* widget, std::function<void()> sync);
    void syncCommon(QWidget* widget, const Control& control);

    QPointer<QWidget> root_;
    std::vector<std::function<void()>> syncs_;
    struct Watched {
        QWidget* widget;
        Control* control;
        std::function<void()> click;  // empty: the control takes no clicks
    };
    std::vector<Watched> watched_;
    std::vector<std::unique_ptr<EditorLink>> editors_;
    // While a table is bound: the entry whose widget is looked for, so that a
    // placed control may be made, and where the menus of that table went.
    const ControlEntry* binding_ = nullptr;
    QWidget* made_ = nullptr;  // the widget made for that entry, if any
    std::vector<std::pair<const Control*, QWidget*>> menus_;
    bool syncing_ = false;
};

// A window's model together with the binder that shows it. The binder goes
// first when the window goes: it holds every connection and event filter that
// reaches into the model, and the widgets outlive both by a moment, so nothing
// they send from then on may reach the model.
template <typename Model>
class BoundForm {
public:
    BoundForm() = default;
    BoundForm(const BoundForm&) = delete;
    BoundForm& operator=(const BoundForm&) = delete;
    ~BoundForm() { release(); }

    template <typename... Args>
    Model& create(Args&&... args) {
        model_ = std::make_unique<Model>(std::forward<Args>(args)...);
        return *model_;
    }
    Binder& makeBinder(QWidget* root) {
        binder_ = new Binder(root);
        return *binder_;
    }
    Model& model() const { return *model_; }
    Binder& binder() const { return *binder_; }
    // Ends the binding, then the model; a window that must do more in between
    // (unhook its menus) calls it from its destructor.
    void release() {
        delete binder_.data();
        model_.reset();
    }

private:
    std::unique_ptr<Model> model_;
    QPointer<Binder> binder_;
};

// Colour numbers applied to a widget's palette for its text and its face; the
// default colour gives back the style's own. A face without a text colour of
// its own gets black or white text, whichever reads better on it.
void applyColours(QWidget& widget, std::int32_t fore, std::int32_t back);

}  // namespace pelin::form::qt
