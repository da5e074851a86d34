#include "materials/MatLkupFormUnit.h"

#include "store/SettingsTable.h"
#include "ui/ErrorBox.h"
#include "ui/WindowPlacement.h"

namespace kelvora {

TMatLkupForm::TMatLkupForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MatLkupForm"));
    setWindowTitle(QStringLiteral("Grondstoffen zoeken"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(539, 280);
    FormCreate();
}

TMatLkupForm::~TMatLkupForm()
{
    FormDestroy();
}

void TMatLkupForm::FormCreate()
{
    ui::guard(this, [this] { ui::applyPlacement(this, settings::MatLkupForm); });
}

void TMatLkupForm::FormDestroy()
{
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings::MatLkupForm); });
}

} // namespace kelvora
