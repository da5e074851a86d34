// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/DataSource.h"
#include "model/OxideCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kelvora {

// One published set of oxide factors for the linear thermal expansion of a
// glass, read from its data file. A set works either on the weight % or on
// the mol % of the oxides; the result is in 10^-7 per kelvin.
class ExpansionFactorSet {
public:
    enum class Basis { Weight, Mole };
    struct Factor {
        double value = 0;
        // Above `above` % of the oxide the factor changes by `slope` per %
        // (Appen's silica); no `above` means a constant factor.
        std::optional<double> above;
        double slope = 0;
    };
    struct Result {
        double linear = 0;              // 10^-7/K
        std::vector<std::string> unset; // labels of non-zero oxides the set has no factor for
    };

    // Throws std::runtime_error naming the file when it is not a factor set.
    static ExpansionFactorSet load(const std::string& path);
    // Every *.xml set of a folder, in name order; a missing folder gives none.
    static std::vector<ExpansionFactorSet> loadFolder(const std::string& folder);

    const std::string& name() const { return name_; }
    const std::string& label() const { return label_; }
    Basis basis() const { return basis_; }
    const DataSource& source() const { return source_; }
    // The stems of the oxides this set has no factor for, in catalogue order.
    std::vector<std::string> missing() const;
    const std::optional<Factor>& factor(int position) const {
        return factors_[static_cast<std::size_t>(position - 1)];
    }

    // The coefficient from a glaze's weight % and mol % (both over the 33
    // oxides, each summing to 100).
    Result linear(const std::array<double, OxideCatalogue::count>& weightPercent,
                  const std::array<double, OxideCatalogue::count>& molPercent) const;

private:
    std::string name_;
    std::string label_;
    Basis basis_ = Basis::Weight;
    DataSource source_;
    std::array<std::optional<Factor>, OxideCatalogue::count> factors_{};
};

} // namespace kelvora
