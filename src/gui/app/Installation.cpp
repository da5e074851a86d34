#include "app/Installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kelvora::ui {

namespace {
QString& overridePath() {
    static QString path;
    return path;
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

IniFile settingsFile() {
    return IniFile(settingsPathForExecutable(executablePath().toStdString()));
}

QString manualStartPage() {
    return QDir(executableFolder()).filePath(QStringLiteral("manual/manual.htm"));
}

} // namespace kelvora::ui
