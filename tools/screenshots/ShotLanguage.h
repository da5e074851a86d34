// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/LanguageSwitch.h"
#include "common/TranslationTable.h"

#include <QString>
#include <QStringList>

// The picture tools take "--lang nl|en|de" to take the windows in that
// language (for the manual's pages of that language). Returns the language
// and removes the option from `args`; 0 for an unknown value.
inline int takeShotLanguage(QStringList& args) {
    const int at = static_cast<int>(args.indexOf(QStringLiteral("--lang")));
    if (at < 0) return kelvora::TaalDutch;
    const QString value = at + 1 < args.size() ? args.at(at + 1) : QString();
    args.remove(at, at + 1 < args.size() ? 2 : 1);
    for (int taal : {kelvora::TaalDutch, kelvora::TaalEnglish, kelvora::TaalGerman})
        if (kelvora::ui::LanguageSwitch::code(taal) == value) return taal;
    return 0;
}
