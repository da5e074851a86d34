// SPDX-License-Identifier: GPL-3.0-or-later
// The recipe import window on the starter data: a pasted recipe with one
// name the store knows, one it knows by an English alias and one it does
// not; "Importeren" waits until the unknown name is settled, and the
// recipe then arrives with its lines on the store's material names.
#include "GuiTestSupport.h"

#include "glaze/ReceptImportFormUnit.h"
#include "store/GlazeBook.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {
struct Open {
    Open() {
        book.load();
        form.show();
    }
    ~Open() { book.close(); }
    TestInstallation install;
    GlazeBook book{QDir(install.folder()).filePath(QStringLiteral("db0991")).toStdString()};
    RecordingPrompter prompter;
    TReceptImportForm form{book, prompter, KELVORA_CHEMISTRY_DATA};
};

const QString kPasted = QStringLiteral("Proef satijn\n"
                                       "Custer Feldspar 40\n"
                                       "Kwarts 30\n"
                                       "Wollastonite X 30\n"
                                       "Add:\n"
                                       "Rutiel 4\n");

// The row of a name in the materials preview, -1 when it is not there.
int rowOf(QAbstractItemModel* model, const QString& name) {
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 0).data().toString() == name) return r;
    return -1;
}
} // namespace

class ReceptImportTest : public QObject {
    Q_OBJECT
private slots:
    void unknownNameSettledBeforeAnythingIsWritten() {
        Open open;
        const std::size_t glazesBefore = open.book.glazeNames().size();
        QVERIFY(open.form.openText(kPasted));

        auto* materials = child<QTableView>(&open.form, "GrondstoffenTabel")->model();
        auto* recipes = child<QTableView>(&open.form, "ReceptenTabel")->model();
        auto* importButton = child<QPushButton>(&open.form, "ImporterenButton");
        QCOMPARE(recipes->rowCount(), 1);
        QCOMPARE(recipes->index(0, 2).data().toInt(), 3); // base lines
        QCOMPARE(recipes->index(0, 3).data().toInt(), 1); // additions

        const int custer = rowOf(materials, QStringLiteral("Custer Feldspar"));
        const int unknown = rowOf(materials, QStringLiteral("Wollastonite X"));
        QVERIFY(custer >= 0 && unknown >= 0);
        QCOMPARE(materials->index(custer, 1).data().toString(), QStringLiteral("alias"));
        QCOMPARE(materials->index(custer, 2).data().toString(), QStringLiteral("Custer-type veldspaat"));
        QCOMPARE(materials->index(unknown, 1).data().toString(), QStringLiteral("onbekend"));
        QVERIFY(!importButton->isEnabled());

        // The unknown name: nothing is chosen for the potter.
        child<QTableView>(&open.form, "GrondstoffenTabel")->selectRow(unknown);
        auto* target = child<QComboBox>(&open.form, "KoppelenBox");
        QCOMPARE(target->currentText(), QString());
        QVERIFY(!child<QRadioButton>(&open.form, "KoppelenRadio")->isChecked());

        // A name the store does not have settles nothing.
        child<QRadioButton>(&open.form, "KoppelenRadio")->click();
        target->setEditText(QStringLiteral("Wolla"));
        QVERIFY(!importButton->isEnabled());
        QCOMPARE(open.book.glazeNames().size(), glazesBefore);

        target->setEditText(QStringLiteral("Wollastoniet"));
        QCOMPARE(materials->index(unknown, 2).data().toString(), QStringLiteral("Wollastoniet"));
        QVERIFY(importButton->isEnabled());

        importButton->click();
        const auto names = open.book.glazeNames();
        QCOMPARE(names.size(), glazesBefore + 1);
        const auto stored = open.book.findGlaze("Proef satijn");
        QVERIFY(stored.has_value());
        QCOMPARE(QString::fromStdString(stored->recipe.recipeSlots[0].name),
                 QStringLiteral("Custer-type veldspaat"));
        QCOMPARE(QString::fromStdString(stored->recipe.recipeSlots[2].name), QStringLiteral("Wollastoniet"));
        QVERIFY(!importButton->isEnabled()); // nothing is imported twice
    }

    void skippingAMaterialSkipsItsRecipeAndReadOnlyWritesNothing() {
        Open open;
        QVERIFY(open.form.openText(kPasted));
        auto* materials = child<QTableView>(&open.form, "GrondstoffenTabel")->model();
        child<QTableView>(&open.form, "GrondstoffenTabel")
            ->selectRow(rowOf(materials, QStringLiteral("Wollastonite X")));
        child<QRadioButton>(&open.form, "OverslaanRadio")->click();
        auto* recipes = child<QTableView>(&open.form, "ReceptenTabel")->model();
        QCOMPARE(recipes->index(0, 1).data().toString(), QStringLiteral("overgeslagen"));
        // Nothing left to import.
        QVERIFY(!child<QPushButton>(&open.form, "ImporterenButton")->isEnabled());

        child<QRadioButton>(&open.form, "ZonderRadio")->click();
        QVERIFY(child<QPushButton>(&open.form, "ImporterenButton")->isEnabled());
        open.form.setReadOnly(true);
        QVERIFY(!child<QPushButton>(&open.form, "ImporterenButton")->isEnabled());
        QVERIFY(
            child<QLabel>(&open.form, "SamenvattingLbl")->text().contains(QStringLiteral("Alleen lezen")));
    }

    void aFileThatCannotBeReadSaysWhereAndShowsNothing() {
        Open open;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kapot.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?>\n<recipes>\n<recipe name=\"Half\">\n");
        file.close();
        QVERIFY(!open.form.openFile(path));
        QCOMPARE(open.prompter.entries.size(), std::size_t{1});
        QVERIFY2(open.prompter.entries[0].text.find("regel") != std::string::npos,
                 open.prompter.entries[0].text.c_str());
        QCOMPARE(child<QTableView>(&open.form, "ReceptenTabel")->model()->rowCount(), 0);
        QVERIFY(!child<QPushButton>(&open.form, "ImporterenButton")->isEnabled());
    }
};

QTEST_MAIN(ReceptImportTest)
#include "tst_ReceptImport.moc"
