#include "materials/MatImportFormUnit.h"

namespace kelvora {

TMatImportForm::TMatImportForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MatImportForm"));
    setWindowTitle(QStringLiteral("MatImportForm"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(564, 115);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    FormCreate();
}

TMatImportForm::~TMatImportForm() = default;

void TMatImportForm::FormCreate()
{
    // It keeps no settings and applies no translation.
}

} // namespace kelvora
