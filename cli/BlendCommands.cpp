// SPDX-License-Identifier: GPL-3.0-or-later
// blend: line, triaxial, biaxial and Currie blends of stored glazes, each
// cell's weights and chemistry, what to pour, and cells stored as glazes.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "blend/BlendPlan.h"
#include "common/NumberFormat.h"
#include "model/RecordNames.h"
#include "solver/SolverInput.h"
#include "store/GlazeBook.h"

#include <map>

namespace kelvora::cli {

namespace {

struct Usage {};

int wholeNumber(const std::string& text) {
    const auto value = SolverInput::number(text);
    if (!value || *value != static_cast<int>(*value)) throw Usage{};
    return static_cast<int>(*value);
}

struct BlendOptions {
    BlendSettings settings;
    bool amounts = false; // --ml or --grams given
    bool store = false;
};

BlendOptions parse(const std::vector<std::string>& args) {
    if (args.empty()) throw Usage{};
    BlendOptions o;
    BlendSettings& s = o.settings;
    const auto kind = blendKindFromName(args[0]);
    if (!kind) throw Usage{};
    s.kind = *kind;
    s.cells = BlendSettings::defaultCells(s.kind);
    std::map<std::string, std::string> given;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        static const char* const known[] = {"--corners", "--cells", "--rows",  "--cols",
                                            "--range",   "--ml",    "--grams", "--store"};
        bool isKnown = false;
        for (const char* k : known)
            isKnown = isKnown || args[i] == k;
        if (!isKnown || i + 1 >= args.size() || given.count(args[i])) throw Usage{};
        given[args[i]] = args[i + 1];
    }
    if (!given.count("--corners") || (given.count("--ml") && given.count("--grams"))) throw Usage{};
    s.corners = SolverInput::names(given["--corners"]);
    if (given.count("--cells")) s.cells = wholeNumber(given["--cells"]);
    if (given.count("--rows")) s.rows = wholeNumber(given["--rows"]);
    if (given.count("--cols")) s.columns = wholeNumber(given["--cols"]);
    if (given.count("--range")) {
        if (s.kind != BlendKind::Line) throw Usage{};
        const std::string& range = given["--range"];
        const auto dots = range.find("..");
        if (dots == std::string::npos) throw Usage{};
        const auto low = SolverInput::number(range.substr(0, dots));
        const auto high = SolverInput::number(range.substr(dots + 2));
        if (!low || !high) throw Usage{};
        s.low = *low / 100.0;
        s.high = *high / 100.0;
    }
    for (const char* unit : {"--ml", "--grams"})
        if (given.count(unit)) {
            const auto amount = SolverInput::number(given[unit]);
            if (!amount) throw Usage{};
            s.amount = *amount;
            s.grams = std::string(unit) == "--grams";
            o.amounts = true;
        }
    if (given.count("--store")) {
        s.name = given["--store"];
        o.store = true;
    }
    return o;
}

std::string cornerLetter(std::size_t corner) {
    return std::string(1, static_cast<char>('A' + corner));
}

void printCell(std::ostream& out, const BlendPlan& plan, std::size_t i, bool amounts) {
    const BlendCell& cell = plan.grid.cells[i];
    const BlendMix& mix = plan.mixes[i];
    out << "cell\t" << cell.number;
    for (std::size_t c = 0; c < cell.weights.size(); ++c)
        out << '\t' << cornerLetter(c) << '='
            << (cell.parts.empty() ? numfmt::floatText(cell.weights[c])
                                   : std::to_string(cell.parts[c]) + "/24");
    const double sio2 = oxideIn(mix.formula, "sio2"), al2o3 = oxideIn(mix.formula, "al2o3");
    out << "\tsio2:al2o3=" << (al2o3 > 0.0 ? numfmt::formatFixed(sio2 / al2o3, 2) : std::string("-"))
        << "\tsio2=" << numfmt::formatFixed(sio2, 3) << "\tal2o3=" << numfmt::formatFixed(al2o3, 3)
        << "\tb2o3=" << numfmt::formatFixed(oxideIn(mix.formula, "b2o3"), 3);
    if (amounts)
        for (std::size_t c = 0; c < plan.amounts.perCell[i].size(); ++c)
            out << '\t' << cornerLetter(c) << ' ' << (plan.settings.grams ? "g" : "ml") << '='
                << numfmt::formatFixed(plan.amounts.perCell[i][c], 1);
    if (!mix.tooLarge.empty()) out << "\tte groot: " << mix.tooLarge;
    out << "\n";
}

int blend(CliContext& ctx) {
    BlendOptions o;
    try {
        o = parse(ctx.args);
    } catch (const Usage&) {
        return 2;
    } catch (const SolverError&) {
        return 2;
    }
    try {
        GlazeBook book(ctx.dbDir);
        book.load();
        const BlendPlan plan = BlendPlan::make(o.settings, book);
        std::vector<Glaze> stored;
        for (std::size_t i = 0; i < plan.grid.cells.size(); ++i) {
            printCell(ctx.out, plan, i, o.amounts);
            if (o.store && plan.mixes[i].tooLarge.empty())
                stored.push_back(plan.cellGlaze(i, book.catalogue()));
        }
        if (o.amounts) {
            ctx.out << "total";
            for (std::size_t c = 0; c < plan.amounts.total.size(); ++c)
                ctx.out << '\t' << cornerLetter(c) << ' ' << (o.settings.grams ? "g" : "ml") << '='
                        << numfmt::formatFixed(plan.amounts.total[c], 1);
            ctx.out << "\n";
        }
        if (o.store) {
            // Every name is checked before anything is written.
            std::vector<std::string> names = book.glazeNames();
            for (const Glaze& glaze : stored) {
                if (glaze.naam.size() > RecordNames::width)
                    throw BlendError(
                        fillIn(translate("Cli", "De naam %1 is langer dan 40 tekens."), {glaze.naam}));
                if (RecordNames::taken(glaze.naam, names))
                    throw BlendError(
                        fillIn(translate("Cli", "Er is al een glazuur met de naam %1."), {glaze.naam}));
                names.push_back(glaze.naam);
            }
            for (const Glaze& glaze : stored)
                book.addGlaze(glaze);
            book.save();
            ctx.err << fillIn(translate("Cli", "%1 glazuren opgeslagen"), {std::to_string(stored.size())})
                    << "\n";
        }
        return 0;
    } catch (const BlendError& e) {
        ctx.err << e.what() << "\n";
        return 1;
    }
}

const CommandRegistrar blendCommand(
    "blend",
    QT_TRANSLATE_NOOP("Cli", "blend line|triaxial|biaxial|currie --corners \"A,B[,C[,D]]\" [--cells N | "
                             "--rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PREFIX]   "
                             "plan a blend of glazes"),
    blend, Writes::dataFolderWith("--store"));

} // namespace

} // namespace kelvora::cli
