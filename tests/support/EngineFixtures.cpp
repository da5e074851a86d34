// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/EngineFixtures.h"

#include "materials/PercentToMolConverter.h"
#include "store/PacketCodec.h"
#include "store/RecordMapper.h"

#include "model/TableLayouts.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>

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

CliRun runCli(const std::string& dbDir, const std::string& arguments) {
    const std::string out = dbDir + "/out";
    const std::string err = dbDir + "/err";
    const std::string command = std::string("'") + KELVORA_CLI + "' --db '" + dbDir + "' " + arguments +
                                " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
}

bool convertCurrentMaterial(View& materials, Prompter& prompter) {
    Material material = MaterialMapper::current(materials);
    if (!PercentToMolConverter::convert(material, prompter)) return false;
    MaterialMapper::apply(materials, material);
    materials.post();
    return true;
}

bool writeStarterTables(const std::string& folder) {
    for (const char* table : {"mat", "glz"}) {
        const auto packet = readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/" + table + ".xml");
        if (!packet) return false;
        writePacketFile(folder + "/" + table + ".cds", *packet);
    }
    return true;
}

} // namespace kelvora::test
