// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>

namespace kelvora {

// A value of the test notebook that cannot be taken as it is (a date that
// does not exist, a rating of 7, a schedule step without a target, an unsafe
// archive); what() is the Dutch text the user sees.
class NotebookError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace kelvora
