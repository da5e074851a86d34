// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "engine/GlzDMUnit.h"
#include "support/EngineFixtures.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

namespace kelvora::test {

// A data module over in-memory tables; nothing is read from or written to disk.
class EngineTest : public ::testing::Test {
protected:
    RecordingPrompter prompter;
    TGlzDM dm{prompter, "no-such-folder"};

    // Three materials with theoretical formulas and round prices.
    static std::vector<Values> standardMaterials() {
        return {
            {{"naam", "Kalium veldspaat"},
             {"molg", "556.8"},
             {"prys", "2"},
             {"k2o", "1"},
             {"al2o3", "1"},
             {"sio2", "6"}},
            {{"naam", "Krijt"}, {"molg", "100.1"}, {"prys", "1"}, {"cao", "1"}},
            {{"naam", "Kwarts"}, {"molg", "60.1"}, {"prys", "0.5"}, {"sio2", "1"}},
            {{"naam", "Gratis krijt"}, {"molg", "100.1"}, {"prys", "0"}, {"cao", "1"}},
            {{"naam", "Krijt zonder molg"}, {"prys", "1"}, {"cao", "1"}},
        };
    }

    void open(const std::vector<Values>& glazes, const std::vector<Values>& materials = standardMaterials()) {
        dm.MatCDS.openPacket(materialsPacket(materials));
        dm.GlzCDS.openPacket(glazesPacket(glazes));
        dm.GlzCDS.first();
    }

    double num(const std::string& field) const { return dm.GlzCDS.asNumber(field); }
    bool null(const std::string& field) const { return dm.GlzCDS.isNull(field); }
};

} // namespace kelvora::test
