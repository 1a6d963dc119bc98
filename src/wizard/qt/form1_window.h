#pragma once
// Form1 on the screen: the wizard model bound to Qt widgets by objectName. The
// window owns the model; every user input goes through the model's controls and
// handlers, and the widgets show the model's state afterwards.
#include <QMainWindow>
#include <memory>

#include "form/qt/binder.h"
#include "wizard/form1.h"
#include "wizard/qt/dropped_file_dialogs.h"
#include "wizard/qt/menu_system.h"

class QLineEdit;

namespace pelin::wizard::qt {

class Form1Window : public QMainWindow {
    Q_OBJECT
public:
    // `menus`, when given, makes and draws the menus and must outlive the window.
    Form1Window(form::Services& platform, settings::SettingsFile& ini, Form1Options options,
                MenuSystem* menus = nullptr);
    ~Form1Window() override;

    Form1& model() { return form_.model(); }
    // Runs the start-up (which opens the source dialog) and shows the state.
    void Form_Load();
    // Shows the model's state again after a change made outside user input.
    void refresh();
    // Acts as a file dropped on the source box.
    void dropSourceFile(const QString& path);

signals:
    // Sent while the window and its model still exist, just before both go; the
    // windows that outlive it take what they need of the model here.
    void aboutToBeDestroyed(pelin::wizard::qt::Form1Window* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void bindControls();
    void showWindowState();
    // Alt+F: 次へ while it can be pressed, the File menu otherwise.
    bool takeAltF(QEvent* event);

    DroppedFileDialogs dialogs_;
    form::Services services_;
    MenuSystem* menus_;
    form::qt::BoundForm<Form1> form_;
    class Background* background_ = nullptr;
    QLineEdit* sourceBox_ = nullptr;
};

}  // namespace pelin::wizard::qt
