// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The names a typo most likely meant, for a name that matches no material:
// the fewest letters to add, drop, change or swap (upper and lower case
// alike, blanks around the text ignored), where a typed beginning of a name
// counts as close as one letter. Names further off than a third of the typed
// text (at least two letters) are left out; of equally close names the
// shorter, then the first in the list comes first. At most `most` names,
// each once.
std::vector<std::string> closestNames(std::string_view typed, const std::vector<std::string>& names,
                                      std::size_t most = 5);

} // namespace kelvora
