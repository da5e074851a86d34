// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "store/View.h"

#include <QObject>

#include <string>
#include <vector>

class QCompleter;
class QStringListModel;

namespace kelvora::ui {

class DBEdit;

// Material names for the recipe and addition fields of the glaze editor: the
// fields complete from the names of the materials view as the user types
// (upper and lower case alike), and on leaving a field a name that means
// exactly one material except for case or surrounding blanks becomes that
// material's own spelling. A name that then matches no material turns red,
// with the closest names in its tool tip and behind a small button at its
// end that offers them to choose from. The list follows the materials view:
// it is read again when the view opens and after its rows change.
class MaterialNameCompletion : public QObject, public ViewObserver {
    Q_OBJECT
public:
    MaterialNameCompletion(View& materials, QObject* parent);
    ~MaterialNameCompletion() override;

    void attach(DBEdit* edit);
    // The names offered now (reads the view again when it changed).
    const std::vector<std::string>& names();
    // Whether the edit is marked as naming no material.
    static bool isMarkedUnknown(const DBEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void viewChanged(View& view, ViewEvent event, int field) override;
    void viewDestroyed(View& view) override;

private:
    void reload();
    void correct(DBEdit* edit);
    // Marks the edit red when its text names no material, else clears the mark.
    void check(DBEdit* edit);
    void offerNames(DBEdit* edit);
    void take(DBEdit* edit, const QString& name);

    View* materials_;
    QCompleter* completer_;
    QStringListModel* model_;
    std::vector<std::string> names_;
    bool stale_ = true;
};

} // namespace kelvora::ui
