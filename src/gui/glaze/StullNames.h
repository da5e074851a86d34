// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/RatioGuide.h"
#include "glaze/StullChart.h"

#include <QString>

namespace kelvora {

// The names of Stull's regions and line and of the rule of thumb's bands in
// the language now chosen. The data files give each a key and a Dutch name;
// a name is translated by its key as long as the file's name is the one the
// catalogue knows (a file that names a region otherwise shows its own name).
class StullNames {
public:
    static QString region(const StullChart::Region& region);
    static QString line(const StullChart::Line& line);
    static QString band(const RatioGuide::Band& band);
    // "Onderstookt, craquelé": the surface, then the crazing zone in lower case.
    static QString place(const StullChart::Place& place);
};

} // namespace kelvora
