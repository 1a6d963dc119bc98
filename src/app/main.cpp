// pelin: the desktop program. The splash comes first; its tick opens the main
// window, and the program ends when its last window closes.
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/program_wiring.h"
#include "app/qt_texts.h"
#include "app/splash_window.h"
#include "form/qt/classic_look.h"
#include "platform/files.h"
#include "settings/settings_location.h"
#include "version.h"

namespace {

// Without a display Qt would abort with a message about plugins; say what to use.
bool haveDisplay() {
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

[[noreturn]] void noDisplay() {
    std::fputs(
        "pelin: 画面がありません (no display). "
        "Use pelin-convert to convert text files from the command line.\n",
        stderr);
    std::_Exit(2);
}

// A display that is named but cannot be reached ends Qt's start with a fatal
// message and an abort; the user gets the same answer as with none at all.
QtMessageHandler qtDefaultHandler = nullptr;
void whileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) noDisplay();
    if (qtDefaultHandler) qtDefaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    if (!haveDisplay()) noDisplay();
    qtDefaultHandler = qInstallMessageHandler(whileStarting);
    QApplication application(argc, argv);
    qInstallMessageHandler(qtDefaultHandler);
    QApplication::setApplicationName(QStringLiteral("pelin"));
    QApplication::setApplicationVersion(QString::fromLatin1(pelin::kVersion));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(pelin::app::programIcon());
    QApplication::setFont(pelin::form::qt::uiFont(9));
    // Qt's own dialogs (files, colours, message box buttons) speak Japanese too.
    pelin::app::installQtJapanese();
    QApplication::setQuitOnLastWindowClosed(true);

    pelin::app::ProgramContext context;
    const std::filesystem::path programFolder = pelin::platform::programFolder();
    context.dataFolder = pelin::settings::chooseDataFolder(programFolder);
    context.settingsFolder = pelin::settings::chooseSettingsFolder(programFolder);
    // Made now so that the first save has somewhere to go; a folder that cannot
    // be made is reported by that save.
    pelin::settings::createSettingsFolder(context.settingsFolder);
    context.userCharacterFolder = pelin::settings::chooseUserCharacterFolder(context.dataFolder);

    auto* splash = new pelin::app::SplashWindow([&context] { pelin::app::showMainWindow(context); });
    splash->show();
    return application.exec();
}
