#pragma once
// Web and mail addresses in the body text, which the page makes into links.
//
// The rules, applied to each line of the source:
//  - A web address starts at "http://", "https://" or "ftp://" (letters in any
//    case) at the start of a line or after a character that is no ASCII letter or
//    digit. It runs on over A–Z a–z 0–9 and - . _ ~ : / ? # [ ] @ ! $ & ' ( ) * + ,
//    ; = % and gives back its last characters, one at a time, while the last is
//    one of . , ; : ! ? ' or is ")" and the address holds more ")" than "(". One
//    that is only its scheme is no address.
//  - A mail address, looked for only outside web addresses, is a local part of
//    A–Z a–z 0–9 . _ % + - that starts at the start of a line or after a character
//    that is none of these, then "@", then the longest domain that fits: two or
//    more labels of A–Z a–z 0–9 - joined by single dots, the last label two or
//    more letters.
//
// Every character of an address is ASCII, so the finder works on the source's
// bytes. In a code page 932 source a byte in the ASCII range may be the second
// half of a two-byte character; the finder tells characters apart as the page's
// conversion does, so an address never starts or runs on inside one.
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/body_text.h"
#include "engine/cp932_pass.h"
#include "engine/source_window.h"

namespace pelin::engine {

struct Address {
    std::uint64_t start;  // source offsets
    std::uint64_t end;
    bool mail;
};

class AddressFinder {
public:
    // `cp932` tells the characters of a code page 932 source apart; null for UTF-8,
    // where a byte in the ASCII range is always a character of its own.
    AddressFinder(Links links, const Cp932Pass* cp932, SourceWindow& window);

    // The block now being converted (see SourceWindow::setBlock); `last` when
    // nothing of the source follows it. It starts at a character.
    void startBlock(std::string_view bytes, std::uint64_t offset, bool last);
    // The first address that starts at or after index `at` of the block, which is
    // where a character starts: the block's start, or the end of an address.
    std::optional<Address> next(std::size_t at);
    // Ends the block after its first `taken` bytes.
    void endBlock(std::size_t taken);

private:
    static constexpr int kNone = -1;  // no character, or one that is not ASCII

    bool isCharacterStart(std::size_t index);
    int characterBefore(std::size_t index);
    std::optional<Address> firstWebAddress(std::size_t from);
    std::optional<Address> firstMailAddress(std::size_t from, std::size_t to);
    std::optional<Address> webAddressAt(std::size_t index);
    std::optional<Address> mailAddressAt(std::size_t index);
    std::size_t schemeAt(std::uint64_t offset);
    std::optional<std::uint64_t> webAddressEnd(std::uint64_t start);
    std::optional<std::uint64_t> domainEnd(std::uint64_t from, std::uint64_t limit);

    const Links links_;
    const Cp932Pass* const cp932_;
    SourceWindow& window_;
    std::string_view bytes_;
    std::uint64_t offset_ = 0;
    bool last_ = false;
    int before_ = kNone;     // the character before the block, when it is ASCII
    std::size_t known_ = 0;  // an index where a character is known to start
};

}  // namespace pelin::engine
