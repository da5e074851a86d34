// SPDX-License-Identifier: GPL-3.0-or-later
// batch and analysis: a glaze's batch weights and its chemistry figures with
// the limit check, from the command line.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "glaze/BatchWeights.h"
#include "glaze/ChemistryDataFiles.h"
#include "glaze/ChemistryFigures.h"
#include "glaze/FiringFit.h"
#include "glaze/LimitSets.h"
#include "glaze/StullChart.h"
#include "store/GlazeBook.h"

#include <filesystem>

namespace kelvora::cli {

namespace {

// Nothing in these commands asks the user anything; messages go to stderr.
class ErrPrompter : public Prompter {
public:
    explicit ErrPrompter(std::ostream& err) : err_(err) {}
    void message(const std::string& text) override { err_ << text << "\n"; }
    bool confirm(const std::string& text) override {
        err_ << text << "\n";
        return false;
    }
    void information(const std::string& text) override { err_ << text << "\n"; }

private:
    std::ostream& err_;
};

int unknownGlaze(CliContext& ctx, const std::string& name) {
    ctx.err << fillIn(translate("Cli", "No glaze named \"%1\" in %2"), {name, ctx.dbDir}) << "\n";
    return 1;
}

int batch(CliContext& ctx) {
    if (ctx.args.size() != 2) return 2;
    const auto grams = numfmt::parseFloat(ctx.args[1]);
    if (!grams || !BatchWeights::validSize(*grams)) {
        ctx.err << fillIn(
                       translate("Cli", "Batch size must be a positive number of grams, at most 1000000: %1"),
                       {ctx.args[1]})
                << "\n";
        return 1;
    }
    GlazeBook book(ctx.dbDir);
    book.load();
    const auto glaze = book.findGlaze(ctx.args[0]);
    if (!glaze) return unknownGlaze(ctx, ctx.args[0]);
    const BatchWeights weights = BatchWeights::compute(*glaze, *grams);
    for (const auto& row : weights.rows)
        ctx.out << row.name << '\t' << numfmt::formatFixed(row.grams, 1) << "\n";
    ctx.out << "Totaal\t" << numfmt::formatFixed(weights.total, 1) << "\n";
    ctx.out << "Kostprijs\t" << numfmt::formatFixed(weights.cost, 2) << "\n";
    return 0;
}

std::string number(const std::optional<double>& value) {
    return value ? numfmt::floatText(*value) : std::string();
}

int analysis(CliContext& ctx) {
    std::string name;
    std::string setName = "appen";
    std::string dataFolder = chemistryFolder();
    for (std::size_t i = 0; i < ctx.args.size(); ++i) {
        if (ctx.args[i] == "--expansion" && i + 1 < ctx.args.size())
            setName = ctx.args[++i];
        else if (ctx.args[i] == "--data" && i + 1 < ctx.args.size())
            dataFolder = ctx.args[++i];
        else if (name.empty())
            name = ctx.args[i];
        else
            return 2;
    }
    if (name.empty()) return 2;

    const MolarMassTable masses = MolarMassTable::load(ChemistryDataFiles::molarMasses(dataFolder));
    const auto sets = ExpansionFactorSet::loadFolder(ChemistryDataFiles::expansionFolder(dataFolder));
    const ExpansionFactorSet* expansion = nullptr;
    for (const auto& set : sets)
        if (set.name() == setName) expansion = &set;
    if (!expansion) {
        ctx.err << fillIn(translate("Cli", "No expansion factor set named \"%1\" in %2"),
                          {setName, ChemistryDataFiles::expansionFolder(dataFolder)})
                << "\n";
        return 1;
    }
    const LimitSets limits = LimitSets::loadFolder(ChemistryDataFiles::limitsFolder(dataFolder));
    const StullChart stull = StullChart::load(ChemistryDataFiles::stullChart(dataFolder));

    GlazeBook book(ctx.dbDir);
    book.load();
    const auto glaze = book.findGlaze(name);
    if (!glaze) return unknownGlaze(ctx, name);
    const ChemistryFigures figures = ChemistryFigures::compute(*glaze, book.catalogue(), masses, expansion);
    const LimitSets::Fit fit = limits.bestFit(glaze->skva, glaze->sktt, figures);
    const FiringFit firing = FiringFit::assess(limits, figures, Recipe::amount(glaze->tmpv),
                                               Recipe::amount(glaze->tmpt), glaze->skva, glaze->sktt);

    for (const char* kind : {"umf", "wt", "mol"}) {
        const auto& values = kind[0] == 'u'   ? figures.seger
                             : kind[0] == 'w' ? figures.weightPercent
                                              : figures.molPercent;
        for (const Oxide& oxide : OxideCatalogue::all()) {
            const double value = values[static_cast<std::size_t>(oxide.position - 1)];
            if (figures.seger[static_cast<std::size_t>(oxide.position - 1)] != 0)
                ctx.out << kind << '.' << oxide.stem << '=' << numfmt::floatText(value) << "\n";
        }
    }
    ctx.out << "sio2_al2o3=" << number(figures.sio2Al2o3) << "\n";
    ctx.out << "r2o_ro=" << number(figures.r2oRo) << "\n";
    ctx.out << "loi=" << number(figures.loi) << "\n";
    ctx.out << "expansion_linear=" << number(figures.expansionLinear) << "\n";
    // The oxides of this glaze the chosen factor set has nothing for, as stems.
    if (!figures.expansionUnset.empty()) {
        std::string missing;
        for (const auto& label : figures.expansionUnset)
            for (const Oxide& oxide : OxideCatalogue::all())
                if (label == oxide.label) missing += (missing.empty() ? "" : ",") + std::string(oxide.stem);
        ctx.out << "expansion.missing=" << missing << "\n";
    }
    ctx.out << "stull=" << stull.place(figures.sum({"sio2"}), figures.sum({"al2o3"})).keys() << "\n";
    ctx.out << "fit.cones=" << firing.cones << "\n";
    if (!firing.note.empty()) ctx.out << "fit.note=" << firing.note << "\n";
    ctx.out << "limits=" << (fit.set ? fit.set->name : std::string()) << "\n";
    for (const auto& v : fit.outside)
        ctx.out << "outside." << v.key << '=' << numfmt::floatText(v.value) << ' ' << numfmt::floatText(v.min)
                << '-' << numfmt::floatText(v.max) << "\n";
    return 0;
}

const CommandRegistrar batchCommand(
    "batch", QT_TRANSLATE_NOOP("Cli", "batch NAME GRAMS   grams of every material for a batch of a glaze"),
    batch, Writes::nothing());
const CommandRegistrar analysisCommand(
    "analysis",
    QT_TRANSLATE_NOOP(
        "Cli", "analysis NAME [--expansion SET] [--data DIR]   chemistry figures and limit check of a glaze"),
    analysis, Writes::nothing());

} // namespace

} // namespace kelvora::cli
