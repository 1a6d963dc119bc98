#include "engine/addresses.h"

#include <array>
#include <limits>

namespace pelin::engine {
namespace {

enum : std::uint8_t { Letter = 1, Digit = 2, UrlChar = 4, LocalChar = 8, DomainChar = 16, GivenBack = 32 };

constexpr std::array<std::uint8_t, 128> makeClasses() {
    std::array<std::uint8_t, 128> classes{};
    for (int b = 'A'; b <= 'Z'; ++b) classes[b] = classes[b + 32] = Letter | UrlChar | LocalChar | DomainChar;
    for (int b = '0'; b <= '9'; ++b) classes[b] = Digit | UrlChar | LocalChar | DomainChar;
    for (char b : std::string_view("-._~:/?#[]@!$&'()*+,;=%")) classes[b] |= UrlChar;
    for (char b : std::string_view("._%+-")) classes[b] |= LocalChar;
    classes['-'] |= DomainChar;
    for (char b : std::string_view(".,;:!?'")) classes[b] |= GivenBack;
    return classes;
}
constexpr std::array<std::uint8_t, 128> kClasses = makeClasses();

// Whether the byte (or -1 for none) is an ASCII character of the class.
bool is(int byte, std::uint8_t characterClass) {
    return byte >= 0 && byte < 0x80 && (kClasses[byte] & characterClass) != 0;
}

constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();
constexpr std::size_t kNotFound = std::string_view::npos;

}  // namespace

AddressFinder::AddressFinder(Links links, const Cp932Pass* cp932, SourceWindow& window)
    : links_(links), cp932_(cp932), window_(window) {}

void AddressFinder::startBlock(std::string_view bytes, std::uint64_t offset, bool last) {
    bytes_ = bytes;
    offset_ = offset;
    last_ = last;
    known_ = 0;
}

void AddressFinder::endBlock(std::size_t taken) {
    if (taken > 0) before_ = characterBefore(taken);
}

std::optional<Address> AddressFinder::next(std::size_t at) {
    const std::optional<Address> web = links_.web ? firstWebAddress(at) : std::nullopt;
    const std::size_t webIndex = web ? static_cast<std::size_t>(web->start - offset_) : kNotFound;
    const std::optional<Address> mail = links_.mail ? firstMailAddress(at, webIndex) : std::nullopt;
    return mail ? mail : web;
}

// A byte below 0x40 is a character of its own in code page 932, never half of
// one, so characters are told apart from the last such byte on (or from the
// last index known to start one).
bool AddressFinder::isCharacterStart(std::size_t index) {
    if (!cp932_) return true;
    const std::size_t floor = index >= known_ ? known_ : 0;
    std::size_t q = index;
    while (q > floor && static_cast<unsigned char>(bytes_[q - 1]) >= 0x40) --q;
    while (q < index) q += cp932_->characterLength(bytes_.substr(q));
    if (q >= known_) known_ = q;
    return q == index;
}

int AddressFinder::characterBefore(std::size_t index) {
    if (index == 0) return before_;
    const int b = static_cast<unsigned char>(bytes_[index - 1]);
    if (b >= 0x80) return kNone;
    return b < 0x40 || isCharacterStart(index - 1) ? b : kNone;
}

std::optional<Address> AddressFinder::firstWebAddress(std::size_t from) {
    for (std::size_t colon = from; (colon = bytes_.find(':', colon)) != kNotFound; ++colon) {
        if (window_.at(offset_ + colon + 1) != '/' || window_.at(offset_ + colon + 2) != '/') continue;
        for (std::size_t length : {5, 4, 3}) {
            if (colon < from + length) continue;
            if (std::optional<Address> address = webAddressAt(colon - length)) return address;
        }
    }
    // A scheme at the very end of the block, its "://" in the next.
    for (std::size_t i = bytes_.size() < from + 7 ? from : bytes_.size() - 7; !last_ && i < bytes_.size(); ++i)
        if (std::optional<Address> address = webAddressAt(i)) return address;
    return std::nullopt;
}

std::optional<Address> AddressFinder::firstMailAddress(std::size_t from, std::size_t to) {
    // The local part before an "@" of the block, or the one the block ends in.
    auto localPartBefore = [&](std::size_t end) -> std::optional<std::size_t> {
        std::size_t start = end;
        while (start > from && is(static_cast<unsigned char>(bytes_[start - 1]), LocalChar)) --start;
        if (start < end && !isCharacterStart(start)) ++start;  // the second half of a two-byte character
        if (start == end || is(characterBefore(start), LocalChar)) return std::nullopt;
        return start;
    };
    for (std::size_t at = from; (at = bytes_.find('@', at)) != kNotFound && at < to; ++at) {
        if (const std::optional<std::size_t> start = localPartBefore(at))
            if (std::optional<Address> address = mailAddressAt(*start)) return address;
    }
    if (last_ || to != kNotFound) return std::nullopt;
    const std::optional<std::size_t> start = localPartBefore(bytes_.size());
    return start ? mailAddressAt(*start) : std::nullopt;
}

std::optional<Address> AddressFinder::webAddressAt(std::size_t index) {
    const int first = static_cast<unsigned char>(bytes_[index]) | 0x20;
    if (first != 'h' && first != 'f') return std::nullopt;
    if (is(characterBefore(index), Letter | Digit) || !isCharacterStart(index)) return std::nullopt;
    const std::optional<std::uint64_t> end = webAddressEnd(offset_ + index);
    if (!end) return std::nullopt;
    return Address{offset_ + index, *end, false};
}

std::optional<Address> AddressFinder::mailAddressAt(std::size_t index) {
    std::uint64_t at = offset_ + index;
    while (is(window_.at(at), LocalChar)) ++at;
    if (window_.at(at) != '@') return std::nullopt;
    const std::optional<std::uint64_t> end = domainEnd(at + 1, kNoLimit);
    if (!end) return std::nullopt;
    return Address{offset_ + index, *end, true};
}

std::size_t AddressFinder::schemeAt(std::uint64_t offset) {
    for (std::string_view scheme : {"http://", "https://", "ftp://"}) {
        std::size_t i = 0;
        for (int b; i < scheme.size() && (b = window_.at(offset + i)) >= 0; ++i)
            if ((is(b, Letter) ? b | 0x20 : b) != scheme[i]) break;
        if (i == scheme.size()) return i;
    }
    return 0;
}

std::optional<std::uint64_t> AddressFinder::webAddressEnd(std::uint64_t start) {
    const std::size_t scheme = schemeAt(start);
    if (scheme == 0) return std::nullopt;
    std::uint64_t end = start + scheme;
    std::uint64_t opened = 0;
    std::uint64_t closed = 0;
    for (int b; is(b = window_.at(end), UrlChar); ++end) {
        opened += b == '(';
        closed += b == ')';
    }
    for (;;) {
        const int last = window_.at(end - 1);
        if (is(last, GivenBack)) {
            --end;
        } else if (last == ')' && closed > opened) {
            --closed;
            --end;
        } else {
            break;
        }
    }
    if (end - start <= scheme) return std::nullopt;
    return end;
}

std::optional<std::uint64_t> AddressFinder::domainEnd(std::uint64_t from, std::uint64_t limit) {
    std::optional<std::uint64_t> end;
    std::uint64_t at = from;
    for (int labels = 1;; ++labels) {
        // The last label of a domain is the letters that start one.
        const std::uint64_t label = at;
        std::uint64_t letters = 0;
        for (int b; at < limit && is(b = window_.at(at), DomainChar); ++at)
            if (letters == at - label && is(b, Letter)) ++letters;
        if (at == label) break;
        if (labels >= 2 && letters >= 2) end = label + letters;
        if (at >= limit || window_.at(at) != '.') break;
        ++at;
    }
    // A web address may start in the last label, a scheme before "://": the
    // domain stops short of it, as mail addresses are looked for only outside
    // web addresses.
    if (links_.web && limit == kNoLimit && window_.at(at) == ':') {
        for (std::uint64_t length : {5, 4, 3}) {
            if (at < from + length) continue;
            const std::uint64_t start = at - length;
            if (!is(window_.at(start - 1), Letter | Digit) && webAddressEnd(start)) return domainEnd(from, start);
        }
    }
    return end;
}

}  // namespace pelin::engine
