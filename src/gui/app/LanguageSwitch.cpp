// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageSwitch.h"

#include "common/Translate.h"
#include "common/TranslationTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace kelvora::ui {

namespace {

int currentTaal = TaalDutch;
QString folderOverride;

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

int known(int taal) {
    return taal == TaalGerman || taal == TaalEnglish ? taal : TaalDutch;
}

// The core asks its texts through this, so they follow the same catalogues.
std::string fromCatalogue(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

bool install(const QString& name, const QString& dir) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, dir)) return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}

} // namespace

QString LanguageSwitch::code(int taal) {
    switch (known(taal)) {
    case TaalGerman:
        return QStringLiteral("de");
    case TaalEnglish:
        return QStringLiteral("en");
    default:
        return QStringLiteral("nl");
    }
}

void LanguageSwitch::setFolder(const QString& dir) {
    folderOverride = dir;
}

QString LanguageSwitch::folder() {
    if (!folderOverride.isEmpty()) return folderOverride;
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QStringLiteral("translations"));
    if (QDir(beside).exists()) return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral("../share/kelvora/translations")));
}

int LanguageSwitch::current() {
    return currentTaal;
}

bool LanguageSwitch::apply(int taal) {
    taal = known(taal);
    // Each removal and installation sends a LanguageChange to every widget;
    // the windows set their texts again on each, the last one counts.
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    currentTaal = taal;
    setTranslateFunction(&fromCatalogue);

    const QString lang = code(taal);
    install(QStringLiteral("qtbase_") + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QDir dir(folder());
    bool found = false;
    const QStringList catalogues =
        dir.entryList({QStringLiteral("kelvora_*_") + lang + QStringLiteral(".qm")}, QDir::Files, QDir::Name);
    for (const QString& file : catalogues)
        found = install(QFileInfo(file).completeBaseName(), dir.path()) || found;
    // Qt posts the LanguageChange to the windows; they change now, before
    // the menu that asked for it closes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return found;
}

} // namespace kelvora::ui
