// SPDX-License-Identifier: GPL-3.0-or-later
// list, show, export and seed: the table store from the command line.
#include "CommandRegistry.h"

#include "common/Translate.h"

#include "model/TableLayouts.h"
#include "store/AtomicFile.h"
#include "store/PacketCodec.h"
#include "store/View.h"

#include <filesystem>

namespace kelvora::cli {

namespace {

// Opens a table the way the program does: same view name, same declared fields.
void openTable(View& view, const CliContext& ctx, const std::string& which) {
    bool materials = which == "materials" || which == "material";
    view.setFileName(materials ? ctx.matPath() : ctx.glzPath());
    view.declareFields(materials ? TableLayouts::materials() : TableLayouts::glazes());
    view.setReadOnly(true);
    view.setIndexFieldNames("naam");
    view.open();
}

bool isTableWord(const std::string& w, bool singular) {
    return singular ? (w == "material" || w == "glaze") : (w == "materials" || w == "glazes");
}

std::string viewName(const std::string& which) {
    return which[0] == 'm' ? "MatCDS" : "GlzCDS";
}

int list(CliContext& ctx) {
    if (ctx.args.size() != 1 || !isTableWord(ctx.args[0], false)) return 2;
    View view(viewName(ctx.args[0]));
    openTable(view, ctx, ctx.args[0]);
    int naam = view.fieldIndex("naam");
    for (int r = 0; r < view.recordCount(); ++r)
        ctx.out << view.textAt(r, naam) << "\n";
    return 0;
}

int show(CliContext& ctx) {
    if (ctx.args.size() != 2 || !isTableWord(ctx.args[0], true)) return 2;
    View view(viewName(ctx.args[0]));
    openTable(view, ctx, ctx.args[0]);
    if (!view.findKey(ctx.args[1])) {
        ctx.err << fillIn(ctx.args[0] == "material" ? translate("Cli", "No material named \"%1\"")
                                                    : translate("Cli", "No glaze named \"%1\""),
                          {ctx.args[1]})
                << "\n";
        return 1;
    }
    for (int f = 0; f < static_cast<int>(view.fields().size()); ++f) {
        std::string value = view.asText(f);
        std::string shown;
        for (char c : value) {
            if (c == '\n')
                shown += "\\n";
            else if (c != '\r')
                shown += c;
        }
        ctx.out << view.fields()[static_cast<std::size_t>(f)].name << "=" << shown << "\n";
    }
    return 0;
}

int exportTable(CliContext& ctx) {
    bool xml = ctx.args.size() == 3 && ctx.args[2] == "--xml";
    if ((ctx.args.size() != 2 && !xml) || !isTableWord(ctx.args[0], false)) return 2;
    View view(viewName(ctx.args[0]));
    openTable(view, ctx, ctx.args[0]);
    if (xml)
        writeXmlPacketFile(ctx.args[1], view.packet());
    else
        writePacketFile(ctx.args[1], view.packet());
    return 0;
}

// Build step: turns a starter XML packet into a binary data file, but only when
// the data file does not exist yet, so a rebuild never overwrites a user's data.
int seed(CliContext& ctx) {
    if (ctx.args.size() != 2) return 2;
    const std::string& source = ctx.args[0];
    const std::string& target = ctx.args[1];
    if (std::filesystem::exists(target)) return 0;
    const auto folder = std::filesystem::path(target).parent_path();
    std::filesystem::create_directories(folder);
    // Another program may be creating the same file: check again under the lock.
    DataFolderLock lock = lockFolder(folder.empty() ? "." : folder.string());
    if (std::filesystem::exists(target)) return 0;
    auto packet = readPacketFile(source);
    if (!packet) {
        ctx.err << fillIn(translate("Cli", "Cannot read starter data \"%1\""), {source}) << "\n";
        return 1;
    }
    writePacketFile(target, *packet);
    return 0;
}

// An empty data file that carries the table's field definitions.
int newTable(CliContext& ctx) {
    bool xml = ctx.args.size() == 3 && ctx.args[2] == "--xml";
    if ((ctx.args.size() != 2 && !xml) || !isTableWord(ctx.args[0], false)) return 2;
    Packet packet(ctx.args[0] == "materials" ? TableLayouts::materials() : TableLayouts::glazes());
    // The file may be a table of a data folder another program is writing.
    const auto folder = std::filesystem::path(ctx.args[1]).parent_path();
    DataFolderLock lock = lockFolder(folder.empty() ? "." : folder.string());
    if (xml)
        writeXmlPacketFile(ctx.args[1], packet);
    else
        writePacketFile(ctx.args[1], packet);
    return 0;
}

CommandRegistrar listCmd("list",
                         QT_TRANSLATE_NOOP("Cli", "list materials|glazes            names in name order"),
                         list, Writes::nothing());
CommandRegistrar showCmd(
    "show",
    QT_TRANSLATE_NOOP("Cli", "show material|glaze NAME         every field of the first record of that name"),
    show, Writes::nothing());
CommandRegistrar exportCmd(
    "export",
    QT_TRANSLATE_NOOP("Cli", "export materials|glazes FILE [--xml]  the whole table, binary or XML"),
    exportTable, Writes::fileArgument(1));
CommandRegistrar newCmd("new-table",
                        QT_TRANSLATE_NOOP("Cli",
                                          "new-table materials|glazes FILE [--xml]  an empty data file"),
                        newTable, Writes::fileArgument(1));
CommandRegistrar seedCmd("seed", "", seed, Writes::fileArgument(1));

} // namespace
} // namespace kelvora::cli
