// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Prompter.h"
#include "store/Packet.h"
#include "store/View.h"

#include <string>
#include <utility>
#include <vector>

namespace kelvora::test {

// One record given as field name and value text; numbers are written with '.'.
using Values = std::vector<std::pair<std::string, std::string>>;

// A packet of the materials or glazes layout holding the given records.
Packet materialsPacket(const std::vector<Values>& records);
Packet glazesPacket(const std::vector<Values>& records);
// A packet of any layout.
Packet makePacket(const FieldDefs& fields, const std::vector<Values>& records);

// Converts the current material of an open view from its percentages, as the
// materials window does: the value converted, the fields that changed
// written back, the record posted. False when the conversion was refused.
bool convertCurrentMaterial(View& materials, Prompter& prompter);

// Writes the starter materials and glazes (data/mat.xml, glz.xml) into
// `folder` as its tables; false when a source cannot be read.
bool writeStarterTables(const std::string& folder);

// One run of kelvora-cli: exit status and what it wrote to each stream.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};
// Runs kelvora-cli on the data folder `dbDir`; its output passes through
// two files in that folder.
CliRun runCli(const std::string& dbDir, const std::string& arguments);

} // namespace kelvora::test
