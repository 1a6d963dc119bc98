#pragma once
// Dialogs open where the user is looking: in the middle of the window they
// belong to.
#include <QShowEvent>
#include <QWidget>

namespace pelin::form::qt {

// The window a dialog of `owner` opens over: `owner`'s window once it is shown;
// before that (the dialogs of the start-up) the splash the user is looking at,
// else any other shown window of the program; null when there is none.
QWidget* windowToOpenOver(QWidget* owner);

// Moves `dialog`, at its size as it is to be shown, to the middle of the window
// it opens over (windowToOpenOver its parent), else of the screen, keeping it
// inside the screen's free area.
void centreOnItsWindow(QWidget& dialog);

// A dialog that centres itself once it knows its size, before it appears, so
// it is never seen elsewhere first.
template <class Dialog>
class Centred : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override {
        Dialog::showEvent(event);
        if (!event->spontaneous()) centreOnItsWindow(*this);
    }
};

}  // namespace pelin::form::qt
