// pelin-convert's progress line: shown only for a large source on a terminal,
// and gone again before anything else is written.
#include "progress_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pelin::convert {
namespace {

constexpr std::uint64_t kLarge = ProgressLine::kLargeSource;

std::string shown(bool terminal, std::uint64_t total) {
    std::ostringstream err;
    ProgressLine line(err, terminal);
    engine::ConversionProgress progress = line.watch("/texts/book.txt");
    if (!progress) return err.str();
    for (std::uint64_t done : {std::uint64_t{0}, total / 4, total / 4 + 1, total / 2, total})
        EXPECT_TRUE(progress(done, total));
    return err.str();
}

TEST(ProgressLine, LargeSourceOnATerminalIsShownAndErasedAtTheEnd) {
    EXPECT_EQ(shown(true, kLarge),
              "\r\x1b[Kpelin-convert: book.txt 0%\r\x1b[Kpelin-convert: book.txt 25%"
              "\r\x1b[Kpelin-convert: book.txt 50%\r\x1b[K");
}

TEST(ProgressLine, NothingForASmallSourceOrWithoutATerminal) {
    EXPECT_EQ(shown(true, kLarge - 1), "");
    EXPECT_EQ(shown(false, kLarge), "");
    std::ostringstream notStandardError;
    EXPECT_FALSE(ProgressLine(notStandardError).watch("book.txt"));
}

}  // namespace
}  // namespace pelin::convert
