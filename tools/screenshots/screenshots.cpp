// Takes pictures of Kelvora's windows as the program shows them, for the
// manual and for checking the look: kelvora_screenshots <folder>.
// Run it from the build folder (it uses the manual and data beside it),
// under a real or virtual display.
#include "app/AboutBoxUnit.h"
#include "app/AppComposition.h"
#include "app/HelpFormUnit.h"
#include "app/Installation.h"
#include "app/MainFormUnit.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "common/Prompter.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

namespace {
bool save(QWidget* window, const QDir& dir, const char* name) {
    window->raise();
    QTest::qWait(300);
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvora::ui::prepareApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelvora_screenshots <folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // Pictures only: the settings of a real run are left alone.
    kelvora::ui::setExecutablePath(
        QDir(QCoreApplication::applicationDirPath()).filePath("kelvora-screenshots"));
    kelvora::SilentPrompter prompter;

    bool ok = true;
    {
        kelvora::TSplashForm splash;
        splash.showAndPaint();
        ok = save(&splash, out, "splash.png") && ok;
    }
    {
        kelvora::ui::AppComposition program(prompter);
        program.mainForm().show();
        ok = save(&program.mainForm(), out, "hoofdvenster.png") && ok;
        program.helpForm().showHelp();
        ok = save(&program.helpForm(), out, "help.png") && ok;
        program.helpForm().close();
        program.aboutBox().show();
        ok = save(&program.aboutBox(), out, "info.png") && ok;
        program.aboutBox().close();
    }
    return ok ? 0 : 1;
}
