#pragma once
// Runs the solver on a thread of its own, so the editor never waits for a
// check: the answer comes back to the window's thread as a queued call on
// `receiver`, and a check that is cancelled or replaced never answers.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "solver/puzzle_solver.h"

namespace mosarin {

class CheckWorker {
public:
    using Answer = std::function<void(const solver::SolveResult&)>;

    explicit CheckWorker(QObject& receiver) : receiver_(receiver) {}
    ~CheckWorker() { cancel(); }
    CheckWorker(const CheckWorker&) = delete;
    CheckWorker& operator=(const CheckWorker&) = delete;

    // Cancels any running check, then checks `clues` within `seconds`;
    // `answer` is called on the receiver's thread unless cancelled first.
    void start(solver::Clues clues, double seconds, Answer answer);
    // Stops the running check; its answer is dropped. Called on the receiver's thread.
    void cancel();
    // True from start until the answer is delivered or the check cancelled.
    bool running() const { return running_; }
    // Waits until the worker thread has finished (its answer is then queued).
    void waitForWorker();

private:
    QObject& receiver_;
    std::thread thread_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    bool running_ = false;
};

}  // namespace mosarin
