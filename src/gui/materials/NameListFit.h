// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include <functional>

class QTableView;

namespace kelvora {

// Keeps a one-column list of names wide enough for its names: the list is at
// least as wide as designed, and grows to its longest name up to a limit of
// about 24 characters of its font. A name still too long for the list shows
// whole in a tooltip. After each change of width `relayout` runs, so the
// window can make room.
class NameListFit : public QObject {
    Q_OBJECT
public:
    NameListFit(QTableView* list, int designedWidth, std::function<void()> relayout);
    // The widest column, in widths of the letter n of the list's font.
    static constexpr int LimitLetters = 21;

    // Fits the list to the names it shows now; runs by itself when its rows change.
    void fit();
    // The widest the name column may become.
    int columnLimit() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int extraWidth() const;
    int longestName() const;

    // The fitter is a child of its list and goes with it.
    QTableView* list_;
    QObject* viewport_;
    int designedWidth_;
    std::function<void()> relayout_;
};

} // namespace kelvora
