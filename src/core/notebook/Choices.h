// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvora {

// The fixed lists of the test notebook. Each choice is stored as a short
// code and shown as its Dutch word; a value typed by the user may be either.

enum class Atmosphere { Oxidation, Neutral, Reduction, SaltSoda, Wood, Raku, Luster };
enum class Application { Dip, Pour, Brush, Spray };
enum class Defect { Crawling, Pinholes, Crazing, Shivering, Running, Blisters };
// A glaze's place in the potter's work: still being tested, in use, or dropped.
enum class GlazeStatus { Testing, Production, Stopped };

template <typename Choice> struct Choices {
    static const std::vector<Choice>& all();
    static const char* code(Choice choice); // as stored
    static const char* text(Choice choice); // as shown
    // From a stored code, exactly.
    static std::optional<Choice> fromCode(std::string_view code);
    // From what a user typed: the code or the word, case and blanks aside.
    static std::optional<Choice> parse(std::string_view typed);
    // The words, comma-separated, for a message that lists what is allowed.
    static std::string listText();
};

// A set of defects as stored: the codes separated by commas, in list order.
std::string defectCodes(const std::vector<Defect>& defects);
// Unknown codes are passed over: a later version may know more defects.
std::vector<Defect> defectsFromCodes(std::string_view codes);

} // namespace kelvora
