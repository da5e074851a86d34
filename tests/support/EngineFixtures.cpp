#include "support/EngineFixtures.h"

#include "model/TableLayouts.h"

#include <stdexcept>

namespace kelvora::test {

Packet makePacket(const FieldDefs& fields, const std::vector<Values>& records) {
    Packet packet(fields);
    for (const auto& values : records) {
        Row row = packet.emptyRow();
        for (const auto& [name, text] : values) {
            const int field = packet.fieldIndex(name);
            if (field < 0) throw std::invalid_argument("no field " + name);
            if (packet.isText(field))
                packet.setText(row, field, text);
            else if (!text.empty())
                packet.setNumber(row, field, std::stod(text));
        }
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

Packet materialsPacket(const std::vector<Values>& records) {
    return makePacket(TableLayouts::materials(), records);
}
Packet glazesPacket(const std::vector<Values>& records) {
    return makePacket(TableLayouts::glazes(), records);
}

} // namespace kelvora::test
