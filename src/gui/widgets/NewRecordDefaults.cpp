// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/NewRecordDefaults.h"

#include "common/DateText.h"
#include "store/View.h"

#include <QDate>

namespace kelvora::ui {

std::string todayText() {
    const QDate today = QDate::currentDate();
    return DateText::format(today.year(), today.month(), today.day());
}

void setNewGlazeDefaults(View& glazes) {
    glazes.setNewRowDefaults([](View& v) {
        v.setText("molp", "P");
        v.setText("datm", todayText());
    });
}

void setNewMaterialDefaults(View& materials) {
    materials.setNewRowDefaults([](View& v) { v.setText("molproc", "M"); });
}

} // namespace kelvora::ui
