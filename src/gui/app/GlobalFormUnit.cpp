// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GlobalFormUnit.h"

#include "store/SettingsFile.h"
#include "store/SettingsTable.h"
#include "widgets/ErrorBox.h"

namespace kelvora {

TGlobalForm::TGlobalForm(LanguageHolder& language, SettingsFile& settings, QWidget* parent)
    : QWidget(parent), language_(language), settings_(settings) {
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
    ui::guard(nullptr,
              [this] { settings::write(settings_, settings::Algemeen, settings::Taal, language_.taal()); });
}

} // namespace kelvora
