#include "reference_body.h"

#include "text/lines.h"
#include "text/source_encoding.h"

namespace pelin::engine::testing {

BodyBytes referenceBody(std::string_view sourceBytes, LineBreakMode mode, bool specialChars) {
    const text::SourceEncoding encoding = text::takeSourceEncoding(sourceBytes);
    const TextView tag = mode == LineBreakMode::BR ? TextView(u"<BR>") : mode == LineBreakMode::P ? TextView(u"<P>")
                                                                                                    : TextView();
    Text out;
    if (mode == LineBreakMode::PRE) appendPassed(u"<PRE>\r\n", specialChars, out);
    text::forEachLine(sourceBytes, [&](std::string_view bytes) {
        const Text line = encoding == text::SourceEncoding::Utf8 ? text::fromUtf8(bytes) : text::fromCp932(bytes);
        appendPassed(line, specialChars, out);
        out.append(tag);
        out.append(u"\r\n");
    });
    if (mode == LineBreakMode::PRE) appendPassed(u"</PRE>\r\n", specialChars, out);
    return {text::toCp932(out), out.size()};
}

}  // namespace pelin::engine::testing
