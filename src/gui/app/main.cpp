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
#include <exception>
#include <string>

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

void usage(std::FILE* to) {
    std::fputs("usage: kelvora [--help | --version] [Qt options]\n"
               "Kelvora, the desktop program for studio potters: ceramic materials, glaze\n"
               "recipes, Seger formula, cost price, firing range and thermal expansion.\n"
               "\n"
               "  -h, --help     show this help and exit\n"
               "      --version  show the version and the licence and exit\n"
               "\n"
               "Qt's own options are passed on, for instance -platform NAME, -style NAME,\n"
               "-reverse. The manual is under Help in the program; kelvora-cli(1) does the\n"
               "same calculations from the command line.\n",
               to);
}

// Qt's own command-line options (one dash or two), and whether each takes a
// value; QApplication takes them out of the arguments itself.
struct QtOption {
    const char* name;
    bool value;
};
constexpr QtOption qtOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"qwindowicon", true},   {"qwindowtitle", true},
    {"session", true},       {"display", true},
    {"geometry", true},      {"style", true},
    {"stylesheet", true},    {"reverse", false},
    {"widgetcount", false},  {"nograb", false},
    {"dograb", false},       {"sync", false},
};

// What the command line asks for before any window system is needed.
enum class Asked { Run, Help, Version, Wrong };

Asked readCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") return Asked::Help;
        if (arg == "--version") return Asked::Version;
        const std::size_t dashes = arg.rfind("--", 0) == 0 ? 2 : arg.rfind('-', 0) == 0 ? 1 : 0;
        const std::string name = arg.substr(
            dashes, arg.find('=') == std::string::npos ? std::string::npos : arg.find('=') - dashes);
        const QtOption* qt = nullptr;
        for (const QtOption& option : qtOptions)
            if (dashes > 0 && name == option.name) qt = &option;
        if (!qt) {
            std::fprintf(stderr, "kelvora: %s '%s'\n", dashes > 0 ? "unknown option" : "unexpected argument",
                         argv[i]);
            return Asked::Wrong;
        }
        if (qt->value && arg.find('=') == std::string::npos) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "kelvora: option '%s' needs a value\n", argv[i]);
                return Asked::Wrong;
            }
            ++i;
        }
    }
    return Asked::Run;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed, so that they work without
    // a display (over ssh, in a package check).
    switch (readCommandLine(argc, argv)) {
    case Asked::Help:
        usage(stdout);
        return 0;
    case Asked::Version:
        std::printf(
            "kelvora %s\nLicence: GPL-3.0-or-later; there is NO WARRANTY, to the extent permitted by law.\n",
            KELVORA_VERSION);
        return 0;
    case Asked::Wrong:
        usage(stderr);
        return 2;
    case Asked::Run:
        break;
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
