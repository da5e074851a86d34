// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"

#include "app/Resources.h"
#include "common/NumberFormat.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvora::ui {

void prepareApplication(QApplication& app) {
    initResources();
    // Only the name: a display name would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Kelvora"));
    QApplication::setOrganizationName(QStringLiteral("Kelvora"));
#ifdef KELVORA_VERSION
    QApplication::setApplicationVersion(QStringLiteral(KELVORA_VERSION));
#endif
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/kelvora.png")));

    // "Ja", "Nee", "Annuleren" on the standard buttons and dialogs.
    static QTranslator* dutch = nullptr;
    if (!dutch) {
        dutch = new QTranslator(&app);
        if (dutch->load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(dutch);
    }

    // Numbers are shown and typed with the user's own decimal separator.
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 128) numfmt::setDecimalSeparator(point.at(0).toLatin1());
}

} // namespace kelvora::ui
