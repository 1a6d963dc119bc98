#include "support/reference_body.h"

#include <algorithm>
#include <optional>

#include "text/lines.h"
#include "text/source_encoding.h"

namespace pelin::engine::testing {
namespace {

bool isLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isAlnum(char16_t c) { return isLetter(c) || (c >= u'0' && c <= u'9'); }
bool isOneOf(char16_t c, TextView set) { return set.find(c) != TextView::npos; }
bool isUrlChar(char16_t c) { return isAlnum(c) || isOneOf(c, u"-._~:/?#[]@!$&'()*+,;=%"); }
bool isLocalChar(char16_t c) { return isAlnum(c) || isOneOf(c, u"._%+-"); }
bool isDomainChar(char16_t c) { return isAlnum(c) || c == u'-'; }

bool startsWithNoCase(TextView text, TextView start) {
    if (text.size() < start.size()) return false;
    for (std::size_t i = 0; i < start.size(); ++i)
        if ((text[i] | 0x20) != (start[i] | 0x20)) return false;
    return true;
}

// The end of the web address that starts at `i`, if one does.
std::optional<std::size_t> webAddressAt(TextView line, std::size_t i) {
    if (i > 0 && isAlnum(line[i - 1])) return std::nullopt;
    std::size_t scheme = 0;
    for (TextView s : {u"http://", u"https://", u"ftp://"})
        if (startsWithNoCase(line.substr(i), s)) scheme = s.size();
    if (scheme == 0) return std::nullopt;
    std::size_t end = i;
    while (end < line.size() && isUrlChar(line[end])) ++end;
    for (;;) {
        const TextView address = line.substr(i, end - i);
        const auto count = [&](char16_t c) { return std::count(address.begin(), address.end(), c); };
        const char16_t last = address.back();
        if (isOneOf(last, u".,;:!?'") || (last == u')' && count(u')') > count(u'('))) --end;
        else break;
    }
    if (end - i <= scheme) return std::nullopt;
    return end;
}

bool isDomain(TextView text) {
    std::size_t dots = 0;
    TextView last;
    for (std::size_t start = 0;; ++dots) {
        const std::size_t dot = text.find(u'.', start);
        last = text.substr(start, dot == TextView::npos ? TextView::npos : dot - start);
        if (last.empty() || !std::all_of(last.begin(), last.end(), isDomainChar)) return false;
        if (dot == TextView::npos) break;
        start = dot + 1;
    }
    return dots >= 1 && last.size() >= 2 && std::all_of(last.begin(), last.end(), isLetter);
}

// The end of the mail address that starts at `i`, if one does; its domain stops
// where a web address starts.
std::optional<std::size_t> mailAddressAt(TextView line, std::size_t i, bool web) {
    if (!isLocalChar(line[i]) || (i > 0 && isLocalChar(line[i - 1]))) return std::nullopt;
    std::size_t at = i;
    while (at < line.size() && isLocalChar(line[at])) ++at;
    if (at == line.size() || line[at] != u'@') return std::nullopt;
    std::size_t limit = at + 1;
    while (limit < line.size() && (isDomainChar(line[limit]) || line[limit] == u'.')) ++limit;
    for (std::size_t p = at + 1; web && p < limit; ++p)
        if (webAddressAt(line, p)) limit = p;
    for (std::size_t end = limit; end > at + 1; --end)
        if (isDomain(line.substr(at + 1, end - at - 1))) return end;
    return std::nullopt;
}

void appendLine(TextView line, bool specialChars, Links links, Text& out) {
    auto link = [&](TextView tag, TextView address) {
        out += tag;
        appendPassed(address, specialChars, out);
        out += u"\">";
        appendPassed(address, specialChars, out);
        out += u"</A>";
    };
    std::size_t plain = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::optional<std::size_t> end;
        TextView tag;
        if (links.web && (end = webAddressAt(line, i))) tag = u"<A HREF=\"";
        else if (links.mail && (end = mailAddressAt(line, i, links.web))) tag = u"<A HREF=\"mailto:";
        if (!end) {
            ++i;
            continue;
        }
        appendPassed(line.substr(plain, i - plain), specialChars, out);
        link(tag, line.substr(i, *end - i));
        i = plain = *end;
    }
    appendPassed(line.substr(plain), specialChars, out);
}

}  // namespace

BodyBytes referenceBody(std::string_view sourceBytes, LineBreakMode mode, bool specialChars, Links links) {
    const text::SourceEncoding encoding = text::takeSourceEncoding(sourceBytes);
    const TextView tag = mode == LineBreakMode::BR  ? TextView(u"<BR>")
                         : mode == LineBreakMode::P ? TextView(u"<P>")
                                                    : TextView();
    Text out;
    if (mode == LineBreakMode::PRE) appendPassed(u"<PRE>\r\n", specialChars, out);
    auto takeLine = [&](std::string_view bytes) {
        const Text line = encoding == text::SourceEncoding::Utf8 ? text::fromUtf8(bytes) : text::fromCp932(bytes);
        appendLine(line, specialChars, links, out);
        out.append(tag);
        out.append(u"\r\n");
    };
    if (sourceBytes.find('\r') != std::string_view::npos) {
        text::forEachLine(sourceBytes, takeLine);
    } else {
        // Without any CR, lines end at LF.
        for (std::size_t end; (end = sourceBytes.find('\n')) != std::string_view::npos;
             sourceBytes.remove_prefix(end + 1))
            takeLine(sourceBytes.substr(0, end));
        if (!sourceBytes.empty()) takeLine(sourceBytes);
    }
    if (mode == LineBreakMode::PRE) appendPassed(u"</PRE>\r\n", specialChars, out);
    return {text::toCp932(out), out.size()};
}

}  // namespace pelin::engine::testing
