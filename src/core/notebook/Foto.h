// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Choices.h"

#include <optional>
#include <string>

namespace kelvora {

// A photo of a test, kept in the data folder. `file` is relative to the
// data folder ("foto/K-2026-014-1.jpg"), so the photos travel with it.
struct Foto {
    std::string file;
    std::string title;
    std::string cone;
    std::optional<Atmosphere> atmosphere;
    std::string test;   // the test's code
    std::string firing; // the firing's code, when it shows one
};

} // namespace kelvora
