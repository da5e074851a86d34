// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class SettingsFile;
class TGlzDM;
class View;

namespace ui {
class DBGrid;
class DBLabel;
class DBNavigator;
} // namespace ui

// The material lookup window beside the glaze editor; not modal. It browses
// the data module's materials view, narrowed by a search field, and offers the current material to the
// glaze being edited: "Voeg toe" and a double-click in the list emit
// materialChosen, and its name can be dragged onto a name field of the
// editor. Where the material goes is the editor's decision.
class TMatLkupForm : public QDialog {
    Q_OBJECT
public:
    TMatLkupForm(TGlzDM& dataModule, SettingsFile& settings, QWidget* parent = nullptr);
    ~TMatLkupForm() override;

    // The add action of "Voeg toe" and of a double-click in the list: emits
    // materialChosen with the current material's name.
    void DBGrid1DblClick();

    // Shows only the materials whose name holds `text` (any case); an empty
    // text shows them all. Typing it makes the first material shown the
    // current one when the current one is no longer shown.
    void filterList(const QString& text, bool keepCurrentShown = true);

    // The mime type of a drag started on the name label.
    static const char* dragMimeType();

Q_SIGNALS:
    // The user chose the current material of the list to add.
    void materialChosen(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildLayout();
    // Every caption, tooltip and heading in the program's language.
    void retranslate();
    void FormCreate();
    void FormDestroy();
    void startNameDrag();
    View* materials() const;
    ui::DBLabel* value(const char* field, const char* format, bool bold, QWidget* parent) const;

    TGlzDM& dataModule_;
    SettingsFile& settings_;
    // The controls; tests find them by their object names.
    ui::DBNavigator* MatDBN = nullptr;
    QPushButton* VoegToebutton = nullptr;
    ui::DBLabel* NaamLabel = nullptr;
    ui::DBLabel* BescLabel = nullptr;
    QPushButton* CloseButton = nullptr;
    QLineEdit* ZoekEdit = nullptr; // narrows the list as the potter types
    ui::DBGrid* DBGrid1 = nullptr;
    ui::DBLabel* PrysLabel = nullptr;
    ui::DBLabel* MolgLabel = nullptr;
    QLabel* BeschikbaarCaption = nullptr;
    QLabel* PrijsCaption = nullptr;
    QLabel* MolgewichtCaption = nullptr;
};

} // namespace kelvora
