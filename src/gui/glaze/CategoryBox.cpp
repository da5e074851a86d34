// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/CategoryBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace kelvora {

namespace {
constexpr const char* kContext = "kelvora::CategoryBox";

// The categories the core offers (GlazeCategories), marked here for the
// catalogue: the stored text is the source, so a category translates by
// what is stored and an unknown one stays as it is.
[[maybe_unused]] constexpr const char* kCatalogue[] = {
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "1.1 Loodglazuren SK 012a-08a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "1.2 Loodglazuren SK 08a-02a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "1.3 Loodglazuren SK 02a-6a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "2.1 Boorvrije alkaliglazuren SK 06a-03a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "2.2 Alkali-boor glazuren SK 05a-5a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "2.3 Alkali-boor glazuren SK 5a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "3.2 Loodhoudende, glanzende glazuren SK 03a-6a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "3.3 Loodvrij glazuren SK 5a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox",
                      "4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "5.1 Loodvrije transparante glazuren voor SK 4a-6a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "5.2 Loodvrije glazuren voor SK 6a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "5.3 Loodvrije glazuren voor SK 9-16"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "6.1 Calciumboraat / colemanietglazuren SK 09a-01a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "6.2 Calciumboraat / colemanietglazuren SK 2a-5a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "7.1 Zink mat glazuren SK 05a-6a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "7.2 Zink-barium glazuren mat glad SK 03a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "7.3 Calcium magnesium glazuren mat SK 2a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "8.1 Zinksilicaat kristalglazuren SK 01a-8"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "8.2 TiO2 (rutiel) kristalglazuren SK 2a-9"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "8.3 Aventurien kristalglazuren SK 05a-8"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "9.0 Nikkel rood glazuren SK 1a-7"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "10.0 Chroom rood glazuren SK 012a-07a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "11.0 Chinees rode glazuren (o.b.v fritten) SK 01a-5a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "12.0 Olievlekken glazuren SK 6a-10"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "13.0 Tenmoku glazuren SK 6a-11"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "14.1 Steengoed glazuren SK 7-10"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "14.2 Steengoed glazuren SK 8-12"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "14.3 Steengoed glazuren SK 12-16"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "15.0 Loodhoudende kachelglazuren SK 06a-2a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "16.0 Transparante tussentemp. glazuren SK 03a-3a"),
    QT_TRANSLATE_NOOP("kelvora::CategoryBox", "17.0 Transparante porseleinglazuren SK 8-16"),
};
} // namespace

CategoryBox::CategoryBox(View* view, std::string field, QWidget* parent)
    : ui::DBComboBox(view, std::move(field), Style::Editable, parent) {}

QString CategoryBox::shown(const std::string& stored) {
    return QCoreApplication::translate(kContext, stored.c_str());
}

void CategoryBox::setCategories(const std::vector<std::string>& stored) {
    stored_ = stored;
    fillItems();
}

void CategoryBox::fillItems() {
    const QString typed = currentText();
    {
        const QSignalBlocker block(this);
        clear();
        for (const auto& category : stored_)
            addItem(shown(category), QString::fromStdString(category));
    }
    if (hasPendingText() && lineEdit())
        setEditText(typed);
    else
        showField();
    // The list opens wide enough for its longest entry.
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, view()->fontMetrics().horizontalAdvance(itemText(i)));
    view()->setMinimumWidth(widest + 2 * view()->frameWidth() + 24 +
                            view()->verticalScrollBar()->sizeHint().width());
}

std::string CategoryBox::storedFor(const QString& text) const {
    const int at = currentIndex() >= 0 && itemText(currentIndex()) == text ? currentIndex()
                                                                           : findText(text, Qt::MatchExactly);
    return at >= 0 ? itemData(at).toString().toStdString() : text.toStdString();
}

void CategoryBox::showField() {
    const std::string value = fieldDisplayText(true);
    const QSignalBlocker block(this);
    const int at = findData(QString::fromStdString(value));
    setCurrentIndex(at);
    setEditText(at >= 0 ? itemText(at) : QString::fromStdString(value));
    lineEdit()->setCursorPosition(0);
}

std::string CategoryBox::typedText() const {
    return storedFor(currentText());
}

void CategoryBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) fillItems();
    ui::DBComboBox::changeEvent(event);
}

} // namespace kelvora
