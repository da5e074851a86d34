// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include <functional>

namespace kelvora {
class Prompter;
class View;
} // namespace kelvora

namespace kelvora::ui {

// Asks before a post gives the current row of `view` a name ("naam") that
// another row holds already, blanks and case aside: `question` with "%1" for
// that name, through the prompter. Nee keeps the edit open and unposted (the
// post fails with PostDeclined, which the guard does not show). A row that
// keeps its name is not asked about again. Until remove() or the next install.
void installDuplicateNameCheck(View& view, Prompter& prompter, const QString& question);
// The same with the question made when it is asked, so it is in the language
// the program speaks at that moment.
void installDuplicateNameCheck(View& view, Prompter& prompter, std::function<QString()> question);
void removeDuplicateNameCheck(View& view);

} // namespace kelvora::ui
