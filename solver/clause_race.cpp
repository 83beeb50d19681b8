#include "solver/clause_race.h"

#include <thread>

#include "solver/clause_check.h"

namespace mosarin::solver {

// What the thread and the caller share. The thread holds it as long as it
// runs, so that it can outlive the race object.
struct ClauseRace::Shared {
    Shared(const Clues& c, const Grid& r, const Budget& b) : clues(c), root(r), budget(b) {
        budget.overtaken = &stopped;
    }
    Clues clues;
    Grid root;
    Budget budget;
    std::atomic<bool> stopped{false};    // set by the caller
    std::atomic<bool> decided{false};    // set by the thread, with `verdict`
    std::atomic<bool> handedBack{false}; // set by the thread once it no longer reads `budget` or writes here
    Verdict verdict = Verdict::Undecided;
    bool foundFirst = false;
    Grid first, second;

    void run(ClauseCheck& check) {
        const ClauseCount count = countUpToTwo(check, budget, first, second);
        foundFirst = count.found >= 1;
        if (!count.decided) return;
        verdict = count.found == 0 ? Verdict::None : count.found == 1 ? Verdict::Unique : Verdict::Multiple;
        decided.store(true);
    }
};

ClauseRace::ClauseRace(const Clues& clues, const Grid& root, const Budget& budget)
    : shared_(std::make_shared<Shared>(clues, root, budget)) {
    std::thread([shared = shared_] {
        ClauseCheck check(shared->clues, shared->root, shared->budget);
        shared->run(check);
        shared->handedBack.store(true, std::memory_order_release);
        shared->handedBack.notify_all();
        // The caller may return from here on; `check` is freed on this
        // thread's own time.
    }).detach();
}

ClauseRace::~ClauseRace() {
    if (finished_) return;
    SolveResult ignored;
    finish(ignored);
}

const std::atomic<bool>& ClauseRace::decided() const { return shared_->decided; }

void ClauseRace::stop() { shared_->stopped.store(true); }

Verdict ClauseRace::finish(SolveResult& result) {
    stop();
    shared_->handedBack.wait(false, std::memory_order_acquire);
    finished_ = true;
    if (shared_->verdict == Verdict::Undecided) return Verdict::Undecided;
    result.solution = shared_->first;
    if (shared_->verdict == Verdict::Multiple) result.otherSolution = shared_->second;
    return shared_->verdict;
}

const Grid* ClauseRace::firstSolution() const { return shared_->foundFirst ? &shared_->first : nullptr; }

}  // namespace mosarin::solver
