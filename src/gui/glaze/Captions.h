// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAbstractItemModel;
class QGroupBox;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace kelvora {

// The fixed texts of one window in the language now chosen. A window hands
// each caption over once, as its source text marked with QT_TR_NOOP in the
// window's own member functions (so the catalogue files it under the
// window's class), together with where it goes; apply() sets them all again
// after a change of language. The context is the window's class name as the
// meta-object spells it, the same name the catalogue uses.
class Captions {
public:
    explicit Captions(const char* context) : context_(context) {}

    // `source` in the current language.
    QString tr(const char* source) const;
    // Sets `source` through `set` now and at every apply().
    void keep(const char* source, std::function<void(const QString&)> set);
    // The text of a label, button or anything else with setText.
    template <class W> W* text(W* widget, const char* source) {
        QPointer<W> target(widget);
        keep(source, [target](const QString& t) {
            if (target) target->setText(t);
        });
        return widget;
    }
    void toolTip(QWidget* widget, const char* source);
    void title(QGroupBox* box, const char* source);
    void placeholder(QLineEdit* edit, const char* source);
    void windowTitle(QWidget* window, const char* source);
    void tab(QTabWidget* tabs, QWidget* page, const char* source);
    void apply() const;

    // Views ask their model for the column headings again (the models
    // translate them when asked).
    static void headingsChanged(QAbstractItemModel* model);

private:
    const char* context_;
    std::vector<std::pair<const char*, std::function<void(const QString&)>>> kept_;
};

} // namespace kelvora
