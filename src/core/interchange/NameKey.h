// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace kelvora {

// A material name reduced to what tells materials apart, so that "OM-4 Ball
// Clay", "om 4  ball clay" and "Silica (325m)" / "silica" meet: ASCII letters
// in lower case, no-break spaces and punctuation ("-", "#", ".", "/", ",")
// read as blanks, apostrophes dropped, text in parentheses (a mesh size, a
// supplier's code) left out, runs of blanks made one and the ends trimmed.
// Letters outside ASCII stay as they are. Two names with the same key are
// taken for one material only where the potter has no other name to go by.
struct NameKey {
    static std::string of(std::string_view name);
};

} // namespace kelvora
