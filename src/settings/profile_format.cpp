#include "settings/profile_format.h"

#include <algorithm>

namespace pelin::settings::profile {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

enum class LineKind { Blank, Comment, Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;        // section or key name, blanks trimmed
    std::size_t valueOffset = 0;  // key: the value's first byte after "=" and blanks
};

// One line of the file: [begin, end) is its content, `next` the following line.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    ParsedLine parsed;
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isLeadByte(char c, Encoding encoding) {
    const auto b = static_cast<unsigned char>(c);
    return encoding == Encoding::Cp932 && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The first `wanted` byte that starts a character (never the second byte of a
// double-byte character), or npos.
std::size_t findChar(std::string_view s, char wanted, Encoding encoding) {
    for (std::size_t i = 0; i < s.size(); i += isLeadByte(s[i], encoding) ? 2 : 1) {
        if (s[i] == wanted) return i;
    }
    return std::string_view::npos;
}

char foldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool sameName(std::string_view a, std::string_view b, Encoding encoding) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(a[i], encoding)) {
            // Both bytes of a double-byte character compare exactly.
            if (a[i] != b[i]) return false;
            if (++i < a.size() && a[i] != b[i]) return false;
        } else if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

ParsedLine parseLine(std::string_view content, Encoding encoding) {
    ParsedLine line;
    std::size_t start = 0;
    while (start < content.size() && isBlank(content[start])) ++start;
    const std::string_view rest = content.substr(start);
    if (rest.empty()) {
        line.kind = LineKind::Blank;
        return line;
    }
    if (rest.front() == ';') {
        line.kind = LineKind::Comment;
        return line;
    }
    if (rest.front() == '[') {
        const std::size_t close = findChar(rest.substr(1), ']', encoding);
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = trim(rest.substr(1, close));
            return line;
        }
    }
    const std::size_t eq = findChar(rest, '=', encoding);
    if (eq == std::string_view::npos) return line;
    line.kind = LineKind::Key;
    line.name = trim(rest.substr(0, eq));
    std::size_t value = start + eq + 1;
    while (value < content.size() && isBlank(content[value])) ++value;
    line.valueOffset = value;
    return line;
}

// What the reader makes of the bytes after "=".
std::string_view readForm(std::string_view raw) {
    raw = trim(raw);
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') && raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    return raw;
}

// The length of the line end at `at`: CR LF, LF alone or CR alone; 0 at the end.
std::size_t lineEndLength(std::string_view file, std::size_t at) {
    if (at >= file.size()) return 0;
    return file[at] == '\r' && at + 1 < file.size() && file[at + 1] == '\n' ? 2 : 1;
}

class LineCursor {
public:
    explicit LineCursor(std::string_view file, Encoding encoding)
        : file_(file), encoding_(encoding), pos_(text::startsWithUtf8Bom(file) ? text::kUtf8Bom.size() : 0) {}

    bool next(Line& line) {
        if (pos_ >= file_.size()) return false;
        line.begin = pos_;
        line.end = std::min(file_.find_first_of("\r\n", pos_), file_.size());
        line.next = line.end + lineEndLength(file_, line.end);
        line.parsed = parseLine(file_.substr(line.begin, line.end - line.begin), encoding_);
        pos_ = line.next;
        return true;
    }

private:
    std::string_view file_;
    Encoding encoding_;
    std::size_t pos_;
};

bool holdsLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// True when `line` reads back as key `key` holding `value`.
bool readsBackAsKey(std::string_view line, std::string_view key, std::string_view value, Encoding encoding) {
    const ParsedLine parsed = parseLine(line, encoding);
    return parsed.kind == LineKind::Key && parsed.name == key && readForm(line.substr(parsed.valueOffset)) == value;
}

// The line end for lines the program adds: CR alone in a file that ends its lines
// so (as old Macintosh editors do), so that such a file stays of one kind; CR LF
// in any other.
std::string_view lineEndFor(std::string_view file) {
    const std::size_t cr = file.find('\r');
    const bool crAlone =
        cr != std::string_view::npos && cr + 1 < file.size() && file.find('\n') == std::string_view::npos;
    return crAlone ? kLineEnd.substr(0, 1) : kLineEnd;
}

// The bytes that end the file's last line when it has no line end yet. A lone CR
// at the end of a file of CR LF lines gets its LF, as it was meant to have.
std::string_view missingLineEnd(std::string_view file, std::string_view lineEnd) {
    if (file.empty() || file == text::kUtf8Bom || file.back() == '\n') return {};
    if (file.back() == '\r') return lineEnd == kLineEnd ? kLineEnd.substr(1) : std::string_view();
    return lineEnd;
}

}  // namespace

Encoding detectEncoding(std::string_view file) {
    return text::startsWithUtf8Bom(file) ? Encoding::Utf8 : Encoding::Cp932;
}

std::optional<std::string> findValue(std::string_view file, std::string_view section, std::string_view key,
                                     Encoding encoding) {
    LineCursor cursor(file, encoding);
    Line line;
    bool inSection = false;
    while (cursor.next(line)) {
        const ParsedLine& parsed = line.parsed;
        if (parsed.kind == LineKind::Section) {
            if (inSection) break;  // only the first section of the name counts
            inSection = sameName(parsed.name, section, encoding);
        } else if (inSection && parsed.kind == LineKind::Key && sameName(parsed.name, key, encoding)) {
            const std::size_t value = line.begin + parsed.valueOffset;
            return std::string(readForm(file.substr(value, line.end - value)));
        }
    }
    return std::nullopt;
}

std::string storedForm(std::string_view value) {
    const bool blankAtEnd = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    if (blankAtEnd || readForm(value) != value) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::optional<std::string> withValue(std::string_view file, std::string_view section, std::string_view key,
                                     std::string_view value, Encoding encoding) {
    const std::string stored = storedForm(value);
    const std::string header = "[" + std::string(section) + "]";
    const std::string keyLine = std::string(key) + "=" + stored;
    if (holdsLineBreak(header) || holdsLineBreak(keyLine)) return std::nullopt;
    const ParsedLine parsedHeader = parseLine(header, encoding);
    if (parsedHeader.kind != LineKind::Section || parsedHeader.name != section) return std::nullopt;
    if (!readsBackAsKey(keyLine, key, value, encoding)) return std::nullopt;

    LineCursor cursor(file, encoding);
    Line line;
    std::optional<Line> lastEntry;  // the section's header or its last non-comment line
    while (cursor.next(line)) {
        const ParsedLine& parsed = line.parsed;
        if (parsed.kind == LineKind::Section) {
            if (lastEntry) break;
            if (sameName(parsed.name, section, encoding)) lastEntry = line;
        } else if (lastEntry && parsed.kind == LineKind::Key && sameName(parsed.name, key, encoding)) {
            const std::size_t valueBegin = line.begin + parsed.valueOffset;
            std::string changed(file.substr(line.begin, parsed.valueOffset));
            changed += stored;
            if (!readsBackAsKey(changed, parsed.name, value, encoding)) return std::nullopt;
            std::string out(file.substr(0, valueBegin));
            out += stored;
            out += file.substr(line.end);
            return out;
        } else if (lastEntry && parsed.kind != LineKind::Blank && parsed.kind != LineKind::Comment) {
            lastEntry = line;
        }
    }

    const std::string_view lineEnd = lineEndFor(file);
    if (lastEntry) {
        const std::string_view before = file.substr(0, lastEntry->next);
        std::string out(before);
        out += missingLineEnd(before, lineEnd);
        out += keyLine;
        out += lineEnd;
        out += file.substr(lastEntry->next);
        return out;
    }
    std::string out(file);
    out += missingLineEnd(file, lineEnd);
    out += header;
    out += lineEnd;
    out += keyLine;
    out += lineEnd;
    return out;
}

}  // namespace pelin::settings::profile
