// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/StullNames.h"

#include <QCoreApplication>

#include <string_view>

namespace kelvora {

namespace {
struct Name {
    std::string_view key;
    const char* source;
};

// The names as the data files give them, by key.
constexpr Name kRegions[] = {
    {"unfused", QT_TRANSLATE_NOOP("kelvora::StullNames", "Niet gesmolten")},
    {"matte", QT_TRANSLATE_NOOP("kelvora::StullNames", "Mat")},
    {"semi-matte", QT_TRANSLATE_NOOP("kelvora::StullNames", "Halfmat")},
    {"underfired", QT_TRANSLATE_NOOP("kelvora::StullNames", "Onderstookt")},
    {"bright", QT_TRANSLATE_NOOP("kelvora::StullNames", "Glans")},
    {"crazing", QT_TRANSLATE_NOOP("kelvora::StullNames", "Craquelé")},
};
constexpr Name kLines[] = {
    {"best-gloss", QT_TRANSLATE_NOOP("kelvora::StullNames", "Beste glans (Stull)")},
};
constexpr Name kBands[] = {
    {"matte", QT_TRANSLATE_NOOP("kelvora::StullNames", "mat")},
    {"satin", QT_TRANSLATE_NOOP("kelvora::StullNames", "satijn")},
    {"gloss", QT_TRANSLATE_NOOP("kelvora::StullNames", "glans")},
};

template <std::size_t N>
QString named(const Name (&table)[N], const std::string& key, const std::string& label) {
    for (const Name& name : table)
        if (name.key == key && label == name.source)
            return QCoreApplication::translate("kelvora::StullNames", name.source);
    return QString::fromStdString(label);
}
} // namespace

QString StullNames::region(const StullChart::Region& region) {
    return named(kRegions, region.key, region.label);
}

QString StullNames::line(const StullChart::Line& line) {
    return named(kLines, line.key, line.label);
}

QString StullNames::band(const RatioGuide::Band& band) {
    return named(kBands, band.key, band.label);
}

QString StullNames::place(const StullChart::Place& place) {
    QString out = place.surface ? region(*place.surface) : QString();
    if (place.overlay) {
        QString label = region(*place.overlay);
        // The zone reads lower-case after a comma.
        if (!out.isEmpty() && !label.isEmpty() && label.front().isUpper())
            label.front() = label.front().toLower();
        out += (out.isEmpty() ? QString() : QStringLiteral(", ")) + label;
    }
    return out;
}

} // namespace kelvora
