#pragma once
// The body text as the program made it when it held the whole document as UTF-16
// text: every line decoded, passed, tagged and appended, and the document encoded
// at the end; addresses found on each whole line by the rules read plainly. Kept
// as the oracle that the streamed body must match byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/body_text.h"

namespace pelin::engine::testing {

struct BodyBytes {
    std::string bytes;    // as written to the page
    std::uint64_t units;  // UTF-16 units the document held for it

    bool operator==(const BodyBytes&) const = default;
};

BodyBytes referenceBody(std::string_view sourceBytes, LineBreakMode mode, bool specialChars, Links links = {});

}  // namespace pelin::engine::testing
