// SPDX-License-Identifier: GPL-3.0-or-later
#include "glaze/GlazeCategories.h"

namespace kelvora {

const std::vector<std::string>& GlazeCategories::all() {
    static const std::vector<std::string> categories = {
        "1.1 Loodglazuren SK 012a-08a",
        "1.2 Loodglazuren SK 08a-02a",
        "1.3 Loodglazuren SK 02a-6a",
        "2.1 Boorvrije alkaliglazuren SK 06a-03a",
        "2.2 Alkali-boor glazuren SK 05a-5a",
        "2.3 Alkali-boor glazuren SK 5a-9",
        "3.1 Zachte, loodrijke en boorvrije tin glazuren SK 05a-1a",
        "3.2 Loodhoudende, glanzende glazuren SK 03a-6a",
        "3.3 Loodvrij glazuren SK 5a-9",
        "4.0 Opaak witte glazuren zonder SnO2 (ZnO-B2O3 rijk) SK 05a-9",
        "5.1 Loodvrije transparante glazuren voor SK 4a-6a",
        "5.2 Loodvrije glazuren voor SK 6a-9",
        "5.3 Loodvrije glazuren voor SK 9-16",
        "6.1 Calciumboraat / colemanietglazuren SK 09a-01a",
        "6.2 Calciumboraat / colemanietglazuren SK 2a-5a",
        "7.1 Zink mat glazuren SK 05a-6a",
        "7.2 Zink-barium glazuren mat glad SK 03a-9",
        "7.3 Calcium magnesium glazuren mat SK 2a-9",
        "8.1 Zinksilicaat kristalglazuren SK 01a-8",
        "8.2 TiO2 (rutiel) kristalglazuren SK 2a-9",
        "8.3 Aventurien kristalglazuren SK 05a-8",
        "8.4 Vanadium-wolfraam-molybdeen kristalglazuren SK 03a-8",
        "9.0 Nikkel rood glazuren SK 1a-7",
        "10.0 Chroom rood glazuren SK 012a-07a",
        "11.0 Chinees rode glazuren (o.b.v fritten) SK 01a-5a",
        "12.0 Olievlekken glazuren SK 6a-10",
        "13.0 Tenmoku glazuren SK 6a-11",
        "14.1 Steengoed glazuren SK 7-10",
        "14.2 Steengoed glazuren SK 8-12",
        "14.3 Steengoed glazuren SK 12-16",
        "15.0 Loodhoudende kachelglazuren SK 06a-2a",
        "16.0 Transparante tussentemp. glazuren SK 03a-3a",
        "17.0 Transparante porseleinglazuren SK 8-16",
    };
    return categories;
}

} // namespace kelvora
