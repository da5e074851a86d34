// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/LinearProgram.h"

#include <ClpSimplex.hpp>
#include <CoinPackedMatrix.hpp>

#include <cmath>
#include <stdexcept>

namespace kelvora {

namespace {
// Clp marks a missing bound with its own large number, not with infinity.
double clpBound(double bound) {
    if (bound == LinearProgram::infinity) return COIN_DBL_MAX;
    if (bound == -LinearProgram::infinity) return -COIN_DBL_MAX;
    return bound;
}
} // namespace

int LinearProgram::addVariable(double lower, double upper, double cost) {
    lower_.push_back(lower);
    upper_.push_back(upper);
    cost_.push_back(cost);
    return variableCount() - 1;
}

void LinearProgram::setCost(int variable, double cost) {
    cost_.at(static_cast<std::size_t>(variable)) = cost;
}

void LinearProgram::addRow(std::vector<Term> terms, double lower, double upper) {
    for (const auto& t : terms)
        if (t.variable < 0 || t.variable >= variableCount())
            throw std::out_of_range("LinearProgram: row names an unknown variable");
    rows_.push_back({std::move(terms), lower, upper});
}

LinearProgram::Solution LinearProgram::solve() const {
    const int columns = variableCount();
    CoinPackedMatrix matrix(false, 0, 0); // row-ordered
    matrix.setDimensions(0, columns);
    std::vector<double> rowLower, rowUpper;
    rowLower.reserve(rows_.size());
    rowUpper.reserve(rows_.size());
    std::vector<int> index;
    std::vector<double> value;
    for (const auto& row : rows_) {
        index.clear();
        value.clear();
        for (const auto& t : row.terms) {
            if (t.coefficient == 0.0) continue;
            index.push_back(t.variable);
            value.push_back(t.coefficient);
        }
        matrix.appendRow(static_cast<int>(index.size()), index.data(), value.data());
        rowLower.push_back(clpBound(row.lower));
        rowUpper.push_back(clpBound(row.upper));
    }
    std::vector<double> colLower(lower_.size()), colUpper(upper_.size());
    for (std::size_t i = 0; i < lower_.size(); ++i) {
        colLower[i] = clpBound(lower_[i]);
        colUpper[i] = clpBound(upper_[i]);
    }

    ClpSimplex model;
    model.setLogLevel(0);
    model.loadProblem(matrix, colLower.data(), colUpper.data(), cost_.data(), rowLower.data(),
                      rowUpper.data());
    model.setOptimizationDirection(maximise_ ? -1.0 : 1.0);
    // The problems are tiny: the dual simplex without presolve answers
    // fastest. Its last values may carry errors of 1e-12 or so; the primal
    // simplex, started from the final basis, refactorises and finds the vertex
    // to the last digit at the cost of no pivots, so that a formula right at
    // the edge of a range shows that edge.
    model.dual();
    model.primal(1);

    Solution solution;
    if (model.isProvenOptimal()) {
        solution.status = Status::Optimal;
    } else if (model.isProvenPrimalInfeasible()) {
        solution.status = Status::Infeasible;
    } else if (model.isProvenDualInfeasible()) {
        solution.status = Status::Unbounded;
    }
    if (solution.status == Status::Optimal) {
        const double* x = model.primalColumnSolution();
        solution.values.assign(x, x + columns);
        solution.objective = model.objectiveValue();
    }
    return solution;
}

} // namespace kelvora
