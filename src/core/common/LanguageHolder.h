// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/TranslationTable.h"

#include <string>
#include <string_view>

namespace kelvora {

class IniFile;

// Holds the interface language `Taal` of a run. It starts as Dutch
// and is never read from the settings file; TGlobalForm wraps one.
class LanguageHolder {
public:
    int taal() const { return taal_; }
    // Set by the main window's NL (1) and DU (2) buttons; any value is kept,
    // Translate answers the error text for one that is not 1 or 2.
    void setTaal(int taal) { taal_ = taal; }

    std::string translate(std::string_view key) const { return Translate(key, taal_); }

    // Writes Taal to "algemeen"/"taal"; throws StoreError when it cannot.
    void save(IniFile& ini) const;

private:
    int taal_ = TaalDutch;
};

} // namespace kelvora
