#include "materials/MatFormUnit.h"

#include "store/SettingsTable.h"
#include "ui/ErrorBox.h"
#include "ui/WindowPlacement.h"

namespace kelvora {

TMatForm::TMatForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MatForm"));
    setWindowTitle(QStringLiteral("Onderhoud grondstoffen"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(701, 542);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    FormCreate();
}

TMatForm::~TMatForm()
{
    FormDestroy();
}

void TMatForm::FormCreate()
{
    ui::guard(this, [this] { ui::applyPlacement(this, settings::MatForm); });
}

void TMatForm::FormDestroy()
{
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings::MatForm); });
}

} // namespace kelvora
