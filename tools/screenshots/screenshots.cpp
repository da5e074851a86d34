// Takes pictures of Kelvora's windows as the program shows them, for the
// manual and for checking the look: kelvora_screenshots <folder>.
// Run it from the build folder (it uses the manual and data beside it),
// under a real or virtual display.
#include "app/AboutBoxUnit.h"
#include "app/AppObjects.h"
#include "app/HelpFormUnit.h"
#include "app/Installation.h"
#include "app/MainFormUnit.h"
#include "app/Splash.h"
#include "app/Startup.h"

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
    kelvora::ui::createApplicationObjects(prompter);
    kelvora::MainForm->show();
    ok = save(kelvora::MainForm, out, "hoofdvenster.png") && ok;
    kelvora::HelpForm->showHelp();
    ok = save(kelvora::HelpForm, out, "help.png") && ok;
    kelvora::HelpForm->close();
    kelvora::AboutBox->show();
    ok = save(kelvora::AboutBox, out, "info.png") && ok;
    kelvora::AboutBox->close();
    kelvora::ui::destroyApplicationObjects();
    return ok ? 0 : 1;
}
