#pragma once
#include <QDialog>

namespace kelvora {

// The dialog that chooses a material to remove from a recipe.
class TVerwijderMatForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerwijderMatForm(QWidget* parent = nullptr);
    ~TVerwijderMatForm() override;

private:
    void FormCreate();
    void FormDestroy();
};

} // namespace kelvora
