#pragma once
// The page's bytes on their way to the file, gathered into large writes, and the
// count of the document's length as the size report measures it.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "text/codepage.h"

namespace pelin::engine {

class PageOutput {
public:
    static constexpr std::size_t kCapacity = std::size_t{1} << 20;

    // Hands the bytes to `write` in pieces of `capacity` bytes or more.
    explicit PageOutput(const platform::ChunkWriter& write, std::size_t capacity = kCapacity);
    PageOutput(const PageOutput&) = delete;
    PageOutput& operator=(const PageOutput&) = delete;

    // Bytes of the page that stand for `units` UTF-16 units of the document.
    void put(std::string_view bytes, std::uint64_t units) {
        units_ += units;
        if (bytes.size() > capacity_ - used_) return putLarge(bytes);
        std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
        used_ += bytes.size();
    }
    // Text of the document, written in code page 932 (see text::appendToCp932).
    void putText(text::TextView text);
    // Hands everything gathered so far to the writer.
    void flush();

    // The document's length so far: the UTF-16 units the program's text would
    // hold for it, whatever the bytes they were written as.
    std::uint64_t units() const { return units_; }

private:
    void putLarge(std::string_view bytes);

    const platform::ChunkWriter& write_;
    const std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;  // left uninitialised: only what is put is read
    std::size_t used_ = 0;
    std::uint64_t units_ = 0;
    std::string encoded_;  // reused by putText
};

}  // namespace pelin::engine
