// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "glaze/Captions.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

namespace kelvora {

class GlazeBook;
class Prompter;

// The window "Recepten importeren": a recipe file of another tool, or text
// pasted from a forum, a book or a mail, shown as a preview before anything
// is written. Every material name of the file gets a row with its state
// (gelijk, alias, nieuw uit analyse, zonder analyse, onbekend); an unknown
// one is settled by the potter (map it to a material, make it from the
// file's analysis or without chemistry, or skip it with its recipes).
// "Importeren" is enabled only when every name is settled, and writes all
// recipes, new materials and remembered names in one change.
class TReceptImportForm : public QDialog {
    Q_OBJECT
public:
    // `chemistryFolder` holds the shipped list of other material names.
    TReceptImportForm(GlazeBook& book, Prompter& prompter, const std::string& chemistryFolder,
                      QWidget* parent = nullptr);
    ~TReceptImportForm() override;

    // In a run that may not write, the preview still works and
    // "Importeren" stays disabled.
    void setReadOnly(bool readOnly);
    // "Bestand...": reads a file; false (with the reason said) when it cannot.
    bool openFile(const QString& path);
    // Pasted text, read with the pasted-text rules.
    bool openText(const QString& text);
    // "Plakken...": asks for the text and reads it.
    void pasteText();

Q_SIGNALS:
    // After a written import: the names of the recipes stored.
    void imported(const QStringList& glazes);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showNoSource();
    struct Ui;
    struct State;
    bool read(const std::string& bytes, const QString& source, bool pasted);
    void chooseFile();
    void showPlan();
    void showMaterial(int row);
    void applyChoice();
    void importNow();

    GlazeBook& book_;
    Prompter& prompter_;
    std::string chemistryFolder_;
    std::unique_ptr<Ui> ui_;
    std::unique_ptr<State> state_;
    bool readOnly_ = false;
    Captions captions_{staticMetaObject.className()};
};

} // namespace kelvora
