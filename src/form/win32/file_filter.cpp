#include "form/win32/file_filter.h"

#include <vector>

#include "form/win32/win_text.h"

namespace pelin::form::win32 {

namespace {

text::TextView trimmed(text::TextView text) {
    const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The parts of `text` between the separators, empty ones included.
std::vector<text::TextView> split(text::TextView text, char16_t separator) {
    std::vector<text::TextView> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == text::TextView::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

}  // namespace

FileFilterList toFilterList(text::TextView filter) {
    FileFilterList result;
    if (filter.empty()) return result;
    const std::vector<text::TextView> parts = split(filter, u'|');
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        text::Text patterns;
        for (const text::TextView pattern : split(parts[i + 1], u';')) {
            const text::TextView one = trimmed(pattern);
            if (one.empty()) continue;
            if (!patterns.empty()) patterns += u';';
            patterns += one;
        }
        // A pair without a pattern still takes its place, so filter indexes
        // keep pointing at the pair the program meant.
        if (patterns.empty()) patterns = u"*.*";
        result.list += toWide(parts[i]);
        result.list += L'\0';
        result.list += toWide(patterns);
        result.list += L'\0';
        ++result.count;
    }
    if (result.count > 0) result.list += L'\0';
    return result;
}

int startFilterIndex(int index, int count) { return index >= 1 && index <= count ? index : 1; }

text::Text withDefaultExtension(text::TextView path, text::TextView extension) {
    if (!extension.empty() && extension.front() == u'.') extension.remove_prefix(1);
    if (path.empty() || extension.empty()) return text::Text(path);
    const std::size_t nameStart = path.find_last_of(u"\\/:");
    const text::TextView name = nameStart == text::TextView::npos ? path : path.substr(nameStart + 1);
    if (name.find(u'.') != text::TextView::npos) return text::Text(path);
    return text::Text(path) + u'.' + text::Text(extension);
}

}  // namespace pelin::form::win32
