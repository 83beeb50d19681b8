// The clause-learning solver on formulas whose answers are known: random
// ones counted by brute force, pigeonholes (no model, and only learning
// gets through them quickly), and assumptions.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <vector>

#include "solver/clause_solver.h"

namespace mosarin::solver {
namespace {

using Formula = std::vector<std::vector<Literal>>;

bool holds(const std::vector<Literal>& clause, unsigned assignment) {
    for (const Literal literal : clause) {
        if (((assignment >> variableOf(literal)) & 1) == ((literal & 1) == 0)) return true;
    }
    return false;
}

int countModels(const Formula& formula, int variables) {
    int count = 0;
    for (unsigned assignment = 0; assignment < (1u << variables); ++assignment) {
        bool all = true;
        for (const auto& clause : formula) all = all && holds(clause, assignment);
        count += all;
    }
    return count;
}

void load(ClauseSolver& solver, const Formula& formula, int variables) {
    for (int v = 0; v < variables; ++v) solver.addVariable();
    for (const auto& clause : formula) solver.addClause(clause);
}

// Every model, one after the other, each ruled out once found: the count
// must be the brute force's, and each model must satisfy every clause. This
// runs learning, restarts and clauses added between searches together.
TEST(ClauseSolver, FindsExactlyTheModelsOfRandomFormulas) {
    std::mt19937 random(5);
    constexpr int kVariables = 12;
    int unsatisfiable = 0, satisfiable = 0;
    for (int formulaNumber = 0; formulaNumber < 60; ++formulaNumber) {
        SCOPED_TRACE(formulaNumber);
        Formula formula(40 + formulaNumber % 25);   // around the hardest ratio of clauses to variables
        // One clause in three of two literals: those are kept apart from
        // the longer ones, and imply, conflict and explain in their own way.
        for (std::size_t c = 0; c < formula.size(); ++c) {
            auto& clause = formula[c];
            for (std::size_t k = 0; k < (c % 3 == 0 ? 2u : 3u); ++k) {
                const int variable = static_cast<int>(random() % kVariables);
                clause.push_back(random() % 2 ? isTrue(variable) : isFalse(variable));
            }
        }
        const int expected = countModels(formula, kVariables);
        (expected == 0 ? unsatisfiable : satisfiable) += 1;
        ClauseSolver solver;
        load(solver, formula, kVariables);
        int found = 0;
        while (solver.solve(Budget{}) == ClauseSolver::Outcome::Satisfiable) {
            unsigned model = 0;
            std::vector<Literal> block;
            for (int v = 0; v < kVariables; ++v) {
                model |= static_cast<unsigned>(solver.modelValue(v)) << v;
                block.push_back(solver.modelValue(v) ? isFalse(v) : isTrue(v));
            }
            for (const auto& clause : formula) ASSERT_TRUE(holds(clause, model));
            ++found;
            ASSERT_LE(found, expected);
            solver.addClause(block);
        }
        EXPECT_EQ(found, expected);
    }
    EXPECT_GT(unsatisfiable, 5);   // the table holds both answers
    EXPECT_GT(satisfiable, 5);
}

// Eight pigeons in seven holes: no model, thousands of conflicts, so learnt
// clauses are forgotten on the way. Searched in slices of 100 conflicts,
// each slice going on where the last one stopped.
TEST(ClauseSolver, ProvesAPigeonholeImpossibleInSlicesAndForgetsOnTheWay) {
    constexpr int kPigeons = 8, kHoles = 7;
    auto in = [](int pigeon, int hole) { return pigeon * kHoles + hole; };
    Formula formula;
    for (int pigeon = 0; pigeon < kPigeons; ++pigeon) {
        formula.emplace_back();
        for (int hole = 0; hole < kHoles; ++hole) formula.back().push_back(isTrue(in(pigeon, hole)));
    }
    for (int hole = 0; hole < kHoles; ++hole)
        for (int a = 0; a < kPigeons; ++a)
            for (int b = a + 1; b < kPigeons; ++b) formula.push_back({isFalse(in(a, hole)), isFalse(in(b, hole))});
    ClauseSolver solver;
    load(solver, formula, kPigeons * kHoles);
    int slices = 0;
    ClauseSolver::Outcome outcome;
    while ((outcome = solver.solve(Budget{}, 100)) == ClauseSolver::Outcome::Unknown) ++slices;
    EXPECT_EQ(outcome, ClauseSolver::Outcome::Unsatisfiable);
    EXPECT_GT(solver.conflicts(), 2000);   // past the first forgetting
    EXPECT_GE(slices, solver.conflicts() / 100 - 1);

    std::atomic<bool> cancelled{true};
    ClauseSolver fresh;
    load(fresh, formula, kPigeons * kHoles);
    EXPECT_EQ(fresh.solve(Budget::forSeconds(60, &cancelled)), ClauseSolver::Outcome::Unknown);
}

// x0 implies x1 and not x1: assuming x0 has no model, and "not x0" is a fact
// afterwards; assuming x2 (free) gives a model with x2 true.
TEST(ClauseSolver, AnAssumptionWithoutModelLeavesItsNegationAsAFact) {
    ClauseSolver solver;
    load(solver, {{isFalse(0), isTrue(1)}, {isFalse(0), isFalse(1)}, {isTrue(1), isTrue(2)}}, 3);
    EXPECT_FALSE(solver.fixed(isFalse(0)));
    EXPECT_EQ(solver.solve(Budget{}, INT64_MAX, isTrue(0)), ClauseSolver::Outcome::Unsatisfiable);
    EXPECT_TRUE(solver.fixed(isFalse(0)));
    ASSERT_EQ(solver.solve(Budget{}, INT64_MAX, isFalse(2)), ClauseSolver::Outcome::Satisfiable);
    EXPECT_FALSE(solver.modelValue(2));
    EXPECT_TRUE(solver.modelValue(1));
    ASSERT_EQ(solver.solve(Budget{}), ClauseSolver::Outcome::Satisfiable);
    EXPECT_FALSE(solver.modelValue(0));
}

}  // namespace
}  // namespace mosarin::solver
