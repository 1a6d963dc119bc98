// Code page 932 as the C library's iconv has it ("CP932" is Windows' table).
#include <iconv.h>

#include <stdexcept>

#include "platform/codepage_system.h"

namespace pelin::platform {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between code page 932 and UTF-16");
    }
    ~IconvHandle() { iconv_close(cd_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // Converts `in` whole; returns the number of output bytes, or -1 when iconv
    // refuses any part of it.
    int convert(const char* in, std::size_t inBytes, char* out, std::size_t outBytes) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);  // iconv's signature is not const-correct
        char* dst = out;
        std::size_t outLeft = outBytes;
        if (iconv(cd_, &src, &inBytes, &dst, &outLeft) == static_cast<std::size_t>(-1) || inBytes != 0) return -1;
        return static_cast<int>(outBytes - outLeft);
    }

private:
    iconv_t cd_;
};

class IconvCodePage932 : public SystemCodePage932 {
public:
    char16_t decode(std::string_view bytes) override {
        char16_t unit[2];
        if (toUnicode_.convert(bytes.data(), bytes.size(), reinterpret_cast<char*>(unit), sizeof unit) != 2)
            return 0xFFFF;
        return unit[0];
    }

    int encode(char16_t unit, unsigned char out[2]) override {
        char bytes[4];
        const int n = fromUnicode_.convert(reinterpret_cast<const char*>(&unit), 2, bytes, sizeof bytes);
        if (n != 1 && n != 2) return 0;
        for (int i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(bytes[i]);
        return n;
    }

private:
    IconvHandle toUnicode_{"UTF-16LE", "CP932"};
    IconvHandle fromUnicode_{"CP932", "UTF-16LE"};
};

}  // namespace

std::unique_ptr<SystemCodePage932> openSystemCodePage932() { return std::make_unique<IconvCodePage932>(); }

}  // namespace pelin::platform
