// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace kelvora {

// The published source a chemistry data file names: who, what, when.
struct DataSource {
    std::string author;
    std::string title;
    std::string year;
    // "author, title (year)", the way the windows cite it.
    std::string citation() const { return author + ", " + title + " (" + year + ")"; }
};

} // namespace kelvora
