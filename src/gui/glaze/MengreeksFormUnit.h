// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"

#include <QDialog>
#include <QList>
#include <QPointF>
#include <QPrinter>
#include <QStringList>

#include <memory>
#include <string>

namespace kelvora {

class GlazeBook;
class Prompter;

// The window "Mengreeks": a line, triaxial, biaxial or Currie blend of the
// book's glazes. The tile shows every cell with its SiO2:Al2O3 and limit
// check; a chosen cell shows its recipe, Seger formula and what to pour.
// "Maak glazuur" stores the chosen cell as a calculated glaze, "Afdrukken..."
// prints the batch sheet. All figures come from the core's BlendPlan.
class TMengreeksForm : public QDialog {
    Q_OBJECT
public:
    // `chemistryFolder` holds the limit tables and molar masses the cells
    // are checked against.
    TMengreeksForm(GlazeBook& book, Prompter& prompter, const std::string& chemistryFolder,
                   QWidget* parent = nullptr);
    ~TMengreeksForm() override;

    // Starts a blend from a glaze (the glaze editor's current one): it
    // becomes the first corner.
    void startFrom(const QString& glaze);
    // The glazes to choose corners from, read again from the book.
    void reloadGlazes();
    // The printer "Afdrukken..." prints the batch sheet on, kept for the run.
    QPrinter& printer() { return printer_; }

Q_SIGNALS:
    // "Stull-diagram": the cells of the blend (named "cel N", at their
    // SiO2 and Al2O3) as one series on the chart.
    void stullChartRequested(const QString& blend, const QStringList& cells, const QList<QPointF>& points);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Ui;
    void rebuild();
    void showCell(int number);
    void makeGlaze();
    void saveBlend();
    void openSaved(const QString& name);
    void fillSaved();
    struct BlendSettings settings() const;
    void printSheet();

    GlazeBook& book_;
    Prompter& prompter_;
    std::unique_ptr<Ui> ui_;
    struct Chemistry;
    std::unique_ptr<Chemistry> chemistry_;
    struct Current;
    std::unique_ptr<Current> current_;
    QPrinter printer_;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
