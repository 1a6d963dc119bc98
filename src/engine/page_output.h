#pragma once
// The page's bytes on their way to the file, gathered into large writes, and the
// count of the document's length as the size report measures it.
//
// The program makes its pages in code page 932, and everything put here is in it.
// A page labelled with another set is written in that set on the way out, so
// that the browser reads back the characters that were put.
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "text/page_charset.h"
#include "text/text.h"

namespace pelin::engine {

class PageOutput {
public:
    static constexpr std::size_t kCapacity = std::size_t{1} << 20;
    // What `space` always offers beyond a full buffer.
    static constexpr std::size_t kWorkRoom = 256;

    // Hands the bytes to `write` in pieces of about `capacity` bytes or more, in
    // `charset`.
    explicit PageOutput(const platform::ChunkWriter& write, text::PageCharset charset = text::PageCharset::Cp932,
                        std::size_t capacity = kCapacity);
    PageOutput(const PageOutput&) = delete;
    PageOutput& operator=(const PageOutput&) = delete;

    // Bytes of the page that stand for `units` UTF-16 units of the document.
    void put(std::string_view bytes, std::uint64_t units) {
        units_ += units;
        if (encoder_) return putEncoded(bytes);
        if (used_ + bytes.size() > capacity_) return putLarge(bytes);
        std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    // Text of the document (a character the page's set cannot carry as "&#N;").
    void putText(text::TextView text);

    // For writing straight into the buffer: the free bytes, at least kWorkRoom of
    // them (what is gathered goes to the writer first when the buffer is full).
    std::span<char> space() {
        if (encoder_) return {staging_.get(), kStagingSize + kWorkRoom};
        if (used_ >= capacity_) flush();
        return {buffer_.get() + used_, capacity_ + kWorkRoom - used_};
    }
    // The bytes written into `space` reach up to `end` and stand for `units` units.
    void commit(const char* end, std::uint64_t units) {
        units_ += units;
        if (encoder_)
            return putEncoded(std::string_view(staging_.get(), static_cast<std::size_t>(end - staging_.get())));
        used_ = static_cast<std::size_t>(end - buffer_.get());
    }

    // Hands everything gathered so far to the writer.
    void flush();
    // Ends the page and hands it all to the writer.
    void finish();

    // The document's length so far: the UTF-16 units the program's text would
    // hold for it, whatever the bytes they were written as.
    std::uint64_t units() const { return units_; }

private:
    void putLarge(std::string_view bytes);
    void putEncoded(std::string_view cp932);
    void putBytes(std::string_view bytes);

    static constexpr std::size_t kStagingSize = std::size_t{1} << 16;

    const platform::ChunkWriter& write_;
    const std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;  // left uninitialised: only what is put is read
    std::size_t used_ = 0;
    std::uint64_t units_ = 0;
    std::string encoded_;  // reused by putText
    // For a page in another set than code page 932.
    std::optional<text::CharsetEncoder> encoder_;
    std::unique_ptr<char[]> staging_;  // what `space` offers, before it is encoded
    std::string converted_;            // reused by putEncoded
};

}  // namespace pelin::engine
