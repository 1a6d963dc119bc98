// Feeds arbitrary bytes as the source file through the page writer in every
// line-break mode, with the special-character pass on and off.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/conversion_run.h"

using namespace pelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (auto [br, p] : {std::pair{u"True", u"False"}, {u"False", u"True"}, {u"False", u"False"}}) {
        for (std::int16_t pass : {0, 1}) {
            engine::ConversionSettings s;
            s.BR = br;
            s.P = p;
            s.SpecialFont = pass;
            engine::buildDocument(s, bytes);
            const std::string page = text::toCp932(s.HTMLLine);
            // Without the pass, a code page 932 source line reaches the page as its
            // bytes; characters with two codes come out in the code Windows prefers.
            const bool utf8 = text::looksLikeUtf8(bytes) || bytes.substr(0, 3) == "\xEF\xBB\xBF";
            if (!pass && !utf8 && bytes.find('\r') == std::string_view::npos &&
                page.find(text::toCp932(text::fromCp932(bytes))) == std::string::npos)
                std::abort();
            (void)engine::makeReport(static_cast<std::int32_t>(size), s.HTMLLine);
        }
    }
    return 0;
}
