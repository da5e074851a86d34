#pragma once
#include <QDialog>

namespace kelvora {

// The materials maintenance window, shown modally from the main window.
class TMatForm : public QDialog {
    Q_OBJECT
public:
    explicit TMatForm(QWidget* parent = nullptr);
    ~TMatForm() override;

private:
    void FormCreate();
    void FormDestroy();
};

} // namespace kelvora
