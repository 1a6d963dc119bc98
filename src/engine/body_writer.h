#pragma once
// The body's lines made from the source's bytes as they come, a block at a time:
// each line with its tag, the special-character pass, and the addresses that
// become links.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/addresses.h"
#include "engine/body_text.h"
#include "engine/cp932_pass.h"
#include "engine/source_window.h"
#include "text/source_encoding.h"

namespace pelin::engine {

class BodyWriter {
public:
    // Writes "<PRE>" at once in PRE mode. Lines end at `lineEnd`, CR or LF (see
    // writeBody). `source` is read again for an address that runs past its block.
    BodyWriter(LineBreakMode mode, CharacterPass pass, Links links, text::SourceEncoding encoding, char lineEnd,
               platform::BlockSource& source, PageOutput& out);

    // Converts the next bytes of the source, the first of which is at `offset`;
    // gives how many it took. A character cut off at the end is left for the next
    // call, which must bring it again at its front; with `atEnd` all is taken.
    std::size_t take(std::string_view bytes, std::uint64_t offset, bool atEnd);
    // Ends the last line, and "</PRE>" in PRE mode.
    void finish();

    // A read past the block that failed, cutting an address short.
    const std::optional<platform::FileError>& failure() const { return window_.failure(); }

private:
    void endLine();
    std::size_t convert(std::string_view bytes, bool whole);
    void writeAddress(const Address& address);
    void putAddressText(const Address& address);

    LineEnds lines_;
    const bool pre_;
    const CharacterPass pass_;
    const bool utf8_;
    const Cp932Pass cp932_;
    PageOutput& out_;
    SourceWindow window_;
    std::optional<AddressFinder> addresses_;  // when addresses become links
    std::optional<Address> nextAddress_;      // the next one in the block
    std::uint64_t skipTo_ = 0;                // the end of an address that ran past its block
    Text decoded_, passed_;                   // reused for every piece of UTF-8
};

}  // namespace pelin::engine
