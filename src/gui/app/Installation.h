// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/DataLocation.h"
#include "store/IniFile.h"

#include <QString>

#include <string>

namespace kelvora::ui {

// Where the program is installed. Everything the program keeps (data folder,
// manual, settings file) is found from the executable's path: beside it in the
// build tree or a portable copy, in the user's own folders for an installed
// program (DataLocation holds the rule).
QString executablePath();
// The executable's folder, without a trailing separator.
QString executableFolder();
// Tests put a pretend executable into a temporary folder so that the settings
// file, the data folder and the manual are looked for there. An empty path
// restores the real one.
void setExecutablePath(const QString& path);

// Where the data, the settings and the manual of this run are.
DataLocation dataLocation();

// The folder that holds the data folder "db0991". The program makes it the
// current directory, so the relative data paths ("db0991/mat.cds") resolve there.
QString workingFolder();
// Makes the user's folders and copies the starter tables when absent (an
// installed program), then makes the working folder the current directory.
// Throws FileError when the folders cannot be made or a table not copied.
void enterWorkingFolder();

// The settings file: beside the executable ("kelvora" -> "kelvora.INI"), or
// kelvora/kelvora.INI in the user's settings folder.
IniFile settingsFile();

// The folder of the chemistry data files: "data" beside the program, or
// <prefix>/share/kelvora/data for an installed one.
std::string chemistryDataFolder();
// The full path of the manual's start page.
QString manualStartPage();
// The full path of one page of the manual ("glazuren.htm") in the interface
// language: the English pages (manual/en) for English and German, the Dutch
// ones for Dutch and wherever an English page is missing.
QString manualPage(const QString& page);

// The licence and the folders in use, for the about box.
QString licenceAndFolders();

} // namespace kelvora::ui
