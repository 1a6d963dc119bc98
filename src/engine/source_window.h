#pragma once
// The source's bytes by their offset, for a look past the block being converted:
// taken from the block itself while the offset lies in it, otherwise read a piece
// at a time. A failed read ends the bytes early and is kept for the run to report.
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/file_blocks.h"

namespace pelin::engine {

class SourceWindow {
public:
    explicit SourceWindow(platform::BlockSource& source);

    // The block now being converted: `bytes`, the first of which is at `offset`.
    void setBlock(std::string_view bytes, std::uint64_t offset);

    // The byte at `offset`, or -1 past the end of the source.
    int at(std::uint64_t offset) {
        if (offset - blockOffset_ < block_.size()) return static_cast<unsigned char>(block_[offset - blockOffset_]);
        const std::string_view bytes = piece(offset);
        return bytes.empty() ? -1 : static_cast<unsigned char>(bytes[0]);
    }
    // The bytes from `offset` on, as many as lie together in memory; empty past the end.
    std::string_view piece(std::uint64_t offset);

    const std::optional<platform::FileError>& failure() const { return failure_; }

private:
    static constexpr std::size_t kPieceSize = std::size_t{1} << 16;

    platform::BlockSource& source_;
    std::string_view block_;
    std::uint64_t blockOffset_ = 0;
    std::unique_ptr<char[]> piece_;  // made on the first look past a block
    std::uint64_t pieceOffset_ = 0;
    std::size_t pieceSize_ = 0;
    std::optional<platform::FileError> failure_;
};

}  // namespace pelin::engine
