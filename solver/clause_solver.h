#pragma once
// A small conflict-driven clause-learning satisfiability solver. The
// search over line logic and probing finds solutions quickly, but proving
// that no other grid exists can take it millions of nodes on regular
// pictures (diagonal bands of period 4), because it learns nothing from a
// subtree that failed. Learning a clause from every conflict lets this
// solver cut those subtrees everywhere at once.

#include <cstdint>
#include <memory_resource>
#include <span>
#include <vector>

#include "solver/propagation.h"

namespace mosarin::solver {

// A literal: variable v is 2v when true and 2v + 1 when false.
using Literal = int;
constexpr Literal isTrue(int variable) { return 2 * variable; }
constexpr Literal isFalse(int variable) { return 2 * variable + 1; }
constexpr Literal negation(Literal literal) { return literal ^ 1; }
constexpr int variableOf(Literal literal) { return literal >> 1; }

class ClauseSolver {
public:
    enum class Outcome { Satisfiable, Unsatisfiable, Unknown };

    // A new variable, numbered from 0 upwards.
    int addVariable();
    int variables() const { return static_cast<int>(activity_.size()); }

    // Adds the clause "at least one of these literals holds". Any search in
    // progress starts again from the top. False once the clauses are known
    // to have no model.
    bool addClause(std::span<const Literal> literals);

    // Searches for a model until one is found, the clauses are proved to
    // have none, the budget runs out, or `conflictLimit` more conflicts
    // have happened. Unknown leaves everything learnt in place, so a later
    // call goes on where this one stopped.
    // With an `assumption`, only models in which it holds count, and
    // Unsatisfiable means that there is none: the assumption's negation is
    // then a fact, and further solves go on with it.
    Outcome solve(const Budget& budget, std::int64_t conflictLimit = INT64_MAX, Literal assumption = -1);
    // True when the clauses alone (no decision) fix the literal as true.
    bool fixed(Literal literal) const { return values_[static_cast<std::size_t>(literal)] == True && level_[static_cast<std::size_t>(variableOf(literal))] == 0; }

    // A variable's value in the model the last Satisfiable solve() found.
    bool modelValue(int variable) const { return model_[static_cast<std::size_t>(variable)]; }
    std::int64_t conflicts() const { return conflicts_; }

private:
    enum Value : std::uint8_t { Unassigned = 0, True = 1, False = 2 };
    static constexpr int kNoClause = -1;
    // The puzzle's two-literal clauses (more than half of its clauses) live
    // only in the watch lists, marked by this in place of a clause: reading
    // the other literal from the watcher saves a trip to the arena on every
    // implication they make, and the arena they would fill is left to the
    // clauses that need it. A literal they imply has the reason
    // kBinaryReason - (the clause's other literal); a conflict of one is
    // kBinaryConflict, its two literals in `binaryConflict_`.
    static constexpr int kBinary = -1;   // in a watcher only, never a reason
    static constexpr int kBinaryReason = -2;
    static constexpr int kBinaryConflict = INT32_MIN;
    static constexpr int kForgotten = -1;   // the quality of a learnt clause about to be dropped

    // A clause watched through one of its literals; `blocker` is another of
    // its literals, and when that one holds the clause need not be looked at.
    struct Watcher {
        int clause;
        Literal blocker;
    };
    // Clauses live one after the other in `arena_`: size, then learnt flag
    // and quality (the number of decision levels among its literals; the
    // fewer, the more useful), then the literals. The first two literals
    // are the watched ones; the literal a clause implied is its first.
    int clauseSize(int clause) const { return arena_[static_cast<std::size_t>(clause)]; }
    Literal* literalsOf(int clause) { return &arena_[static_cast<std::size_t>(clause) + 2]; }
    // The literals of a conflict or of a reason, wherever the clause lives.
    // A binary reason comes back as (unknown, other literal): only the
    // literals after the first are read from a reason.
    std::span<const Literal> clauseOf(int clause) {
        if (clause >= 0) return {literalsOf(clause), static_cast<std::size_t>(clauseSize(clause))};
        if (clause == kBinaryConflict) return binaryConflict_;
        binaryReason_[1] = kBinaryReason - clause;
        return binaryReason_;
    }
    int& qualityOf(int clause) { return arena_[static_cast<std::size_t>(clause) + 1]; }
    int storeClause(std::span<const Literal> literals, int quality);
    void watch(int clause);

    Value valueOf(Literal literal) const { return values_[static_cast<std::size_t>(literal)]; }
    int decisionLevel() const { return static_cast<int>(levelStarts_.size()); }
    void assign(Literal literal, int reason);
    int propagate();   // the conflicting clause, or kNoClause
    void analyze(int conflict, std::vector<Literal>& learnt, int& backLevel);
    bool redundant(Literal literal, std::uint32_t clauseLevels);
    // A variable's decision level as one bit of 32, to tell quickly that a
    // level holds none of a clause's literals.
    std::uint32_t levelBit(int variable) const { return std::uint32_t{1} << (level_[static_cast<std::size_t>(variable)] & 31); }
    void backtrackTo(int level);
    void bump(int variable);
    void forgetHalfOfLearnt();   // only at decision level 0

    // A binary max-heap of the unassigned variables by activity.
    void heapInsert(int variable);
    int heapPopMax();
    void heapUp(std::size_t position);
    void heapDown(std::size_t position);

    std::vector<int> arena_;
    std::vector<int> learntClauses_;
    int firstLearnt_ = -1;   // where the first learnt clause starts in the arena; -1 before
    // Thousands of small, growing lists: drawn from one buffer that is only
    // freed as a whole, so that freeing them when a search is cancelled
    // takes microseconds, not the milliseconds of thousands of separate
    // frees. A list that grows leaves its old space behind, at most as much
    // again as the lists hold at their longest. Declared before the lists,
    // so that it outlives them.
    std::pmr::monotonic_buffer_resource watchPool_;
    // Half the size of a std::pmr::vector: the heads of a 40 x 30 puzzle's
    // 14,000 lists are read on every implication, and this way twice as
    // many of them stay in the cache.
    struct WatchList {
        Watcher* data = nullptr;
        std::uint32_t size = 0, capacity = 0;
        Watcher* begin() { return data; }
        Watcher* end() { return data + size; }
    };
    void push(WatchList& list, Watcher watcher) {
        if (list.size == list.capacity) grow(list);
        list.data[list.size++] = watcher;
    }
    void grow(WatchList& list);   // twice the room, in new space from the pool
    std::vector<WatchList> watches_;   // per literal: clauses to visit when it turns false
    std::vector<Value> values_;                    // per literal
    std::vector<int> level_, reason_;              // per variable
    std::vector<bool> savedPhase_;                 // per variable: its last value, tried first again
    std::vector<double> activity_;
    double activityStep_ = 1.0;
    std::vector<int> heap_, heapPosition_;         // heapPosition_ -1 when not in the heap
    std::vector<Literal> trail_;
    std::vector<int> levelStarts_;                 // where each decision level begins in the trail
    std::size_t propagated_ = 0;                   // trail_[0, propagated_) are propagated
    std::vector<std::uint8_t> seen_;               // per variable, during analyze()
    std::vector<int> levelStamp_;                  // per level, while counting a clause's levels
    int stamp_ = 0;
    std::vector<Literal> learnt_, toClear_, scratch_, stack_;
    Literal binaryConflict_[2] = {0, 0};
    Literal binaryReason_[2] = {0, 0};
    std::vector<bool> model_;
    bool unsatisfiable_ = false;
    std::int64_t conflicts_ = 0;
    std::int64_t nextForget_ = 2000;
    int restarts_ = 0;
};

}  // namespace mosarin::solver
