#include "engine/source_window.h"

namespace pelin::engine {

SourceWindow::SourceWindow(platform::BlockSource& source) : source_(source) {}

void SourceWindow::setBlock(std::string_view bytes, std::uint64_t offset) {
    block_ = bytes;
    blockOffset_ = offset;
}

std::string_view SourceWindow::piece(std::uint64_t offset) {
    if (offset - blockOffset_ < block_.size()) return block_.substr(offset - blockOffset_);
    if (offset - pieceOffset_ >= pieceSize_) {
        pieceSize_ = 0;
        if (failure_ || offset >= source_.length()) return {};
        if (!piece_) piece_ = std::make_unique_for_overwrite<char[]>(kPieceSize);
        const platform::Result<std::size_t> read = source_.readAt(offset, std::span<char>(piece_.get(), kPieceSize));
        if (!read) {
            failure_ = read.error();
            return {};
        }
        pieceOffset_ = offset;
        pieceSize_ = *read;
    }
    return std::string_view(piece_.get() + (offset - pieceOffset_), pieceSize_ - (offset - pieceOffset_));
}

}  // namespace pelin::engine
