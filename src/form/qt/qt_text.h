#pragma once
// Crossing between the program's own values and Qt's: text is UTF-16 on both
// sides, so no conversion takes place; colour numbers hold red in the lowest byte.
#include <QColor>
#include <QString>
#include <cstdint>
#include <filesystem>

#include "form/controls.h"
#include "text/line_ends.h"
#include "text/textfile.h"

namespace pelin::form::qt {

inline QString toQString(TextView text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline Text fromQString(const QString& text) {
    return Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

// A file name as Qt shows it, and back. The program keeps every byte of a name
// that is not UTF-8 (each such byte stands as a code unit of its own), where
// Qt's own decoding would turn it into a replacement character for good; such
// a name can be shown, but only the program's own file calls can open it.
inline QString fromPath(const std::filesystem::path& path) { return toQString(text::fromPath(path)); }
inline std::filesystem::path toPath(const QString& name) { return text::toPath(fromQString(name)); }

// Model text (CR LF line ends) as a widget shows it (LF), and back.
inline QString toDisplayText(TextView text) { return toQString(text::withLf(text)); }
inline Text fromDisplayText(const QString& text) { return text::withCrLf(fromQString(text)); }

// A colour number as Qt's colour. Numbers beyond 24 bits (possible with codes
// that use letters past F) keep only their low 24 bits.
inline QColor toQColor(std::int32_t number) {
    const auto n = static_cast<std::uint32_t>(number);
    return QColor(static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF), static_cast<int>((n >> 16) & 0xFF));
}

inline std::int32_t toColourNumber(const QColor& colour) {
    return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

// Twips (15 to a pixel at 96 dots per inch) as device-independent pixels.
constexpr int twips(double value) { return static_cast<int>(value / 15.0 + 0.5); }

}  // namespace pelin::form::qt
