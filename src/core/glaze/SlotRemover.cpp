// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/SlotRemover.h"

#include "model/TableLayouts.h"

#include <functional>

namespace kelvora {

namespace {
using FieldName = std::function<std::string(int)>;

bool removeSlot(View& glazes, const std::string& name, int slots, const FieldName& nameField,
                std::initializer_list<FieldName> numberFields) {
    if (glazes.state() != ViewState::Edit && glazes.state() != ViewState::Insert) glazes.edit();
    int k = 1;
    while (k <= slots && glazes.asText(nameField(k)) != name)
        ++k;
    if (k > slots) return false;
    for (int j = k; j < slots; ++j) {
        glazes.setText(nameField(j), glazes.asText(nameField(j + 1)));
        // An empty amount moves up as 0.
        for (const auto& field : numberFields)
            glazes.setNumber(field(j), glazes.asNumber(field(j + 1)));
    }
    glazes.setText(nameField(slots), "");
    for (const auto& field : numberFields)
        glazes.setNumber(field(slots), 0.0);
    return true;
}
} // namespace

bool SlotRemover::removeMaterial(View& glazes, const std::string& name) {
    return removeSlot(glazes, name, TableLayouts::recipeSlots, TableLayouts::matField,
                      {TableLayouts::mtpField, TableLayouts::mtmField});
}

bool SlotRemover::removeAddition(View& glazes, const std::string& name) {
    return removeSlot(glazes, name, TableLayouts::additionSlots, TableLayouts::tvsField,
                      {TableLayouts::tvpField});
}

} // namespace kelvora
