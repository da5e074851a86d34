// SPDX-License-Identifier: GPL-3.0-or-later
// calc, report, convert, import and calc-all: the glaze chemistry from the command line.
#include "CommandRegistry.h"

#include "common/NumberFormat.h"
#include "common/Prompter.h"
#include "common/Utf8.h"
#include "engine/GlzDMUnit.h"
#include "glaze/AnalysisReport.h"
#include "materials/MaterialImporter.h"
#include "materials/PercentToMolConverter.h"
#include "model/TableLayouts.h"
#include "store/View.h"

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

int notFound(CliContext& ctx, const char* what, const std::string& name) {
    ctx.err << "No " << what << " named \"" << name << "\" in " << ctx.dbDir << "\n";
    return 1;
}

// Opens the tables, finds the glaze, calculates it when asked (storing the
// result on close) and prints its analysis report. A calculation that stops
// at a fault in the recipe writes nothing, leaves the file as it was and
// prints no report.
int glazeReport(CliContext& ctx, const std::string& name, bool calculate, bool basicNotToOne) {
    StreamPrompter prompter(ctx.err);
    TGlzDM dm(prompter, ctx.dbDir);
    dm.OpenTables();
    if (!dm.GlzCDS.findKey(name)) {
        dm.CloseTables();
        return notFound(ctx, "glaze", name);
    }
    if (calculate && !dm.CalcGlaze(basicNotToOne, false)) {
        dm.CloseTables();
        return 1;
    }
    const auto lines = AnalysisReport::build(dm.GlzCDS, dm.CalcExpansion());
    dm.CloseTables();
    printLines(ctx.out, lines);
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
    View materials("MatCDS", ctx.matPath());
    materials.declareFields(TableLayouts::materials());
    materials.setIndexFieldNames("naam");
    materials.open();
    if (!materials.findKey(ctx.args[0])) {
        materials.close();
        return notFound(ctx, "material", ctx.args[0]);
    }
    const bool converted = PercentToMolConverter::convert(materials, prompter);
    const std::string molWeight = materials.asText("molg");
    materials.close();
    if (!converted) return 1;
    ctx.out << ctx.args[0] << ": molg " << molWeight << "\n";
    return 0;
}

int import(CliContext& ctx) {
    if (ctx.args.size() != 1) return 2;
    const int appended = MaterialImporter::importFile(ctx.matPath(), ctx.args[0]);
    ctx.out << appended << (appended == 1 ? " material" : " materials") << " imported\n";
    return 0;
}

int calcAll(CliContext& ctx) {
    if (!ctx.args.empty()) return 2;
    StreamPrompter prompter(ctx.err);
    TGlzDM dm(prompter, ctx.dbDir);
    dm.OpenTables();
    View& glazes = dm.GlzCDS;
    std::string lines;
    // Names do not change, so every glaze keeps its place in the name order.
    // A glaze whose calculation stops keeps what it held (its line shows the
    // stored values); the file is written once, when the tables close.
    for (int row = 0; row < glazes.recordCount(); ++row) {
        glazes.moveTo(row);
        const std::string name = glazes.asText("naam");
        prompter.setPrefix(name + ": ");
        dm.CalcGlaze(false, false);
        std::string line(name);
        const std::size_t width = utf8::length(name);
        if (width < 42) line.append(42 - width, ' ');
        line += numfmt::formatFixed(glazes.asNumber("prys"), 2, 8) + "  " + glazes.asText("tmpv") + " - " +
                glazes.asText("tmpt") + " gr. C\n";
        lines += line;
    }
    dm.CloseTables();
    ctx.out << lines;
    return 0;
}

const CommandRegistrar
    calcCommand("calc", "calc NAME [--basic-not-to-one]   calculate a glaze, store it, print its analysis",
                calc, Writes::dataFolder());
const CommandRegistrar reportCommand("report", "report NAME   print the analysis of a stored glaze", report,
                                     Writes::nothing());
const CommandRegistrar convertCommand("convert",
                                      "convert NAME   turn a material's percentage analysis into mols",
                                      convert, Writes::dataFolder());
const CommandRegistrar importCommand("import",
                                     "import FILE   append the materials of a table file (XML or binary)",
                                     import, Writes::dataFolder());
const CommandRegistrar calcAllCommand("calc-all", "calc-all   calculate and store every glaze", calcAll,
                                      Writes::dataFolder());

} // namespace

} // namespace kelvora::cli
