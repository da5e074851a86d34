// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/BlendBook.h"
#include "common/Translate.h"

#include "model/RecordNames.h"
#include "model/TableLayouts.h"
#include "store/DataFiles.h"
#include "store/PacketCodec.h"
#include "store/View.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace kelvora {

namespace {

constexpr std::size_t kNameWidth = 20;

BlendSettings read(const View& view, int row) {
    auto text = [&](const char* field) { return view.textAt(row, view.fieldIndex(field)); };
    auto number = [&](const char* field, double fallback) {
        const double value = view.numberAt(row, view.fieldIndex(field));
        return isNullNumber(value) ? fallback : value;
    };
    BlendSettings s;
    s.name = text("naam");
    s.kind = blendKindFromName(text("soort")).value_or(BlendKind::Line);
    std::istringstream corners(text("hoeken"));
    for (std::string name; std::getline(corners, name);)
        s.corners.push_back(name);
    s.cells = static_cast<int>(number("cellen", BlendSettings::defaultCells(s.kind)));
    s.rows = static_cast<int>(number("rijen", 5));
    s.columns = static_cast<int>(number("kolommen", 5));
    s.low = number("van", 0.0);
    s.high = number("tot", 1.0);
    s.amount = number("hoeveelheid", 20.0);
    s.grams = text("eenheid") == "g";
    s.margin = number("marge", 0.0);
    return s;
}

void write(View& view, const BlendSettings& s) {
    std::string corners;
    for (const auto& name : s.corners)
        corners += (corners.empty() ? "" : "\n") + name;
    view.setText("naam", s.name);
    view.setText("soort", blendKindName(s.kind));
    view.setText("hoeken", corners);
    view.setNumber("cellen", s.cells);
    view.setNumber("rijen", s.rows);
    view.setNumber("kolommen", s.columns);
    view.setNumber("van", s.low);
    view.setNumber("tot", s.high);
    view.setNumber("hoeveelheid", s.amount);
    view.setText("eenheid", s.grams ? "g" : "ml");
    view.setNumber("marge", s.margin);
}

} // namespace

std::vector<BlendSettings> BlendBook::all() const {
    const std::string path = DataFiles::blends(dataDir_);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    View view("MgrCDS", path);
    view.declareFields(TableLayouts::blends());
    view.open();
    std::vector<BlendSettings> blends;
    for (int row = 0; row < view.recordCount(); ++row)
        blends.push_back(read(view, row));
    view.close();
    std::sort(blends.begin(), blends.end(),
              [](const BlendSettings& a, const BlendSettings& b) { return a.name < b.name; });
    return blends;
}

std::optional<BlendSettings> BlendBook::find(const std::string& name) const {
    for (auto& blend : all())
        if (RecordNames::same(blend.name, name)) return blend;
    return std::nullopt;
}

void BlendBook::save(const BlendSettings& blend) const {
    if (Recipe::isBlank(blend.name))
        throw BlendError(translate("Blend", "Geef de mengreeks eerst een naam."));
    if (blend.name.size() > kNameWidth)
        throw BlendError(fillIn(translate("Blend", "De naam van een mengreeks is hoogstens %1 tekens."),
                                {std::to_string(kNameWidth)}));

    const std::string path = DataFiles::blends(dataDir_);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) writePacketFile(path, Packet(TableLayouts::blends()));
    View view("MgrCDS", path);
    view.declareFields(TableLayouts::blends());
    view.setLogChanges(false);
    view.open();
    int found = -1;
    for (int row = 0; row < view.recordCount() && found < 0; ++row)
        if (RecordNames::same(view.textAt(row, view.fieldIndex("naam")), blend.name)) found = row;
    try {
        if (found >= 0) {
            view.moveTo(found);
            view.edit();
        } else {
            view.append();
        }
        write(view, blend);
        view.post();
        view.close(); // one atomic write of the table
    } catch (...) {
        view.setFileName({}); // nothing half done reaches the disk
        view.close();
        throw;
    }
}

} // namespace kelvora
