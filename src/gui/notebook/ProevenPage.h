// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/Glaze.h"
#include "notebook/ThumbnailCache.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QListWidget;
class QMimeData;
class QPushButton;
class QTableWidget;

namespace kelvora {

class Notebook;
class Prompter;

// The page "Proeven" of the glaze editor: the tests of the glaze shown,
// with the firings they were in, their results and photos. "Nieuwe proef"
// freezes the recipe as the editor shows it into a new test in one click;
// the other buttons edit the selected test, record its result in a firing
// and add photos, which may also be dropped onto the page. Every change is
// written through the notebook at once.
class ProevenPage : public QWidget {
    Q_OBJECT
public:
    // Returns the glaze as the editor shows it (nothing when there is none).
    using CurrentGlaze = std::function<std::optional<Glaze>()>;
    // Asks for image files to add: the window to open over, the caption and
    // the file filter; an empty list when the user chose none.
    using FileChooser =
        std::function<QStringList(QWidget* parent, const QString& caption, const QString& filter)>;

    ProevenPage(Prompter& prompter, Notebook& notebook, CurrentGlaze currentGlaze, QWidget* parent = nullptr);

    // Shows the tests of the glaze of that name (none for an empty name).
    void setGlazeName(const QString& name);
    // Shows the notebook again as it stands (after another window changed it).
    void refresh();
    // Selects the test of that code, when the page shows it.
    void selectTest(const QString& code);
    // In a run that only reads, nothing on the page changes the notebook.
    void setReadOnly(bool readOnly);
    // Replaces the file dialog of "Foto toevoegen..." (tests answer it).
    void setFileChooser(FileChooser chooser);

    // The code of the selected test; empty when none is.
    QString selectedTestCode() const;

Q_SIGNALS:
    // A thumbnail was opened (double-click or Enter): the test and the
    // photo's place among that test's photos, counted from 0.
    void photoOpenRequested(const QString& testCode, int index);
    // The notebook was changed from this page.
    void notebookChanged();

protected:
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void retranslate();
    void showTests(const std::string& select);
    void showSelected();
    void showResults(const std::string& code);
    void showPhotos(const std::string& code);
    void updateButtons();
    // Runs a change; a refused value or a failed write is said through the
    // prompter. Then the page shows the notebook as it stands, with the
    // test `select` chosen where it is there.
    template <class Change> void change(const std::string& select, Change&& action);
    void newTest();
    void editTest();
    void editResult();
    void choosePhotos();
    void addPhotos(const QStringList& files, bool ask);
    bool accepts(const QMimeData* mime) const;

    Prompter& prompter_;
    Notebook& notebook_;
    CurrentGlaze currentGlaze_;
    FileChooser chooseFiles_;
    ThumbnailCache thumbnails_;
    std::string glaze_;
    std::vector<std::string> shownTests_; // the codes in the rows of the table
    bool readOnly_ = false;

    QLabel* testsLabel_ = nullptr;
    QTableWidget* tests_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* resultButton_ = nullptr;
    QPushButton* photoButton_ = nullptr;
    QLabel* resultsLabel_ = nullptr;
    QTableWidget* results_ = nullptr;
    QLabel* photosLabel_ = nullptr;
    QListWidget* photos_ = nullptr;
    QLabel* missing_ = nullptr; // where the missing photos should be, in full
};

} // namespace kelvora
