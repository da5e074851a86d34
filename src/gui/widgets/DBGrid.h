// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "widgets/ViewTableModel.h"

#include <QPointer>
#include <QTableView>

namespace kelvora::ui {

// A grid over a view with chosen columns. The selected row is the view's
// current row, both ways: moving in the grid moves the view (settling a
// pending edit as any move does), moving the view selects its row.
// A cell editor still open when the view asks for typed text (before a post
// or a move) writes its text first. A click does not scroll the list at once:
// the row under the mouse is the one highlighted and made current, also when
// it was only half visible, so a double-click that follows hits the same row.
class DBGrid : public QTableView {
    Q_OBJECT
public:
    explicit DBGrid(QWidget* parent = nullptr);
    ~DBGrid() override;

    void setView(View* view, std::vector<GridColumn> columns);
    View* view() const { return model_->view(); }
    ViewTableModel* viewModel() const { return model_; }
    // A read-only grid only moves the current row; a double-click is then
    // free for the window's own action (doubleClicked()).
    void setGridReadOnly(bool readOnly);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void followView(int row);
    void rowChosen(const QModelIndex& current);
    void commitOpenEditor();

    class Delegate;
    class UpdateRecordWatch;
    ViewTableModel* model_;
    Delegate* delegate_;
    std::unique_ptr<UpdateRecordWatch> watch_;
    bool following_ = false;
    bool pressing_ = false;
};

} // namespace kelvora::ui
