// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/Packet.h"

#include "common/Utf8.h"

namespace kelvora {

Packet::Packet(FieldDefs fields) : fields_(std::move(fields)) {
    for (const auto& f : fields_) {
        bool isText = f.type == FieldType::Text || f.type == FieldType::Memo;
        slots_.push_back({isText, isText ? textCount_++ : numCount_++});
    }
}

int Packet::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (utf8::equalsIgnoreCaseAscii(fields_[i].name, name)) return static_cast<int>(i);
    return -1;
}

int Packet::addField(FieldDef field) {
    const bool isText = field.type == FieldType::Text || field.type == FieldType::Memo;
    slots_.push_back({isText, isText ? textCount_++ : numCount_++});
    fields_.push_back(std::move(field));
    // Rows with slots get an empty value for the new field; rows without any
    // value stay without slots.
    for (Row& row : rows) {
        if (!isMaterialized(row)) continue;
        if (isText)
            row.text.emplace_back();
        else
            row.num.push_back(kNullNumber);
    }
    return fieldCount() - 1;
}

void Packet::materialize(Row& row) const {
    if (isMaterialized(row)) return;
    row.num.assign(static_cast<std::size_t>(numCount_), kNullNumber);
    row.text.resize(static_cast<std::size_t>(textCount_));
}

std::size_t Packet::slotBytes() const {
    return static_cast<std::size_t>(numCount_) * sizeof(double) +
           static_cast<std::size_t>(textCount_) * sizeof(std::string);
}

namespace {
const std::string kEmptyText;
}

bool Packet::isNull(const Row& row, int field) const {
    const auto& s = slots_[static_cast<std::size_t>(field)];
    if (s.text) return row.text.empty() || row.text[static_cast<std::size_t>(s.index)].empty();
    return row.num.empty() || isNullNumber(row.num[static_cast<std::size_t>(s.index)]);
}

double Packet::number(const Row& row, int field) const {
    if (row.num.empty()) return kNullNumber;
    return row.num[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)];
}

const std::string& Packet::text(const Row& row, int field) const {
    if (row.text.empty()) return kEmptyText;
    return row.text[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)];
}

void Packet::setNumber(Row& row, int field, double value) const {
    if (isNullNumber(value) && !isMaterialized(row)) return; // already empty
    materialize(row);
    row.num[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)] = value;
}

void Packet::setText(Row& row, int field, std::string value) const {
    if (value.empty() && !isMaterialized(row)) return; // already empty
    materialize(row);
    row.text[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)] = std::move(value);
}

void Packet::setNull(Row& row, int field) const {
    if (!isMaterialized(row)) return;
    const auto& s = slots_[static_cast<std::size_t>(field)];
    if (s.text)
        row.text[static_cast<std::size_t>(s.index)].clear();
    else
        row.num[static_cast<std::size_t>(s.index)] = kNullNumber;
}

} // namespace kelvora
