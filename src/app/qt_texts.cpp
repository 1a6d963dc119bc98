#include "app/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace pelin::app {

QTranslator* installQtJapanese() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace pelin::app
