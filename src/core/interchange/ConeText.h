// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kelvora {

// What a recipe file's cone text means to Kelvora.
struct ConeText {
    // The Seger cone fields' values ("6a - 1200"), when the text names Seger
    // cones ("SK 6a", "SK 6a - 8", "sk6a-sk8") that Kelvora's cone list holds.
    std::optional<std::string> segerFrom, segerTo;
    // For anything else: the text for the description. An Orton cone or range
    // ("6", "9 - 10", "04-03") is followed by its temperature:
    // "Orton 9 - 10 (1280 - 1305 °C bij 150 °C/uur)"; other text stays as written.
    std::string description;

    static ConeText read(std::string_view text);

    // The temperature (°C) at which an Orton large cone bends when heated at
    // 150 °C per hour, cones 022 to 13; nothing for another text.
    static std::optional<int> ortonCelsius(std::string_view cone);
};

} // namespace kelvora
