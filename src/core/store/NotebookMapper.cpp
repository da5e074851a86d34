// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/NotebookMapper.h"
#include "common/Translate.h"

#include "common/Utf8.h"
#include "model/TableLayouts.h"
#include "notebook/FrozenRecipe.h"
#include "notebook/NotebookError.h"

#include <cmath>

namespace kelvora {

namespace {

// Reads the fields of one row by name; a field the table lacks reads empty.
class RowReader {
public:
    RowReader(const Packet& packet, const Row& row) : packet_(packet), row_(row) {}
    std::string text(std::string_view field) const {
        const int i = packet_.fieldIndex(field);
        return i < 0 || packet_.isText(i) == false ? std::string() : packet_.text(row_, i);
    }
    double number(std::string_view field) const {
        const int i = packet_.fieldIndex(field);
        return i < 0 || packet_.isText(i) ? kNullNumber : packet_.number(row_, i);
    }

private:
    const Packet& packet_;
    const Row& row_;
};

// Writes the fields of a new row of the full layout.
class RowWriter {
public:
    RowWriter(Packet& packet) : packet_(packet) {
        packet_.rows.emplace_back();
        packet_.materialize(packet_.rows.back());
    }
    void text(std::string_view field, const std::string& value) {
        const int i = packet_.fieldIndex(field);
        const FieldDef& def = packet_.fields()[static_cast<std::size_t>(i)];
        if (!utf8::isValid(value))
            throw NotebookError(
                fillIn(translate("Notebook", "Het veld '%1' is geen geldige UTF-8-tekst."), {def.name}));
        if (def.type == FieldType::Text && utf8::length(value) > static_cast<std::size_t>(def.width))
            throw NotebookError(fillIn(translate("Notebook", "Het veld '%1' is hoogstens %2 tekens lang."),
                                       {def.name, std::to_string(def.width)}));
        if (!value.empty()) packet_.setText(packet_.rows.back(), i, value);
    }
    void number(std::string_view field, double value) {
        if (isNullNumber(value)) return;
        if (!std::isfinite(value))
            throw NotebookError(fillIn(translate("Notebook", "Het veld '%1' is geen getal."), {field}));

        packet_.setNumber(packet_.rows.back(), packet_.fieldIndex(field), value);
    }

private:
    Packet& packet_;
};

template <typename Choice> std::string codeOf(const std::optional<Choice>& choice) {
    return choice ? Choices<Choice>::code(*choice) : "";
}

} // namespace

Packet NotebookMapper::tablesOf(const std::vector<Proef>& tests) {
    Packet packet(TableLayouts::tests());
    for (const auto& t : tests) {
        RowWriter w(packet);
        w.text("code", t.code);
        w.text("glazuur", t.glaze);
        w.text("datum", t.date);
        w.text("recept", FrozenRecipe::text(t.recipe));
        w.number("gram", t.batchGrams);
        w.number("water", t.waterGrams);
        w.number("sg", t.specificGravity);
        w.text("zeef", t.sieve);
        w.text("scherf", t.clayBody);
        w.text("biscuit", t.bisqueCone);
        w.text("opbreng", codeOf(t.application));
        w.number("seconden", t.seconds);
        w.number("lagen", t.coats);
        w.text("dikte", t.thickness);
        w.text("gelaagd", t.layering);
        w.text("notities", t.notes);
    }
    return packet;
}

std::vector<Proef> NotebookMapper::tests(const Packet& packet) {
    std::vector<Proef> out;
    for (const Row& row : packet.rows) {
        const RowReader r(packet, row);
        Proef t;
        t.code = r.text("code");
        t.glaze = r.text("glazuur");
        t.date = r.text("datum");
        t.recipe = FrozenRecipe::parse(r.text("recept"));
        t.batchGrams = r.number("gram");
        t.waterGrams = r.number("water");
        t.specificGravity = r.number("sg");
        t.sieve = r.text("zeef");
        t.clayBody = r.text("scherf");
        t.bisqueCone = r.text("biscuit");
        t.application = Choices<Application>::fromCode(r.text("opbreng"));
        t.seconds = r.number("seconden");
        t.coats = r.number("lagen");
        t.thickness = r.text("dikte");
        t.layering = r.text("gelaagd");
        t.notes = r.text("notities");
        out.push_back(std::move(t));
    }
    return out;
}

Packet NotebookMapper::tablesOf(const std::vector<Stook>& firings) {
    Packet packet(TableLayouts::firings());
    for (const auto& f : firings) {
        RowWriter w(packet);
        w.text("code", f.code);
        w.text("datum", f.date);
        w.text("oven", f.kiln);
        w.text("schema", FiringSchedule::text(f.schedule));
        w.text("kegel", f.cone);
        w.text("sfeer", codeOf(f.atmosphere));
        w.text("reductie", f.reductionStart);
        w.text("notities", f.notes);
        w.text("log", KilnLog::text(f.log));
    }
    return packet;
}

std::vector<Stook> NotebookMapper::firings(const Packet& packet) {
    std::vector<Stook> out;
    for (const Row& row : packet.rows) {
        const RowReader r(packet, row);
        Stook f;
        f.code = r.text("code");
        f.date = r.text("datum");
        f.kiln = r.text("oven");
        f.schedule = FiringSchedule::parse(r.text("schema"));
        f.cone = r.text("kegel");
        f.atmosphere = Choices<Atmosphere>::fromCode(r.text("sfeer"));
        f.reductionStart = r.text("reductie");
        f.notes = r.text("notities");
        f.log = KilnLog::parse(r.text("log"));
        out.push_back(std::move(f));
    }
    return out;
}

Packet NotebookMapper::tablesOf(const std::vector<TileResult>& results) {
    Packet packet(TableLayouts::tileResults());
    for (const auto& x : results) {
        RowWriter w(packet);
        w.text("stook", x.firing);
        w.text("proef", x.test);
        w.text("plaats", x.place);
        w.text("oppervlak", x.surface);
        w.text("doorzicht", x.transparency);
        w.text("kleur", x.colour);
        w.text("gebreken", defectCodes(x.defects));
        w.text("gebrektekst", x.defectNotes);
        w.number("waardering", x.rating > 0 ? x.rating : kNullNumber);
        w.text("notities", x.notes);
    }
    return packet;
}

std::vector<TileResult> NotebookMapper::results(const Packet& packet) {
    std::vector<TileResult> out;
    for (const Row& row : packet.rows) {
        const RowReader r(packet, row);
        TileResult x;
        x.firing = r.text("stook");
        x.test = r.text("proef");
        x.place = r.text("plaats");
        x.surface = r.text("oppervlak");
        x.transparency = r.text("doorzicht");
        x.colour = r.text("kleur");
        x.defects = defectsFromCodes(r.text("gebreken"));
        x.defectNotes = r.text("gebrektekst");
        const double rating = r.number("waardering");
        x.rating = rating >= 1 && rating <= 5 ? static_cast<int>(rating) : 0;
        x.notes = r.text("notities");
        out.push_back(std::move(x));
    }
    return out;
}

Packet NotebookMapper::tablesOf(const std::vector<Foto>& photos) {
    Packet packet(TableLayouts::photos());
    for (const auto& p : photos) {
        RowWriter w(packet);
        w.text("bestand", p.file);
        w.text("titel", p.title);
        w.text("kegel", p.cone);
        w.text("sfeer", codeOf(p.atmosphere));
        w.text("proef", p.test);
        w.text("stook", p.firing);
    }
    return packet;
}

std::vector<Foto> NotebookMapper::photos(const Packet& packet) {
    std::vector<Foto> out;
    for (const Row& row : packet.rows) {
        const RowReader r(packet, row);
        Foto p;
        p.file = r.text("bestand");
        p.title = r.text("titel");
        p.cone = r.text("kegel");
        p.atmosphere = Choices<Atmosphere>::fromCode(r.text("sfeer"));
        p.test = r.text("proef");
        p.firing = r.text("stook");
        out.push_back(std::move(p));
    }
    return out;
}

Packet NotebookMapper::tablesOf(const std::vector<ScheduleTemplate>& templates) {
    Packet packet(TableLayouts::scheduleTemplates());
    for (const auto& t : templates) {
        RowWriter w(packet);
        w.text("naam", t.name);
        w.text("schema", FiringSchedule::text(t.steps));
    }
    return packet;
}

std::vector<ScheduleTemplate> NotebookMapper::templates(const Packet& packet) {
    std::vector<ScheduleTemplate> out;
    for (const Row& row : packet.rows) {
        const RowReader r(packet, row);
        out.push_back({r.text("naam"), FiringSchedule::parse(r.text("schema"))});
    }
    return out;
}

} // namespace kelvora
