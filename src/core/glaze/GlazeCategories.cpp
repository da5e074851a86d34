// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/GlazeCategories.h"

#include "common/Translate.h"

namespace kelvora {

const std::vector<std::string>& GlazeCategories::all() {
    // Stored as the Dutch text; marked for the catalogue so that a window can
    // show a category with translate("GlazeCategories", stored).
    static const std::vector<std::string> categories = {
        QT_TRANSLATE_NOOP("GlazeCategories", "1.1 Loodglazuren SK 012a-08a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "1.2 Loodglazuren SK 08a-02a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "1.3 Loodglazuren SK 02a-6a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "2.1 Boorvrije alkaliglazuren SK 06a-03a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "2.2 Alkali-boor glazuren SK 05a-5a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "2.3 Alkali-boor glazuren SK 5a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "3.2 Loodhoudende, glanzende glazuren SK 03a-6a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "3.3 Loodvrij glazuren SK 5a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "5.1 Loodvrije transparante glazuren voor SK 4a-6a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "5.2 Loodvrije glazuren voor SK 6a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "5.3 Loodvrije glazuren voor SK 9-16"),
        QT_TRANSLATE_NOOP("GlazeCategories", "6.1 Calciumboraat / colemanietglazuren SK 09a-01a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "6.2 Calciumboraat / colemanietglazuren SK 2a-5a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "7.1 Zink mat glazuren SK 05a-6a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "7.2 Zink-barium glazuren mat glad SK 03a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "7.3 Calcium magnesium glazuren mat SK 2a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "8.1 Zinksilicaat kristalglazuren SK 01a-8"),
        QT_TRANSLATE_NOOP("GlazeCategories", "8.2 TiO2 (rutiel) kristalglazuren SK 2a-9"),
        QT_TRANSLATE_NOOP("GlazeCategories", "8.3 Aventurien kristalglazuren SK 05a-8"),
        QT_TRANSLATE_NOOP("GlazeCategories", "8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8"),
        QT_TRANSLATE_NOOP("GlazeCategories", "9.0 Nikkel rood glazuren SK 1a-7"),
        QT_TRANSLATE_NOOP("GlazeCategories", "10.0 Chroom rood glazuren SK 012a-07a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "11.0 Chinees rode glazuren (o.b.v fritten) SK 01a-5a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "12.0 Olievlekken glazuren SK 6a-10"),
        QT_TRANSLATE_NOOP("GlazeCategories", "13.0 Tenmoku glazuren SK 6a-11"),
        QT_TRANSLATE_NOOP("GlazeCategories", "14.1 Steengoed glazuren SK 7-10"),
        QT_TRANSLATE_NOOP("GlazeCategories", "14.2 Steengoed glazuren SK 8-12"),
        QT_TRANSLATE_NOOP("GlazeCategories", "14.3 Steengoed glazuren SK 12-16"),
        QT_TRANSLATE_NOOP("GlazeCategories", "15.0 Loodhoudende kachelglazuren SK 06a-2a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "16.0 Transparante tussentemp. glazuren SK 03a-3a"),
        QT_TRANSLATE_NOOP("GlazeCategories", "17.0 Transparante porseleinglazuren SK 8-16"),
    };
    return categories;
}

} // namespace kelvora
