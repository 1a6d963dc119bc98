#include "engine/conversion_run.h"

#include "engine/page_writer.h"
#include "text/numbers.h"
#include "text/textfile.h"

namespace pelin::engine {
namespace {

// Thrown while the page is being written, to give it up: the temporary file is
// removed and an existing page stays as it was.
struct PageAbandoned {};

}  // namespace

ConversionReport makeReport(std::int32_t fileSize, std::uint64_t documentUnits) {
    // The page figure counts two bytes for every UTF-16 unit of the document.
    const std::uint64_t pageBytes = documentUnits * 2;
    ConversionReport report;
    report.txtSize = u"変換前:" + text::formatReal(fileSize / 1000.0) + u"KB";
    report.htmSize = u"変換後:" + text::formatReal(static_cast<double>(pageBytes) / 1000.0) + u"KB";
    report.editEnabled = pageBytes < 64000;
    return report;
}

platform::Result<ConversionReport> runConversion(ConversionSettings& settings) {
    platform::Result<std::optional<ConversionReport>> report = runConversion(settings, {});
    if (!report) return report.error();
    return **report;  // without a progress callback nothing stops the run
}

platform::Result<std::optional<ConversionReport>> runConversion(ConversionSettings& settings,
                                                                const ConversionProgress& progress) {
    // The source is opened before the page is begun, so a missing source leaves
    // no trace. A page written over its own text, under whatever name, would take
    // the only copy of the text away.
    const std::filesystem::path sourcePath = text::toPath(settings.HTMLCFile);
    const std::filesystem::path pagePath = text::toPath(settings.HTMLFilePass);
    platform::Result<platform::FileBlocks> source = platform::FileBlocks::open(sourcePath);
    if (!source) return source.error();
    if (platform::sameFile(sourcePath, pagePath))
        return platform::fileError(pagePath, platform::FileErrorKind::IsTheSource);
    std::optional<platform::FileError> readError;
    std::optional<std::uint64_t> documentUnits;  // set when the page was made whole
    try {
        const platform::Result<> written = platform::replaceFileWith(pagePath, [&](const platform::ChunkWriter& write) {
            platform::Result<std::optional<std::uint64_t>> page = writePage(settings, *source, write, progress);
            if (page) documentUnits = *page;
            else readError = page.error();
            if (!documentUnits) throw PageAbandoned{};
        });
        if (!written) return written.error();
    } catch (const PageAbandoned&) {
        if (readError) return *readError;
        return std::optional<ConversionReport>();
    }
    return std::optional(makeReport(settings.FileSize, *documentUnits));
}

}  // namespace pelin::engine
