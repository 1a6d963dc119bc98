#include "platform/file_blocks.h"

#include <cstdint>

namespace pelin::platform {

Result<FileBlocks> FileBlocks::open(const std::filesystem::path& path) {
    Result<InputFile> file = InputFile::open(path, UINTMAX_MAX);
    if (!file) return file.error();
    return FileBlocks(std::move(*file));
}

Result<std::size_t> FileBlocks::readAt(std::uint64_t offset, std::span<char> into) {
    if (offset >= length()) return std::size_t{0};
    if (into.size() > length() - offset) into = into.first(static_cast<std::size_t>(length() - offset));
    std::size_t done = 0;
    while (done < into.size()) {
        const Result<std::size_t> n = file_.readAt(offset + done, into.subspan(done));
        if (!n) return n.error();
        if (*n == 0) return fileError(file_.path(), FileErrorKind::ShrankWhileRead);
        done += *n;
    }
    return done;
}

}  // namespace pelin::platform
