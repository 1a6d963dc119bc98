#include "text/file_url.h"

#include <string>

namespace pelin::text {

Text fileUrl(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) absolute = path;
    // The bytes of the name as the file system holds it (UTF-8 from Windows'
    // UTF-16 names), so that even a name that is no UTF-8 reaches the same file.
    const std::u8string bytes = absolute.generic_u8string();
    static constexpr char kHex[] = "0123456789ABCDEF";
    const bool driveLetter = !bytes.starts_with(u8"/");
    Text url = driveLetter ? u"file:///" : u"file://";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~' || c == '/' || (c == ':' && driveLetter && i == 1);
        if (plain) {
            url += static_cast<char16_t>(c);
        } else {
            url += u'%';
            url += static_cast<char16_t>(kHex[c >> 4]);
            url += static_cast<char16_t>(kHex[c & 15]);
        }
    }
    return url;
}

}  // namespace pelin::text
