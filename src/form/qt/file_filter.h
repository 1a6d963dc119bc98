#pragma once
// The program writes file filters as "description|pattern|description|pattern",
// several patterns of one entry split by ";". Qt's file dialog wants one entry per
// filter, "description (pattern pattern)".
#include <QString>
#include <QStringList>

namespace pelin::form::qt {

// One Qt filter per description/pattern pair, in order. A trailing "|" is
// ignored, an empty pattern matches everything, an empty filter gives no entry.
QStringList toQtFilters(const QString& filter);

// The extension a save dialog appends when the typed name has none: "name" and
// "htm" give "name.htm"; "name.html" stays. An empty extension changes nothing.
QString withDefaultExtension(const QString& path, const QString& extension);

}  // namespace pelin::form::qt
