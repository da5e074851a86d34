// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/NotebookLabels.h"

#include "common/NumberFormat.h"
#include "model/Recipe.h"
#include "notebook/Stook.h"

#include <QStringList>

namespace kelvora {

namespace {
QString text(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

QString NotebookLabels::firing(const Stook& firing) {
    QStringList parts;
    if (!firing.cone.empty()) parts << tr("kegel %1").arg(text(firing.cone));
    if (firing.atmosphere) parts << QString::fromUtf8(Choices<Atmosphere>::text(*firing.atmosphere));
    if (parts.isEmpty()) return text(firing.code);
    return tr("%1 (%2)").arg(text(firing.code), parts.join(QStringLiteral(", ")));
}

QString NotebookLabels::firingChoice(const Stook& firing) {
    return tr("%1, %2").arg(NotebookLabels::firing(firing), text(firing.date));
}

QString NotebookLabels::recipe(const Recipe& recipe) {
    QStringList lines;
    for (const RecipeSlot& slot : recipe.recipeSlots)
        if (!Recipe::isBlank(slot.name)) {
            // A recipe kept in mols may hold no percentage yet.
            if (isNullNumber(slot.mtp) && !isNullNumber(slot.mtm))
                lines << tr("%1\t%2 mol").arg(text(slot.name), number(slot.mtm));
            else
                lines << tr("%1\t%2 %").arg(text(slot.name), number(Recipe::amount(slot.mtp)));
        }
    for (const AdditionSlot& addition : recipe.additions)
        if (!Recipe::isBlank(addition.name))
            lines << tr("+ %1\t%2 delen").arg(text(addition.name), number(Recipe::amount(addition.tvp)));
    return lines.join(QLatin1Char('\n'));
}

QString NotebookLabels::number(double value) {
    return text(numfmt::floatText(value));
}

} // namespace kelvora
