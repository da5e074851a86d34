#include "glaze/VerwijderMatFormUnit.h"

#include "store/SettingsTable.h"
#include "ui/ErrorBox.h"
#include "ui/WindowPlacement.h"

namespace kelvora {

TVerwijderMatForm::TVerwijderMatForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VerwijderMatForm"));
    setWindowTitle(QStringLiteral("Verwijder materiaal"));
    resize(306, 129);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    FormCreate();
}

TVerwijderMatForm::~TVerwijderMatForm()
{
    FormDestroy();
}

void TVerwijderMatForm::FormCreate()
{
    ui::guard(this, [this] { ui::applyPlacement(this, settings::VerwijderMatForm); });
}

void TVerwijderMatForm::FormDestroy()
{
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings::VerwijderMatForm); });
}

} // namespace kelvora
