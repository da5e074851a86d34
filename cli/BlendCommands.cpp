// SPDX-License-Identifier: GPL-3.0-or-later
// blend: line, triaxial, biaxial and Currie blends of stored glazes, each
// cell's weights and chemistry, what to pour, and cells stored as glazes.
#include "CommandRegistry.h"

#include "blend/BlendMix.h"
#include "common/NumberFormat.h"
#include "engine/Calculate.h"
#include "model/RecordNames.h"
#include "solver/SolverInput.h"
#include "store/GlazeBook.h"

#include <map>
#include <optional>

namespace kelvora::cli {

namespace {

struct Usage {};

struct BlendOptions {
    BlendKind kind = BlendKind::Line;
    std::vector<std::string> corners;
    std::optional<int> cells, rows, columns;
    double low = 0.0, high = 1.0;
    std::optional<double> amount;
    const char* unit = "ml";
    std::optional<std::string> store;
};

int wholeNumber(const std::string& text) {
    const auto value = SolverInput::number(text);
    if (!value || *value != static_cast<int>(*value)) throw Usage{};
    return static_cast<int>(*value);
}

BlendOptions parse(const std::vector<std::string>& args) {
    if (args.empty()) throw Usage{};
    BlendOptions o;
    const auto kind = blendKindFromName(args[0]);
    if (!kind) throw Usage{};
    o.kind = *kind;
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
    o.corners = SolverInput::names(given["--corners"]);
    if (given.count("--cells")) o.cells = wholeNumber(given["--cells"]);
    if (given.count("--rows")) o.rows = wholeNumber(given["--rows"]);
    if (given.count("--cols")) o.columns = wholeNumber(given["--cols"]);
    if (given.count("--range")) {
        if (o.kind != BlendKind::Line) throw Usage{};
        const std::string& range = given["--range"];
        const auto dots = range.find("..");
        if (dots == std::string::npos) throw Usage{};
        const auto low = SolverInput::number(range.substr(0, dots));
        const auto high = SolverInput::number(range.substr(dots + 2));
        if (!low || !high) throw Usage{};
        o.low = *low / 100.0;
        o.high = *high / 100.0;
    }
    for (const char* unit : {"--ml", "--grams"})
        if (given.count(unit)) {
            o.amount = SolverInput::number(given[unit]);
            if (!o.amount) throw Usage{};
            o.unit = std::string(unit) == "--ml" ? "ml" : "g";
        }
    if (given.count("--store")) o.store = given["--store"];
    return o;
}

BlendGrid gridFor(const BlendOptions& o) {
    try {
        switch (o.kind) {
        case BlendKind::Line:
            return BlendGrid::line(o.cells.value_or(11), o.low, o.high);
        case BlendKind::Triaxial:
            return BlendGrid::triaxial(o.cells.value_or(6));
        case BlendKind::Biaxial:
            return BlendGrid::biaxial(o.rows.value_or(5), o.columns.value_or(5));
        case BlendKind::Currie:
            return BlendGrid::currie();
        }
    } catch (const std::invalid_argument& e) {
        throw BlendError(e.what());
    }
    return {};
}

std::string cornerLetter(std::size_t corner) {
    return std::string(1, static_cast<char>('A' + corner));
}

double oxideOf(const OxideFormula& formula, const char* stem) {
    return formula[static_cast<std::size_t>(OxideCatalogue::byStem(stem)->position - 1)];
}

std::string cellName(const std::string& prefix, int number) {
    return prefix + " \u2013 cel " + std::to_string(number);
}

// The glaze of a cell, calculated; its description names the blend and the
// corners' weights.
Glaze cellGlaze(const BlendMix& mix, const BlendGrid& grid, const BlendCell& cell,
                const std::vector<std::string>& corners, const std::string& prefix,
                const MaterialLookup& lookup) {
    Glaze glaze = mix.toGlaze(cellName(prefix, cell.number));
    applyResult(calculate(glaze.recipe, lookup, {}), glaze);
    glaze.omsc = std::string("Mengreeks ") + prefix + " (" + blendKindName(grid.kind) + "), cel " +
                 std::to_string(cell.number) + ":";
    for (std::size_t c = 0; c < corners.size(); ++c)
        glaze.omsc += std::string(c ? ";" : "") + " " + cornerLetter(c) + " " +
                      numfmt::floatText(cell.weights[c] * 100.0) + " % " + corners[c];
    return glaze;
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
        const BlendGrid grid = gridFor(o);
        if (o.corners.size() != static_cast<std::size_t>(grid.corners()))
            throw BlendError(std::string("Een ") + blendKindName(grid.kind) + " heeft " +
                             std::to_string(grid.corners()) + " hoekglazuren.");
        if (o.amount && !(*o.amount > 0.0 && *o.amount <= 10000.0))
            throw BlendError("De hoeveelheid per cel moet groter dan 0 en hoogstens 10000 zijn.");

        GlazeBook book(ctx.dbDir);
        book.load();
        const MaterialLookup& lookup = book.catalogue();
        std::vector<BlendCorner> corners;
        for (const auto& name : o.corners) {
            const auto glaze = book.findGlaze(name);
            if (!glaze) throw BlendError("Onbekend glazuur: " + name);
            corners.push_back(BlendCorner::of(*glaze, lookup));
        }
        const auto amounts = o.amount ? std::optional(BlendAmounts::of(grid, *o.amount)) : std::nullopt;

        std::vector<Glaze> stored;
        for (std::size_t i = 0; i < grid.cells.size(); ++i) {
            const BlendCell& cell = grid.cells[i];
            const BlendMix mix = BlendMix::of(corners, cell.weights, lookup);
            ctx.out << "cell\t" << cell.number;
            for (std::size_t c = 0; c < cell.weights.size(); ++c)
                ctx.out << '\t' << cornerLetter(c) << '='
                        << (cell.parts.empty() ? numfmt::floatText(cell.weights[c])
                                               : std::to_string(cell.parts[c]) + "/24");
            const double sio2 = oxideOf(mix.formula, "sio2"), al2o3 = oxideOf(mix.formula, "al2o3");
            ctx.out << "\tsio2:al2o3="
                    << (al2o3 > 0.0 ? numfmt::formatFixed(sio2 / al2o3, 2) : std::string("-"))
                    << "\tsio2=" << numfmt::formatFixed(sio2, 3)
                    << "\tal2o3=" << numfmt::formatFixed(al2o3, 3)
                    << "\tb2o3=" << numfmt::formatFixed(oxideOf(mix.formula, "b2o3"), 3);
            if (amounts)
                for (std::size_t c = 0; c < amounts->perCell[i].size(); ++c)
                    ctx.out << '\t' << cornerLetter(c) << ' ' << o.unit << '='
                            << numfmt::formatFixed(amounts->perCell[i][c], 1);
            if (!mix.tooLarge.empty()) ctx.out << "\tte groot: " << mix.tooLarge;
            ctx.out << "\n";
            if (o.store && mix.tooLarge.empty())
                stored.push_back(cellGlaze(mix, grid, cell, o.corners, *o.store, lookup));
        }
        if (amounts) {
            ctx.out << "total";
            for (std::size_t c = 0; c < amounts->total.size(); ++c)
                ctx.out << '\t' << cornerLetter(c) << ' ' << o.unit << '='
                        << numfmt::formatFixed(amounts->total[c], 1);
            ctx.out << "\n";
        }
        if (o.store) {
            // Every name is checked before anything is written.
            std::vector<std::string> names = book.glazeNames();
            for (const Glaze& glaze : stored) {
                if (glaze.naam.size() > RecordNames::width)
                    throw BlendError("De naam " + glaze.naam + " is langer dan 40 tekens.");
                if (RecordNames::taken(glaze.naam, names))
                    throw BlendError("Er is al een glazuur met de naam " + glaze.naam + ".");
                names.push_back(glaze.naam);
            }
            for (const Glaze& glaze : stored)
                book.addGlaze(glaze);
            book.save();
            ctx.err << stored.size() << " glazuren opgeslagen\n";
        }
        return 0;
    } catch (const BlendError& e) {
        ctx.err << e.what() << "\n";
        return 1;
    }
}

const CommandRegistrar
    blendCommand("blend",
                 "blend line|triaxial|biaxial|currie --corners \"A,B[,C[,D]]\" [--cells N | "
                 "--rows R --cols C] [--range LO..HI] [--ml M | --grams G] [--store PREFIX]   "
                 "plan a blend of glazes",
                 blend, Writes::dataFolderWith("--store"));

} // namespace

} // namespace kelvora::cli
