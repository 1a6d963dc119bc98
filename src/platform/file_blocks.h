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

#include "platform/result.h"

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

// A regular file. A folder, a pipe or a device is refused when opening, and
// opening never waits for a pipe's writer.
class FileBlocks final : public BlockSource {
public:
    static Result<FileBlocks> open(const std::filesystem::path& path);
    FileBlocks(FileBlocks&& other) noexcept;
    FileBlocks& operator=(FileBlocks&&) = delete;
    ~FileBlocks() override;

    std::uint64_t length() const override { return length_; }
    Result<std::size_t> readAt(std::uint64_t offset, std::span<char> into) override;

private:
    FileBlocks(std::filesystem::path path, std::intptr_t handle, std::uint64_t length);

    std::filesystem::path path_;
    std::intptr_t handle_;  // the system's handle of the open file; -1 once moved from
    std::uint64_t length_;
};

}  // namespace pelin::platform
