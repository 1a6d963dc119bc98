#include "engine/body_writer.h"

#include <algorithm>

namespace pelin::engine {
namespace {

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

}  // namespace

BodyWriter::BodyWriter(LineBreakMode mode, CharacterPass pass, Links links, text::SourceEncoding encoding, char lineEnd,
                       platform::BlockSource& source, PageOutput& out)
    : lines_{.text = mode == LineBreakMode::BR  ? "<BR>\r\n"
                     : mode == LineBreakMode::P ? "<P>\r\n"
                                                : "\r\n",
             .end = lineEnd},
      pre_(mode == LineBreakMode::PRE),
      pass_(pass),
      utf8_(encoding == text::SourceEncoding::Utf8),
      cp932_(pass, lineEnd),
      out_(out),
      window_(source) {
    if (links.web || links.mail) addresses_.emplace(links, utf8_ ? nullptr : &cp932_, window_);
    if (pre_) out_.put("<PRE>\r\n", 7);
}

std::size_t BodyWriter::take(std::string_view bytes, std::uint64_t offset, bool atEnd) {
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
        const std::size_t end = nextAddress_ ? static_cast<std::size_t>(nextAddress_->start - offset) : bytes.size();
        const std::size_t taken = convert(bytes.substr(i, end - i), atEnd || end < bytes.size());
        if (taken == 0) break;  // a character cut off by the end of the block
        i += taken;
    }
    if (addresses_) addresses_->endBlock(i);
    return i;
}

void BodyWriter::finish() {
    if (lines_.open) endLine();
    if (pre_) out_.put("</PRE>\r\n", 8);
}

void BodyWriter::endLine() {
    out_.put(lines_.text, lines_.text.size());
    lines_.open = false;
}

// Writes the characters and line ends at the start of `bytes`; gives how many bytes it took.
std::size_t BodyWriter::convert(std::string_view bytes, bool whole) {
    if (!utf8_) return cp932_.convert(bytes, whole, out_, lines_);
    if (bytes[0] == lines_.end) {
        endLine();
        lines_.afterCr = lines_.end == '\r';
        return 1;
    }
    // UTF-8 goes through the program's text, a piece at a time so that neither a
    // long line nor a block full of "&" grows the text held.
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    const std::size_t lineEnd = std::min(bytes.find(lines_.end), bytes.size());
    std::size_t length = std::min(lineEnd, kPiece);
    if (length < lineEnd || (length == bytes.size() && !whole)) length = withoutCutSequence(bytes.substr(0, length));
    decoded_.clear();
    text::appendFromUtf8(bytes.substr(0, length), decoded_);
    passed_.clear();
    appendPassed(decoded_, pass_, passed_);
    out_.putText(passed_);
    lines_.open = lines_.open || length > 0;
    return length;
}

void BodyWriter::writeAddress(const Address& address) {
    const std::string_view open = address.mail ? "<A HREF=\"mailto:" : "<A HREF=\"";
    out_.put(open, open.size());
    putAddressText(address);
    out_.put("\">", 2);
    putAddressText(address);
    out_.put("</A>", 4);
}

// The address as it stands, but for "&" under the pass, as in all the body.
void BodyWriter::putAddressText(const Address& address) {
    for (std::uint64_t at = address.start; at < address.end;) {
        std::string_view piece = window_.piece(at).substr(0, static_cast<std::size_t>(address.end - at));
        if (piece.empty()) return;  // a failed read, which the run reports
        at += piece.size();
        for (std::size_t amp; pass_.specialChars && (amp = piece.find('&')) != std::string_view::npos;) {
            out_.put(piece.substr(0, amp), amp);
            out_.put("&amp;", 5);
            piece.remove_prefix(amp + 1);
        }
        out_.put(piece, piece.size());
    }
}

}  // namespace pelin::engine
