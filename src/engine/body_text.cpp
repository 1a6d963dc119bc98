#include "engine/body_text.h"

#include "text/lines.h"

namespace pelin::engine {
namespace {

constexpr TextView kCrLf = u"\r\n";

enum class SourceEncoding { Cp932, Utf8 };

// Decides once per file how its bytes are read; returns the bytes without a
// UTF-8 byte-order mark.
SourceEncoding detectEncoding(std::string_view& bytes) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom) {
        bytes.remove_prefix(bom.size());
        return SourceEncoding::Utf8;
    }
    return text::looksLikeUtf8(bytes) ? SourceEncoding::Utf8 : SourceEncoding::Cp932;
}

TextView replacementFor(char16_t c) {
    if (c != u'&' && c < 0xB1) return {};  // most characters: one comparison
    switch (c) {
        case u'&': return u"&amp;";
        case u'\u00D7': return u"&times;";
        case u'\u00F7': return u"&divide;";
        case u'\u00B1': return u"&plusmn;";
        default: return {};
    }
}

}  // namespace

LineBreakMode lineBreakMode(TextView br, TextView p) {
    if (br == u"True") return LineBreakMode::BR;
    if (p == u"True") return LineBreakMode::P;
    return LineBreakMode::PRE;
}

void appendPassed(TextView text, bool specialChars, Text& out) {
    if (!specialChars) {
        out.append(text);
        return;
    }
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        TextView replacement = replacementFor(text[i]);
        if (replacement.empty()) continue;
        out.append(text.substr(runStart, i - runStart));
        out.append(replacement);
        runStart = i + 1;
    }
    out.append(text.substr(runStart));
}

void appendBodyText(std::string_view sourceBytes, LineBreakMode mode, bool specialChars, Text& out) {
    const SourceEncoding encoding = detectEncoding(sourceBytes);
    const TextView tag = mode == LineBreakMode::BR ? TextView(u"<BR>")
                         : mode == LineBreakMode::P ? TextView(u"<P>")
                                                    : TextView();
    if (mode == LineBreakMode::PRE) appendPassed(u"<PRE>\r\n", specialChars, out);
    Text line;  // reused, so each line costs no allocation once it is large enough
    text::forEachLine(sourceBytes, [&](std::string_view bytes) {
        line.clear();
        if (encoding == SourceEncoding::Utf8)
            line = text::fromUtf8(bytes);
        else
            text::appendFromCp932(bytes, line);
        appendPassed(line, specialChars, out);
        out.append(tag);
        out.append(kCrLf);
    });
    if (mode == LineBreakMode::PRE) appendPassed(u"</PRE>\r\n", specialChars, out);
}

}  // namespace pelin::engine
