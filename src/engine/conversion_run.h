#pragma once
// One conversion: the source file and the record in, the page file out.
#include <string_view>

#include "engine/conversion_settings.h"
#include "platform/files.h"

namespace pelin::engine {

// What the wizard's last step shows after a run.
struct ConversionReport {
    Text txtSize;            // "変換前:" … "KB"
    Text htmSize;            // "変換後:" … "KB"
    bool editEnabled = false;  // EditBottan: the page figure is below 64
};

// Builds the page into settings.HTMLLine from the source file settings.HTMLCFile
// and writes it to settings.HTMLFilePass; gives the report, or the error when the
// source could not be read or the page could not be written. Shows nothing; the
// caller reports. When the source cannot be read nothing is written; when the
// page cannot be written a file already at the destination stays as it was.
platform::Result<ConversionReport> runConversion(ConversionSettings& settings);

// Builds the page for the bytes of a source file without touching any file.
void buildDocument(ConversionSettings& settings, std::string_view sourceBytes);

// The report texts for a source of `fileSize` bytes and the finished HTMLLine.
ConversionReport makeReport(std::int32_t fileSize, const Text& htmlLine);

}  // namespace pelin::engine
