#include "wizard/qt/conversion_progress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "form/messages.h"
#include "form/qt/qt_text.h"
#include "text/textfile.h"

namespace pelin::wizard::qt {
namespace {

constexpr int kBarSteps = 1000;

// What the run's thread and the window's thread share.
struct Run {
    std::atomic<std::uint64_t> done{0}, total{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool over = false;  // guarded by mutex
    std::optional<ConversionResult> result;
    std::exception_ptr error;  // what the run threw, thrown again on the window's thread

    void finish(std::optional<ConversionResult> r, std::exception_ptr e) {
        std::lock_guard lock(mutex);
        result = std::move(r);
        error = std::move(e);
        over = true;
        finished.notify_all();
    }
    bool isOver() {
        std::lock_guard lock(mutex);
        return over;
    }
};

void runHere(Run& run, engine::ConversionSettings& copy, const Conversion& convert) {
    try {
        run.finish(convert(copy,
                           [&run](std::uint64_t done, std::uint64_t total) {
                               run.done = done;
                               run.total = total;
                               return !run.stop;
                           }),
                   nullptr);
    } catch (...) {
        run.finish(std::nullopt, std::current_exception());
    }
}

// Shows the run's progress until it is over; the dialog's cancel asks it to stop.
void showProgress(QWidget* parent, Run& run, const engine::ConversionSettings& settings) {
    QProgressDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ConversionProgress"));
    dialog.setWindowTitle(form::qt::toQString(form::kProgramTitle));
    dialog.setLabelText(QStringLiteral("「") + form::qt::fromPath(text::toPath(settings.HTMLCFile).filename()) +
                        QStringLiteral("」をHTMLに変換しています…"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    dialog.setRange(0, kBarSteps);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);

    QEventLoop loop;
    QTimer poll;
    poll.setInterval(50);
    // Stopping: the button, the close box and Escape all ask for it. The run ends
    // at its next block; the dialog stays until it has.
    auto stop = [&] {
        if (run.stop.exchange(true)) return;
        dialog.setLabelText(QStringLiteral("変換を中止しています…"));
        dialog.show();
    };
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, stop);
    QObject::connect(&dialog, &QDialog::rejected, &loop, stop);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (run.isOver()) return loop.quit();
        const std::uint64_t total = run.total;
        if (total > 0 && !run.stop) dialog.setValue(static_cast<int>(run.done * kBarSteps / total));
    });
    dialog.show();
    poll.start();
    loop.exec();
}

}  // namespace

ConversionResult convertWithProgress(QWidget* parent, engine::ConversionSettings& settings, const Conversion& convert,
                                     std::chrono::milliseconds showAfter) {
    Run run;
    engine::ConversionSettings copy = settings;  // the run's own record: nothing of the window's is shared
    std::thread worker([&] { runHere(run, copy, convert); });
    // Joined on every way out, the run first asked to stop: a thread left
    // running would end the program, and it works on this frame's values.
    struct Joined {
        Run& run;
        std::thread& worker;
        ~Joined() {
            if (!worker.joinable()) return;
            run.stop = true;
            worker.join();
        }
    } joined{run, worker};
    {
        std::unique_lock lock(run.mutex);
        run.finished.wait_for(lock, showAfter, [&] { return run.over; });
    }
    if (!run.isOver()) showProgress(parent, run, settings);
    worker.join();  // the run is over
    if (run.error) std::rethrow_exception(run.error);
    settings.HTMLLine = std::move(copy.HTMLLine);
    return std::move(*run.result);
}

}  // namespace pelin::wizard::qt
