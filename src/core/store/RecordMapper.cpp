// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RecordMapper.h"

#include "store/View.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>

namespace kelvora {

namespace {
// One field of a value: its name, whether it holds text, and where in the
// value it lives. `arg` tells which line, addition or oxide.
template <typename Value> struct Access {
    std::string name;
    bool text;
    std::string* (*textOf)(Value&, int) = nullptr;
    double* (*numberOf)(Value&, int) = nullptr;
    int arg = 0;
    unsigned parts = FieldParts::Other;
};

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

template <typename Value>
Access<Value> textField(std::string name, std::string* (*of)(Value&, int), int arg = 0) {
    return {std::move(name), true, of, nullptr, arg};
}
template <typename Value>
Access<Value> numberField(std::string name, double* (*of)(Value&, int), int arg = 0) {
    return {std::move(name), false, nullptr, of, arg};
}

// Marks the fields of a glaze's recipe and of what its calculation stores.
template <typename Value> Access<Value> part(Access<Value> access, unsigned parts) {
    access.parts = parts;
    return access;
}

std::string slotName(const char* stem, int n) {
    return stem + std::to_string(n);
}

// Where in the glaze fields the numbered ones start: the recipe lines three
// fields each, then the additions two each, then the oxides.
constexpr std::size_t kFirstLine = 15, kFirstAddition = kFirstLine + 3 * Recipe::slotCount,
                      kFirstOxide = kFirstAddition + 2 * Recipe::additionCount;

// The glaze fields in the order the table stores them.
const std::vector<Access<Glaze>>& glazeAccess() {
    using G = Glaze;
    static const std::vector<Access<G>> fields = [] {
        std::vector<Access<G>> f{
            textField<G>("naam", [](G& g, int) { return &g.naam; }),
            textField<G>("omsc", [](G& g, int) { return &g.omsc; }),
            part(numberField<G>("prys", [](G& g, int) { return &g.prys; }), FieldParts::Result),
            textField<G>("datm", [](G& g, int) { return &g.datm; }),
            part(numberField<G>("tmpv", [](G& g, int) { return &g.tmpv; }), FieldParts::Result),
            textField<G>("skva", [](G& g, int) { return &g.skva; }),
            part(numberField<G>("tmpt", [](G& g, int) { return &g.tmpt; }), FieldParts::Result),
            textField<G>("sktt", [](G& g, int) { return &g.sktt; }),
            textField<G>("catg", [](G& g, int) { return &g.catg; }),
            textField<G>("brtm", [](G& g, int) { return &g.brtm; }),
            textField<G>("oxrd", [](G& g, int) { return &g.oxrd; }),
            textField<G>("tstd", [](G& g, int) { return &g.tstd; }),
            textField<G>("levm", [](G& g, int) { return &g.levm; }),
            textField<G>("imgf", [](G& g, int) { return &g.imgf; }),
            part(textField<G>("molp", [](G& g, int) { return &g.recipe.molp; }), FieldParts::Input),
        };
        constexpr unsigned both = FieldParts::Input | FieldParts::Result;
        for (int n = 1; n <= Recipe::slotCount; ++n) {
            f.push_back(part(textField<G>(
                                 SlotFields::name(SlotKind::Recipe, n),
                                 [](G& g, int i) { return &g.recipe.recipeSlots[at(i)].name; }, n - 1),
                             FieldParts::Input));
            f.push_back(part(numberField<G>(
                                 SlotFields::amount(SlotKind::Recipe, n),
                                 [](G& g, int i) { return &g.recipe.recipeSlots[at(i)].mtp; }, n - 1),
                             both));
            f.push_back(part(
                numberField<G>(
                    SlotFields::mols(n), [](G& g, int i) { return &g.recipe.recipeSlots[at(i)].mtm; }, n - 1),
                both));
        }
        for (int n = 1; n <= Recipe::additionCount; ++n) {
            f.push_back(part(textField<G>(
                                 SlotFields::name(SlotKind::Addition, n),
                                 [](G& g, int i) { return &g.recipe.additions[at(i)].name; }, n - 1),
                             FieldParts::Input));
            f.push_back(part(numberField<G>(
                                 SlotFields::amount(SlotKind::Addition, n),
                                 [](G& g, int i) { return &g.recipe.additions[at(i)].tvp; }, n - 1),
                             FieldParts::Input));
        }
        for (const auto& oxide : OxideCatalogue::all())
            f.push_back(part(numberField<G>(
                                 std::string(oxide.stem), [](G& g, int i) { return &g.oxides[at(i)]; },
                                 oxide.position - 1),
                             FieldParts::Result));
        // Added later; after the oxides, as the table stores them.
        f.push_back(textField<G>("stat", [](G& g, int) { return &g.stat; }));
        f.push_back(textField<G>("gbop", [](G& g, int) { return &g.gbop; }));
        // The fast paths of the calculation count on these places.
        if (f[2].name != "prys" || f[4].name != "tmpv" || f[6].name != "tmpt" ||
            f[kFirstLine - 1].name != "molp" ||
            f[kFirstAddition].name != SlotFields::name(SlotKind::Addition, 1) ||
            f[kFirstOxide].name != OxideCatalogue::at(1).stem)
            throw std::logic_error("glaze field list out of step with its fast paths");
        return f;
    }();
    return fields;
}

const std::vector<Access<Material>>& materialAccess() {
    using M = Material;
    static const std::vector<Access<M>> fields = [] {
        std::vector<Access<M>> f{
            part(textField<M>("naam", [](M& m, int) { return &m.naam; }), FieldParts::Input),
            textField<M>("omsc", [](M& m, int) { return &m.omsc; }),
            part(numberField<M>("prys", [](M& m, int) { return &m.prys; }), FieldParts::Input),
            part(numberField<M>("molg", [](M& m, int) { return &m.molg; }), FieldParts::Input),
            textField<M>("levr", [](M& m, int) { return &m.levr; }),
            textField<M>("besc", [](M& m, int) { return &m.besc; }),
        };
        for (const auto& oxide : OxideCatalogue::all())
            f.push_back(part(numberField<M>(
                                 std::string(oxide.stem), [](M& m, int i) { return &m.oxides[at(i)]; },
                                 oxide.position - 1),
                             FieldParts::Input));
        // The calculation reads the mark of a material without analysis.
        f.push_back(part(textField<M>("molproc", [](M& m, int) { return &m.molproc; }), FieldParts::Input));
        for (const auto& oxide : OxideCatalogue::all())
            f.push_back(numberField<M>(
                oxide.percentField(), [](M& m, int i) { return &m.percents[at(i)]; }, oxide.position - 1));
        return f;
    }();
    return fields;
}

template <typename Value> const std::vector<Access<Value>>& access() {
    if constexpr (std::is_same_v<Value, Glaze>)
        return glazeAccess();
    else
        return materialAccess();
}

// A row's value read straight from its slots: the calculation's fast paths
// read some sixty of them per run.
inline double numberIn(const Packet& packet, const Row& row, int field) {
    return row.num.empty() ? kNullNumber : row.num[at(packet.slot(field))];
}
inline const std::string& textIn(const Packet& packet, const Row& row, int field) {
    static const std::string empty;
    return row.text.empty() ? empty : row.text[at(packet.slot(field))];
}

bool holdsText(FieldType type) {
    return type == FieldType::Text || type == FieldType::Memo;
}

bool sameNumber(double a, double b) {
    if (isNullNumber(a) || isNullNumber(b)) return isNullNumber(a) && isNullNumber(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

std::string SlotFields::name(SlotKind kind, int n) {
    return slotName(kind == SlotKind::Recipe ? "mat" : "tvs", n);
}

std::string SlotFields::amount(SlotKind kind, int n) {
    return slotName(kind == SlotKind::Recipe ? "mtp" : "tvp", n);
}

std::string SlotFields::mols(int n) {
    return slotName("mtm", n);
}

void SlotFields::append(FieldDefs& fields) {
    for (int n = 1; n <= Recipe::slotCount; ++n) {
        fields.push_back({name(SlotKind::Recipe, n), FieldType::Text, 40});
        fields.push_back({amount(SlotKind::Recipe, n), FieldType::Float, 0});
        fields.push_back({mols(n), FieldType::Float, 0});
    }
    for (int n = 1; n <= Recipe::additionCount; ++n) {
        fields.push_back({name(SlotKind::Addition, n), FieldType::Text, 40});
        fields.push_back({amount(SlotKind::Addition, n), FieldType::Float, 0});
    }
}

template <typename Value> RecordMapper<Value>::RecordMapper(const Packet& packet) {
    const auto& fields = access<Value>();
    positions_.reserve(fields.size());
    for (const auto& field : fields) {
        int position = packet.fieldIndex(field.name);
        // A field of another kind than the value expects is not this field.
        if (position >= 0 && holdsText(packet.fields()[at(position)].type) != field.text) position = -1;
        positions_.push_back(position);
        if (position < 0) {
            lacksFields_ = true;
            continue;
        }
        const auto index = static_cast<std::uint16_t>(positions_.size() - 1);
        for (unsigned bit = 0; bit < 3; ++bit)
            if (field.parts & (1u << bit)) byPart_[bit].push_back(index);
        byPart_[3].push_back(index);
    }
}

// The fields of one part straight from the lists; of several parts merged in order.
template <typename Value>
const std::vector<std::uint16_t>& RecordMapper<Value>::fieldsOf(unsigned parts,
                                                                std::vector<std::uint16_t>& scratch) const {
    if (parts == FieldParts::All) return byPart_[3];
    for (unsigned bit = 0; bit < 3; ++bit)
        if (parts == (1u << bit)) return byPart_[bit];
    scratch.clear();
    for (std::size_t i = 0; i < positions_.size(); ++i)
        if (positions_[i] >= 0 && (access<Value>()[i].parts & parts))
            scratch.push_back(static_cast<std::uint16_t>(i));
    return scratch;
}

template <typename Value>
void RecordMapper<Value>::read(const Packet& packet, const Row& row, Value& value, unsigned parts) const {
    if constexpr (std::is_same_v<Value, Glaze>) {
        // The calculation reads only the recipe, for every run: field by
        // field without the general accessors.
        if (parts == FieldParts::Input && !lacksFields_) {
            auto text = [&](std::size_t i, std::string& to) {
                to.assign(textIn(packet, row, positions_[i]));
            };
            auto number = [&](std::size_t i) { return numberIn(packet, row, positions_[i]); };
            text(kFirstLine - 1, value.recipe.molp);
            for (std::size_t n = 0; n < value.recipe.recipeSlots.size(); ++n) {
                auto& slot = value.recipe.recipeSlots[n];
                text(kFirstLine + 3 * n, slot.name);
                slot.mtp = number(kFirstLine + 3 * n + 1);
                slot.mtm = number(kFirstLine + 3 * n + 2);
            }
            for (std::size_t n = 0; n < value.recipe.additions.size(); ++n) {
                auto& addition = value.recipe.additions[n];
                text(kFirstAddition + 2 * n, addition.name);
                addition.tvp = number(kFirstAddition + 2 * n + 1);
            }
            return;
        }
    }
    const auto& fields = access<Value>();
    // Fields the table lacks read as empty.
    if (lacksFields_)
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (positions_[i] < 0 && (fields[i].parts & parts)) {
                if (fields[i].text)
                    fields[i].textOf(value, fields[i].arg)->clear();
                else
                    *fields[i].numberOf(value, fields[i].arg) = kNullNumber;
            }
    std::vector<std::uint16_t> scratch;
    for (const std::uint16_t i : fieldsOf(parts, scratch)) {
        const auto& field = fields[i];
        const int position = positions_[i];
        if (field.text)
            field.textOf(value, field.arg)
                ->assign(textIn(packet, row, position)); // reuses the value's storage
        else
            *field.numberOf(value, field.arg) = numberIn(packet, row, position);
    }
}

template <typename Value>
void RecordMapper<Value>::write(const Packet& packet, Row& row, const Value& value) const {
    const auto& fields = access<Value>();
    auto& source = const_cast<Value&>(value); // the accessors only read here
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto& field = fields[i];
        const int position = positions_[i];
        if (position < 0) continue;
        if (field.text) {
            const std::string& text = *field.textOf(source, field.arg);
            if (text != packet.text(row, position)) packet.setText(row, position, text);
            continue;
        }
        double number = *field.numberOf(source, field.arg);
        if (std::isfinite(number) && packet.fields()[at(position)].type == FieldType::Integer) {
            number = std::nearbyint(number);
            if (number < INT32_MIN || number > INT32_MAX) number = kNullNumber;
        }
        if (sameNumber(number, packet.number(row, position))) continue;
        if (std::isfinite(number))
            packet.setNumber(row, position, number);
        else
            packet.setNull(row, position);
    }
}

template <typename Value>
bool RecordMapper<Value>::readCurrent(const View& view, Value& value, unsigned parts) const {
    if (!view.active()) return false;
    const Packet& packet = view.packet();
    const int row = view.recNo();
    if (row < 0 || row >= static_cast<int>(packet.rows.size())) return false;
    read(packet, packet.rows[at(row)], value, parts);
    return true;
}

template <typename Value> Value RecordMapper<Value>::current(const View& view) {
    Value value;
    if (view.active()) RecordMapper(view.packet()).readCurrent(view, value);
    return value;
}

template <typename Value> std::vector<Value> RecordMapper<Value>::all(const View& view, unsigned parts) {
    std::vector<Value> values;
    if (!view.active()) return values;
    const Packet& packet = view.packet();
    const RecordMapper mapper(packet);
    values.resize(packet.rows.size());
    for (std::size_t r = 0; r < packet.rows.size(); ++r)
        mapper.read(packet, packet.rows[r], values[r], parts);
    return values;
}

template <typename Value>
void RecordMapper<Value>::applyTo(View& view, const Value& value, unsigned parts) const {
    if (view.state() != ViewState::Edit && view.state() != ViewState::Insert) view.edit();
    if constexpr (std::is_same_v<Value, Glaze>) {
        // What a calculation stores, written after every run: numbers only,
        // each only where it changed (every write tells the bound controls).
        if (parts == FieldParts::Result && !lacksFields_) {
            const Packet& packet = view.packet();
            auto put = [&](std::size_t i, double number) {
                const int position = positions_[i];
                const Row& row = packet.rows[at(view.recNo())];
                if (!sameNumber(number, numberIn(packet, row, position))) view.setNumber(position, number);
            };
            put(2, value.prys);
            put(4, value.tmpv);
            put(6, value.tmpt);
            for (std::size_t n = 0; n < value.recipe.recipeSlots.size(); ++n) {
                put(kFirstLine + 3 * n + 1, value.recipe.recipeSlots[n].mtp);
                put(kFirstLine + 3 * n + 2, value.recipe.recipeSlots[n].mtm);
            }
            for (std::size_t k = 0; k < value.oxides.size(); ++k)
                put(kFirstOxide + k, value.oxides[k]);
            return;
        }
    }
    const auto& fields = access<Value>();
    auto& source = const_cast<Value&>(value); // the accessors only read here
    std::vector<std::uint16_t> scratch;
    for (const std::uint16_t i : fieldsOf(parts, scratch)) {
        const auto& field = fields[i];
        const int position = positions_[i];
        // The row is looked up again for each field: an observer told of a
        // change may have written another field of it.
        const Packet& packet = view.packet();
        const Row& row = packet.rows[at(view.recNo())];
        if (field.text) {
            const std::string& text = *field.textOf(source, field.arg);
            if (text != packet.text(row, position)) view.setText(position, text);
        } else {
            const double number = *field.numberOf(source, field.arg);
            if (!sameNumber(number, packet.number(row, position))) view.setNumber(position, number);
        }
    }
}

template class RecordMapper<Glaze>;
template class RecordMapper<Material>;

} // namespace kelvora
