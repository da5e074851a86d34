// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace kelvora::ui {

// The language the whole program speaks, switched while it runs: the
// catalogues of the chosen language (Kelvora's own, and Qt's for the
// standard buttons and dialogs) replace those of the last one, the core's
// messages follow them, and every open window gets a LanguageChange event
// and sets its texts again. Languages are the settings file's numbers
// (TaalDutch 1, TaalGerman 2, TaalEnglish 3); any other number is Dutch.
class LanguageSwitch {
public:
    // Returns false when Kelvora's catalogues for the language are not
    // found; the texts then stay in their Dutch source form.
    static bool apply(int taal);
    static int current();
    // "nl", "de" or "en".
    static QString code(int taal);
    // Where the catalogues are: "translations" beside the program, or
    // share/kelvora/translations of an installed one.
    static QString folder();
    // Looks for the catalogues in `dir` instead (the tests, which run away
    // from the program's folder); an empty `dir` goes back to the above.
    static void setFolder(const QString& dir);
};

} // namespace kelvora::ui
