#include "glaze/GlazFormUnit.h"

#include "store/SettingsTable.h"
#include "ui/ErrorBox.h"
#include "ui/WindowPlacement.h"

namespace kelvora {

TGlazForm::TGlazForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GlazForm"));
    setWindowTitle(QStringLiteral("Glazuren invoeren onderhouden"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(774, 503);
    // Modal over the window that opens it only, so the help viewer and the
    // lookup window stay usable beside it.
    setWindowModality(Qt::WindowModal);
    FormCreate();
}

TGlazForm::~TGlazForm()
{
    FormDestroy();
}

void TGlazForm::FormCreate()
{
    ui::guard(this, [this] { ui::applyPlacement(this, settings::GlazForm); });
}

void TGlazForm::FormDestroy()
{
    ui::guard(nullptr, [this] { ui::storePlacement(this, settings::GlazForm); });
}

} // namespace kelvora
