// SPDX-License-Identifier: GPL-3.0-or-later
// import-recipes: recipes from other tools' files and pasted text, shown as
// a preview and written, with their new materials, in one change.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "common/RegularFile.h"
#include "interchange/ImportBounds.h"
#include "interchange/ImportError.h"
#include "interchange/ImportPlan.h"
#include "interchange/ImportWriter.h"
#include "interchange/RecipeFormat.h"
#include "store/AliasBook.h"
#include "store/GlazeBook.h"

#include <iostream>
#include <iterator>
#include <optional>

namespace kelvora::cli {

namespace {

struct Usage {};

struct ImportOptions {
    std::string file; // "-" for standard input
    std::optional<RecipeFormat> format;
    std::string materials;
    std::vector<std::pair<std::string, std::string>> map;
    bool createMaterials = false;
    bool dryRun = false;
};

// "NAAM=GRONDSTOF;NAAM=GRONDSTOF"; a pair without "=" or with a blank side
// is a usage error.
std::vector<std::pair<std::string, std::string>> mapping(const std::string& text) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find(';', from), text.size());
        const std::string item = text.substr(from, end - from);
        from = end + 1;
        if (item.find_first_not_of(" \t") == std::string::npos) continue;
        const auto eq = item.find('=');
        if (eq == std::string::npos) throw Usage{};
        auto trim = [](std::string s) {
            const auto a = s.find_first_not_of(" \t");
            const auto b = s.find_last_not_of(" \t");
            return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
        };
        std::string name = trim(item.substr(0, eq)), material = trim(item.substr(eq + 1));
        if (name.empty() || material.empty()) throw Usage{};
        pairs.emplace_back(std::move(name), std::move(material));
    }
    if (pairs.empty()) throw Usage{};
    return pairs;
}

ImportOptions parse(const std::vector<std::string>& args) {
    ImportOptions o;
    bool haveFile = false, haveMaterials = false, haveMap = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw Usage{};
            return args[++i];
        };
        if (a == "--format") {
            if (o.format) throw Usage{};
            o.format = recipeFormatByName(value());
            if (!o.format) throw Usage{};
        } else if (a == "--materials") {
            if (haveMaterials) throw Usage{};
            o.materials = value();
            haveMaterials = true;
        } else if (a == "--map") {
            if (haveMap) throw Usage{};
            o.map = mapping(value());
            haveMap = true;
        } else if (a == "--create-materials") {
            o.createMaterials = true;
        } else if (a == "--dry-run") {
            o.dryRun = true;
        } else if (a != "-" && a.rfind("--", 0) == 0) {
            throw Usage{};
        } else {
            if (haveFile) throw Usage{};
            o.file = a;
            haveFile = true;
        }
    }
    if (!haveFile) throw Usage{};
    return o;
}

// The bytes of a file, or of standard input for "-", within the import's bound.
std::string readInput(const std::string& path) {
    std::string bytes;
    if (path == "-") {
        char buffer[65536];
        while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
            bytes.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
            ImportBounds::checkSize(bytes.size());
        }
        return bytes;
    }
    std::string reason;
    if (!RegularFile::read(path, bytes, reason, ImportBounds::kMaxBytes + 1))
        throw ImportError(fillIn(translate("Cli", "Bestand niet gevonden: %1"), {path}));
    if (!reason.empty()) throw ImportError(path + ": " + reason);
    ImportBounds::checkSize(bytes.size());
    return bytes;
}

ImportedFile readFile(const std::string& path, std::optional<RecipeFormat> format) {
    const std::string bytes = readInput(path);
    return readRecipeFile(bytes, format ? *format : recogniseRecipeFormat(bytes));
}

void preview(std::ostream& out, std::ostream& err, const ImportPlan& plan) {
    int newMaterials = 0, recipes = 0, skipped = 0;
    for (const auto& row : plan.materials()) {
        out << "material\t" << row.name << '\t' << row.state() << '\t' << row.material() << '\n';
        if (row.choice == MaterialChoice::FromAnalysis || row.choice == MaterialChoice::WithoutAnalysis)
            ++newMaterials;
        for (const auto& note : row.notes)
            err << fillIn(translate("Cli", "grondstof '%1': %2"), {row.name, note}) << '\n';
        if (row.conversion && row.choice == MaterialChoice::FromAnalysis)
            for (const auto& note : row.conversion->notes)
                err << fillIn(translate("Cli", "grondstof '%1': %2"), {row.name, note}) << '\n';
        if (row.choice == MaterialChoice::Skip && !row.recipes.empty()) {
            std::string names;
            for (const auto& name : row.recipes)
                names += (names.empty() ? "" : ", ") + name;
            err << fillIn(translate("Cli", "grondstof '%1' overgeslagen, en daarmee: %2"), {row.name, names})
                << '\n';
        }
    }
    for (const auto& recipe : plan.recipes()) {
        out << "recipe\t" << recipe.glaze.naam << '\t' << recipe.state() << '\t' << recipe.baseLines << '\t'
            << recipe.additions << '\n';
        recipe.skipped ? ++skipped : ++recipes;
        for (const auto& note : recipe.notes)
            err << fillIn(translate("Cli", "recept '%1': %2"), {recipe.fileName, note}) << '\n';
    }
    out << "summary\t" << recipes << " recepten\t" << newMaterials << " nieuwe grondstoffen\t" << skipped
        << " overgeslagen\t" << plan.problems().size() << " open\n";
}

int importRecipes(CliContext& ctx) {
    ImportOptions o;
    try {
        o = parse(ctx.args);
    } catch (const Usage&) {
        return 2;
    }
    if (o.file == "-" && o.materials == "-") return 2;
    const ImportedFile file = readFile(o.file, o.format);
    std::vector<ImportedMaterial> extra;
    if (!o.materials.empty()) extra = readFile(o.materials, std::nullopt).materials;

    GlazeBook book(ctx.dbDir);
    book.load();
    AliasBook aliases(ctx.dbDir, AliasBook::shippedFile(chemistryFolder()));
    aliases.load();
    ImportPlan plan(file, book.materials(), book.glazeNames(), aliases.all(), extra);
    for (const auto& [name, material] : o.map) {
        PlannedMaterial* row = plan.material(name);
        if (!row) {
            ctx.err << fillIn(translate("Cli", "--map: '%1' komt in het bestand niet voor"), {name}) << "\n";
            return 1;
        }
        row->choice = MaterialChoice::MapTo;
        row->mapTo = material;
    }
    if (o.createMaterials) plan.createAllOpen();
    plan.update();

    preview(ctx.out, ctx.err, plan);
    if (!plan.settled()) {
        for (const auto& problem : plan.problems())
            ctx.err << problem << '\n';
        ctx.err << translate("Cli", "Niets geschreven.") << "\n";
        book.discardChanges();
        return 1;
    }
    if (o.dryRun) {
        book.discardChanges();
        return 0;
    }
    ImportWriter::write(plan, book, aliases);
    return 0;
}

const CommandRegistrar importRecipesCommand(
    "import-recipes",
    QT_TRANSLATE_NOOP("Cli",
                      "import-recipes FILE|- [--format F] [--materials FILE] [--map \"NAAM=GRONDSTOF;...\"] "
                      "[--create-materials] [--dry-run]   import recipes from other tools, after a preview"),
    importRecipes, Writes::dataFolder());

} // namespace

} // namespace kelvora::cli
