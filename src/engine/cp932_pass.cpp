#include "engine/cp932_pass.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "engine/body_text.h"

namespace pelin::engine {

// What becomes of each byte and each pair of bytes. Every answer comes from
// decoding the bytes as the program's text, passing that through the
// special-character pass and encoding it again, so the byte work cannot drift
// from what the text conversion would write.
struct Cp932Pass::Tables {
    enum Kind : std::uint8_t {
        Copied,     // a character copied as it stands, one unit
        Lead,       // the first byte of a two-byte character; see `pairs`
        LineEnd,    // the byte lines end at
        Rewritten,  // see `singles`
    };
    // Entries of `pairs` and `singles`; larger values index `rewrites`. A pair that
    // does not start with a lead byte is no character.
    static constexpr std::uint16_t kCopied = 0;
    static constexpr std::uint16_t kNoCharacter = 1;  // a lead byte kept alone; its next byte is read afresh

    // What a character is written as, padded so that it is stored as 16 bytes at
    // once: a reference is at most "&#65535;".
    struct Rewrite {
        char bytes[16];
        std::size_t size;
        std::uint64_t units;
    };

    std::array<Kind, 256> kinds{};
    std::array<std::uint16_t, 256> singles{};
    std::array<std::uint16_t, 65536> pairs{};
    std::vector<Rewrite> rewrites{{}, {}};
    // The pairs copied as they stand, looked up by their two bytes as one 16-bit
    // load finds them on this machine, for the runs of two-byte characters.
    std::array<bool, 65536> copiedPairs{};
    // Runs of ASCII bytes are looked through eight at a time for the ones that
    // are not copied as they stand: the line end, and "&" under the pass.
    unsigned char lineEnd;
    unsigned char otherAsciiStop;
    bool skipWords = true;
    // The most bytes one byte of the source may become, line ends aside.
    std::size_t growth = 1;

    Tables(CharacterPass pass, char lineEndByte)
        : lineEnd(static_cast<unsigned char>(lineEndByte)), otherAsciiStop(lineEnd) {
        Text decoded;
        Text passed;
        std::string encoded;
        // How the program's text conversion writes `bytes`: kCopied when as they
        // stand, kNoCharacter when they are not one character, or a rewrite.
        auto answer = [&](std::string_view bytes) -> std::uint16_t {
            decoded.clear();
            text::appendFromCp932(bytes, decoded);
            if (decoded.size() != 1 || (bytes.size() == 2 && text::isRawByte(decoded[0]))) return kNoCharacter;
            passed.clear();
            appendPassed(decoded, pass, passed);
            encoded.clear();
            text::appendToCp932(passed, encoded);
            if (encoded == bytes && passed.size() == 1) return kCopied;
            Rewrite& rewrite = rewrites.emplace_back(Rewrite{{}, encoded.size(), passed.size()});
            encoded.copy(rewrite.bytes, sizeof rewrite.bytes);
            growth = std::max(growth, (encoded.size() + bytes.size() - 1) / bytes.size());
            return static_cast<std::uint16_t>(rewrites.size() - 1);
        };
        pairs.fill(kNoCharacter);
        for (int b = 0; b < 256; ++b) {
            const char byte = static_cast<char>(b);
            bool lead = false;
            for (int t = 0; t < 256 && b >= 0x80; ++t) {
                const char pair[2] = {byte, static_cast<char>(t)};
                pairs[b << 8 | t] = answer(std::string_view(pair, 2));
                lead = lead || pairs[b << 8 | t] != kNoCharacter;
            }
            singles[b] = answer(std::string_view(&byte, 1));
            kinds[b] = b == lineEnd ? LineEnd : lead ? Lead : singles[b] == kCopied ? Copied : Rewritten;
            if (b < 0x80 && b != lineEnd && kinds[b] != Copied) {
                skipWords = skipWords && otherAsciiStop == lineEnd;
                otherAsciiStop = byte;
            }
        }
        for (unsigned lead = 0; lead < 256; ++lead) {
            for (unsigned trail = 0; trail < 256; ++trail) {
                const unsigned char pair[2] = {static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)};
                copiedPairs[twoBytes(pair)] = pairs[lead << 8 | trail] == kCopied;
            }
        }
    }

    static std::uint16_t twoBytes(const unsigned char* p) {
        std::uint16_t both;
        std::memcpy(&both, p, 2);
        return both;
    }
};

namespace {

// Copies the ASCII bytes from `p` on that are neither `lineEnd` nor `otherStop`,
// eight at a time and no further than `stop`, to `out`; gives how many. Up to
// eight bytes beyond them may be stored at `out` too.
std::size_t copyAscii(const unsigned char* p, const unsigned char* stop, char* out, unsigned char lineEnd,
                      unsigned char otherStop) {
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    // The lowest flagged byte of each term is exact; flags above it may be false.
    auto zeroBytes = [](std::uint64_t w) { return (w - kOnes) & ~w & kHighBits; };
    const unsigned char* q = p;
    for (std::uint64_t w; stop - q >= 8; q += 8, out += 8) {
        std::memcpy(&w, q, 8);
        std::memcpy(out, &w, 8);
        const std::uint64_t found =
            (w & kHighBits) | zeroBytes(w ^ (kOnes * lineEnd)) | zeroBytes(w ^ (kOnes * otherStop));
        if (found == 0) continue;
        const int bit = std::endian::native == std::endian::little ? std::countr_zero(found) : std::countl_zero(found);
        return static_cast<std::size_t>(q - p) + static_cast<std::size_t>(bit / 8);
    }
    return static_cast<std::size_t>(q - p);
}

// Made on first use, once for each setting of the pass and line end (a few
// milliseconds), and kept: runs on other threads share them.
const Cp932Pass::Tables& tablesFor(CharacterPass pass, char lineEnd) {
    static std::mutex guard;
    static std::map<std::tuple<bool, bool, char>, std::unique_ptr<const Cp932Pass::Tables>> made;
    const std::lock_guard lock(guard);
    auto& tables = made[{pass.specialChars, pass.angleBrackets, lineEnd}];
    if (!tables) tables = std::make_unique<const Cp932Pass::Tables>(pass, lineEnd);
    return *tables;
}

}  // namespace

Cp932Pass::Cp932Pass(CharacterPass pass, char lineEnd) : tables_(tablesFor(pass, lineEnd)) {}

std::size_t Cp932Pass::characterLength(std::string_view bytes) const {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (tables_.kinds[lead] != Tables::Lead || bytes.size() < 2) return 1;
    return tables_.pairs[lead << 8 | static_cast<unsigned char>(bytes[1])] == Tables::kNoCharacter ? 1 : 2;
}

std::size_t Cp932Pass::convert(std::string_view bytes, bool whole, PageOutput& out, LineEnds& lines) const {
    const Tables& t = tables_;
    const auto* const begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = begin + bytes.size();
    const auto* p = begin;
    const unsigned char* lineStart = nullptr;  // after the last line end, if there was one
    Tables::Rewrite lineEnd{{}, lines.text.size(), lines.text.size()};
    lines.text.copy(lineEnd.bytes, sizeof lineEnd.bytes);
    // Characters are written straight into the page's buffer, some with a store of
    // more bytes than they take, a slice of the source at a time: as much as the
    // room left holds whatever the slice becomes, with room for a last store.
    constexpr std::size_t kStoreRoom = 16;
    const std::size_t growth = std::max(t.growth, lines.text.size());
    auto put = [](char* o, const Tables::Rewrite& r) {
        std::memcpy(o, r.bytes, sizeof r.bytes);
        return o + r.size;
    };
    bool cut = false;  // a lead byte at the end is left for the next call
    while (p < end && !cut) {
        const std::span<char> space = out.space();
        char* o = space.data();
        const auto* const stop = p + std::min<std::size_t>(end - p, (space.size() - kStoreRoom) / growth);
        const auto* const pairStop = std::min(stop, end - 1);
        std::uint64_t units = 0;
        while (p < stop) {
            const unsigned char b = *p;
            const Tables::Kind kind = t.kinds[b];
            if (kind == Tables::Copied) {
                *o++ = static_cast<char>(b);
                ++p;
                ++units;
                if (b < 0x80 && t.skipWords) {
                    const std::size_t ascii = copyAscii(p, stop, o, t.lineEnd, t.otherAsciiStop);
                    p += ascii;
                    o += ascii;
                    units += ascii;
                }
            } else if (kind == Tables::Lead) {
                if (p + 1 == end) {
                    if (!whole) {
                        cut = true;
                        break;
                    }
                    *o++ = static_cast<char>(b);  // a lead byte at the end of the line is kept as it is
                    ++p;
                    ++units;
                    continue;
                }
                const std::uint16_t pair = t.pairs[b << 8 | p[1]];
                if (pair == Tables::kCopied) {
                    // Japanese text runs on in two-byte characters: one look each.
                    const auto* const first = p;
                    do {
                        std::memcpy(o, p, 2);
                        o += 2;
                        p += 2;
                    } while (p < pairStop && t.copiedPairs[Tables::twoBytes(p)]);
                    units += static_cast<std::uint64_t>(p - first) / 2;
                } else if (pair == Tables::kNoCharacter) {
                    *o++ = static_cast<char>(b);
                    ++p;
                    ++units;
                } else {
                    o = put(o, t.rewrites[pair]);
                    units += t.rewrites[pair].units;
                    p += 2;
                }
            } else if (kind == Tables::Rewritten) {
                o = put(o, t.rewrites[t.singles[b]]);
                units += t.rewrites[t.singles[b]].units;
                ++p;
            } else {
                o = put(o, lineEnd);
                units += lineEnd.units;
                if (*p++ == '\r') {
                    if (p == end) lines.afterCr = true;
                    else if (*p == '\n') ++p;
                }
                lineStart = p;
            }
        }
        out.commit(o, units);
    }
    lines.open = lineStart ? p > lineStart : lines.open || p > begin;
    return static_cast<std::size_t>(p - begin);
}

}  // namespace pelin::engine
