#pragma once
#include "store/IniFile.h"

#include <QString>

namespace kelvora::ui {

// Where the program is installed. Everything the program keeps beside itself
// (data folder, manual, settings file) is found from the executable's path.
QString executablePath();
// The executable's folder, without a trailing separator.
QString executableFolder();
// Tests put a pretend executable into a temporary folder so that the settings
// file, the data folder and the manual are looked for there. An empty path
// restores the real one.
void setExecutablePath(const QString& path);

// The settings file beside the executable ("kelvora" -> "kelvora.INI").
IniFile settingsFile();

// The full path of the manual's start page.
QString manualStartPage();

} // namespace kelvora::ui
