#pragma once
#include <QDialog>

namespace kelvora {

// The material import window, shown modally from the import menu.
class TMatImportForm : public QDialog {
    Q_OBJECT
public:
    explicit TMatImportForm(QWidget* parent = nullptr);
    ~TMatImportForm() override;

private:
    void FormCreate();
};

} // namespace kelvora
