#include "app/GlobalFormUnit.h"

#include "app/AppObjects.h"
#include "app/Installation.h"
#include "widgets/ErrorBox.h"

namespace kelvora {

TGlobalForm::TGlobalForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GlobalForm"));
    setWindowTitle(QStringLiteral("GlobalForm"));
    resize(337, 182);
    FormCreate();
}

TGlobalForm::~TGlobalForm() {
    FormDestroy();
}

void TGlobalForm::FormCreate() {
    // Every run starts in Dutch; the stored language is never read back.
    language_.setTaal(TaalDutch);
}

void TGlobalForm::FormDestroy() {
    ui::guard(nullptr, [this] {
        IniFile ini = ui::settingsFile();
        language_.save(ini);
    });
}

std::string Translate(std::string_view key) {
    return Translate(key, GlobalForm ? GlobalForm->Taal() : TaalDutch);
}

} // namespace kelvora
