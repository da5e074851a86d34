// SPDX-License-Identifier: GPL-3.0-or-later
// export-recipes: recipes for other glaze tools, to a file or standard output.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "interchange/RecipeExport.h"
#include "store/GlazeBook.h"

namespace kelvora::cli {

namespace {

int exportRecipesCommand(CliContext& ctx) {
    if (ctx.args.empty() || ctx.args[0].rfind("--", 0) == 0) return 2;
    const std::string& file = ctx.args[0];
    std::optional<ExportFormat> format;
    bool all = false;
    std::vector<std::string> names;
    for (std::size_t i = 1; i < ctx.args.size(); ++i) {
        const std::string& word = ctx.args[i];
        if (word == "--format") {
            if (format || ++i == ctx.args.size()) return 2;
            format = exportFormatByName(ctx.args[i]);
            if (!format) {
                ctx.err << fillIn(translate("Cli", "Unknown format \"%1\""), {ctx.args[i]}) << "\n";
                return 2;
            }
        } else if (word == "--all") {
            all = true;
        } else if (word.rfind("--", 0) == 0) {
            return 2;
        } else {
            names.push_back(word);
        }
    }
    if (!format || all == !names.empty()) return 2;

    GlazeBook book(ctx.dbDir);
    book.load();
    std::vector<Glaze> glazes;
    if (all) glazes = book.glazes();
    int unknown = 0;
    for (const auto& name : names) {
        if (auto glaze = book.findGlaze(name))
            glazes.push_back(std::move(*glaze));
        else {
            ctx.err << fillIn(translate("Cli", "No glaze named \"%1\" in %2"), {name, ctx.dbDir}) << "\n";
            ++unknown;
        }
    }
    if (unknown) return 1;

    const ExportSet set = ExportSet::of(std::move(glazes), book.materials());
    if (file == "-") {
        const auto files = exportRecipes(set, *format);
        ctx.out << files.front().content;
        // Standard output holds one file; a second (the materials) needs a file name.
        for (std::size_t i = 1; i < files.size(); ++i)
            ctx.err << fillIn(translate("Cli", "Materials file (%1) not written: give a FILE to get it"),
                              {files[i].suffix})
                    << "\n";
        return 0;
    }
    writeExport(file, set, *format);
    return 0;
}

CommandRegistrar exportRecipesCmd(
    "export-recipes",
    QT_TRANSLATE_NOOP("Cli", "export-recipes FILE|- --format glazy-yaml|insight-xml|glazechem|text|csv "
                             "(NAME...|--all)  recipes for other tools"),
    exportRecipesCommand, Writes::fileArgument(0));

} // namespace
} // namespace kelvora::cli
