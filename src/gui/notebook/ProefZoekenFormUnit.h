// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/TestSearch.h"

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace kelvora {

class GlazeBook;
class Notebook;
class Prompter;

// "Proeven zoeken": finds tests by code, glaze, clay body, cone, atmosphere,
// kiln, the status of their glaze, the date they were mixed and a defect;
// the tests found are listed with their firings. A double click or Enter on
// one asks for its glaze to be opened there (testChosen); the tests picked
// in the list print as test sheets or as tile labels.
class TProefZoekenForm : public QDialog {
    Q_OBJECT
public:
    // The notebook and the glazes (for the status of a test's glaze and the
    // cones in a sheet's heading) are read, never changed.
    TProefZoekenForm(const Notebook& notebook, const GlazeBook& glazes, Prompter& prompter,
                     QWidget* parent = nullptr);

    // Searches again with what the fields hold now (after the notebook
    // changed, say).
    void search();

    // Asks how and where to print; true to go on. The print dialog unless a
    // test puts in an answer of its own (a PDF file, say).
    using PrintQuestion = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void setPrintQuestion(PrintQuestion question) { askPrinter_ = std::move(question); }
    QPrinter& printer() { return printer_; }

Q_SIGNALS:
    // The test to open in its glaze's window.
    void testChosen(const QString& glaze, const QString& code);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void retranslate();
    // The query as the fields give it; nothing (after saying why) when a
    // date is not a date.
    std::optional<TestQuery> query() const;
    void showCount();
    void chooseCurrent();
    std::vector<const Proef*> selectedTests() const;
    void printSheets();
    void printLabels();

    const Notebook& notebook_;
    const GlazeBook& glazes_;
    Prompter& prompter_;
    QPrinter printer_;
    PrintQuestion askPrinter_;
    QStandardItemModel* results_ = nullptr;
    // The controls; tests find them by their object names.
    QLabel* CodeLabel = nullptr;
    QLineEdit* CodeEdit = nullptr;
    QLabel* GlazuurLabel = nullptr;
    QLineEdit* GlazuurEdit = nullptr;
    QLabel* ScherfLabel = nullptr;
    QLineEdit* ScherfEdit = nullptr;
    QLabel* KegelLabel = nullptr;
    QLineEdit* KegelEdit = nullptr;
    QLabel* AtmosfeerLabel = nullptr;
    QComboBox* AtmosfeerCB = nullptr;
    QLabel* OvenLabel = nullptr;
    QLineEdit* OvenEdit = nullptr;
    QLabel* StatusLabel = nullptr;
    QComboBox* StatusCB = nullptr;
    QLabel* VanafLabel = nullptr;
    QLineEdit* VanafEdit = nullptr;
    QLabel* TotLabel = nullptr;
    QLineEdit* TotEdit = nullptr;
    QLabel* GebrekLabel = nullptr;
    QComboBox* GebrekCB = nullptr;
    QPushButton* ZoekenButton = nullptr;
    QLabel* AantalLabel = nullptr;
    QTableView* ResultatenTabel = nullptr;
    QLabel* EtiketSoortLabel = nullptr;
    QComboBox* EtiketSoortCB = nullptr;
    QPushButton* TestbladButton = nullptr;
    QPushButton* EtikettenButton = nullptr;
    QPushButton* SluitenButton = nullptr;
};

} // namespace kelvora
