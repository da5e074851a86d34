// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/LanguageSwitch.h"
#include "app/Resources.h"
#include "common/NumberFormat.h"
#include "common/TranslationTable.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

namespace kelvora::ui {

void prepareApplication(QApplication&) {
    initResources();
    // Only the name: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
#ifdef KELVORA_VERSION
    QApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));
#endif
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/kelvora.png")));

    // Dutch until the settings say otherwise: "Ja", "Nee", "Annuleren" on
    // the standard buttons and dialogs, and the store's messages in Dutch.
    LanguageSwitch::apply(TaalDutch);

    // Numbers are shown and typed with the user's own decimal separator.
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) numfmt::setDecimalSeparator(point.at(0).toLatin1());
}

} // namespace kelvora::ui
