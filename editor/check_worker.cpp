#include "editor/check_worker.h"

#include <QMetaObject>
#include <utility>

namespace mosarin {

void CheckWorker::start(solver::Clues clues, double seconds, Answer answer) {
    cancel();
    cancelled_ = std::make_shared<std::atomic<bool>>(false);
    running_ = true;
    auto cancelled = cancelled_;
    QObject* receiver = &receiver_;
    thread_ = std::thread([this, receiver, cancelled, clues = std::move(clues), seconds,
                           answer = std::move(answer)] {
        const solver::SolveResult result = solver::solvePuzzle(clues, solver::Budget::forSeconds(seconds, cancelled.get()));
        // Queued on the receiver's thread. A cancelled check's call still
        // arrives but finds its flag set; once the receiver is gone, Qt drops it.
        QMetaObject::invokeMethod(
            receiver,
            [this, cancelled, result, answer] {
                if (cancelled->load()) return;
                running_ = false;
                answer(result);
            },
            Qt::QueuedConnection);
    });
}

void CheckWorker::cancel() {
    if (cancelled_) cancelled_->store(true);
    running_ = false;
    // The solver looks at the flag before every line solve and every probe
    // trial, so this wait is a few microseconds of the solver's work.
    if (thread_.joinable()) thread_.join();
}

void CheckWorker::waitForWorker() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace mosarin
