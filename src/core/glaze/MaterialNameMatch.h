// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The material a typed name means when it is not spelled exactly: blanks
// around the name are dropped, and upper and lower case (ASCII letters) are
// not told apart. Gives the material's own name when exactly one name
// matches that way; a name that matches exactly after trimming wins over
// names that differ from it only in case. Gives nothing for a blank text, an
// unknown name, or one that matches several names equally well.
// The calculation's own lookup stays exact; this only corrects what is typed.
std::optional<std::string> matchMaterialName(std::string_view typed, const std::vector<std::string>& names);

} // namespace kelvora
