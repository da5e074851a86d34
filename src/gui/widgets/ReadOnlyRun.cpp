// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ReadOnlyRun.h"

#include "widgets/DBComboBox.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"

#include <QCoreApplication>

namespace kelvora::ui::ReadOnlyRun {

QString title(const QString& title) {
    return title + QStringLiteral(" — ") +
           QCoreApplication::translate("kelvora::ui::ReadOnlyRun",
                                       "alleen lezen: de gegevens zijn in gebruik door een ander "
                                       "Kelvora-programma");
}

void disableEditing(QWidget* window, std::initializer_list<QWidget*> more) {
    for (auto* edit : window->findChildren<DBEdit*>())
        edit->setEnabled(false);
    for (auto* box : window->findChildren<DBComboBox*>())
        box->setEnabled(false);
    for (auto* memo : window->findChildren<DBMemo*>())
        memo->setEnabled(false);
    for (QWidget* w : more)
        if (w) w->setEnabled(false);
}

} // namespace kelvora::ui::ReadOnlyRun
