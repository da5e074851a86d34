// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

namespace kelvora {

// The glaze categories the editor offers for "Categorie", in the order potters
// know them from the category overview. The text is what is stored in `catg`;
// a user may also type a category of their own.
class GlazeCategories {
public:
    static const std::vector<std::string>& all();
};

} // namespace kelvora
