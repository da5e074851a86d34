#include "engine/MaterialLookup.h"

#include "store/View.h"

namespace kelvora {

namespace {
double numberOrZero(const Packet& packet, const Row& row, int field) {
    const double value = packet.number(row, field);
    return isNullNumber(value) ? 0.0 : value;
}
} // namespace

MaterialLookup::MaterialLookup(const View& materials) {
    const Packet& packet = materials.packet();
    const int naam = materials.fieldIndex("naam");
    const int molg = materials.fieldIndex("molg");
    const int prys = materials.fieldIndex("prys");
    std::array<int, OxideCatalogue::count> oxideFields{};
    for (const auto& oxide : OxideCatalogue::all())
        oxideFields[static_cast<std::size_t>(oxide.position - 1)] = materials.fieldIndex(oxide.stem);

    index_.reserve(packet.rows.size());
    materials_.reserve(packet.rows.size());
    for (std::size_t r = 0; r < packet.rows.size(); ++r) {
        const Row& row = packet.rows[r];
        const auto [entry, added] = index_.try_emplace(packet.text(row, naam), size());
        if (!added) continue; // a later material of the same name is never found
        MaterialData data;
        data.row = static_cast<int>(r);
        data.molg = numberOrZero(packet, row, molg);
        data.prys = numberOrZero(packet, row, prys);
        for (std::size_t k = 0; k < oxideFields.size(); ++k)
            data.oxides[k] = numberOrZero(packet, row, oxideFields[k]);
        materials_.push_back(data);
    }
}

} // namespace kelvora
