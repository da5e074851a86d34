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

Row Packet::emptyRow() const {
    Row row;
    row.num.assign(static_cast<std::size_t>(numCount_), kNullNumber);
    row.text.resize(static_cast<std::size_t>(textCount_));
    return row;
}

bool Packet::isNull(const Row& row, int field) const {
    const auto& s = slots_[static_cast<std::size_t>(field)];
    return s.text ? row.text[static_cast<std::size_t>(s.index)].empty()
                  : isNullNumber(row.num[static_cast<std::size_t>(s.index)]);
}

double Packet::number(const Row& row, int field) const {
    return row.num[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)];
}

const std::string& Packet::text(const Row& row, int field) const {
    return row.text[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)];
}

void Packet::setNumber(Row& row, int field, double value) const {
    row.num[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)] = value;
}

void Packet::setText(Row& row, int field, std::string value) const {
    row.text[static_cast<std::size_t>(slots_[static_cast<std::size_t>(field)].index)] = std::move(value);
}

void Packet::setNull(Row& row, int field) const {
    const auto& s = slots_[static_cast<std::size_t>(field)];
    if (s.text)
        row.text[static_cast<std::size_t>(s.index)].clear();
    else
        row.num[static_cast<std::size_t>(s.index)] = kNullNumber;
}

} // namespace kelvora
