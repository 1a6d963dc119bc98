#include "progress_line.h"

#include <unistd.h>

#include <iostream>

#include "shown_text.h"

namespace pelin::convert {
namespace {

constexpr const char* kEraseLine = "\r\x1b[K";

}  // namespace

ProgressLine::ProgressLine(std::ostream& err) : ProgressLine(err, &err == &std::cerr && ::isatty(STDERR_FILENO)) {}

engine::ConversionProgress ProgressLine::watch(const std::filesystem::path& source) {
    clear();
    if (!terminal_) return {};
    return
        [this, name = shownName(source.filename()), lastPercent = -1](std::uint64_t done, std::uint64_t total) mutable {
            if (total < kLargeSource) return true;
            const int percent = static_cast<int>(done * 100 / total);
            if (percent == lastPercent) return true;
            lastPercent = percent;
            if (done == total) {
                clear();
            } else {
                err_ << kEraseLine << "pelin-convert: " << name << ' ' << percent << '%' << std::flush;
                shown_ = true;
            }
            return true;
        };
}

void ProgressLine::clear() {
    if (!shown_) return;
    err_ << kEraseLine << std::flush;
    shown_ = false;
}

}  // namespace pelin::convert
