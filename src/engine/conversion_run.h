#pragma once
// One conversion: the source file and the record in, the page file out.
#include <cstdint>
#include <optional>

#include "engine/body_text.h"
#include "engine/conversion_settings.h"
#include "platform/file_blocks.h"
#include "platform/files.h"

namespace pelin::engine {

// What the wizard's last step shows after a run.
struct ConversionReport {
    Text txtSize;              // "変換前:" … "KB"
    Text htmSize;              // "変換後:" … "KB"
    bool editEnabled = false;  // EditBottan: the page figure is below 64
};

// Writes the page for the source file settings.HTMLCFile to settings.HTMLFilePass
// and gives the report, or the error when the source could not be read or the
// page could not be written. Shows nothing; the caller reports. When the run
// fails no page is written and a file already at the destination stays as it was.
platform::Result<ConversionReport> runConversion(ConversionSettings& settings);

// The same, telling `progress` how far it has come. When `progress` stops the run
// it gives nothing: no page is written, a file already at the destination stays
// as it was, and no temporary file is left.
//
// The run touches nothing but `settings`, which it reads and whose HTMLLine it
// sets, and `progress`, which it calls on its own thread. A window can therefore
// run it on a worker thread with its own copy of the record, and take the result
// back on the window's thread.
platform::Result<std::optional<ConversionReport>> runConversion(ConversionSettings& settings,
                                                                const ConversionProgress& progress);

// The report texts for a source of `fileSize` bytes and a document of
// `documentUnits` UTF-16 units.
ConversionReport makeReport(std::int32_t fileSize, std::uint64_t documentUnits);

}  // namespace pelin::engine
