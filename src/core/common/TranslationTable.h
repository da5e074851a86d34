// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace kelvora {

// Interface languages, by the numbers the settings file keeps them under.
inline constexpr int TaalNone = 0;
inline constexpr int TaalDutch = 1;
inline constexpr int TaalGerman = 2;
inline constexpr int TaalEnglish = 3;

inline constexpr std::string_view TranslationError = "** LANGUAGE TRANSLATION ERROR **";

struct Translation {
    std::string_view key;
    std::string_view dutch;  // Taal 1
    std::string_view german; // Taal 2
};

// The 11 caption keys in their fixed order, with their Dutch and German texts.
const std::array<Translation, 11>& translationTable();

// The caption of `key` (exact, case-sensitive) in language `taal`;
// TranslationError for an unknown key or a taal other than 1 or 2.
std::string Translate(std::string_view key, int taal);

} // namespace kelvora
