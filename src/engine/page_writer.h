#pragma once
// The page itself: the head from the record, the body from the source, the
// afterword, written as it is made.
#include <cstdint>
#include <optional>

#include "engine/conversion_progress.h"
#include "engine/conversion_settings.h"
#include "platform/file_blocks.h"
#include "platform/files.h"

namespace pelin::engine {

// Writes the page made from `source` to `write`, a large piece at a time: the
// head, the body, the afterword, and the one further CR LF that ends the file.
// Sets settings.HTMLLine to the head. Gives the document's length in UTF-16 units
// (the page without that last CR LF), or nothing when `progress` stopped it.
platform::Result<std::optional<std::uint64_t>> writePage(ConversionSettings& settings, platform::BlockSource& source,
                                                         const platform::ChunkWriter& write,
                                                         const ConversionProgress& progress = {},
                                                         std::size_t blockSize = kBlockSize);

}  // namespace pelin::engine
