// SPDX-License-Identifier: GPL-3.0-or-later
// Takes pictures of Kelvora's windows as the program shows them, for the
// manual and for checking the look: kelvora_screenshots <folder> [--windows]
// [--lang nl|en|de].
// With --windows it also takes every window and every tab page at the
// default font and at 14 points (<window>[-<page>]-<size>.png), and the
// manual's pictures at the default font into <folder>/manual.
// Run it from the build folder (it uses the manual and data beside it),
// under a real or virtual display.
#include "ShotLanguage.h"
#include "app/AboutBoxUnit.h"
#include "app/AppComposition.h"
#include "app/HelpFormUnit.h"
#include "app/Installation.h"
#include "app/MainFormUnit.h"
#include "app/Splash.h"
#include "app/Startup.h"
#include "common/Prompter.h"
#include "engine/GlzDMUnit.h"
#include "glaze/GlazFormUnit.h"
#include "glaze/VerwijderMatFormUnit.h"
#include "notebook/FiringSchedule.h"
#include "notebook/Proef.h"
#include "notebook/StokenFormUnit.h"
#include "store/IniFile.h"
#include "store/Notebook.h"
#include "store/SettingsTable.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <memory>

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
QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

QString fileName(QString text) {
    text = text.toLower();
    text.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("_"));
    return text;
}

// A test of the glaze the editor opens on, fired once with a result, for
// the pictures of the notebook; what it added to the data folder goes again.
struct ExampleNotebook {
    QString folder;
    QStringList before;
    QString firing;
    explicit ExampleNotebook(kelvora::ui::AppComposition& program) {
        kelvora::Notebook& notebook = program.notebook();
        folder = QString::fromStdString(notebook.dataDir());
        before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        program.glazForm().show();
        const kelvora::Glaze glaze = program.dataModule().currentGlaze();
        program.glazForm().hide();
        try {
            kelvora::Proef test =
                kelvora::Proef::mixedFrom(glaze, notebook.suggestTestCode(2026), "10-12-2026");
            test.batchGrams = 500;
            test.clayBody = "Steengoed wit";
            notebook.addTest(test);
            kelvora::Stook stook;
            stook.code = notebook.suggestFiringCode(2026);
            stook.date = "11-12-2026";
            stook.kiln = "Gasoven";
            stook.cone = "8 buigt, 9 staat";
            stook.atmosphere = kelvora::Atmosphere::Reduction;
            stook.schedule = kelvora::FiringSchedule::parse("100:600:0,150:1250:15");
            notebook.addFiring(stook);
            kelvora::TileResult result;
            result.firing = stook.code;
            result.test = test.code;
            result.place = "midden";
            result.surface = "glans";
            result.colour = "groenblauw";
            result.rating = 4;
            notebook.setResult(result);
            firing = QString::fromStdString(stook.code);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "no example notebook: %s\n", error.what());
        }
    }
    ~ExampleNotebook() {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (!before.contains(name)) {
                QFileInfo info(dir.filePath(name));
                if (info.isDir())
                    QDir(info.filePath()).removeRecursively();
                else
                    QFile::remove(info.filePath());
            }
    }
};

// Every window, and each of its tab pages, at the application's current font.
bool takeEveryWindow(const QDir& out, const QString& size, kelvora::Prompter& prompter) {
    struct Picture {
        const char* window;
        // The manual's picture of this window (of its pages, in page order).
        QStringList manual;
    };
    const Picture pictures[] = {
        {"MainForm", {"hoofdvenster"}},
        {"AboutBox", {}},
        {"HelpForm", {}},
        {"GlazForm", {"", "glaz_grondstoffen", "", "", "glaz_analyse", "", "", "proeven"}},
        {"MatLkupForm", {"matlkup"}},
        {"VerwijderMatForm", {}},
        {"MatForm", {"mat_algemeen", "mat_omschrijving", "mat_samenstproc"}},
        {"MatImportForm", {"matimport"}},
        {"UpgradeDBForm", {"upgrade"}},
    };
    bool ok = true;
    QDir manual(out.filePath(QStringLiteral("manual")));
    if (size == QLatin1String("default")) out.mkpath(QStringLiteral("manual"));
    auto program = std::make_unique<kelvora::ui::AppComposition>(prompter);
    const ExampleNotebook example(*program);
    QWidget* editor = topLevel("GlazForm");
    for (const Picture& picture : pictures) {
        QWidget* w = topLevel(picture.window);
        if (!w) continue;
        const bool besideEditor =
            qstrcmp(picture.window, "MatLkupForm") == 0 || qstrcmp(picture.window, "VerwijderMatForm") == 0;
        if (besideEditor && editor) {
            editor->show();
            editor->findChild<QTabWidget*>()->setCurrentIndex(1);
        }
        if (auto* remove = qobject_cast<kelvora::TVerwijderMatForm*>(w)) remove->wat = 1;
        w->show();
        (void)QTest::qWaitForWindowExposed(w);
        const QString base = QString::fromLatin1(picture.window).toLower();
        QTabWidget* tabs = nullptr;
        for (QTabWidget* t : w->findChildren<QTabWidget*>())
            if (t->window() == w) tabs = t;
        const int pages = tabs ? tabs->count() : 1;
        for (int page = 0; page < pages; ++page) {
            QString name = base;
            if (tabs) {
                tabs->setCurrentIndex(page);
                name += QLatin1Char('-') + fileName(tabs->tabText(page));
            }
            const std::string file = (name + QLatin1Char('-') + size + QStringLiteral(".png")).toStdString();
            ok = save(w, out, file.c_str()) && ok;
            if (size == QLatin1String("default") && page < picture.manual.size() &&
                !picture.manual[page].isEmpty()) {
                const std::string manualFile = (picture.manual[page] + QStringLiteral(".png")).toStdString();
                ok = save(w, manual, manualFile.c_str()) && ok;
            }
        }
        w->hide();
        if (besideEditor && editor) editor->hide();
    }
    {
        kelvora::TStokenForm firings(prompter, program->notebook());
        firings.refresh();
        firings.selectFiring(example.firing);
        firings.show();
        (void)QTest::qWaitForWindowExposed(&firings);
        ok = save(&firings, out, ("stoken-" + size + ".png").toStdString().c_str()) && ok;
        if (size == QLatin1String("default")) ok = save(&firings, manual, "stoken.png") && ok;
    }
    program.reset();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvora::ui::prepareApplication(app);
    QStringList args = QCoreApplication::arguments().mid(1);
    const int taal = takeShotLanguage(args);
    const bool everyWindow = args.size() == 2 && args.at(1) == QLatin1String("--windows");
    if (taal == 0 || (args.size() != 1 && !everyWindow)) {
        std::fprintf(stderr, "usage: kelvora_screenshots <folder> [--windows] [--lang nl|en|de]\n");
        return 2;
    }
    const QDir out(args.at(0));
    // Pictures only: the settings of a real run are left alone. Their own
    // settings file says the language, which every run below starts in.
    kelvora::ui::setExecutablePath(
        QDir(QCoreApplication::applicationDirPath()).filePath("kelvora-screenshots"));
    kelvora::ui::settingsFile().writeInteger(kelvora::settings::Algemeen, kelvora::settings::Taal, taal);
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
    if (everyWindow) {
        const QFont normal = QApplication::font();
        ok = takeEveryWindow(out, QStringLiteral("default"), prompter) && ok;
        QFont large = normal;
        large.setPointSize(14);
        QApplication::setFont(large);
        ok = takeEveryWindow(out, QStringLiteral("14pt"), prompter) && ok;
        QApplication::setFont(normal);
    }
    return ok ? 0 : 1;
}
