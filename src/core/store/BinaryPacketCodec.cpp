// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translate.h"
#include "common/Utf8.h"
#include "store/Crc32.h"
#include "store/PacketCodec.h"
#include "store/TableRules.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <unordered_set>

namespace kelvora {

static_assert(std::endian::native == std::endian::little, "the binary codec assumes a little-endian host");

namespace {
constexpr char kMagic[8] = {'K', 'L', 'V', 'P', 'K', 'T', '\r', '\n'};
constexpr std::uint32_t kVersion = 1;

template <typename T> void put(std::string& out, T value) {
    char buf[sizeof(T)];
    std::memcpy(buf, &value, sizeof(T));
    out.append(buf, sizeof(T));
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    template <typename T> T get() {
        need(sizeof(T));
        T value;
        std::memcpy(&value, bytes_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }
    std::string_view take(std::size_t n) {
        need(n);
        auto s = bytes_.substr(pos_, n);
        pos_ += n;
        return s;
    }
    bool atEnd() const { return pos_ == bytes_.size(); }

private:
    void need(std::size_t n) const {
        if (n > bytes_.size() - pos_)
            throw PacketFormatError(translate("PacketFormat", "the data end too soon"));
    }
    std::string_view bytes_;
    std::size_t pos_ = 0;
};
} // namespace

bool looksBinary(std::string_view bytes) {
    return bytes.size() >= sizeof kMagic && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0;
}

std::string encodeBinary(const Packet& packet) {
    const auto& fields = packet.fields();
    std::string out;
    out.reserve(64 + fields.size() * 16 + packet.rows.size() * (fields.size() * 6 + 16));
    out.append(kMagic, sizeof kMagic);
    put<std::uint32_t>(out, kVersion);
    put<std::uint32_t>(out, static_cast<std::uint32_t>(fields.size()));
    for (const auto& f : fields) {
        put<std::uint16_t>(out, static_cast<std::uint16_t>(f.name.size()));
        out += f.name;
        put<std::uint8_t>(out, static_cast<std::uint8_t>(f.type));
        put<std::uint32_t>(out, static_cast<std::uint32_t>(f.width));
    }
    put<std::uint32_t>(out, static_cast<std::uint32_t>(packet.rows.size()));
    const std::size_t mapBytes = (fields.size() + 7) / 8;
    // Where each field's value lives in a row, worked out once for all rows.
    std::vector<std::size_t> slotOf(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        slotOf[i] = static_cast<std::size_t>(packet.slot(static_cast<int>(i)));
    // Every value is checked against the rules the reader applies, and the
    // rows' memory is counted as the reader counts it: a packet the reader
    // would refuse is refused here, before anything is written.
    auto refuse = [&](std::size_t row, std::size_t field, const std::string& problem) {
        throw PacketFormatError(fillIn(translate("PacketFormat", "%1 holds %2"),
                                       {TableRules::place(fields[field], row), problem}));
    };
    RowMemoryBudget budget = RowMemoryBudget::counting();
    budget.reserveRows(packet.rows.size());
    for (std::size_t r = 0; r < packet.rows.size(); ++r) {
        const Row& row = packet.rows[r];
        // The null map goes first; its bits are filled in while the values are written.
        const std::size_t mapAt = out.size();
        out.append(mapBytes, '\0');
        if (!packet.isMaterialized(row)) {
            for (std::size_t i = 0; i < fields.size(); ++i)
                out[mapAt + i / 8] = static_cast<char>(out[mapAt + i / 8] | (1 << (i % 8)));
            continue;
        }
        bool anyValue = false;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::size_t slot = slotOf[i];
            bool empty = false;
            switch (fields[i].type) {
            case FieldType::Float:
                empty = isNullNumber(row.num[slot]);
                if (empty) break;
                if (!std::isfinite(row.num[slot]))
                    refuse(r, i, TableRules::numberProblem(fields[i], row.num[slot]));
                put<double>(out, row.num[slot]);
                break;
            case FieldType::Integer: {
                empty = isNullNumber(row.num[slot]);
                if (empty) break;
                const std::string problem = TableRules::numberProblem(fields[i], row.num[slot]);
                if (!problem.empty()) refuse(r, i, problem);
                put<std::int32_t>(out, static_cast<std::int32_t>(row.num[slot]));
                break;
            }
            case FieldType::Text:
            case FieldType::Memo: {
                const std::string& text = row.text[slot];
                empty = text.empty();
                if (empty) break;
                const std::string problem = TableRules::textProblem(fields[i], text);
                if (!problem.empty()) refuse(r, i, problem);
                put<std::uint32_t>(out, static_cast<std::uint32_t>(text.size()));
                out += text;
                budget.addText(text.size());
                break;
            }
            }
            if (empty)
                out[mapAt + i / 8] = static_cast<char>(out[mapAt + i / 8] | (1 << (i % 8)));
            else
                anyValue = true;
        }
        if (anyValue) budget.addSlots(packet.slotBytes());
    }
    put<std::uint32_t>(out, crc32(out.data(), out.size()));
    budget.checkFor(out.size());
    return out;
}

namespace {
std::string rowText(std::uint32_t row) {
    return fillIn(translate("PacketFormat", "row %1"), {std::to_string(row + 1)});
}
} // namespace

Packet decodeBinary(std::string_view bytes) {
    if (!looksBinary(bytes))
        throw PacketFormatError(translate("PacketFormat", "it is not a Kelvora data packet"));
    if (bytes.size() < sizeof kMagic + 8)
        throw PacketFormatError(translate("PacketFormat", "the data end too soon"));
    // The checksum comes first: a damaged version field must read as damage,
    // not as a file of a newer version.
    std::uint32_t stored;
    std::memcpy(&stored, bytes.data() + bytes.size() - 4, 4);
    std::string_view body = bytes.substr(0, bytes.size() - 4);
    if (crc32(body.data(), body.size()) != stored)
        throw PacketFormatError(
            translate("PacketFormat", "the file is damaged or incomplete (checksum mismatch)"));
    Reader head(body.substr(sizeof kMagic));
    std::uint32_t version = head.get<std::uint32_t>();
    if (version > kVersion || version == 0)
        throw PacketFormatError(
            fillIn(translate("PacketFormat", "it was written in format version %1, which this "
                                             "version of Kelvora cannot read"),
                   {std::to_string(version)}));

    Reader in(body.substr(sizeof kMagic + 4));
    std::uint32_t fieldCount = in.get<std::uint32_t>();
    if (fieldCount == 0 || fieldCount > kMaxFields)
        throw PacketFormatError(
            fillIn(translate("PacketFormat", "it holds an invalid field count (at most %1 "
                                             "fields are allowed)"),
                   {std::to_string(kMaxFields)}));
    FieldDefs fields;
    fields.reserve(fieldCount);
    std::unordered_set<std::string> seen;
    for (std::uint32_t i = 0; i < fieldCount; ++i) {
        FieldDef f;
        auto len = in.get<std::uint16_t>();
        if (len == 0 || len > 255)
            throw PacketFormatError(translate("PacketFormat", "it holds an invalid field name"));
        f.name = std::string(in.take(len));
        if (!utf8::isValid(f.name))
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "field %1 has a name that is not valid UTF-8"),
                       {std::to_string(i + 1)}));
        auto type = in.get<std::uint8_t>();
        if (type < 1 || type > 4)
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "field '%1' has an unknown type"), {f.name}));
        f.type = static_cast<FieldType>(type);
        std::uint32_t width = in.get<std::uint32_t>();
        if (width > 0x7FFFFFFFu)
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "field '%1' has an invalid width"), {f.name}));
        f.width = static_cast<int>(width);
        if (!seen.insert(utf8::upperAscii(f.name)).second)
            throw PacketFormatError(fillIn(translate("PacketFormat", "field '%1' appears twice"), {f.name}));
        fields.push_back(std::move(f));
    }
    Packet packet(fields);
    std::uint32_t rowCount = in.get<std::uint32_t>();
    const std::size_t mapBytes = (fieldCount + 7) / 8;
    // Every row takes at least its null map, so a huge count cannot over-allocate.
    if (rowCount > body.size() / mapBytes)
        throw PacketFormatError(translate("PacketFormat", "the data end too soon"));
    RowMemoryBudget budget(bytes.size());
    budget.reserveRows(rowCount);
    packet.rows.reserve(rowCount);
    // Where each field's value goes in a row, worked out once for all rows.
    std::vector<std::size_t> slotOf(fieldCount);
    for (std::uint32_t i = 0; i < fieldCount; ++i)
        slotOf[i] = static_cast<std::size_t>(packet.slot(static_cast<int>(i)));
    // Bits past the last field in the null map's last byte must be clear, or
    // the file would not be written back as it was read.
    const unsigned char spareBits =
        fieldCount % 8 == 0 ? 0 : static_cast<unsigned char>(0xFF << (fieldCount % 8));
    for (std::uint32_t r = 0; r < rowCount; ++r) {
        Row row;
        std::string_view nullMap = in.take(mapBytes);
        if (static_cast<unsigned char>(nullMap[mapBytes - 1]) & spareBits)
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "%1 has an invalid null map"), {rowText(r)}));
        for (std::uint32_t i = 0; i < fieldCount; ++i) {
            if (nullMap[i / 8] & (1 << (i % 8))) continue;
            if (!packet.isMaterialized(row)) {
                packet.materialize(row);
                budget.addSlots(packet.slotBytes());
            }
            switch (fields[i].type) {
            case FieldType::Float: {
                double v = in.get<double>();
                if (!std::isfinite(v))
                    throw PacketFormatError(fillIn(
                        translate("PacketFormat", "field '%1' of %2 holds a value that is not a number"),
                        {fields[i].name, rowText(r)}));
                row.num[slotOf[i]] = v;
                break;
            }
            case FieldType::Integer:
                row.num[slotOf[i]] = in.get<std::int32_t>();
                break;
            case FieldType::Text:
            case FieldType::Memo: {
                auto len = in.get<std::uint32_t>();
                std::string_view text = in.take(len);
                if (text.empty())
                    throw PacketFormatError(
                        fillIn(translate("PacketFormat", "field '%1' of %2 holds an empty text that is not "
                                                         "marked empty"),
                               {fields[i].name, rowText(r)}));
                const std::string problem = TableRules::textProblem(fields[i], text);
                if (!problem.empty())
                    throw PacketFormatError(fillIn(translate("PacketFormat", "%1 holds %2"),
                                                   {TableRules::place(fields[i], r), problem}));
                budget.addText(text.size());
                row.text[slotOf[i]].assign(text);
                break;
            }
            }
        }
        packet.rows.push_back(std::move(row));
    }
    if (!in.atEnd())
        throw PacketFormatError(translate("PacketFormat", "the file holds data after its last row"));
    return packet;
}

} // namespace kelvora
