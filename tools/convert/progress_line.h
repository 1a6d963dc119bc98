#pragma once
// The progress of a long conversion on a terminal: one line on standard error,
// "pelin-convert: NAME 37%", rewritten in place and erased when the page is done.
// Nothing is shown for a small source, or when standard error is not a terminal,
// so that logs and pipes get only the size report and the failures.
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "engine/body_text.h"

namespace pelin::convert {

class ProgressLine {
public:
    static constexpr std::uint64_t kLargeSource = std::uint64_t{64} << 20;

    // Shown on `err` when it is standard error and that is a terminal.
    explicit ProgressLine(std::ostream& err);
    ProgressLine(std::ostream& err, bool terminal) : err_(err), terminal_(terminal) {}
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // The progress callback for a run that converts `source`.
    engine::ConversionProgress watch(const std::filesystem::path& source);
    // Erases the line if one is shown, so that what follows starts on a clean line.
    void clear();

private:
    std::ostream& err_;
    const bool terminal_;
    bool shown_ = false;
};

}  // namespace pelin::convert
