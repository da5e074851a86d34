#pragma once
#include <QDialog>

namespace kelvora {

// The window that takes over the previous version's data files.
class TUpgradeDBForm : public QDialog {
    Q_OBJECT
public:
    explicit TUpgradeDBForm(QWidget* parent = nullptr);
    ~TUpgradeDBForm() override;

private:
    void FormCreate();
};

} // namespace kelvora
