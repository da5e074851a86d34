// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvora::ui {

// Registers the pictures compiled into the program (splash, logo, icons).
// A static library's resources must be registered once before first use.
void initResources();

} // namespace kelvora::ui
