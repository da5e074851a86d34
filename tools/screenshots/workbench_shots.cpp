// SPDX-License-Identifier: GPL-3.0-or-later
// Takes pictures of the batch page, the chemistry page, the Stull chart and
// the manual's worked substitution on the starter glazes, for the manual:
// kelvora_workbench_screenshots <folder>.
// Run it from the build folder (it reads db0991 and data beside it), under a
// real or virtual display. Numbers are shown as a Dutch user sees them.
#include "ShotLanguage.h"
#include "app/Startup.h"
#include "engine/GlzDMUnit.h"
#include "glaze/BatchPage.h"
#include "glaze/ChemiePage.h"
#include "glaze/MengreeksFormUnit.h"
#include "glaze/ReceptZoekenFormUnit.h"
#include "glaze/StullChartFormUnit.h"
#include "glaze/VervangGrondstofFormUnit.h"
#include "store/GlazeBook.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {
bool save(QWidget* window, const QDir& dir, const char* name) {
    window->show();
    window->raise();
    QTest::qWait(400);
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A page in a tab frame of the editor's size, as the editor will show it.
QTabWidget* framed(QWidget* page, const QString& caption) {
    auto* tabs = new QTabWidget;
    tabs->setWindowTitle(QStringLiteral("Glazuren invoeren onderhouden"));
    for (const char* other : {"Bladeren", "Grondstoffen", "Omschrijving", "Toegev. stoffen", "Analyse"})
        tabs->addTab(new QWidget, QString::fromLatin1(other));
    tabs->addTab(page, caption);
    tabs->setCurrentWidget(page);
    tabs->resize(774, 460);
    return tabs;
}
} // namespace

int main(int argc, char** argv) {
    QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
    QApplication app(argc, argv);
    kelvora::ui::prepareApplication(app);
    QStringList args = QCoreApplication::arguments().mid(1);
    const int taal = takeShotLanguage(args);
    if (taal == 0 || args.size() != 1) {
        std::fprintf(stderr, "usage: kelvora_workbench_screenshots <folder> [--lang nl|en|de]\n");
        return 2;
    }
    kelvora::ui::LanguageSwitch::apply(taal);
    const QDir out(args.at(0));
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    kelvora::SilentPrompter prompter;
    kelvora::TGlzDM dm(prompter);
    dm.OpenTables();
    bool ok = dm.GlzCDS.findKey("Seladon");

    auto* batch = new kelvora::BatchPage(dm.GlzCDS, dm.MatCDS, 1000);
    auto* batchFrame = framed(batch, QStringLiteral("Batch"));
    ok = save(batchFrame, out, "workbench-batch.png") && ok;
    delete batchFrame;

    auto* chemie = new kelvora::ChemiePage(dm.GlzCDS, dm.MatCDS, "data");
    auto* chemieFrame = framed(chemie, QStringLiteral("Chemie"));
    ok = save(chemieFrame, out, "workbench-chemie.png") && ok;
    delete chemieFrame;

    {
        kelvora::TStullChartForm stull(dm.GlzCDS);
        ok = save(&stull, out, "workbench-stull.png") && ok;
    }
    // The worked example of the manual: the borax frit of "Kegel 6 glans basis"
    // replaced by colemanite and two feldspars.
    if (dm.GlzCDS.findKey("Kegel 6 glans basis")) {
        kelvora::TVervangGrondstofForm form(dm, prompter);
        form.loadCurrentGlaze();
        form.resize(820, 720); // tall enough to show the whole recipe
        // The controls by their object names, as the tests find them.
        auto* replaced = form.findChild<QComboBox*>(QStringLiteral("VervangCB"));
        auto* candidates = form.findChild<QListView*>(QStringLiteral("KandidatenLijst"));
        if (!replaced || !candidates) return 1;
        replaced->setCurrentIndex(replaced->findText(QStringLiteral("Standaard borax fritte")));
        QAbstractItemModel* model = candidates->model();
        for (const char* name : {"Colemaniet", "Natronveldspaat", "Kaliveldspaat"})
            for (const QModelIndex& item : model->match(model->index(0, 0), Qt::DisplayRole,
                                                        QString::fromLatin1(name), 1, Qt::MatchExactly))
                model->setData(item, Qt::Checked, Qt::CheckStateRole);
        ok = save(&form, out, "vervang_grondstof.png") && ok;
    } else {
        ok = false;
    }
    // The recipe search with the example glaze as its target, and a blend
    // starting from it.
    if (dm.GlzCDS.findKey("Seladon")) {
        kelvora::TReceptZoekenForm search(dm, prompter);
        search.setTargetFromGlaze(dm.currentGlaze());
        search.resize(980, 680);
        ok = save(&search, out, "recept_zoeken.png") && ok;
    }
    try {
        kelvora::GlazeBook& book = dm.book();
        if (!book.loaded()) book.load();
        kelvora::TMengreeksForm blends(book, prompter, "data");
        blends.startFrom(QStringLiteral("Seladon"));
        ok = save(&blends, out, "mengreeks.png") && ok;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "no blend picture: %s\n", error.what());
        ok = false;
    }
    dm.CloseTables();
    return ok ? 0 : 1;
}
