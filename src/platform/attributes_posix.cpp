// A file's extended attributes given to the file that replaces it.
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix_fd.h"

namespace pelin::platform::posix {
namespace {

// The names of the extended attributes of `file` (or of the open file `fd`):
// nothing where the file system has none.
std::optional<std::vector<std::string>> attributeNames(const char* file, int fd) {
    std::vector<char> list;
    for (;;) {
        const ssize_t size = file ? ::listxattr(file, nullptr, 0) : ::flistxattr(fd, nullptr, 0);
        if (size < 0) return errno == ENOTSUP ? std::optional(std::vector<std::string>()) : std::nullopt;
        list.resize(static_cast<std::size_t>(size));
        const ssize_t got =
            file ? ::listxattr(file, list.data(), list.size()) : ::flistxattr(fd, list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) return std::nullopt;  // ERANGE: the list grew meanwhile
    }
    std::vector<std::string> names;
    for (std::size_t at = 0; at < list.size();) {
        names.emplace_back(list.data() + at);
        at += names.back().size() + 1;
    }
    return names;
}

}  // namespace

// Inherited ones first: a folder's default access list comes with every new file.
bool copyAttributes(const char* from, int to) {
    const std::optional<std::vector<std::string>> kept = attributeNames(from, -1);
    const std::optional<std::vector<std::string>> inherited = attributeNames(nullptr, to);
    if (!kept || !inherited) return false;
    for (const std::string& name : *inherited) {
        if (std::find(kept->begin(), kept->end(), name) == kept->end() && ::fremovexattr(to, name.c_str()) != 0)
            return false;
    }
    std::vector<char> value;
    std::vector<char> given;
    for (const std::string& name : *kept) {
        const ssize_t size = ::getxattr(from, name.c_str(), nullptr, 0);
        if (size < 0) return false;
        value.resize(static_cast<std::size_t>(size));
        const ssize_t got = ::getxattr(from, name.c_str(), value.data(), value.size());
        if (got < 0) return false;
        value.resize(static_cast<std::size_t>(got));
        // A security label the new file already has needs no right to give it.
        given.resize(value.size() + 1);
        if (::fgetxattr(to, name.c_str(), given.data(), given.size()) == got &&
            std::equal(value.begin(), value.end(), given.begin()))
            continue;
        if (::fsetxattr(to, name.c_str(), value.data(), value.size(), 0) != 0) return false;
    }
    return true;
}

}  // namespace pelin::platform::posix
