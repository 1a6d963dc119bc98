// Arbitrary bytes as the source file: the body streamed in blocks must be, byte for
// byte and in its counted length, the body the program made when it converted the
// whole document as UTF-16 text, with the addresses found on whole lines. Every
// line-break mode, the pass on and off; the first two bytes choose the sizes of
// the blocks read and written, so that they end at every kind of place, and which
// addresses become links.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/engine_answers.h"
#include "support/reference_body.h"

using namespace pelin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::size_t blockSize = 8 + data[0] % 64;
    const std::size_t outputSize = 1 + data[0] / 16;
    const engine::Links links{.web = (data[1] & 1) != 0, .mail = (data[1] & 2) != 0};
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    using engine::LineBreakMode;
    for (LineBreakMode mode : {LineBreakMode::BR, LineBreakMode::P, LineBreakMode::PRE}) {
        for (bool pass : {false, true}) {
            std::string page;
            const platform::ChunkWriter write = [&](std::string_view chunk) { page.append(chunk); };
            engine::PageOutput out(write, text::PageCharset::Cp932, outputSize);
            engine::testing::MemorySource source(bytes);
            const platform::Result<engine::Completion> done =
                engine::writeBody(source, mode, pass, links, out, {}, blockSize);
            out.flush();
            const engine::testing::BodyBytes expected = engine::testing::referenceBody(bytes, mode, pass, links);
            const bool same = done && *done == engine::Completion::Finished && page == expected.bytes &&
                              out.units() == expected.units;
            if (!same) {
                std::fprintf(stderr, "streamed body differs: mode %d, pass %d, web %d, mail %d, blocks of %zu\n",
                             static_cast<int>(mode), pass, links.web, links.mail, blockSize);
                std::abort();
            }
        }
    }
    return 0;
}
