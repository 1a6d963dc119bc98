#pragma once
// Reading a file a block at a time, so that a large file is never held whole.
//
// The length is taken when the file is opened and only that much is ever read:
// a file that grows meanwhile gives what it held at the start, and one that
// shrinks is an error. Either way a reader never runs on after a file that
// keeps changing.
#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/files.h"

namespace pelin::platform {

// Bytes read in blocks from any offset below a length fixed at the start.
class BlockSource {
public:
    virtual ~BlockSource() = default;
    virtual std::uint64_t length() const = 0;
    // Fills `into` with the bytes from `offset` on, as many as fit below length();
    // gives how many.
    virtual Result<std::size_t> readAt(std::uint64_t offset, std::span<char> into) = 0;
};

// A regular file, opened as every file the program reads is (InputFile): a
// folder, a pipe or a device is refused, and opening never waits.
class FileBlocks final : public BlockSource {
public:
    static Result<FileBlocks> open(const std::filesystem::path& path);

    std::uint64_t length() const override { return file_.size(); }
    Result<std::size_t> readAt(std::uint64_t offset, std::span<char> into) override;

private:
    explicit FileBlocks(InputFile file) : file_(std::move(file)) {}
    InputFile file_;
};

}  // namespace pelin::platform
