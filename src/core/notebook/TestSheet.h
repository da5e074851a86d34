// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/NotebookData.h"

#include <string>
#include <vector>

namespace kelvora {

// The text of the printed sheets of a test, line by line, in the user's
// number format; the window lays them out (the first line of the sheet in
// large type) and prints them through the program's print path.
struct TestSheet {
    // Code, glaze, date, how it was applied, the recipe as mixed with the
    // grams of its batch, water and specific gravity, every firing it was in
    // with its result, and its photos.
    static std::vector<std::string> lines(const NotebookData& notebook, const Proef& test);
    // A tile label: the code, then the glaze's name.
    static std::vector<std::string> label(const Proef& test);
};

} // namespace kelvora
