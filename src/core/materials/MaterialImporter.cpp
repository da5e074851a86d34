// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MaterialImporter.h"
#include "common/Translate.h"

#include "model/OxideCatalogue.h"
#include "store/View.h"

#include <vector>

namespace kelvora {

namespace {
// The fields an import carries over, in the order they are copied.
std::vector<std::string> copiedFields() {
    std::vector<std::string> fields{"naam", "omsc", "prys", "molg", "levr"};
    for (const auto& oxide : OxideCatalogue::all())
        fields.emplace_back(oxide.stem);
    return fields;
}
} // namespace

int MaterialImporter::importFile(const std::string& materialsFile, const std::string& sourceFile) {
    static const std::vector<std::string> fields = copiedFields();
    View target("MatCDS", materialsFile);
    View source("ImpCDS", sourceFile);
    target.open();
    int appended = 0;
    try {
        source.open();
        // Each field is looked up once, source first, so that a missing
        // field is named as the first copied record would name it.
        std::vector<std::pair<int, int>> copied; // source field, target field
        if (source.recordCount() > 0)
            for (const auto& field : fields) {
                const int from = source.fieldIndex(field);
                copied.emplace_back(from, target.fieldIndex(field));
            }
        for (source.first(); !source.eof(); source.next()) {
            // Appended at the end, so that each record costs the same
            // whatever the size of the table.
            target.append();
            for (const auto& [from, to] : copied)
                if (!source.isNull(from)) target.setText(to, source.asText(from)); // a new record is empty
            target.post();
            ++appended;
        }
    } catch (...) {
        // Drop the half-filled record and everything appended so far: without
        // a file name the view has nowhere to write them when it closes.
        target.setFileName({});
        target.close();
        source.close();
        throw;
    }
    target.close();
    source.close();
    return appended;
}

std::string MaterialImporter::confirmationText(const std::string& sourceFile) {
    return fillIn(translate("MaterialImport",
                            "Doorgaan met toevoegen gegevens uit bestand\r\n%1\r\n aan de tabel met "
                            "grondstoffen?"),
                  {sourceFile});
}

bool MaterialImporter::confirmAndImport(Prompter& prompter, const std::string& materialsFile,
                                        const std::string& sourceFile) {
    if (!prompter.confirm(confirmationText(sourceFile))) {
        prompter.information(translate("MaterialImport", "De gegevens worden NIET geimporteerd."));
        return false;
    }
    importFile(materialsFile, sourceFile);
    prompter.information(translate("MaterialImport", "De gegevens zijn geimporteerd."));

    return true;
}

} // namespace kelvora
