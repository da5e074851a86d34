// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/NewRecordDefaults.h"

#include "store/View.h"

#include <QDate>
#include <QLocale>

namespace kelvora::ui {

std::string todayText() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).left(10).toStdString();
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
