#pragma once
// A conversion run off the window's thread. A run that is over within a moment
// shows nothing; a longer one shows the source file's name and a bar in a dialog
// of the window, whose "キャンセル" stops it. The window's own controls take no
// input meanwhile (the dialog is modal), but the window keeps painting.
#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>

#include "engine/conversion_run.h"

namespace pelin::wizard::qt {

using ConversionResult = platform::Result<std::optional<engine::ConversionReport>>;
// A conversion of a record, telling how far it has come and stopping when told.
using Conversion = std::function<ConversionResult(engine::ConversionSettings&, const engine::ConversionProgress&)>;

// How long a run may take before its progress is shown.
inline constexpr std::chrono::milliseconds kShowProgressAfter{500};

// Runs `convert` on a thread of its own with a copy of `settings`, and gives its
// result on this thread, with the copy's HTMLLine taken back into `settings`. An
// empty optional: the user stopped the run, and nothing was written. What the run
// throws (running out of memory) is thrown again here, for the caller to report.
ConversionResult convertWithProgress(QWidget* parent, engine::ConversionSettings& settings, const Conversion& convert,
                                     std::chrono::milliseconds showAfter = kShowProgressAfter);

}  // namespace pelin::wizard::qt
