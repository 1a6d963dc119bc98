#include "engine/page_output.h"

namespace pelin::engine {

PageOutput::PageOutput(const platform::ChunkWriter& write, text::PageCharset charset, std::size_t capacity)
    : write_(write), capacity_(capacity), buffer_(std::make_unique_for_overwrite<char[]>(capacity + kWorkRoom)) {
    if (charset == text::PageCharset::Cp932) return;
    encoder_.emplace(charset, text::RawBytes::Replaced);
    staging_ = std::make_unique_for_overwrite<char[]>(kStagingSize + kWorkRoom);
}

void PageOutput::putText(text::TextView text) {
    encoded_.clear();
    if (encoder_) {
        // Straight into the set: a character code page 932 lacks may be one it has.
        encoder_->append(text, encoded_);
        units_ += text.size();
        return putBytes(encoded_);
    }
    text::appendToCp932(text, encoded_);
    put(encoded_, text.size());
}

void PageOutput::putEncoded(std::string_view cp932) {
    converted_.clear();
    encoder_->appendCp932(cp932, converted_);
    putBytes(converted_);
}

void PageOutput::putBytes(std::string_view bytes) {
    if (used_ + bytes.size() > capacity_) return putLarge(bytes);
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void PageOutput::finish() {
    if (encoder_) {
        converted_.clear();
        encoder_->finish(converted_);
        putBytes(converted_);
    }
    flush();
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
