// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/FieldDef.h"
#include "model/Glaze.h"
#include "model/Material.h"
#include "store/Packet.h"
#include "store/View.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvora {

// The one place that knows how a glaze and a material lie in a table: the
// field names, the twelve recipe lines and five additions as numbered
// fields, and the oxide fields. It maps a row to a value and a value back to
// a row; nothing else in the program spells a slot field.
//
// A table that lacks one of the fields reads it as empty and is not written
// there. Writing back a value read from a row leaves the row as it was, so a
// table read and written without changes keeps its bytes.
// Parts of a record, to read or write only some of its fields: what a
// calculation reads (a glaze's recipe; a material's name, price, weight and
// formula), and what a glaze's calculation stores. Every field is in All.
struct FieldParts {
    static constexpr unsigned Other = 1, Input = 2, Result = 4, All = 7;
};

template <typename Value> class RecordMapper {
public:
    // Looks up the positions of the value's fields in the packet once.
    explicit RecordMapper(const Packet& packet);

    // Reads the fields of the given parts; the others keep what they held.
    void read(const Packet& packet, const Row& row, Value& value, unsigned parts = FieldParts::All) const;
    Value read(const Packet& packet, const Row& row) const {
        Value value;
        read(packet, row, value);
        return value;
    }
    // Writes every field of the value into the row.
    void write(const Packet& packet, Row& row, const Value& value) const;

    // The current record of an open view, unposted edits included; an empty
    // value when the view is closed or has no rows.
    static Value current(const View& view);
    // Every row of an open view, in its order; none when it is closed. Only
    // the fields of the given parts are read.
    static std::vector<Value> all(const View& view, unsigned parts = FieldParts::All);
    // Calls `visit` with every row of an open view in turn, as one value
    // that is read anew for each row.
    template <typename Visit> static void forEach(const View& view, unsigned parts, Visit visit) {
        if (!view.active()) return;
        const Packet& packet = view.packet();
        const RecordMapper mapper(packet);
        Value value;
        for (const Row& row : packet.rows) {
            mapper.read(packet, row, value, parts);
            visit(value);
        }
    }
    // Writes into the current record of an open view the fields in which
    // `value` differs from it, putting the view into edit state first when it
    // is browsing; nothing is posted. Each changed field tells the view's
    // observers, so bound controls follow.
    static void apply(View& view, const Value& value) { RecordMapper(view.packet()).applyTo(view, value); }

    // The same with the positions of a mapper made for the view's packet
    // (kept while the view stays open, to look the fields up only once).
    // readCurrent gives false, and leaves `value` as it was, without a row.
    bool readCurrent(const View& view, Value& value, unsigned parts = FieldParts::All) const;
    void applyTo(View& view, const Value& value, unsigned parts = FieldParts::All) const;

private:
    std::vector<int> positions_; // per field of the value; -1 when the table lacks it
    // Per part, the fields of the value the table holds, in order; then all of them.
    std::vector<std::uint16_t> byPart_[4];
    bool lacksFields_ = false;
    const std::vector<std::uint16_t>& fieldsOf(unsigned parts, std::vector<std::uint16_t>& scratch) const;
};

using GlazeMapper = RecordMapper<Glaze>;
using MaterialMapper = RecordMapper<Material>;

// The slot layout, for controls bound to one field of one place (n counted
// from 1) and for the table layouts.
struct SlotFields {
    static std::string name(SlotKind kind, int n);   // material name of a line or addition
    static std::string amount(SlotKind kind, int n); // its percentage, or an addition's parts
    static std::string mols(int n);                  // a line's mol amount
    // The glaze table's slot fields in their stored order.
    static void append(FieldDefs& fields);
};

} // namespace kelvora
