// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Installation.h"

#include "app/LanguageSwitch.h"
#include "common/TranslationTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <exception>

namespace kelvora::ui {

namespace {
QString& overridePath() {
    static QString path;
    return path;
}

QString text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
} // namespace

QString executablePath() {
    if (!overridePath().isEmpty()) return overridePath();
    return QCoreApplication::applicationFilePath();
}

QString executableFolder() {
    return QFileInfo(executablePath()).absolutePath();
}

void setExecutablePath(const QString& path) {
    overridePath() = path;
}

DataLocation dataLocation() {
    // Absolute, so that a bare file name stands in the current folder.
    const QString exe = QFileInfo(executablePath()).absoluteFilePath();
    return DataLocation::find(exe.toStdString(), UserFolders::fromEnvironment());
}

QString workingFolder() {
    return text(dataLocation().workingFolder);
}

void enterWorkingFolder() {
    const DataLocation where = dataLocation();
    std::exception_ptr failed;
    try {
        where.prepare();
    } catch (...) {
        failed = std::current_exception();
    }
    QDir::setCurrent(text(where.workingFolder));
    if (failed) std::rethrow_exception(failed);
}

IniFile settingsFile() {
    return IniFile(dataLocation().settingsFile.string());
}

std::string chemistryDataFolder() {
    return dataLocation().chemistryFolder.string();
}

QString manualStartPage() {
    return manualPage(QStringLiteral("manual.htm"));
}

QString manualPage(const QString& page) {
    const QDir manual(text(dataLocation().manualFolder));
    if (LanguageSwitch::current() != TaalDutch) {
        const QString english = manual.filePath(QStringLiteral("en/") + page);
        if (QFileInfo::exists(english)) return english;
    }
    return manual.filePath(page);
}

QString licenceAndFolders() {
    DataLocation where;
    try {
        where = dataLocation();
    } catch (const std::exception& error) {
        where.dataFolder = where.settingsFile = error.what();
    }
    return QCoreApplication::translate(
               "kelvora::ui::Installation",
               "Vrije software onder de GNU GPL, versie 3 of later (GPL-3.0-or-later); "
               "zonder enige garantie.\nGegevens: %1\nInstellingen: %2")
        .arg(QDir::toNativeSeparators(text(where.dataFolder)),
             QDir::toNativeSeparators(text(where.settingsFile)));
}

} // namespace kelvora::ui
