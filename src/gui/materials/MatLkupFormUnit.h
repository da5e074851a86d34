#pragma once
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace kelvora {

namespace ui {
class DBGrid;
class DBLabel;
class DBNavigator;
} // namespace ui

// The material lookup window beside the glaze editor; not modal. It browses
// the data module's materials view and puts the current material into the
// glaze being edited: with "Voeg toe", a double-click in the list, or by
// dragging its name onto a name field of the editor.
class TMatLkupForm : public QDialog {
    Q_OBJECT
public:
    explicit TMatLkupForm(QWidget* parent = nullptr);
    ~TMatLkupForm() override;

    // The add action of "Voeg toe" and of a double-click in the list.
    void DBGrid1DblClick();

    // The mime type of a drag started on the name label.
    static const char* dragMimeType();

    ui::DBNavigator* MatDBN = nullptr;
    QPushButton* VoegToebutton = nullptr;
    ui::DBLabel* NaamLabel = nullptr;
    ui::DBLabel* BescLabel = nullptr;
    QPushButton* CloseButton = nullptr;
    ui::DBGrid* DBGrid1 = nullptr;
    ui::DBLabel* PrysLabel = nullptr;
    ui::DBLabel* MolgLabel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void FormCreate();
    void FormDestroy();
    void startNameDrag();
};

} // namespace kelvora
