// SPDX-License-Identifier: GPL-3.0-or-later
// solve and substitute: recipes from formulas, ranges and replaced materials.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "solver/GlazeSubstitution.h"
#include "solver/LinearProgram.h"
#include "solver/NewGlazeWriter.h"
#include "solver/RecipeSolver.h"
#include "solver/SolverError.h"
#include "solver/SolverInput.h"

#include <optional>

namespace kelvora::cli {

namespace {

// Messages of the calculation run after --store go to the error stream.
class ErrPrompter : public Prompter {
public:
    explicit ErrPrompter(std::ostream& err) : err_(err) {}
    void message(const std::string& text) override { write(text); }
    bool confirm(const std::string& text) override {
        write(text);
        return false;
    }
    void information(const std::string& text) override { write(text); }

private:
    void write(std::string text) {
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.replace(at, 2, "\n");
        err_ << text << "\n";
    }
    std::ostream& err_;
};

struct UsageError {};

std::size_t oxideIndex(const std::string& stem) {
    const Oxide* oxide = OxideCatalogue::byStem(stem);
    if (!oxide) throw SolverError(fillIn(translate("Cli", "Onbekend oxide: %1"), {stem}));
    return static_cast<std::size_t>(oxide->position - 1);
}

void print(std::ostream& out, const RecipeResult& result) {
    for (std::size_t i = 0; i < result.names.size(); ++i)
        out << result.names[i] << "\t" << numfmt::floatText(result.percentages[i]) << "\n";
    for (const auto& oxide : OxideCatalogue::all()) {
        const double value = result.formula[static_cast<std::size_t>(oxide.position - 1)];
        if (value != 0.0) out << "umf." << oxide.stem << "=" << numfmt::floatText(value) << "\n";
    }
    out << "deviation=" << numfmt::floatText(result.deviation) << "\n";
    out << "prys=" << numfmt::floatText(result.price) << "\n";
}

// Options of the form "--name value"; every option at most once.
struct Options {
    std::vector<std::string> words;
    std::vector<std::pair<std::string, std::string>> options;

    Options(const std::vector<std::string>& args, const std::vector<std::string>& known) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i].rfind("--", 0) != 0) {
                words.push_back(args[i]);
                continue;
            }
            bool isKnown = false;
            for (const auto& k : known)
                isKnown = isKnown || k == args[i];
            if (!isKnown || i + 1 >= args.size() || get(args[i])) throw UsageError{};
            options.emplace_back(args[i], args[i + 1]);
            ++i;
        }
    }
    std::optional<std::string> get(const std::string& name) const {
        for (const auto& [key, value] : options)
            if (key == name) return value;
        return std::nullopt;
    }
};

int failed(CliContext& ctx, const std::string& message) {
    ctx.err << message << "\n";
    return 1;
}

// Prints the result, stores it first when asked; the tables are closed
// (and the glazes written) before anything is printed.
int finish(CliContext& ctx, TGlzDM& dm, const RecipeResult& result, const std::optional<std::string>& store,
           NewGlaze glaze) {
    if (!result.solved) {
        dm.CloseTables();
        return failed(ctx, result.message);
    }
    if (store) {
        glaze.name = *store;
        NewGlazeWriter::store(dm, glaze);
    }
    dm.CloseTables();
    print(ctx.out, result);
    return 0;
}

int solve(CliContext& ctx) {
    try {
        const Options opts(ctx.args,
                           {"--materials", "--target", "--range", "--minimise", "--maximise", "--store"});
        const auto materials = opts.get("--materials");
        const auto target = opts.get("--target");
        const auto range = opts.get("--range");
        const auto minimise = opts.get("--minimise");
        const auto maximise = opts.get("--maximise");
        if (!opts.words.empty() || !materials || target.has_value() == range.has_value()) return 2;
        if (target && (minimise || maximise)) return 2;
        if (minimise && maximise) return 2;

        SolverObjective objective;
        if (maximise) {
            objective = {SolverObjective::Kind::MaximiseOxide, *maximise};
            oxideIndex(*maximise);
        } else if (minimise && *minimise != "prys") {
            objective = {SolverObjective::Kind::MinimiseOxide, *minimise};
            oxideIndex(*minimise);
        }
        const auto names = SolverInput::names(*materials);
        const auto goal = target ? SolverInput::target(*target) : OxideValues{};
        const auto ranges = range ? SolverInput::ranges(*range) : std::vector<OxideRange>{};

        ErrPrompter prompter(ctx.err);
        TGlzDM dm(prompter, ctx.dbDir);
        dm.OpenTables();
        RecipeResult result;
        try {
            const auto chosen = SolverMaterial::lookup(dm.materialLookup(), names);
            result = target ? RecipeSolver::matchFormula(chosen, goal)
                            : RecipeSolver::withinRanges(chosen, ranges, objective);
        } catch (...) {
            dm.CloseTables();
            throw;
        }
        return finish(ctx, dm, result, opts.get("--store"), NewGlaze::fromResult({}, result));
    } catch (const UsageError&) {
        return 2;
    } catch (const SolverSyntaxError&) {
        return 2;
    } catch (const SolverError& e) {
        return failed(ctx, e.what());
    }
}

int substitute(CliContext& ctx) {
    try {
        const Options opts(ctx.args, {"--with", "--store"});
        const auto with = opts.get("--with");
        if (opts.words.size() != 2 || !with) return 2;
        const std::string& glazeName = opts.words[0];
        const std::string& replaced = opts.words[1];
        const auto candidates = SolverInput::names(*with);

        ErrPrompter prompter(ctx.err);
        TGlzDM dm(prompter, ctx.dbDir);
        dm.OpenTables();
        const auto source = dm.book().findGlaze(glazeName);
        if (!source) {
            dm.CloseTables();
            return failed(ctx, fillIn(translate("Cli", "Onbekend glazuur: %1"), {glazeName}));
        }
        GlazeSubstitution::Result found;
        NewGlaze glaze;
        try {
            found = GlazeSubstitution::solve(dm.materialLookup(), *source, replaced, candidates);
            glaze = NewGlaze::fromResult({}, found.recipe);
            glaze.additions = found.additions;
            glaze.inheritFrom(*source);
        } catch (...) {
            dm.CloseTables();
            throw;
        }
        return finish(ctx, dm, found.recipe, opts.get("--store"), glaze);
    } catch (const UsageError&) {
        return 2;
    } catch (const SolverSyntaxError&) {
        return 2;
    } catch (const SolverError& e) {
        return failed(ctx, e.what());
    }
}

const CommandRegistrar solveCommand(
    "solve",
    QT_TRANSLATE_NOOP("Cli",
                      "solve --materials \"A,B,C\" (--target \"k2o=0.3,...\" | --range \"sio2=3..4,...\" "
                      "[--minimise prys|--maximise STEM|--minimise STEM]) [--store NAME]   find a recipe"),
    solve, Writes::dataFolderWith("--store"));
const CommandRegistrar substituteCommand(
    "substitute",
    QT_TRANSLATE_NOOP(
        "Cli", "substitute GLAZE MATERIAL --with \"A,B\" [--store NAME]   replace a material of a glaze"),
    substitute, Writes::dataFolderWith("--store"));

} // namespace

} // namespace kelvora::cli
