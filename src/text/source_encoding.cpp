#include "text/source_encoding.h"

#include <cstring>

#include "text/text.h"

namespace pelin::text {
namespace {

constexpr std::uint64_t kSequenceBytesPerStray = 8;
constexpr std::uint64_t kEarlyStrays = 64;

// The index of the first byte at or after `i` that is not ASCII; most text is
// mostly ASCII, so eight bytes are looked at together.
std::size_t skipAscii(std::string_view bytes, std::size_t i) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t word; i + 8 <= bytes.size(); i += 8) {
        std::memcpy(&word, bytes.data() + i, 8);
        if (word & kHighBits) break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
    return i;
}

}  // namespace

std::size_t EncodingGuess::take(std::string_view bytes, bool atEnd) {
    std::size_t i = 0;
    while (!settled_) {
        i = skipAscii(bytes, i);
        if (i == bytes.size()) break;
        // The longest sequence is four bytes; fewer may be the start of one.
        if (!atEnd && bytes.size() - i < 4) break;
        char32_t c = 0;
        if (const std::size_t n = utf8SequenceLength(bytes.substr(i), c)) {
            sequenceBytes_ += n;
            longSequence_ = longSequence_ || n >= 3;
            i += n;
        } else {
            ++strayBytes_;
            ++i;
            settled_ = strayBytes_ > kEarlyStrays + sequenceBytes_ / kSequenceBytesPerStray;
        }
    }
    return settled_ ? bytes.size() : i;
}

SourceEncoding EncodingGuess::encoding() const {
    const bool utf8 = !settled_ && longSequence_ && strayBytes_ * kSequenceBytesPerStray <= sequenceBytes_;
    return utf8 ? SourceEncoding::Utf8 : SourceEncoding::Cp932;
}

SourceEncoding takeSourceEncoding(std::string_view& bytes) {
    if (startsWithUtf8Bom(bytes)) {
        bytes.remove_prefix(kUtf8Bom.size());
        return SourceEncoding::Utf8;
    }
    EncodingGuess guess;
    guess.take(bytes, true);
    return guess.encoding();
}

}  // namespace pelin::text
