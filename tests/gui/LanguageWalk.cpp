// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageWalk.h"

#include "app/LanguageSwitch.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace kelvora::test {

namespace {

// Words of the interface that are Dutch and are not English words as well
// (so "Batch", "Help", "Info" and "Stull" are not here).
const QSet<QString>& dutchWords() {
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char* w :
             {"bestand",     "grondstoffen", "grondstof",    "glazuren",     "glazuur",      "bereken",
              "sluiten",     "naam",         "prijs",        "omschrijving", "toevoegingen", "zoeken",
              "zoek",        "bewaren",      "bewaar",       "nieuwe",       "nieuw",        "verwijder",
              "verwijderen", "annuleren",    "afdrukken",    "opslaan",      "kegel",        "kegels",
              "proef",       "proeven",      "stook",        "stoken",       "van",          "het",
              "een",         "niet",         "voor",         "met",          "naar",         "uit",
              "bij",         "mengreeks",    "vervang",      "onderhoud",    "beschikbaar",  "leverancier",
              "algemeen",    "kostprijs",    "uitzetting",   "basen",        "zuren",        "batchgrootte",
              "totaal",      "kengetallen",  "gloeiverlies", "oppervlak",    "grenswaarden", "importeer",
              "bladeren",    "voeg",         "toe",          "doel",         "gewicht",      "recept",
              "recepten",    "importeren",   "exporteren",   "plak",         "taal",         "systeem",
              "wijzigingen", "ongedaan",     "maken",        "afsluiten",    "handleiding",  "kopie",
              "categorie",   "atmosfeer",    "oxidatie",     "reductie",     "afdruk",       "instellingen",
              "vorige",      "volgende",     "eerste",       "laatste",      "bovenste",     "regel",
              "waarde",      "waarden",      "grafiek",      "stooktraject", "uitzettings",  "samenst",
              "molgewicht",  "vervangen",    "opnieuw",      "wissen",       "kiezen",       "kies",
              "gebruik",     "zonder",       "analyse",      "gegevens",     "tegel",        "etiketten",
              "datum",       "sjabloon",     "resultaat",    "beoordeling",  "toevoegen",    "bewerken",
              "alleen",      "lezen",        "hoeveelheid",  "aantal",       "koppelen",     "overslaan",
              "onthouden",   "bron",         "formaat"})
            set.insert(QString::fromLatin1(w));
        return set;
    }();
    return words;
}

bool holdsDutch(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-zÀ-ÿ]+"));
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    plain.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    for (auto it = word.globalMatch(plain); it.hasNext();)
        if (dutchWords().contains(it.next().captured().toLower())) return true;
    return false;
}

void check(QStringList& found, const QObject* object, const QString& text) {
    if (!text.isEmpty() && holdsDutch(text))
        found << (object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                                 : object->objectName()) +
                     QStringLiteral(": ") + text;
}

void checkHeaders(QStringList& found, const QAbstractItemView* view) {
    const QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    for (int c = 0; c < model->columnCount(); ++c)
        check(found, view, model->headerData(c, Qt::Horizontal).toString());
}

void checkActions(QStringList& found, const QWidget* widget) {
    for (const QAction* action : widget->actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        check(found, action, action->text());
        if (const QMenu* menu = action->menu()) checkActions(found, menu);
    }
}

} // namespace

bool switchLanguage(int taal) {
#ifdef KELVORA_TRANSLATIONS
    ui::LanguageSwitch::setFolder(QStringLiteral(KELVORA_TRANSLATIONS));
#endif
    return ui::LanguageSwitch::apply(taal);
}

QStringList dutchLeftovers(QWidget* window) {
    QStringList found;
    check(found, window, window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        // Other windows are walked on their own; a control hidden on purpose
        // is not read (a page behind a tab is hidden by its stack, and read).
        if (w->window() != window) continue;
        if (w != window && w->isHidden() && !qobject_cast<QStackedWidget*>(w->parentWidget())) continue;
        check(found, w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) check(found, w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) check(found, w, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) check(found, w, group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w)) check(found, w, edit->placeholderText());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                check(found, w, tabs->tabText(i));
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) checkHeaders(found, view);
        if (auto* bar = qobject_cast<QMenuBar*>(w)) checkActions(found, bar);
    }
    found.removeDuplicates();
    return found;
}

} // namespace kelvora::test
