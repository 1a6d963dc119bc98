#include "engine/body_text.h"

#include <cstring>
#include <memory>
#include <optional>
#include <span>

#include "engine/addresses.h"
#include "engine/cp932_pass.h"
#include "engine/source_window.h"
#include "text/source_encoding.h"

namespace pelin::engine {
namespace {

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

// Gives the bytes of `source` from `offset` to its end to `take(bytes, at, atEnd)`
// a block at a time, `at` the offset of the first. `take` says how many bytes it
// took; the rest comes again at the front of the next block. After every block
// `goOn(offset reached)` may stop the reading. Gives true when the end was
// reached, false when stopped.
template <typename Take, typename GoOn>
platform::Result<bool> readBlocks(platform::BlockSource& source, std::uint64_t offset, std::span<char> block,
                                  Take&& take, GoOn&& goOn) {
    std::size_t kept = 0;
    for (;;) {
        const platform::Result<std::size_t> got = source.readAt(offset, block.subspan(kept));
        if (!got) return got.error();
        offset += *got;
        const bool atEnd = offset >= source.length();
        const std::size_t filled = kept + *got;
        const std::size_t taken = take(std::string_view(block.data(), filled), offset - filled, atEnd);
        kept = filled - taken;
        std::memmove(block.data(), block.data() + taken, kept);
        if (!goOn(offset)) return false;
        if (atEnd) return true;
    }
}

struct SourceStart {
    text::SourceEncoding encoding;
    std::uint64_t offset;  // where the text starts, after a byte-order mark
};

// Reads as much of the source as it takes to tell its encoding; nothing when
// `goOn` stopped the reading.
template <typename GoOn>
platform::Result<std::optional<SourceStart>> findEncoding(platform::BlockSource& source, std::span<char> block,
                                                          GoOn&& goOn) {
    const platform::Result<std::size_t> start = source.readAt(0, block.first(text::kUtf8Bom.size()));
    if (!start) return start.error();
    if (text::startsWithUtf8Bom(std::string_view(block.data(), *start)))
        return std::optional(SourceStart{text::SourceEncoding::Utf8, text::kUtf8Bom.size()});
    text::EncodingGuess guess;
    bool stopped = false;
    const platform::Result<bool> read = readBlocks(
        source, 0, block, [&](std::string_view bytes, std::uint64_t, bool atEnd) { return guess.take(bytes, atEnd); },
        [&](std::uint64_t) {
            stopped = !goOn(0);
            return !stopped && !guess.settled();
        });
    if (!read) return read.error();
    if (stopped) return std::optional<SourceStart>();
    return std::optional(SourceStart{guess.encoding(), 0});
}

// The length of `bytes` without a UTF-8 sequence cut off at its end.
std::size_t withoutCutSequence(std::string_view bytes) {
    for (std::size_t k = 1; k <= 3 && k <= bytes.size(); ++k) {
        const auto b = static_cast<unsigned char>(bytes[bytes.size() - k]);
        if (b < 0x80) break;
        if (b >= 0xC0) {
            const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
            return length > k ? bytes.size() - k : bytes.size();
        }
    }
    return bytes.size();
}

// Turns the source's bytes into the body's lines as they come.
class BodyWriter {
public:
    BodyWriter(LineBreakMode mode, bool specialChars, Links links, text::SourceEncoding encoding,
               platform::BlockSource& source, PageOutput& out)
        : lines_{.text = mode == LineBreakMode::BR ? "<BR>\r\n" : mode == LineBreakMode::P ? "<P>\r\n" : "\r\n"},
          pre_(mode == LineBreakMode::PRE),
          specialChars_(specialChars),
          utf8_(encoding == text::SourceEncoding::Utf8),
          cp932_(specialChars),
          out_(out),
          window_(source) {
        if (links.web || links.mail) addresses_.emplace(links, utf8_ ? nullptr : &cp932_, window_);
        if (pre_) out_.put("<PRE>\r\n", 7);
    }

    std::size_t take(std::string_view bytes, std::uint64_t offset, bool atEnd) {
        std::size_t i = 0;
        if (offset < skipTo_) i = static_cast<std::size_t>(std::min<std::uint64_t>(skipTo_ - offset, bytes.size()));
        if (addresses_) {
            window_.setBlock(bytes, offset);
            addresses_->startBlock(bytes, offset, atEnd);
            nextAddress_ = i < bytes.size() ? addresses_->next(i) : std::nullopt;
        }
        while (i < bytes.size()) {
            if (lines_.afterCr) {
                lines_.afterCr = false;
                if (bytes[i] == '\n' && ++i == bytes.size()) break;
            }
            if (nextAddress_ && nextAddress_->start == offset + i) {
                writeAddress(*nextAddress_);
                lines_.open = true;
                if (nextAddress_->end > offset + bytes.size()) {
                    skipTo_ = nextAddress_->end;  // written whole from a look past the block
                    i = bytes.size();
                    break;
                }
                i = static_cast<std::size_t>(nextAddress_->end - offset);
                nextAddress_ = i < bytes.size() ? addresses_->next(i) : std::nullopt;
                continue;
            }
            const std::size_t end =
                nextAddress_ ? static_cast<std::size_t>(nextAddress_->start - offset) : bytes.size();
            const std::size_t taken = convert(bytes.substr(i, end - i), atEnd || end < bytes.size());
            if (taken == 0) break;  // a character cut off by the end of the block
            i += taken;
        }
        if (addresses_) addresses_->endBlock(i);
        return i;
    }

    void finish() {
        if (lines_.open) endLine();
        if (pre_) out_.put("</PRE>\r\n", 8);
    }

    // A read past the block that failed, cutting an address short.
    const std::optional<platform::FileError>& failure() const { return window_.failure(); }

private:
    void endLine() {
        out_.put(lines_.text, lines_.text.size());
        lines_.open = false;
    }

    // Writes the characters and line ends at the start of `bytes`; gives how many bytes it took.
    std::size_t convert(std::string_view bytes, bool whole) {
        if (!utf8_) return cp932_.convert(bytes, whole, out_, lines_);
        if (bytes[0] == '\r') {
            endLine();
            lines_.afterCr = true;
            return 1;
        }
        // UTF-8 goes through the program's text, a piece at a time so that
        // neither a long line nor a block full of "&" grows the text held.
        constexpr std::size_t kPiece = std::size_t{1} << 16;
        const std::size_t lineEnd = std::min(bytes.find('\r'), bytes.size());
        std::size_t length = std::min(lineEnd, kPiece);
        if (length < lineEnd || (length == bytes.size() && !whole))
            length = withoutCutSequence(bytes.substr(0, length));
        decoded_.clear();
        text::appendFromUtf8(bytes.substr(0, length), decoded_);
        passed_.clear();
        appendPassed(decoded_, specialChars_, passed_);
        out_.putText(passed_);
        lines_.open = lines_.open || length > 0;
        return length;
    }

    void writeAddress(const Address& address) {
        const std::string_view open = address.mail ? "<A HREF=\"mailto:" : "<A HREF=\"";
        out_.put(open, open.size());
        putAddressText(address);
        out_.put("\">", 2);
        putAddressText(address);
        out_.put("</A>", 4);
    }

    // The address as it stands, but for "&" under the pass, as in all the body.
    void putAddressText(const Address& address) {
        for (std::uint64_t at = address.start; at < address.end;) {
            std::string_view piece = window_.piece(at).substr(0, static_cast<std::size_t>(address.end - at));
            if (piece.empty()) return;  // a failed read, which the run reports
            at += piece.size();
            for (std::size_t amp; specialChars_ && (amp = piece.find('&')) != std::string_view::npos;) {
                out_.put(piece.substr(0, amp), amp);
                out_.put("&amp;", 5);
                piece.remove_prefix(amp + 1);
            }
            out_.put(piece, piece.size());
        }
    }

    LineEnds lines_;
    const bool pre_;
    const bool specialChars_;
    const bool utf8_;
    const Cp932Pass cp932_;
    PageOutput& out_;
    SourceWindow window_;
    std::optional<AddressFinder> addresses_;  // when addresses become links
    std::optional<Address> nextAddress_;      // the next one in the block
    std::uint64_t skipTo_ = 0;                // the end of an address that ran past its block
    Text decoded_, passed_;                   // reused for every piece of UTF-8
};

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

platform::Result<Completion> writeBody(platform::BlockSource& source, LineBreakMode mode, bool specialChars,
                                       Links links, PageOutput& out, const ConversionProgress& progress,
                                       std::size_t blockSize) {
    const auto buffer = std::make_unique_for_overwrite<char[]>(blockSize);
    const std::span<char> block(buffer.get(), blockSize);
    const std::uint64_t total = source.length();
    auto goOn = [&](std::uint64_t done) { return !progress || progress(done, total); };

    const platform::Result<std::optional<SourceStart>> start = findEncoding(source, block, goOn);
    if (!start) return start.error();
    if (!*start) return Completion::Stopped;

    BodyWriter body(mode, specialChars, links, (*start)->encoding, source, out);
    const platform::Result<bool> read = readBlocks(
        source, (*start)->offset, block,
        [&](std::string_view bytes, std::uint64_t at, bool atEnd) { return body.take(bytes, at, atEnd); }, goOn);
    if (!read) return read.error();
    if (body.failure()) return *body.failure();
    if (!*read) return Completion::Stopped;
    body.finish();
    return Completion::Finished;
}

}  // namespace pelin::engine
