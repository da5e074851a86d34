// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <limits>
#include <vector>

namespace kelvora {

// A small linear programme: bounded variables, ranged rows and a linear
// objective. The LP library is used only inside LinearProgram.cpp, so nothing
// else in Kelvora depends on which solver does the work.
class LinearProgram {
public:
    static constexpr double infinity = std::numeric_limits<double>::infinity();

    enum class Status { Optimal, Infeasible, Unbounded, Failed };
    struct Term {
        int variable;
        double coefficient;
    };
    struct Solution {
        Status status = Status::Failed;
        std::vector<double> values; // one per variable, in the order added
        double objective = 0.0;
    };

    // Adds a variable lower <= v <= upper with the given objective coefficient;
    // returns its index.
    int addVariable(double lower = 0.0, double upper = infinity, double cost = 0.0);
    void setCost(int variable, double cost);
    // Adds the row lower <= sum(coefficient * variable) <= upper; equal bounds
    // make it an equation.
    void addRow(std::vector<Term> terms, double lower, double upper);
    void setMaximise(bool maximise) { maximise_ = maximise; }

    int variableCount() const { return static_cast<int>(lower_.size()); }
    int rowCount() const { return static_cast<int>(rows_.size()); }

    Solution solve() const;

private:
    struct Row {
        std::vector<Term> terms;
        double lower;
        double upper;
    };
    std::vector<double> lower_, upper_, cost_;
    std::vector<Row> rows_;
    bool maximise_ = false;
};

} // namespace kelvora
