// SPDX-License-Identifier: GPL-3.0-or-later
// calc, report, convert, import and calc-all: the glaze chemistry from the command line.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "common/Utf8.h"
#include "engine/Calculate.h"
#include "engine/ExpansionCoefficient.h"
#include "engine/GlazeRecalculation.h"
#include "glaze/AnalysisReport.h"
#include "materials/MaterialImporter.h"
#include "materials/PercentToMolConverter.h"
#include "store/GlazeBook.h"

#include <algorithm>

namespace kelvora::cli {

namespace {

// Writes every message as lines on the error stream, optionally behind a
// prefix; answers every question with No, since nobody is there to answer.
class StreamPrompter : public Prompter {
public:
    explicit StreamPrompter(std::ostream& err) : err_(err) {}
    void setPrefix(std::string prefix) { prefix_ = std::move(prefix); }
    void message(const std::string& text) override { write(text); }
    bool confirm(const std::string& text) override {
        write(text);
        return false;
    }
    void information(const std::string& text) override { write(text); }
    int count() const { return count_; }

private:
    void write(const std::string& text) {
        ++count_;
        std::string line = prefix_;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\r\n") == 0) {
                line += '\n';
                ++i;
            } else {
                line += text[i];
            }
        }
        err_ << line << "\n";
    }
    std::ostream& err_;
    std::string prefix_;
    int count_ = 0;
};

void printLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const auto& line : lines)
        out << line << "\n";
}

// "name   price  from - to gr. C", the line calc-all prints per glaze.
std::string summaryLine(const Glaze& glaze) {
    std::string line(glaze.naam);
    const std::size_t width = utf8::length(glaze.naam);
    if (width < 42) line.append(42 - width, ' ');
    auto degrees = [](double v) {
        return isNullNumber(v) ? std::string() : std::to_string(static_cast<long>(v));
    };
    return line + numfmt::formatFixed(Recipe::amount(glaze.prys), 2, 8) + "  " + degrees(glaze.tmpv) + " - " +
           degrees(glaze.tmpt) + " gr. C\n";
}

// `message` holds the name (%1) and the data folder (%2).
int notFound(CliContext& ctx, const std::string& message, const std::string& name) {
    ctx.err << fillIn(message, {name, ctx.dbDir}) << "\n";
    return 1;
}

int glazeNotFound(CliContext& ctx, const std::string& name) {
    return notFound(ctx, translate("Cli", "No glaze named \"%1\" in %2"), name);
}

int materialNotFound(CliContext& ctx, const std::string& name) {
    return notFound(ctx, translate("Cli", "No material named \"%1\" in %2"), name);
}

// Opens the tables, finds the glaze, calculates it when asked (storing the
// result on close) and prints its analysis report. A calculation that stops
// at a fault in the recipe writes nothing, leaves the file as it was and
// prints no report.
int glazeReport(CliContext& ctx, const std::string& name, bool calculate, bool basicNotToOne) {
    StreamPrompter prompter(ctx.err);
    GlazeBook book(ctx.dbDir);
    book.load();
    const auto names = book.glazeNames();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return glazeNotFound(ctx, name);
    const int index = static_cast<int>(found - names.begin());
    if (calculate && !GlazeRecalculation::at(book, index, {basicNotToOne, false}, prompter)) return 1;
    const Glaze glaze = book.glazeAt(index);
    const auto withoutAnalysis = AnalysisReport::linesWithoutAnalysis(glaze, book.catalogue());
    book.close();
    printLines(ctx.out,
               AnalysisReport::build(glaze, ExpansionCoefficient::of(glaze.oxides), withoutAnalysis));
    return 0;
}

int calc(CliContext& ctx) {
    bool basicNotToOne = false;
    std::vector<std::string> names;
    for (const auto& arg : ctx.args) {
        if (arg == "--basic-not-to-one")
            basicNotToOne = true;
        else
            names.push_back(arg);
    }
    if (names.size() != 1) return 2;
    return glazeReport(ctx, names[0], true, basicNotToOne);
}

int report(CliContext& ctx) {
    if (ctx.args.size() != 1) return 2;
    return glazeReport(ctx, ctx.args[0], false, false);
}

int convert(CliContext& ctx) {
    if (ctx.args.size() != 1) return 2;
    StreamPrompter prompter(ctx.err);
    GlazeBook book(ctx.dbDir);
    book.loadMaterials();
    auto material = book.findMaterial(ctx.args[0]);
    if (!material) return materialNotFound(ctx, ctx.args[0]);
    if (!PercentToMolConverter::convert(*material, prompter)) return 1;
    book.updateMaterial(ctx.args[0], *material);
    book.close();
    ctx.out << ctx.args[0] << ": molg " << numfmt::floatText(material->molg) << "\n";
    return 0;
}

int import(CliContext& ctx) {
    if (ctx.args.size() != 1) return 2;
    const int appended = MaterialImporter::importFile(ctx.matPath(), ctx.args[0]);
    ctx.out << fillIn(appended == 1 ? translate("Cli", "%1 material imported")
                                    : translate("Cli", "%1 materials imported"),
                      {std::to_string(appended)})
            << "\n";
    return 0;
}

int calcAll(CliContext& ctx) {
    if (!ctx.args.empty()) return 2;
    StreamPrompter prompter(ctx.err);
    GlazeBook book(ctx.dbDir);
    book.load();
    std::string lines;
    // Names do not change, so every glaze keeps its place in the name order.
    // A glaze whose calculation stops keeps what it held (its line shows the
    // stored values); the file is written once, when the book closes.
    for (int index = 0; index < book.glazeCount(); ++index) {
        prompter.setPrefix(book.glazeAt(index).naam + ": ");
        GlazeRecalculation::at(book, index, {}, prompter);
        lines += summaryLine(book.glazeAt(index));
    }
    book.close();
    ctx.out << lines;
    return 0;
}

// Recalculates the glazes that use one material, after its price or
// analysis changed; one summary line per glaze.
int recalcUsing(CliContext& ctx) {
    if (ctx.args.size() != 1) return 2;
    StreamPrompter prompter(ctx.err);
    GlazeBook book(ctx.dbDir);
    book.load();
    if (!book.findMaterial(ctx.args[0])) return materialNotFound(ctx, ctx.args[0]);
    std::string lines;
    for (const auto& name : GlazeRecalculation::recalcUsing(book, ctx.args[0], prompter))
        lines += summaryLine(*book.findGlaze(name));
    book.close();
    ctx.out << lines;
    return 0;
}

const CommandRegistrar calcCommand(
    "calc",
    QT_TRANSLATE_NOOP("Cli",
                      "calc NAME [--basic-not-to-one]   calculate a glaze, store it, print its analysis"),
    calc, Writes::dataFolder());
const CommandRegistrar
    reportCommand("report", QT_TRANSLATE_NOOP("Cli", "report NAME   print the analysis of a stored glaze"),
                  report, Writes::nothing());
const CommandRegistrar
    convertCommand("convert",
                   QT_TRANSLATE_NOOP("Cli", "convert NAME   turn a material's percentage analysis into mols"),
                   convert, Writes::dataFolder());
const CommandRegistrar importCommand(
    "import", QT_TRANSLATE_NOOP("Cli", "import FILE   append the materials of a table file (XML or binary)"),
    import, Writes::dataFolder());
const CommandRegistrar calcAllCommand("calc-all",
                                      QT_TRANSLATE_NOOP("Cli", "calc-all   calculate and store every glaze"),
                                      calcAll, Writes::dataFolder());
const CommandRegistrar recalcUsingCommand(
    "recalc-using",
    QT_TRANSLATE_NOOP("Cli", "recalc-using MATERIAL   recalculate and store the glazes that use a material"),
    recalcUsing, Writes::dataFolder());

} // namespace

} // namespace kelvora::cli
