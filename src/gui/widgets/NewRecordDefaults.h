// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvora {
class View;
}

namespace kelvora::ui {

// What a new record holds before the user types anything.
// Glazes: recipe in percentages ("P"), dated today.
void setNewGlazeDefaults(View& glazes);
// Materials: analysis in mol ("M").
void setNewMaterialDefaults(View& materials);

// Today's date as a glaze stores it, "dd-mm-jjjj" whatever the locale.
std::string todayText();

} // namespace kelvora::ui
