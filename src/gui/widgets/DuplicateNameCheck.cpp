// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DuplicateNameCheck.h"

#include "common/Prompter.h"
#include "store/NameClash.h"
#include "store/PostDeclined.h"
#include "store/View.h"

#include <utility>

namespace kelvora::ui {

void installDuplicateNameCheck(View& view, Prompter& prompter, const QString& question) {
    installDuplicateNameCheck(view, prompter, [question] { return question; });
}

void installDuplicateNameCheck(View& view, Prompter& prompter, std::function<QString()> question) {
    view.setBeforePost([&prompter, question = std::move(question)](View& v) {
        if (!v.hasField("naam") || !NameClash::nameIsNew(v, "naam")) return;
        const auto other = NameClash::otherRowNamed(v, "naam", v.asText("naam"));
        if (!other) return;
        if (!prompter.confirm(question().arg(QString::fromStdString(*other)).toStdString()))
            throw PostDeclined();
    });
}

void removeDuplicateNameCheck(View& view) {
    view.setBeforePost({});
}

} // namespace kelvora::ui
