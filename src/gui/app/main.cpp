// SPDX-License-Identifier: GPL-3.0-or-later
// Kelvora, the desktop program: brings the windows up behind the splash, runs
// the program, and takes everything down again in the reverse order.
#include "app/AppComposition.h"
#include "app/MainFormUnit.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "widgets/ErrorBox.h"
#include "widgets/QtPrompter.h"

#include <QApplication>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

// Every window handler catches the core's errors itself; this is the net for
// one that slipped past, so that Qt's event loop never sees an exception.
class KelvoraApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            kelvora::ui::showErrorBox(nullptr, error.what());
        } catch (...) {
            kelvora::ui::showErrorBox(nullptr, "Onbekende fout");
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf(
            "kelvora %s\nLicence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.\n",
            KELVORA_VERSION);
        return 0;
    }
    KelvoraApplication app(argc, argv);
    kelvora::ui::prepareApplication(app);
    // The splash is not the main window: closing it must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    auto* splash = new kelvora::TSplashForm();
    splash->showAndPaint();

    kelvora::ui::QtPrompter prompter;
    int result = 0;
    {
        kelvora::ui::AppComposition program(prompter);

        splash->hide();
        delete splash;
        // The user chose to end: the data are in use by another program.
        if (!program.started()) return 1;

        program.mainForm().show();
        result = QApplication::exec();
    } // the windows go in the reverse order, then the settings are written
    return result;
}
