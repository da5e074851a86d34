// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "notebook/FiringSchedule.h"

#include <QString>
#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QDialog;
class QInputDialog;
class QLabel;
class QLineEdit;
class QLineSeries;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QValueAxis;

namespace kelvora {

class Notebook;
class Prompter;
struct Stook;

// The window "Stoken": the firings of the notebook in a list, the chosen
// firing's fields beside it with its schedule as a table of steps, the tests
// that were in it with their results, and a plot of the schedule (and of the
// kiln's log, where there is one). A schedule can be saved as a template and
// used again; a log is pasted or read from a controller's CSV file. The
// reading, checking and converting are the core's; every change is written
// through the notebook, and what it refuses is shown in the error box.
class TStokenForm : public QWidget {
    Q_OBJECT
public:
    TStokenForm(Prompter& prompter, Notebook& notebook, QWidget* parent = nullptr);
    ~TStokenForm() override;

    // Shows the notebook as it stands now (after another window changed it).
    void refresh();
    // Shows the firing with this code; false when there is none.
    bool selectFiring(const QString& code);
    // The code of the firing shown ("" for none).
    QString currentCode() const;
    // A run that may not write: every control that changes something is off.
    void setReadOnly(bool readOnly);

signals:
    // A firing was written to the notebook.
    void firingSaved(const QString& code);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Changes not yet saved are offered for saving first.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void retranslate();
    void fillFirings();
    void fillKilns();
    void showFiring(const Stook* firing);
    void showSchedule(const std::vector<ScheduleStep>& steps);
    void showTests(const QString& code);
    void updatePlot();
    void updateEnabled();
    void firingChosen();
    void markShownRow();
    // Before another firing is shown: saves, drops or keeps (false) what was
    // changed, as the user answers.
    bool settleChanges();
    void newFiring();
    void save();
    void saveTemplate();
    void useTemplate();
    void readLog();
    void readLogFile();
    void addStep();
    void removeStep();
    std::vector<ScheduleStep> scheduleSteps() const;

    Prompter& prompter_;
    Notebook& notebook_;
    QString code_; // the firing shown, as stored; "" while a new one is typed
    bool readOnly_ = false;
    bool changed_ = false;         // the fields hold what the user changed and did not save
    std::vector<KilnReading> log_; // the shown firing's log, or the one just read in

    // The controls; tests find them by their object names.
    QTableWidget* StokenTabel = nullptr;
    QLabel* CodeLbl = nullptr;
    QLineEdit* CodeEdit = nullptr;
    QLabel* DatumLbl = nullptr;
    QLineEdit* DatumEdit = nullptr;
    QLabel* OvenLbl = nullptr;
    QComboBox* OvenCB = nullptr;
    QLabel* KegelLbl = nullptr;
    QLineEdit* KegelEdit = nullptr;
    QLabel* AtmosfeerLbl = nullptr;
    QComboBox* AtmosfeerCB = nullptr;
    QLabel* ReductieLbl = nullptr;
    QLineEdit* ReductieEdit = nullptr;
    QLabel* NotitiesLbl = nullptr;
    QPlainTextEdit* NotitiesEdit = nullptr;
    QLabel* SchemaLbl = nullptr;
    QTableWidget* SchemaTabel = nullptr;
    QPushButton* StapToevoegenButton = nullptr;
    QPushButton* StapVerwijderenButton = nullptr;
    QLabel* ProevenLbl = nullptr;
    QTableWidget* ProevenTabel = nullptr;
    QLabel* LogLbl = nullptr;
    QChartView* GrafiekView = nullptr;
    QChart* chart_ = nullptr;
    QValueAxis* hoursAxis_ = nullptr;
    QValueAxis* celsiusAxis_ = nullptr;
    QLineSeries* scheduleSeries_ = nullptr;
    QLineSeries* logSeries_ = nullptr;
    QPushButton* NieuweButton = nullptr;
    QPushButton* BewarenButton = nullptr;
    QPushButton* SjabloonBewarenButton = nullptr;
    QPushButton* SjabloonGebruikenButton = nullptr;
    QPushButton* LogButton = nullptr;
    // The questions the buttons ask, made once so that tests can answer them.
    QInputDialog* NaamDialog = nullptr;
    QInputDialog* SjabloonDialog = nullptr;
    QDialog* LogDialog = nullptr;
    QLabel* LogUitlegLbl = nullptr;
    QPlainTextEdit* LogTekst = nullptr;
    QPushButton* LogBestandButton = nullptr;
    QPushButton* LogOkButton = nullptr;
    QPushButton* LogAnnulerenButton = nullptr;
};

} // namespace kelvora
