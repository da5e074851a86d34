// SPDX-License-Identifier: GPL-3.0-or-later
// test, firing and photo: the test notebook from the command line.
#include "CommandRegistry.h"

#include "common/NumberFormat.h"
#include "common/Translate.h"
#include "model/RecordNames.h"
#include "notebook/CalendarDate.h"
#include "notebook/NotebookError.h"
#include "notebook/NotebookRules.h"
#include "notebook/NotebookText.h"
#include "notebook/TestSearch.h"
#include "store/AtomicFile.h"
#include "store/GlazeBook.h"
#include "store/Notebook.h"
#include "store/NotebookArchive.h"

#include <map>

namespace kelvora::cli {

namespace {

struct Usage {};

// A kiln controller's log of a long firing, a reading every few seconds,
// stays far below this.
constexpr std::size_t kMaxLogBytes = 16u * 1024u * 1024u;

// Positional words and "--name value" options; options in `repeatable` may
// come more than once, every other at most once.
struct Words {
    std::vector<std::string> positional;
    std::multimap<std::string, std::string> options;

    Words(const std::vector<std::string>& args, std::size_t from, std::initializer_list<const char*> known,
          std::initializer_list<const char*> repeatable = {}) {
        for (std::size_t i = from; i < args.size(); ++i) {
            const std::string& word = args[i];
            if (word.rfind("--", 0) != 0) {
                positional.push_back(word);
                continue;
            }
            bool isKnown = false, repeats = false;
            for (const char* k : known)
                isKnown = isKnown || word == k;
            for (const char* k : repeatable)
                repeats = repeats || word == k;
            if (!isKnown || i + 1 >= args.size() || (!repeats && options.count(word))) throw Usage{};
            options.emplace(word, args[++i]);
        }
    }
    bool has(const std::string& name) const { return options.count(name) > 0; }
    std::string get(const std::string& name) const {
        const auto it = options.find(name);
        return it == options.end() ? std::string() : it->second;
    }
    std::vector<std::string> all(const std::string& name) const {
        std::vector<std::string> values;
        for (auto [it, end] = options.equal_range(name); it != end; ++it)
            values.push_back(it->second);
        return values;
    }
};

// `refused` is the whole message for a word that is no choice: %1 the word,
// %2 the choices.
template <typename Choice> Choice choice(const std::string& typed, const std::string& refused) {
    const auto c = Choices<Choice>::parse(typed);
    if (!c) throw NotebookError(fillIn(refused, {typed, Choices<Choice>::listText()}));
    return *c;
}

Atmosphere atmosphere(const std::string& typed) {
    return choice<Atmosphere>(typed, translate("Cli", "'%1' is geen atmosfeer; kies uit: %2."));
}

GlazeStatus glazeStatusOf(const std::string& typed) {
    return choice<GlazeStatus>(typed, translate("Cli", "'%1' is geen status; kies uit: %2."));
}

Defect defect(const std::string& typed) {
    return choice<Defect>(typed, translate("Cli", "'%1' is geen gebrek; kies uit: %2."));
}

std::string noGlaze(const std::string& name) {
    return fillIn(translate("Cli", "Er is geen glazuur '%1'."), {name});
}

std::string noTest(const std::string& code) {
    return fillIn(translate("Cli", "Er is geen proef met de code '%1'."), {code});
}

// What the date errors call the date typed after --date, --from or --to.
std::string dateWord() {
    return translate("Cli", "De datum");
}

std::string number(double value) {
    return isNullNumber(value) ? std::string() : numfmt::floatText(value);
}

std::string defectWords(const std::vector<Defect>& defects) {
    std::string out;
    for (const Defect d : defects)
        out += (out.empty() ? "" : ",") + std::string(Choices<Defect>::text(d));
    return out;
}

template <typename Choice> std::string textOf(const std::optional<Choice>& c) {
    return c ? Choices<Choice>::text(*c) : "";
}

void listLine(std::ostream& out, const Proef& t) {
    out << t.code << '\t' << t.glaze << '\t' << t.date << "\n";
}

int testNew(CliContext& ctx) {
    const Words w(ctx.args, 1, {"--code", "--grams", "--date"});
    if (w.positional.size() != 1) return 2;
    GlazeBook book(ctx.dbDir);
    book.load();
    const auto glaze = book.findGlaze(w.positional[0]);
    if (!glaze) {
        ctx.err << noGlaze(w.positional[0]) << "\n";
        return 1;
    }
    Notebook notebook(ctx.dbDir);
    notebook.load();
    const std::string date = w.has("--date") ? NotebookRules::storedDate(w.get("--date"), dateWord())
                                             : CalendarDate::today().text();
    const std::string code =
        w.has("--code") ? w.get("--code") : notebook.suggestTestCode(CalendarDate::parse(date)->year);
    Proef test = Proef::mixedFrom(*glaze, code, date);
    if (w.has("--grams")) {
        const auto grams = notebook::typedNumber(w.get("--grams"));
        if (!grams)
            throw NotebookError(fillIn(translate("Cli", "'%1' is geen aantal gram."), {w.get("--grams")}));
        test.batchGrams = *grams;
    }
    notebook.addTest(test);
    ctx.out << test.code << "\n";
    return 0;
}

int testList(CliContext& ctx) {
    if (ctx.args.size() > 2) return 2;
    Notebook notebook(ctx.dbDir);
    notebook.load();
    TestQuery query;
    if (ctx.args.size() == 2) query.glaze = ctx.args[1];
    for (const Proef* t : findTests(notebook.data(), query))
        listLine(ctx.out, *t);
    return 0;
}

int testShow(CliContext& ctx) {
    if (ctx.args.size() != 2) return 2;
    Notebook notebook(ctx.dbDir);
    notebook.load();
    const NotebookData& d = notebook.data();
    const Proef* t = d.test(ctx.args[1]);
    if (!t) {
        ctx.err << noTest(ctx.args[1]) << "\n";
        return 1;
    }
    std::ostream& out = ctx.out;
    out << "code\t" << t->code << "\nglazuur\t" << t->glaze << "\ndatum\t" << t->date << "\ngram\t"
        << number(t->batchGrams) << "\nwater\t" << number(t->waterGrams) << "\nsg\t"
        << number(t->specificGravity) << "\nzeef\t" << t->sieve << "\nscherf\t" << t->clayBody
        << "\nbiscuit\t" << t->bisqueCone << "\nopbrengen\t" << textOf(t->application) << "\nseconden\t"
        << number(t->seconds) << "\nlagen\t" << number(t->coats) << "\ndikte\t" << t->thickness
        << "\ngelaagd\t" << t->layering << "\n";
    for (const auto& s : t->recipe.recipeSlots)
        if (!Recipe::isBlank(s.name)) out << "regel\t" << s.name << '\t' << number(s.mtp) << "\n";
    for (const auto& a : t->recipe.additions)
        if (!Recipe::isBlank(a.name)) out << "toevoeging\t" << a.name << '\t' << number(a.tvp) << "\n";
    for (const TileResult* r : d.resultsOf(t->code)) {
        const Stook* f = d.firing(r->firing);
        out << "stook\t" << r->firing << '\t' << (f ? f->date : "") << '\t' << (f ? f->cone : "") << '\t'
            << (f ? textOf(f->atmosphere) : "") << '\t' << r->place << '\t'
            << (r->rating ? std::to_string(r->rating) : "") << '\t' << r->surface << '\t' << r->colour << '\t'
            << defectWords(r->defects) << "\n";
    }
    for (const Foto* p : d.photosOf(t->code))
        out << "foto\t" << p->file << '\t' << p->title << '\t' << p->cone << '\t' << textOf(p->atmosphere)
            << '\t' << p->firing << (notebook.photoPresent(*p) ? "" : "\tontbreekt") << "\n";
    if (!t->notes.empty()) out << "notities\t" << notebook::escapeField(t->notes) << "\n";
    return 0;
}

int testFind(CliContext& ctx) {
    const Words w(ctx.args, 1,
                  {"--code", "--glaze", "--clay", "--cone", "--atmosphere", "--kiln", "--status", "--from",
                   "--to", "--defect"});
    if (!w.positional.empty()) return 2;
    TestQuery q;
    q.code = w.get("--code");
    q.glaze = w.get("--glaze");
    q.clayBody = w.get("--clay");
    q.cone = w.get("--cone");
    q.kiln = w.get("--kiln");
    if (w.has("--atmosphere")) q.atmosphere = atmosphere(w.get("--atmosphere"));
    if (w.has("--status")) q.status = glazeStatusOf(w.get("--status"));
    if (w.has("--defect")) q.defect = defect(w.get("--defect"));
    if (w.has("--from")) q.from = CalendarDate::parse(NotebookRules::storedDate(w.get("--from"), dateWord()));
    if (w.has("--to")) q.to = CalendarDate::parse(NotebookRules::storedDate(w.get("--to"), dateWord()));
    Notebook notebook(ctx.dbDir);
    notebook.load();
    std::map<std::string, std::optional<GlazeStatus>> statuses;
    if (q.status) {
        GlazeBook book(ctx.dbDir);
        book.load();
        for (const Glaze& g : book.glazes())
            statuses[g.naam] = Choices<GlazeStatus>::fromCode(g.stat);
    }
    const GlazeStatusOf statusOf = [&](const std::string& glaze) -> std::optional<GlazeStatus> {
        for (const auto& [name, status] : statuses)
            if (RecordNames::same(name, glaze)) return status;
        return std::nullopt;
    };
    for (const Proef* t : findTests(notebook.data(), q, statusOf))
        listLine(ctx.out, *t);
    return 0;
}

int test(CliContext& ctx) {
    try {
        if (ctx.args.empty()) return 2;
        const std::string& what = ctx.args[0];
        if (what == "new") return testNew(ctx);
        if (what == "list") return testList(ctx);
        if (what == "show") return testShow(ctx);
        if (what == "find") return testFind(ctx);
        return 2;
    } catch (const Usage&) {
        return 2;
    }
}

const ScheduleTemplate* scheduleTemplate(const NotebookData& data, const std::string& name) {
    for (const ScheduleTemplate& t : data.templates)
        if (RecordNames::same(t.name, name)) return &t;
    return nullptr;
}

// template save NAME --schedule S: stores a schedule under a name (replacing
// one of that name); template list: each name with its steps in °C.
int firingTemplate(CliContext& ctx) {
    if (ctx.args.size() < 2) return 2;
    Notebook notebook(ctx.dbDir);
    if (ctx.args[1] == "list") {
        if (ctx.args.size() != 2) return 2;
        notebook.load();
        for (const ScheduleTemplate& t : notebook.data().templates)
            ctx.out << t.name << '\t' << FiringSchedule::text(t.steps) << "\n";
        return 0;
    }
    if (ctx.args[1] != "save") return 2;
    const Words w(ctx.args, 2, {"--schedule"});
    if (w.positional.size() != 1 || !w.has("--schedule")) return 2;
    ScheduleTemplate saved{w.positional[0], FiringSchedule::parse(w.get("--schedule"))};
    if (saved.steps.empty()) throw NotebookError(translate("Cli", "Het stookschema heeft geen stappen."));
    notebook.load();
    // A template saved again under another spelling of its name keeps the name it has.
    if (const ScheduleTemplate* old = scheduleTemplate(notebook.data(), saved.name)) saved.name = old->name;
    notebook.saveTemplate(saved);
    return 0;
}

int firingNew(CliContext& ctx) {
    const Words w(ctx.args, 1,
                  {"--date", "--cone", "--atmosphere", "--kiln", "--schedule", "--code", "--reduction",
                   "--notes", "--log", "--template"});
    if (!w.positional.empty() || !w.has("--date") || !w.has("--cone") || !w.has("--atmosphere") ||
        (w.has("--schedule") && w.has("--template")))
        return 2;
    Notebook notebook(ctx.dbDir);
    notebook.load();
    Stook f;
    f.date = NotebookRules::storedDate(w.get("--date"), dateWord());
    f.code =
        w.has("--code") ? w.get("--code") : notebook.suggestFiringCode(CalendarDate::parse(f.date)->year);
    f.cone = w.get("--cone");
    f.atmosphere = atmosphere(w.get("--atmosphere"));
    f.kiln = w.get("--kiln");
    if (w.has("--template")) {
        const ScheduleTemplate* saved = scheduleTemplate(notebook.data(), w.get("--template"));
        if (!saved) {
            ctx.err << fillIn(translate("Cli", "Er is geen sjabloon '%1'."), {w.get("--template")}) << "\n";
            return 1;
        }
        f.schedule = saved->steps;
    } else {
        f.schedule = FiringSchedule::parse(w.get("--schedule"));
    }
    f.reductionStart = w.get("--reduction");
    f.notes = w.get("--notes");
    if (w.has("--log")) {
        std::string text;
        if (!readWholeFile(w.get("--log"), text, kMaxLogBytes))
            throw NotebookError(fillIn(translate("Cli", "Het bestand '%1' is er niet."), {w.get("--log")}));
        f.log = KilnLog::parse(text);
        if (f.log.empty())
            throw NotebookError(fillIn(translate("Cli", "In '%1' staan geen metingen."), {w.get("--log")}));
    }
    notebook.addFiring(f);
    ctx.out << f.code << "\n";
    return 0;
}

int firingAddTest(CliContext& ctx) {
    const Words w(ctx.args, 1,
                  {"--place", "--surface", "--transparency", "--colour", "--defect", "--defect-notes",
                   "--rating", "--notes"},
                  {"--defect"});
    if (w.positional.size() != 2) return 2;
    TileResult r;
    r.firing = w.positional[0];
    r.test = w.positional[1];
    r.place = w.get("--place");
    r.surface = w.get("--surface");
    r.transparency = w.get("--transparency");
    r.colour = w.get("--colour");
    for (const auto& d : w.all("--defect"))
        r.defects.push_back(defect(d));
    r.defectNotes = w.get("--defect-notes");
    if (w.has("--rating")) {
        const auto rating = numfmt::parseInteger(w.get("--rating"));
        if (!rating || *rating < 1 || *rating > 5)
            throw NotebookError(
                fillIn(translate("Cli", "De waardering is 1 tot 5, niet '%1'."), {w.get("--rating")}));
        r.rating = static_cast<int>(*rating);
    }
    r.notes = w.get("--notes");
    Notebook notebook(ctx.dbDir);
    notebook.load();
    // The stored codes, as the records spell them.
    if (const Stook* f = notebook.data().firing(r.firing)) r.firing = f->code;
    if (const Proef* t = notebook.data().test(r.test)) r.test = t->code;
    notebook.setResult(r);
    return 0;
}

int firing(CliContext& ctx) {
    try {
        if (ctx.args.empty()) return 2;
        if (ctx.args[0] == "new") return firingNew(ctx);
        if (ctx.args[0] == "add-test") return firingAddTest(ctx);
        if (ctx.args[0] == "template") return firingTemplate(ctx);
        return 2;
    } catch (const Usage&) {
        return 2;
    }
}

int photo(CliContext& ctx) {
    try {
        if (ctx.args.empty() || ctx.args[0] != "add") return 2;
        const Words w(ctx.args, 1, {"--cone", "--atmosphere", "--title", "--firing"});
        if (w.positional.size() != 2) return 2;
        Notebook notebook(ctx.dbDir);
        notebook.load();
        const Proef* t = notebook.data().test(w.positional[0]);
        if (!t) {
            ctx.err << noTest(w.positional[0]) << "\n";
            return 1;
        }
        Foto p;
        p.test = t->code;
        p.cone = w.get("--cone");
        p.title = w.get("--title");
        if (w.has("--atmosphere")) p.atmosphere = atmosphere(w.get("--atmosphere"));
        if (w.has("--firing")) {
            const Stook* f = notebook.data().firing(w.get("--firing"));
            p.firing = f ? f->code : w.get("--firing");
        }
        const Foto stored = notebook.addPhoto({w.positional[1], p});
        ctx.out << stored.file << "\n";
        return 0;
    } catch (const Usage&) {
        return 2;
    }
}

// export: a glaze with its tests, firings and photos into a zip; import:
// such a zip merged into this folder, shown first (and only shown with
// --dry-run).
int notebookArchive(CliContext& ctx) {
    try {
        if (ctx.args.empty()) return 2;
        GlazeBook book(ctx.dbDir);
        Notebook notebook(ctx.dbDir);
        if (ctx.args[0] == "export") {
            if (ctx.args.size() != 3) return 2;
            book.load();
            notebook.load();
            NotebookArchive::write(book, notebook, ctx.args[1], ctx.args[2]);
            return 0;
        }
        if (ctx.args[0] != "import") return 2;
        const bool dryRun = ctx.args.size() == 3 && ctx.args[2] == "--dry-run";
        if (ctx.args.size() != 2 && !dryRun) return 2;
        // Everything is read and checked, and the preview made, before anything is written.
        const NotebookArchive::Contents contents = NotebookArchive::read(ctx.args[1]);
        book.load();
        notebook.load();
        const NotebookArchive::Preview preview = NotebookArchive::preview(book, notebook, contents);
        ctx.out << (preview.glazeAdded ? "toegevoegd" : "behouden") << "\tglazuur\t" << contents.glaze.naam
                << "\n";
        for (const auto& line : preview.lines())
            ctx.out << line << "\n";
        if (!dryRun) NotebookArchive::apply(book, notebook, contents, preview);
        return 0;
    } catch (const Usage&) {
        return 2;
    }
}

// status: where a glaze stands (testen, productie, gestopt) and the glaze it
// is based on, which the search of the tests reads.
int glazeStatus(CliContext& ctx) {
    try {
        const Words w(ctx.args, 0, {"--based-on"});
        if (w.positional.size() != 2) return 2;
        const GlazeStatus status = glazeStatusOf(w.positional[1]);
        GlazeBook book(ctx.dbDir);
        book.load();
        auto glaze = book.findGlaze(w.positional[0]);
        if (!glaze) {
            ctx.err << noGlaze(w.positional[0]) << "\n";
            return 1;
        }
        glaze->stat = Choices<GlazeStatus>::code(status);
        if (w.has("--based-on")) {
            const auto parent = book.findGlaze(w.get("--based-on"));
            if (!parent || parent->naam == glaze->naam)
                throw NotebookError(
                    fillIn(translate("Cli", "'%1' is geen ander glazuur."), {w.get("--based-on")}));
            glaze->gbop = parent->naam;
        }
        book.updateGlaze(w.positional[0], *glaze);
        book.save();
        return 0;
    } catch (const Usage&) {
        return 2;
    }
}

const CommandRegistrar testCommand(
    "test",
    QT_TRANSLATE_NOOP(
        "Cli",
        "test new GLAZE [--code C] [--grams G] [--date D] | list [GLAZE] | show CODE\n"
        "  test find [--code C] [--glaze G] [--clay T] [--cone C] [--atmosphere A] [--kiln K] [--status S]\n"
        "            [--from D] [--to D] [--defect D]   the tests of the notebook"),
    test, Writes::dataFolderWith("new"));
const CommandRegistrar firingCommand(
    "firing",
    QT_TRANSLATE_NOOP(
        "Cli", "firing new --date D --cone C --atmosphere A [--kiln K] [--schedule "
               "\"rate:target:hold,...\" | --template NAME] [--code C]\n"
               "  firing add-test FIRING CODE [--place P] [--surface S] [--transparency T] [--colour C] "
               "[--defect D]...\n"
               "            [--defect-notes T] [--rating 1-5] [--notes T]   firings and the tests in them\n"
               "  firing template save NAME --schedule \"rate:target:hold,...\" | template list   "
               "schedules kept by name"),
    firing, Writes::dataFolder());
const CommandRegistrar photoCommand(
    "photo",
    QT_TRANSLATE_NOOP("Cli", "photo add CODE FILE [--cone C] [--atmosphere A] [--title T] [--firing F]   "
                             "copy a photo of a test into the data folder"),
    photo, Writes::dataFolder());
const CommandRegistrar statusCommand(
    "glaze-status",
    QT_TRANSLATE_NOOP("Cli",
                      "glaze-status GLAZE testen|productie|gestopt [--based-on PARENT]   a glaze's status "
                      "and the glaze it is based on"),
    glazeStatus, Writes::dataFolder());
const CommandRegistrar notebookCommand(
    "notebook",
    QT_TRANSLATE_NOOP("Cli", "notebook export GLAZE FILE.zip | import FILE.zip [--dry-run]   a glaze "
                             "with its tests and photos, to take to another data folder"),
    notebookArchive, Writes::dataFolderWith("import"));

} // namespace

} // namespace kelvora::cli
