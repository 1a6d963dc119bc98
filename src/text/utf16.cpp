#include "text/utf16.h"

namespace pelin::text {

std::optional<ByteOrder> utf16ByteOrder(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeBom)) return ByteOrder::LittleEndian;
    if (bytes.starts_with(kUtf16BeBom)) return ByteOrder::BigEndian;
    return std::nullopt;
}

Text fromUtf16(std::string_view bytes, ByteOrder order) {
    const int high = order == ByteOrder::BigEndian ? 0 : 1;
    Text out;
    out.reserve(bytes.size() / 2 + 1);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const auto b = [&](std::size_t at) { return static_cast<char16_t>(static_cast<unsigned char>(bytes[at])); };
        out += static_cast<char16_t>(b(i + high) << 8 | b(i + 1 - high));
    }
    if (i < bytes.size()) out += static_cast<char16_t>(kRawByteBase + static_cast<unsigned char>(bytes[i]));
    return out;
}

std::string toUtf16(TextView text, ByteOrder order) {
    std::string out;
    out.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        if (order == ByteOrder::BigEndian) {
            out += high;
            out += low;
        } else {
            out += low;
            out += high;
        }
    }
    return out;
}

}  // namespace pelin::text
