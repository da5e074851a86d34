// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

namespace kelvora::ui {

// What every run of the desktop program sets up before its first window:
// application name and version, the pictures, Qt's Dutch texts for standard
// buttons and dialogs, and the decimal separator of the user's locale.
// Tests call it too, so they see what a user sees.
void prepareApplication(QApplication& app);

} // namespace kelvora::ui
