// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/LanguageHolder.h"

#include "store/SettingsTable.h"

namespace kelvora {

void LanguageHolder::save(IniFile& ini) const {
    settings::write(ini, settings::Algemeen, settings::Taal, taal_);
}

} // namespace kelvora
