#include "engine/body_text.h"

#include "text/lines.h"

namespace pelin::engine {
namespace {

constexpr TextView kCrLf = u"\r\n";

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
    const text::SourceEncoding encoding = text::takeSourceEncoding(sourceBytes);
    const TextView tag = mode == LineBreakMode::BR ? TextView(u"<BR>")
                         : mode == LineBreakMode::P ? TextView(u"<P>")
                                                    : TextView();
    if (mode == LineBreakMode::PRE) appendPassed(u"<PRE>\r\n", specialChars, out);
    Text line;  // reused, so each line costs no allocation once it is large enough
    text::forEachLine(sourceBytes, [&](std::string_view bytes) {
        line.clear();
        if (encoding == text::SourceEncoding::Utf8)
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
