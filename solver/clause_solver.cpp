#include "solver/clause_solver.h"

#include <algorithm>

namespace mosarin::solver {

namespace {

// The restart intervals 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...: short runs
// mostly, now and then a long one, which suits proofs and models alike.
std::int64_t luby(int index) {
    std::int64_t size = 1, power = 1;
    while (size < index + 1) {
        size = 2 * size + 1;
        power *= 2;
    }
    while (size - 1 != index) {
        size = (size - 1) / 2;
        power /= 2;
        index %= static_cast<int>(size);
    }
    return power;
}

constexpr std::int64_t kConflictsPerRestartUnit = 100;
// Half of the learnt clauses are forgotten after 2,000 conflicts, then after
// longer and longer spells as the restarts add up (which keeps the useful
// ones: forgetting on a fixed schedule took 40,000 more conflicts on the
// hardest band picture), and always once there are this many, so that a
// search given minutes stays within some tens of megabytes.
constexpr std::size_t kMostLearntClauses = 100'000;
constexpr double kActivityDecay = 0.95;
// How many decisions may pass between two looks at the clock; the cancel
// flag is looked at before every one.
constexpr int kDecisionsBetweenClockLooks = 256;
constexpr int kConflictsBetweenClockLooks = 32;

}  // namespace

int ClauseSolver::addVariable() {
    const int variable = variables();
    watches_.emplace_back();
    watches_.emplace_back();
    values_.resize(values_.size() + 2, Unassigned);
    level_.push_back(0);
    reason_.push_back(kNoClause);
    savedPhase_.push_back(false);
    activity_.push_back(0.0);
    heapPosition_.push_back(-1);
    seen_.push_back(0);
    model_.push_back(false);
    heapInsert(variable);
    return variable;
}

int ClauseSolver::storeClause(std::span<const Literal> literals, int quality) {
    const int clause = static_cast<int>(arena_.size());
    arena_.push_back(static_cast<int>(literals.size()));
    arena_.push_back(quality);
    arena_.insert(arena_.end(), literals.begin(), literals.end());
    return clause;
}

void ClauseSolver::grow(WatchList& list) {
    const std::uint32_t capacity = list.capacity == 0 ? 4 : 2 * list.capacity;
    auto* data = static_cast<Watcher*>(watchPool_.allocate(capacity * sizeof(Watcher), alignof(Watcher)));
    std::copy(list.data, list.data + list.size, data);
    list.data = data;
    list.capacity = capacity;
}

void ClauseSolver::watch(int clause) {
    const Literal* literals = literalsOf(clause);
    push(watches_[static_cast<std::size_t>(literals[0])], {clause, literals[1]});
    push(watches_[static_cast<std::size_t>(literals[1])], {clause, literals[0]});
}

bool ClauseSolver::addClause(std::span<const Literal> literals) {
    if (unsatisfiable_) return false;
    backtrackTo(0);
    std::vector<Literal>& kept = scratch_;
    kept.clear();
    for (const Literal literal : literals) {
        if (valueOf(literal) == True) return true;   // holds already
        if (valueOf(literal) == False) continue;
        if (std::find(kept.begin(), kept.end(), negation(literal)) != kept.end()) return true;   // always holds
        if (std::find(kept.begin(), kept.end(), literal) == kept.end()) kept.push_back(literal);
    }
    if (kept.empty()) {
        unsatisfiable_ = true;
        return false;
    }
    if (kept.size() == 1) {
        assign(kept[0], kNoClause);
        if (propagate() != kNoClause) unsatisfiable_ = true;
        return !unsatisfiable_;
    }
    if (kept.size() == 2) {
        push(watches_[static_cast<std::size_t>(kept[0])], {kBinary, kept[1]});
        push(watches_[static_cast<std::size_t>(kept[1])], {kBinary, kept[0]});
        return true;
    }
    watch(storeClause(kept, 0));
    return true;
}

void ClauseSolver::assign(Literal literal, int reason) {
    const auto variable = static_cast<std::size_t>(variableOf(literal));
    values_[static_cast<std::size_t>(literal)] = True;
    values_[static_cast<std::size_t>(negation(literal))] = False;
    level_[variable] = decisionLevel();
    reason_[variable] = reason;
    trail_.push_back(literal);
    // Propagation will read this literal's watch list soon: on a 40 x 30
    // puzzle the lists do not fit in the cache, and reading them was most
    // of the time a conflict took.
    __builtin_prefetch(&watches_[static_cast<std::size_t>(negation(literal))]);
}

int ClauseSolver::propagate() {
    while (propagated_ < trail_.size()) {
        const Literal falsified = negation(trail_[propagated_++]);
        // The next list's watchers, while this one is visited.
        if (propagated_ < trail_.size()) __builtin_prefetch(watches_[static_cast<std::size_t>(negation(trail_[propagated_]))].data);
        WatchList& list = watches_[static_cast<std::size_t>(falsified)];
        Watcher* watchers = list.data;
        const std::size_t count = list.size;
        std::size_t keep = 0, next = 0;
        // On a conflict the watchers not yet visited stay, and the rest of
        // the trail is left unpropagated.
        auto stopAt = [&](int conflict) {
            while (next < count) watchers[keep++] = watchers[next++];
            list.size = static_cast<std::uint32_t>(keep);
            propagated_ = trail_.size();
            return conflict;
        };
        while (next < count) {
            const Watcher watcher = watchers[next];
            if (valueOf(watcher.blocker) == True) {
                watchers[keep++] = watchers[next++];
                continue;
            }
            ++next;
            if (watcher.clause == kBinary) {
                watchers[keep++] = watcher;
                if (valueOf(watcher.blocker) == False) {
                    binaryConflict_[0] = watcher.blocker;
                    binaryConflict_[1] = falsified;
                    return stopAt(kBinaryConflict);
                }
                assign(watcher.blocker, kBinaryReason - falsified);
                continue;
            }
            Literal* literals = literalsOf(watcher.clause);
            if (literals[0] == falsified) std::swap(literals[0], literals[1]);
            const Literal other = literals[0];
            const Watcher kept{watcher.clause, other};
            if (other != watcher.blocker && valueOf(other) == True) {
                watchers[keep++] = kept;
                continue;
            }
            bool moved = false;
            const int size = clauseSize(watcher.clause);
            for (int k = 2; k < size; ++k) {
                if (valueOf(literals[k]) != False) {
                    std::swap(literals[1], literals[k]);
                    push(watches_[static_cast<std::size_t>(literals[1])], kept);
                    moved = true;
                    break;
                }
            }
            if (moved) continue;
            watchers[keep++] = kept;
            if (valueOf(other) == False) return stopAt(watcher.clause);
            assign(other, watcher.clause);
        }
        list.size = static_cast<std::uint32_t>(keep);
    }
    return kNoClause;
}

// The first unique implication point: resolves the conflict with the
// reasons of its literals from the current level until one literal of that
// level is left, which the learnt clause then asserts after backtracking.
void ClauseSolver::analyze(int conflict, std::vector<Literal>& learnt, int& backLevel) {
    learnt.assign(1, 0);
    toClear_.clear();
    int open = 0;
    Literal implied = -1;
    std::size_t index = trail_.size();
    int clause = conflict;
    do {
        const std::span<const Literal> literals = clauseOf(clause);
        for (std::size_t k = implied < 0 ? 0 : 1; k < literals.size(); ++k) {
            const Literal literal = literals[k];
            const auto variable = static_cast<std::size_t>(variableOf(literal));
            if (seen_[variable] || level_[variable] == 0) continue;
            seen_[variable] = 1;
            toClear_.push_back(literal);
            bump(static_cast<int>(variable));
            if (level_[variable] >= decisionLevel()) ++open;
            else learnt.push_back(literal);
        }
        while (!seen_[static_cast<std::size_t>(variableOf(trail_[--index]))]) {}
        implied = trail_[index];
        clause = reason_[static_cast<std::size_t>(variableOf(implied))];
        --open;
    } while (open > 0);
    learnt[0] = negation(implied);

    // A literal implied by the clause's other literals adds nothing: its
    // reason leads back, through reasons, to literals of the clause alone.
    // Learnt clauses come out several times shorter, which is what keeps
    // their memory small and their propagation fast.
    std::uint32_t levels = 0;
    for (std::size_t k = 1; k < learnt.size(); ++k) levels |= levelBit(variableOf(learnt[k]));
    std::size_t kept = 1;
    for (std::size_t k = 1; k < learnt.size(); ++k) {
        if (!redundant(learnt[k], levels)) learnt[kept++] = learnt[k];
    }
    learnt.resize(kept);
    for (const Literal literal : toClear_) seen_[static_cast<std::size_t>(variableOf(literal))] = 0;

    backLevel = 0;
    std::size_t highest = 1;
    for (std::size_t k = 1; k < learnt.size(); ++k) {
        const int level = level_[static_cast<std::size_t>(variableOf(learnt[k]))];
        if (level > backLevel) {
            backLevel = level;
            highest = k;
        }
    }
    if (learnt.size() > 1) std::swap(learnt[1], learnt[highest]);
}

// Follows reasons from `literal` until each path ends in a literal marked
// seen (one of the clause's, or one shown redundant before); a literal
// without a reason, or on a level no clause literal has, ends the search.
// What it marks on the way stays marked if it succeeds (those literals are
// implied as well) and is unmarked if it fails.
bool ClauseSolver::redundant(Literal literal, std::uint32_t clauseLevels) {
    if (reason_[static_cast<std::size_t>(variableOf(literal))] == kNoClause) return false;
    const std::size_t marked = toClear_.size();
    stack_.assign(1, literal);
    while (!stack_.empty()) {
        const int reason = reason_[static_cast<std::size_t>(variableOf(stack_.back()))];
        stack_.pop_back();
        const std::span<const Literal> literals = clauseOf(reason);
        for (std::size_t k = 1; k < literals.size(); ++k) {
            const int variable = variableOf(literals[k]);
            const auto index = static_cast<std::size_t>(variable);
            if (seen_[index] || level_[index] == 0) continue;
            if (reason_[index] == kNoClause || (levelBit(variable) & clauseLevels) == 0) {
                for (std::size_t j = marked; j < toClear_.size(); ++j) seen_[static_cast<std::size_t>(variableOf(toClear_[j]))] = 0;
                toClear_.resize(marked);
                return false;
            }
            seen_[index] = 1;
            stack_.push_back(literals[k]);
            toClear_.push_back(literals[k]);
        }
    }
    return true;
}

void ClauseSolver::backtrackTo(int level) {
    if (decisionLevel() <= level) return;
    const auto start = static_cast<std::size_t>(levelStarts_[static_cast<std::size_t>(level)]);
    for (std::size_t k = trail_.size(); k-- > start;) {
        const Literal literal = trail_[k];
        const auto variable = static_cast<std::size_t>(variableOf(literal));
        values_[static_cast<std::size_t>(literal)] = Unassigned;
        values_[static_cast<std::size_t>(negation(literal))] = Unassigned;
        savedPhase_[variable] = (literal & 1) == 0;
        if (heapPosition_[variable] < 0) heapInsert(static_cast<int>(variable));
    }
    trail_.resize(start);
    levelStarts_.resize(static_cast<std::size_t>(level));
    propagated_ = trail_.size();
}

void ClauseSolver::bump(int variable) {
    const auto index = static_cast<std::size_t>(variable);
    activity_[index] += activityStep_;
    if (activity_[index] > 1e100) {
        for (double& value : activity_) value *= 1e-100;
        activityStep_ *= 1e-100;
    }
    if (heapPosition_[index] >= 0) heapUp(static_cast<std::size_t>(heapPosition_[index]));
}

// Keeps the better half of the learnt clauses (fewest decision levels, then
// shortest) and every clause over at most two levels; the rest cost more
// to watch than they save. Only the arena from the first learnt clause on
// is compacted, in place, and only its watches are dropped and made again:
// the clauses of the puzzle itself, before it, stay where they are, which
// keeps this under a millisecond (a cancel waits for it). Only safe at
// level 0, where no learnt clause is a reason.
void ClauseSolver::forgetHalfOfLearnt() {
    if (firstLearnt_ < 0) return;
    const auto worse = learntClauses_.begin() + static_cast<std::ptrdiff_t>(learntClauses_.size() / 2);
    std::nth_element(learntClauses_.begin(), worse, learntClauses_.end(), [this](int a, int b) {
        const int qa = qualityOf(a), qb = qualityOf(b);
        return qa != qb ? qa < qb : clauseSize(a) < clauseSize(b);
    });
    for (auto clause = worse; clause != learntClauses_.end(); ++clause) {
        if (qualityOf(*clause) > 2) qualityOf(*clause) = kForgotten;
    }
    for (const Literal literal : trail_) reason_[static_cast<std::size_t>(variableOf(literal))] = kNoClause;
    const int movable = firstLearnt_;
    for (WatchList& watchers : watches_) {
        watchers.size = static_cast<std::uint32_t>(
            std::remove_if(watchers.begin(), watchers.end(), [movable](const Watcher& watcher) { return watcher.clause >= movable; }) -
            watchers.begin());
    }
    learntClauses_.clear();
    auto write = static_cast<std::size_t>(movable);
    for (auto read = write; read < arena_.size();) {
        const std::size_t length = 2 + static_cast<std::size_t>(arena_[read]);
        if (arena_[read + 1] != kForgotten) {
            if (write != read) {
                std::copy(arena_.begin() + static_cast<std::ptrdiff_t>(read),
                          arena_.begin() + static_cast<std::ptrdiff_t>(read + length),
                          arena_.begin() + static_cast<std::ptrdiff_t>(write));
            }
            if (arena_[write + 1] > 0) learntClauses_.push_back(static_cast<int>(write));
            watch(static_cast<int>(write));
            write += length;
        }
        read += length;
    }
    arena_.resize(write);
}

ClauseSolver::Outcome ClauseSolver::solve(const Budget& budget, std::int64_t conflictLimit, Literal assumption) {
    if (unsatisfiable_) return Outcome::Unsatisfiable;
    backtrackTo(0);
    if (propagate() != kNoClause) {
        unsatisfiable_ = true;
        return Outcome::Unsatisfiable;
    }
    const std::int64_t stopAt = conflictLimit == INT64_MAX ? INT64_MAX : conflicts_ + conflictLimit;
    std::int64_t restartAt = conflicts_ + luby(restarts_) * kConflictsPerRestartUnit;
    int untilClockLook = kDecisionsBetweenClockLooks;
    while (true) {
        const int conflict = propagate();
        if (conflict != kNoClause) {
            ++conflicts_;
            if (decisionLevel() == 0) {
                unsatisfiable_ = true;
                return Outcome::Unsatisfiable;
            }
            int backLevel = 0;
            analyze(conflict, learnt_, backLevel);
            // Counted before backtracking, while every literal still has its level.
            ++stamp_;
            levelStamp_.resize(static_cast<std::size_t>(decisionLevel()) + 1, 0);
            int levels = 0;
            for (const Literal literal : learnt_) {
                int& mark = levelStamp_[static_cast<std::size_t>(level_[static_cast<std::size_t>(variableOf(literal))])];
                if (mark != stamp_) {
                    mark = stamp_;
                    ++levels;
                }
            }
            backtrackTo(backLevel);
            if (learnt_.size() == 1) {
                assign(learnt_[0], kNoClause);
            } else {
                const int clause = storeClause(learnt_, std::max(levels, 1));
                if (firstLearnt_ < 0) firstLearnt_ = clause;
                learntClauses_.push_back(clause);
                watch(clause);
                assign(learnt_[0], clause);
            }
            activityStep_ /= kActivityDecay;
            if (budget.cancelled() || (conflicts_ % kConflictsBetweenClockLooks == 0 && budget.timeIsUp()) ||
                conflicts_ >= stopAt) {
                return Outcome::Unknown;
            }
            if (conflicts_ >= restartAt) {
                backtrackTo(0);
                ++restarts_;
                restartAt = conflicts_ + luby(restarts_) * kConflictsPerRestartUnit;
                if (conflicts_ >= nextForget_ || learntClauses_.size() > kMostLearntClauses) {
                    forgetHalfOfLearnt();
                    nextForget_ = conflicts_ + 2000 + 300 * restarts_;
                }
            }
            continue;
        }
        if (budget.cancelled()) return Outcome::Unknown;
        if (--untilClockLook == 0) {
            untilClockLook = kDecisionsBetweenClockLooks;
            if (budget.timeIsUp()) return Outcome::Unknown;
        }
        if (assumption >= 0 && decisionLevel() == 0) {
            if (valueOf(assumption) == False) return Outcome::Unsatisfiable;
            // The assumption is level 1's decision (or, when the facts imply it, an empty level).
            levelStarts_.push_back(static_cast<int>(trail_.size()));
            if (valueOf(assumption) == Unassigned) assign(assumption, kNoClause);
            continue;
        }
        int next = -1;
        while (!heap_.empty()) {
            const int variable = heapPopMax();
            if (valueOf(isTrue(variable)) == Unassigned) {
                next = variable;
                break;
            }
        }
        if (next < 0) {
            for (int variable = 0; variable < variables(); ++variable) {
                model_[static_cast<std::size_t>(variable)] = valueOf(isTrue(variable)) == True;
            }
            return Outcome::Satisfiable;
        }
        levelStarts_.push_back(static_cast<int>(trail_.size()));
        assign(savedPhase_[static_cast<std::size_t>(next)] ? isTrue(next) : isFalse(next), kNoClause);
    }
}

void ClauseSolver::heapInsert(int variable) {
    heapPosition_[static_cast<std::size_t>(variable)] = static_cast<int>(heap_.size());
    heap_.push_back(variable);
    heapUp(heap_.size() - 1);
}

int ClauseSolver::heapPopMax() {
    const int top = heap_[0];
    heap_[0] = heap_.back();
    heapPosition_[static_cast<std::size_t>(heap_[0])] = 0;
    heap_.pop_back();
    heapPosition_[static_cast<std::size_t>(top)] = -1;
    if (!heap_.empty()) heapDown(0);
    return top;
}

void ClauseSolver::heapUp(std::size_t position) {
    const int variable = heap_[position];
    const double key = activity_[static_cast<std::size_t>(variable)];
    while (position > 0) {
        const std::size_t parent = (position - 1) / 2;
        if (activity_[static_cast<std::size_t>(heap_[parent])] >= key) break;
        heap_[position] = heap_[parent];
        heapPosition_[static_cast<std::size_t>(heap_[position])] = static_cast<int>(position);
        position = parent;
    }
    heap_[position] = variable;
    heapPosition_[static_cast<std::size_t>(variable)] = static_cast<int>(position);
}

void ClauseSolver::heapDown(std::size_t position) {
    const int variable = heap_[position];
    const double key = activity_[static_cast<std::size_t>(variable)];
    while (true) {
        std::size_t child = 2 * position + 1;
        if (child >= heap_.size()) break;
        if (child + 1 < heap_.size() &&
            activity_[static_cast<std::size_t>(heap_[child + 1])] > activity_[static_cast<std::size_t>(heap_[child])]) {
            ++child;
        }
        if (activity_[static_cast<std::size_t>(heap_[child])] <= key) break;
        heap_[position] = heap_[child];
        heapPosition_[static_cast<std::size_t>(heap_[position])] = static_cast<int>(position);
        position = child;
    }
    heap_[position] = variable;
    heapPosition_[static_cast<std::size_t>(variable)] = static_cast<int>(position);
}

}  // namespace mosarin::solver
