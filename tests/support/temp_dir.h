#pragma once
// A fresh folder for one test, removed afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace pelin::testing {

// A file name as the tests spell it, in UTF-8 (whatever the system's own encoding).
inline std::filesystem::path utf8Name(std::string_view name) { return std::u8string(name.begin(), name.end()); }

// Takes every write permission away: on Windows, sets the read-only attribute.
inline void makeReadOnly(const std::filesystem::path& p) {
    using std::filesystem::perms;
    std::filesystem::permissions(p, perms::owner_read | perms::group_read | perms::others_read);
}

// Removes the folder and everything in it, read-only files too (which Windows
// would otherwise keep); failures are ignored.
inline void removeTree(const std::filesystem::path& folder) {
    using std::filesystem::perms, std::filesystem::perm_options;
    std::error_code ec;
    std::filesystem::permissions(folder, perms::owner_all, perm_options::add, ec);
    for (std::filesystem::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        std::filesystem::permissions(it->path(), perms::owner_write, perm_options::add, ignored);
    }
    std::filesystem::remove_all(folder, ec);
}

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("pelin-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { removeTree(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / utf8Name(name); }

    std::filesystem::path write(std::string_view name, std::string_view bytes) const {
        std::filesystem::path p = path_ / utf8Name(name);
        std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

    static std::string read(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path path_;
};

}  // namespace pelin::testing
