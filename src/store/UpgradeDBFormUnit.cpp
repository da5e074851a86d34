#include "store/UpgradeDBFormUnit.h"

namespace kelvora {

TUpgradeDBForm::TUpgradeDBForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("UpgradeDBForm"));
    setWindowTitle(QStringLiteral("Upgrade database"));
    resize(563, 271);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    FormCreate();
}

TUpgradeDBForm::~TUpgradeDBForm() = default;

void TUpgradeDBForm::FormCreate()
{
    // It keeps no settings: it opens where it was designed.
    move(295, 129);
}

} // namespace kelvora
