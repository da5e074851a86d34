// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to every reader of the chemistry data folder (molar
// masses, expansion factors, limit tables, Stull's chart, the ratio guide):
// each must read the file or refuse it with a message, never crash or hang.
#include "FuzzFolder.h"
#include "glaze/ExpansionFactorSet.h"
#include "glaze/LimitSets.h"
#include "glaze/MolarMassTable.h"
#include "glaze/RatioGuide.h"
#include "glaze/StullChart.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kelvora::fuzz::FuzzFolder folder;
    const std::string path = (folder.path / "data.xml").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const std::function<void()> readers[] = {
        [&] { kelvora::MolarMassTable::load(path); }, [&] { kelvora::ExpansionFactorSet::load(path); },
        [&] { kelvora::LimitSets::load(path); },      [&] { kelvora::StullChart::load(path); },
        [&] { kelvora::RatioGuide::load(path); },
    };
    for (const auto& read : readers) {
        try {
            read();
        } catch (const std::runtime_error&) {
            // Refused with a message naming the file: as it should be.
        }
    }
    return 0;
}
