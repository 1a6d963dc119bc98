#pragma once
// Qt's own texts in Japanese: the file and colour dialogs, the message boxes'
// buttons, the file dialog's question before replacing a file.
#include <QTranslator>

namespace pelin::app {

// Installs Qt's Japanese translation from the system's Qt translations (on
// Debian the package qt6-translations-l10n); it stays for the life of the
// application. Null when it is not installed: Qt's texts stay English.
QTranslator* installQtJapanese();

}  // namespace pelin::app
