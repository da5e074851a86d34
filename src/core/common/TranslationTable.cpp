// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TranslationTable.h"

namespace kelvora {

namespace {

// The captions, texts exactly as the windows show them ("Verfuegbar", lower-case "berechnung" and
// "datenbank", and a German "Molgewicht" equal to the Dutch).
constexpr std::array<Translation, 11> Table{{
    {"mnubestand", "&Bestand", "&Data"},
    {"mnugrondstoffen", "Grond&stoffen", "Roh&stoffe"},
    {"mnuglazuren", "&Glazuren", "&Glasuren"},
    {"mainformcaption", "Kelvora - Glazuur berekening en registratie",
     "Kelvora - Glasur berechnung und datenbank"},
    {"matformcaption", "Onderhoud grondstoffen", "Unterhalt Rohstoffe"},
    {"algemeents", "Algemeen", "Allgemein"},
    {"omschrijvingts", "Omschrijving", "Umschreibung"},
    {"samenstproc", "Samenst. proc.", "Zusammenst. %"},
    {"prijs", "Prijs", "Preis"},
    {"molgewicht", "Molgewicht", "Molgewicht"},
    {"beschikbaar", "Beschikbaar", "Verfuegbar"},
}};

} // namespace

const std::array<Translation, 11>& translationTable() {
    return Table;
}

std::string Translate(std::string_view key, int taal) {
    std::string result(TranslationError);
    for (const Translation& t : Table) {
        if (t.key != key) continue;
        if (taal == TaalDutch)
            result = t.dutch;
        else if (taal == TaalGerman)
            result = t.german;
    }
    return result;
}

} // namespace kelvora
