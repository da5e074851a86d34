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
    // The language of the last run; Dutch when none was kept.
    language_.setTaal(TaalDutch);
    ui::guard(this, [this] {
        const int taal = settings::read(settings_, settings::Algemeen, settings::Taal);
        if (taal == TaalDutch || taal == TaalGerman || taal == TaalEnglish) language_.setTaal(taal);
    });
}

void TGlobalForm::FormDestroy() {
    ui::guard(nullptr,
              [this] { settings::write(settings_, settings::Algemeen, settings::Taal, language_.taal()); });
}

} // namespace kelvora
