// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/Foto.h"
#include "notebook/Proef.h"
#include "notebook/Stook.h"
#include "notebook/TileResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// What a notebook record must be before it is stored: a printable code, a
// date in the stored form, finite numbers within what a potter can mean.
// Each check throws NotebookError with the Dutch reason. (The widths of
// the texts are the table's business and are checked where rows are made.)
struct NotebookRules {
    static void check(const Proef& test);
    static void check(const Stook& firing);
    static void check(const TileResult& result);
    static void check(const Foto& photo);

    // A code to write on a tile: letters, digits and "-_./", 1..20 characters.
    static bool isCode(std::string_view code);
    // The code after the highest of `year` with the same letter among
    // `codes`: "K-2026-014" after "K-2026-013"; "K-2026-001" for the first.
    static std::string nextCode(char letter, int year, const std::vector<std::string>& codes);
    // The date in the stored form, or NotebookError naming `what`.
    static std::string storedDate(std::string_view typed, const std::string& what);
};

} // namespace kelvora
