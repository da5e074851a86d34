// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Utf8.h"
#include "model/FieldDef.h"
#include "model/NullNumber.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// One row of a packet. Numeric fields (float and integer) live in `num`, text
// and memo fields in `text`; which slot a field uses is the packet's business.
// An empty number is a NaN (no stored number can be NaN); an empty text is "".
// A row whose every value is empty holds no slots at all (both vectors
// empty), so that files of many empty rows stay small in memory; the packet's
// setters give a row its slots when it gets its first value.
struct Row {
    std::vector<double> num;
    std::vector<std::string> text;
    // A copy of the order field's text, kept by the view that orders the rows
    // so that a key lookup reads contiguous memory. Codecs ignore it.
    std::string key;
};

// Whether a text from a file is well-formed UTF-8; ASCII, the usual case, is
// checked eight bytes at a time.
inline bool isValidUtf8Text(std::string_view text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080u) break;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) & 0x80) return utf8::isValid(text.substr(i));
    return true; // everything before i is ASCII, so i starts a character
}

// A table in memory: its field definitions and its rows.
class Packet {
public:
    Packet() = default;
    explicit Packet(FieldDefs fields);

    const FieldDefs& fields() const { return fields_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    // Index of a field by name, ignoring case as the store always has; -1 if none.
    int fieldIndex(std::string_view name) const;
    bool isText(int field) const { return slots_[static_cast<std::size_t>(field)].text; }
    int slot(int field) const { return slots_[static_cast<std::size_t>(field)].index; }

    Row emptyRow() const { return Row(); }
    // Gives a row without slots its slots (every value empty).
    void materialize(Row& row) const;
    bool isMaterialized(const Row& row) const { return !row.num.empty() || !row.text.empty(); }
    // Heap bytes a row with slots takes beyond sizeof(Row), without its texts.
    std::size_t slotBytes() const;
    bool isNull(const Row& row, int field) const;
    double number(const Row& row, int field) const; // NaN when empty
    const std::string& text(const Row& row, int field) const;
    void setNumber(Row& row, int field, double value) const;
    void setText(Row& row, int field, std::string value) const;
    void setNull(Row& row, int field) const;
    // Widens a text field's declared width (used when binding wider declared fields).
    void setWidth(int field, int width) { fields_[static_cast<std::size_t>(field)].width = width; }
    // Appends a field that every row holds empty (a table older than the
    // program that reads it); returns its index.
    int addField(FieldDef field);

    std::vector<Row> rows;

private:
    struct Slot {
        bool text;
        int index;
    };
    FieldDefs fields_;
    std::vector<Slot> slots_;
    int numCount_ = 0;
    int textCount_ = 0;
};

} // namespace kelvora
