#include "form/qt/file_filter.h"

#include <QFileInfo>

namespace pelin::form::qt {

QStringList toQtFilters(const QString& filter) {
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            if (!trimmed.isEmpty()) patterns << trimmed;
        }
        // A pair without a pattern still takes its place, so filter indexes
        // keep pointing at the pair the program meant.
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        // Qt reads the patterns from the last parentheses of an entry; a
        // description that carries its own "(*.txt)" keeps it as text before them.
        result << description + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return result;
}

QString withDefaultExtension(const QString& path, const QString& extension) {
    if (path.isEmpty() || extension.isEmpty()) return path;
    const QString name = QFileInfo(path).fileName();
    if (name.contains(u'.')) return path;
    QString ext = extension;
    if (ext.startsWith(u'.')) ext.remove(0, 1);
    return path + u'.' + ext;
}

}  // namespace pelin::form::qt
