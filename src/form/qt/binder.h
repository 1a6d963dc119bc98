#pragma once
// Binds a form model's controls to Qt widgets by objectName, one way per kind
// of control: the widget shows the model's state, and the user's input goes
// back through the control's setter or click(), which runs the model's handler.
// After every handled input all widgets are shown afresh from the model, since a
// handler may change any control of the form.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "form/controls.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace pelin::form::qt {

class Binder : public QObject {
    Q_OBJECT
public:
    // Widgets are looked up under `root`; one that is missing is created there.
    explicit Binder(QWidget* root);

    QWidget* bind(Frame& frame);
    QLabel* bind(Label& label);
    QLabel* bind(Image& image);
    QPushButton* bind(Button& button);
    QWidget* bind(TextBox& box);  // a QLineEdit, or a QPlainTextEdit for multi-line boxes
    QCheckBox* bind(CheckBox& box);
    QRadioButton* bind(OptionButton& option);
    QComboBox* bind(ComboBox& combo);
    // A menu item added to `owner` (a QMenuBar or QMenu). An item that holds
    // other items gets a QMenu of its own: the returned action's menu().
    QAction* bind(MenuItem& item, QWidget* owner, bool holdsItems);

    // Shows the model's state in every bound widget.
    void sync();
    // Runs after each user input has been handled and the widgets re-synced, for
    // what the window shows outside its controls (caption, picture).
    std::function<void()> afterInput;
    // Makes the menu of an item that holds others; a plain QMenu when unset.
    std::function<QMenu*(QWidget* owner)> makeMenu;

    // Runs `input` against the model, then re-syncs; used for every user input.
    void handle(const std::function<void()>& input);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename W>
    W* findOrCreate(const Control& control);
    void watchMouse(QWidget* widget, Control& control, std::function<void()> click);
    void addSync(QWidget* widget, std::function<void()> sync);
    void syncCommon(QWidget* widget, const Control& control, bool showCaptionAsTitle);

    QPointer<QWidget> root_;
    std::vector<std::function<void()>> syncs_;
    struct Watched {
        QWidget* widget;
        Control* control;
        std::function<void()> click;  // empty: the control takes no clicks
    };
    std::vector<Watched> watched_;
    bool syncing_ = false;
};

// Colour numbers applied to a widget's palette for its text and its face; the
// default colour gives back the style's own. A face without a text colour of
// its own gets black or white text, whichever reads better on it.
void applyColours(QWidget& widget, std::int32_t fore, std::int32_t back);

}  // namespace pelin::form::qt
