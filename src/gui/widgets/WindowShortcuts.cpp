// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WindowShortcuts.h"

#include "widgets/DBGrid.h"
#include "widgets/DBNavigator.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>
#include <QTabWidget>

namespace kelvora::ui::WindowShortcuts {

namespace {

// The search field's texts, in the program's language as it changes.
class SearchTexts : public QObject {
public:
    explicit SearchTexts(QLineEdit* search) : QObject(search), search_(search) {
        search->installEventFilter(this);
    }
    void retranslate() {
        search_->setPlaceholderText(
            QCoreApplication::translate("kelvora::ui::WindowShortcuts", "Zoeken (Ctrl+F)"));
        search_->setAccessibleName(QCoreApplication::translate("kelvora::ui::WindowShortcuts", "Zoeken"));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == search_ && event->type() == QEvent::LanguageChange) retranslate();
        return false;
    }

private:
    QLineEdit* search_;
};

QShortcut* windowShortcut(QWidget* window, const QKeySequence& keys) {
    auto* shortcut = new QShortcut(keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    return shortcut;
}

// Hides the rows whose name does not contain `text`; the first row shown
// becomes current when the current one was hidden.
void applyFilter(DBGrid* grid, const QString& text, const std::function<bool(int)>& keep) {
    QAbstractItemModel* model = grid->model();
    if (!model) return;
    const QString wanted = text.trimmed();
    int first = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString name = model->index(row, 0).data().toString();
        const bool shown =
            (wanted.isEmpty() || name.contains(wanted, Qt::CaseInsensitive)) && (!keep || keep(row));
        grid->setRowHidden(row, !shown);
        if (shown && first < 0) first = row;
    }
    const int current = grid->currentIndex().row();
    if ((!wanted.isEmpty() || keep) && first >= 0 && (current < 0 || grid->isRowHidden(current)))
        grid->setCurrentIndex(model->index(first, 0));
}

// Brings forward every page of a tab widget that holds `widget`.
void reveal(QWidget* widget) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        QWidget* stack = w->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(w) >= 0) tabs->setCurrentWidget(w);
    }
}

} // namespace

void addHelp(QWidget* window, std::function<void()> help) {
    QObject::connect(windowShortcut(window, QKeySequence(Qt::Key_F1)), &QShortcut::activated, window,
                     [help = std::move(help)] { help(); });
}

void addPost(QWidget* window, DBNavigator* navigator) {
    QObject::connect(windowShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_S)), &QShortcut::activated,
                     navigator, [navigator] { navigator->click(DBNavigator::Post); });
}

void refilter(QLineEdit* search) {
    Q_EMIT search->textChanged(search->text());
}

QLineEdit* addSearch(QWidget* window, DBGrid* grid, DBNavigator* navigator,
                     std::function<bool(int row)> keep) {
    auto* search = new QLineEdit(window);
    search->setObjectName(QStringLiteral("SearchEdit"));
    (new SearchTexts(search))->retranslate();
    search->setClearButtonEnabled(true);
    QObject::connect(search, &QLineEdit::textChanged, grid,
                     [grid, keep](const QString& text) { applyFilter(grid, text, keep); });
    // The list is rebuilt when the view changes; the filter stays in force.
    QPointer<QLineEdit> field(search);
    auto reapply = [grid, field, keep] {
        if (field && (keep || !field->text().isEmpty())) applyFilter(grid, field->text(), keep);
    };
    if (QAbstractItemModel* model = grid->model()) {
        QObject::connect(model, &QAbstractItemModel::modelReset, search, reapply, Qt::QueuedConnection);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, search, reapply, Qt::QueuedConnection);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, search, reapply, Qt::QueuedConnection);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, search, reapply, Qt::QueuedConnection);
    }
    if (navigator)
        QObject::connect(navigator, &DBNavigator::aboutToRun, search, [search](DBNavigator::Button which) {
            if (which == DBNavigator::Insert) search->clear();
        });
    QObject::connect(windowShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_F)), &QShortcut::activated,
                     search, [search] {
                         reveal(search);
                         search->setFocus(Qt::ShortcutFocusReason);
                         search->selectAll();
                     });
    return search;
}

} // namespace kelvora::ui::WindowShortcuts
