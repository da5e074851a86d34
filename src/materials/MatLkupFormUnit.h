#pragma once
#include <QDialog>

namespace kelvora {

// The material lookup window beside the glaze editor; not modal.
class TMatLkupForm : public QDialog {
    Q_OBJECT
public:
    explicit TMatLkupForm(QWidget* parent = nullptr);
    ~TMatLkupForm() override;

private:
    void FormCreate();
    void FormDestroy();
};

} // namespace kelvora
