// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace kelvora::test {

// Switches the program's language the way the menu does, with the catalogues
// of the build (KELVORA_TRANSLATIONS); false when they are not found.
bool switchLanguage(int taal);

// Every text a user reads in `window` and its children (title, labels,
// buttons, group and tab titles, menus and their items, column headings,
// placeholders, tooltips) that still holds a word that is Dutch and not
// English, as "<object name>: <text>". Stored data (names of materials and
// glazes, numbers in fields, table cells) is not looked at.
QStringList dutchLeftovers(QWidget* window);

} // namespace kelvora::test
