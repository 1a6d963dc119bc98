#include "engine/page_output.h"

namespace pelin::engine {

PageOutput::PageOutput(const platform::ChunkWriter& write, std::size_t capacity)
    : write_(write), capacity_(capacity), buffer_(std::make_unique_for_overwrite<char[]>(capacity + kWorkRoom)) {}

void PageOutput::putText(text::TextView text) {
    encoded_.clear();
    text::appendToCp932(text, encoded_);
    put(encoded_, text.size());
}

void PageOutput::flush() {
    if (used_ == 0) return;
    write_(std::string_view(buffer_.get(), used_));
    used_ = 0;
}

void PageOutput::putLarge(std::string_view bytes) {
    flush();
    if (bytes.size() >= capacity_) {
        write_(bytes);
        return;
    }
    bytes.copy(buffer_.get(), bytes.size());
    used_ = bytes.size();
}

}  // namespace pelin::engine
