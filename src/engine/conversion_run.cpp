#include "engine/conversion_run.h"

#include <algorithm>

#include "text/numbers.h"
#include "text/textfile.h"

namespace pelin::engine {

ConversionReport makeReport(std::int32_t fileSize, const Text& htmlLine) {
    // The page figure counts two bytes for every UTF-16 unit of the document.
    const std::uint64_t pageBytes = static_cast<std::uint64_t>(htmlLine.size()) * 2;
    ConversionReport report;
    report.txtSize = u"変換前:" + text::formatReal(fileSize / 1000.0) + u"KB";
    report.htmSize = u"変換後:" + text::formatReal(static_cast<double>(pageBytes) / 1000.0) + u"KB";
    report.editEnabled = pageBytes < 64000;
    return report;
}

namespace {

// Writes the document in code page 932, followed by one more CR LF, a slice at a
// time so that the page's bytes are never held whole next to the document.
void writePage(const Text& document, const platform::ChunkWriter& write) {
    constexpr std::size_t kSlice = 1 << 16;
    std::string bytes;
    for (std::size_t at = 0; at < document.size();) {
        std::size_t length = std::min(kSlice, document.size() - at);
        // Keep a surrogate pair together, so a character outside the code page
        // becomes one reference.
        const char16_t last = document[at + length - 1];
        if (last >= 0xD800 && last <= 0xDBFF && at + length < document.size()) ++length;
        bytes.clear();
        text::appendToCp932(text::TextView(document).substr(at, length), bytes);
        write(bytes);
        at += length;
    }
    write("\r\n");
}

}  // namespace

platform::Result<ConversionReport> runConversion(ConversionSettings& settings) {
    {
        // The source is read whole and released before the page is written, so a
        // destination equal to the source simply replaces it.
        platform::Result<std::string> source = platform::readFile(text::toPath(settings.HTMLCFile));
        if (!source) return source.error();
        buildDocument(settings, *source);
    }
    platform::Result<> written =
        platform::replaceFileWith(text::toPath(settings.HTMLFilePass),
                                  [&](const platform::ChunkWriter& write) { writePage(settings.HTMLLine, write); });
    if (!written) return written.error();
    return makeReport(settings.FileSize, settings.HTMLLine);
}

}  // namespace pelin::engine
