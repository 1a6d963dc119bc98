#include "engine/body_text.h"

#include <cstring>
#include <memory>
#include <optional>
#include <span>

#include "engine/body_writer.h"
#include "text/source_encoding.h"

namespace pelin::engine {
namespace {

TextView replacementFor(char16_t c, CharacterPass pass) {
    if (c > u'>' && c < 0xB1) return {};  // most characters: two comparisons
    switch (c) {
    case u'&': return pass.specialChars ? u"&amp;" : u"";
    case u'\u00D7': return pass.specialChars ? u"&times;" : u"";
    case u'\u00F7': return pass.specialChars ? u"&divide;" : u"";
    case u'\u00B1': return pass.specialChars ? u"&plusmn;" : u"";
    case u'<': return pass.angleBrackets ? u"&lt;" : u"";
    case u'>': return pass.angleBrackets ? u"&gt;" : u"";
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

// The byte the source's lines end at: CR, unless the source holds none at all,
// when it is LF. Nothing when `goOn` stopped the reading.
template <typename GoOn>
platform::Result<std::optional<char>> findLineEnd(platform::BlockSource& source, std::span<char> block, GoOn&& goOn) {
    bool found = false;
    bool stopped = false;
    const platform::Result<bool> read = readBlocks(
        source, 0, block,
        [&](std::string_view bytes, std::uint64_t, bool) {
            found = bytes.find('\r') != std::string_view::npos;
            return bytes.size();
        },
        [&](std::uint64_t) {
            stopped = !goOn(0);
            return !stopped && !found;
        });
    if (!read) return read.error();
    if (stopped) return std::optional<char>();
    return std::optional(found ? '\r' : '\n');
}

}  // namespace

LineBreakMode lineBreakMode(TextView br, TextView p) {
    if (br == u"True") return LineBreakMode::BR;
    if (p == u"True") return LineBreakMode::P;
    return LineBreakMode::PRE;
}

void appendPassed(TextView text, CharacterPass pass, Text& out) {
    if (!pass.any()) {
        out.append(text);
        return;
    }
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        TextView replacement = replacementFor(text[i], pass);
        if (replacement.empty()) continue;
        out.append(text.substr(runStart, i - runStart));
        out.append(replacement);
        runStart = i + 1;
    }
    out.append(text.substr(runStart));
}

platform::Result<Completion> writeBody(platform::BlockSource& source, LineBreakMode mode, CharacterPass pass,
                                       Links links, PageOutput& out, const ConversionProgress& progress,
                                       std::size_t blockSize) {
    const auto buffer = std::make_unique_for_overwrite<char[]>(blockSize);
    const std::span<char> block(buffer.get(), blockSize);
    const std::uint64_t total = source.length();
    auto goOn = [&](std::uint64_t done) { return !progress || progress(done, total); };

    const platform::Result<std::optional<SourceStart>> start = findEncoding(source, block, goOn);
    if (!start) return start.error();
    if (!*start) return Completion::Stopped;

    const platform::Result<std::optional<char>> lineEnd = findLineEnd(source, block, goOn);
    if (!lineEnd) return lineEnd.error();
    if (!*lineEnd) return Completion::Stopped;

    BodyWriter body(mode, pass, links, (*start)->encoding, **lineEnd, source, out);
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
