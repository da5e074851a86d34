// SPDX-License-Identifier: GPL-3.0-or-later
#include "materials/MaterialImporter.h"

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
        for (source.first(); !source.eof(); source.next()) {
            target.insert();
            for (const auto& field : fields)
                target.setText(field, source.asText(field));
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
    return "Doorgaan met toevoegen gegevens uit bestand\r\n" + sourceFile + "\r\n" +
           " aan de tabel met grondstoffen?";
}

bool MaterialImporter::confirmAndImport(Prompter& prompter, const std::string& materialsFile,
                                        const std::string& sourceFile) {
    if (!prompter.confirm(confirmationText(sourceFile))) {
        prompter.information("De gegevens worden NIET geimporteerd.");
        return false;
    }
    importFile(materialsFile, sourceFile);
    prompter.information("De gegevens zijn geimporteerd.");
    return true;
}

} // namespace kelvora
