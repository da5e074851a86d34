// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/CalendarDate.h"
#include "store/DataFolderLock.h"
#include "store/Notebook.h"
#include "store/PacketCodec.h"
#include "support/EngineFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kelvora::test {
namespace {

namespace fs = std::filesystem;

class CliNotebookTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string folder = dir.path().string();

    void SetUp() override { ASSERT_TRUE(writeStarterTables(dir.path().string())); }
    CliRun run(const std::string& arguments) { return runCli(folder, arguments); }
};

TEST_F(CliNotebookTest, ATestIsMixedFiredPhotographedAndFoundAgain) {
    const std::string year = std::to_string(CalendarDate::today().year);
    const CliRun made = run("test new Seladon --grams 500");
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string code = "K-" + year + "-001";
    EXPECT_EQ(made.out, code + "\n");
    ASSERT_EQ(run("test new Seladon --code T-7 --date 2026-12-01").status, 0);

    // A controller's log in Fahrenheit: 68 °F is 20 °C, 212 °F is 100 °C.
    writeBytes(dir.file("log.csv"), "Tijd;Temp (F)\n0:00;68\n1:00;212\n");
    const CliRun fired =
        run("firing new --date 10-12-2026 --cone '6 buigt' --atmosphere Reductie --kiln Gasoven "
            "--schedule '180F:1832F:10,2h00:1222:15' --log '" +
            dir.file("log.csv") + "'");
    ASSERT_EQ(fired.status, 0) << fired.err;
    EXPECT_EQ(fired.out, "S-2026-001\n");
    ASSERT_EQ(
        run("firing add-test S-2026-001 " + code + " --defect kruipen --defect hs --rating 4 --place boven")
            .status,
        0);
    ASSERT_EQ(run("firing add-test s-2026-001 t-7 --colour groen").status, 0) << "codes case aside";

    writeBytes(dir.file("tegel.png"), "\x89PNG");
    const CliRun photo =
        run("photo add " + code + " '" + dir.file("tegel.png") + "' --cone 6 --atmosphere red");
    ASSERT_EQ(photo.status, 0) << photo.err;
    EXPECT_EQ(photo.out, "foto/" + code + "-1.png\n");
    EXPECT_EQ(readBytes(dir.file("foto/" + code + "-1.png")), "\x89PNG");

    const CliRun shown = run("test show " + code);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("glazuur\tSeladon\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("gram\t500\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("regel\tKwarts\t35\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find(
                  "stook\tS-2026-001\t10-12-2026\t6 buigt\treductie\tboven\t4\t\t\tkruipen,haarscheuren\n"),
              std::string::npos)
        << shown.out;
    EXPECT_NE(shown.out.find("foto\tfoto/" + code + "-1.png\t\t6\treductie\t\n"), std::string::npos)
        << shown.out;

    Notebook notebook(folder);
    notebook.load();
    ASSERT_NE(notebook.data().firing("S-2026-001"), nullptr);
    EXPECT_EQ(notebook.data().firing("S-2026-001")->schedule,
              (std::vector<ScheduleStep>{{100, 0, 1000, 10}, {0, 120, 1222, 15}}));
    EXPECT_EQ(notebook.data().firing("S-2026-001")->log,
              (std::vector<KilnReading>{{0, 20, ""}, {3600, 100, ""}}));

    struct Find {
        const char* options;
        std::string out;
    };
    const std::vector<Find> finds{
        {"--defect kruipen", code + "\tSeladon\t" + CalendarDate::today().text() + "\n"},
        {"--cone 6 --atmosphere reductie --kiln gasoven", // both were in that firing
         code + "\tSeladon\t" + CalendarDate::today().text() + "\nT-7\tSeladon\t01-12-2026\n"},
        {"--atmosphere oxidatie", ""},
        {"--code t-7", "T-7\tSeladon\t01-12-2026\n"},
        {"--from 30-11-2026 --to 2-12-2026", "T-7\tSeladon\t01-12-2026\n"},
        {"--status productie", ""}, // the starter glazes have no status yet
    };
    for (const auto& f : finds) {
        SCOPED_TRACE(f.options);
        const CliRun found = run(std::string("test find ") + f.options);
        EXPECT_EQ(found.status, 0) << found.err;
        EXPECT_EQ(found.out, f.out);
    }
    EXPECT_EQ(run("test list Seladon").out,
              code + "\tSeladon\t" + CalendarDate::today().text() + "\nT-7\tSeladon\t01-12-2026\n");
    EXPECT_EQ(run("test list Onbekend").out, "");
}

TEST_F(CliNotebookTest, AGlazeStatusIsSetAndFound) {
    ASSERT_EQ(run("test new Seladon --code K-1").status, 0);
    EXPECT_EQ(run("test find --status productie").out, "");
    ASSERT_EQ(run("glaze-status Seladon Productie --based-on Tenmoku").status, 0);
    EXPECT_EQ(run("test find --status productie").out.substr(0, 12), "K-1\tSeladon\t");
    EXPECT_EQ(run("test find --status gestopt").out, "");
    const CliRun shown = run("show glaze Seladon");
    EXPECT_NE(shown.out.find("\nstat=P\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\ngbop=Tenmoku\n"), std::string::npos) << shown.out;
    EXPECT_EQ(run("glaze-status Seladon half").status, 1);
    EXPECT_EQ(run("glaze-status Onbekend testen").status, 1);
    EXPECT_EQ(run("glaze-status Seladon testen --based-on Seladon").status, 1);
    EXPECT_EQ(run("glaze-status Seladon").status, 2);
    EXPECT_NE(run("show glaze Seladon").out.find("\nstat=P\n"), std::string::npos)
        << "refused changes stay out";
}

TEST_F(CliNotebookTest, AScheduleTemplateIsSavedListedAndUsedForAFiring) {
    // 180 °F/h is 100 °C/h and 1832 °F is 1000 °C: a template is kept in °C.
    ASSERT_EQ(run("firing template save 'Steengoed 10' --schedule '180F:1832F:10,2h00:1280:15'").status, 0);
    ASSERT_EQ(run("firing template save Biscuit --schedule '80:600, 150:950:10'").status, 0);
    EXPECT_EQ(run("firing template list").out,
              "Steengoed 10\t100:1000:10,2h00:1280:15\nBiscuit\t80:600:0,150:950:10\n");
    // Saved again under the same name, whatever its case: replaced, the name kept.
    ASSERT_EQ(run("firing template save 'steengoed 10' --schedule '100:1000:10,2h00:1260:20'").status, 0);
    EXPECT_EQ(run("firing template list").out,
              "Steengoed 10\t100:1000:10,2h00:1260:20\nBiscuit\t80:600:0,150:950:10\n");

    const CliRun fired =
        run("firing new --date 11-12-2026 --cone 10 --atmosphere red --template 'STEENGOED 10'");
    ASSERT_EQ(fired.status, 0) << fired.err;
    Notebook notebook(folder);
    notebook.load();
    const Stook* f = notebook.data().firing("S-2026-001");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->schedule, (std::vector<ScheduleStep>{{100, 0, 1000, 10}, {0, 120, 1260, 20}}));

    struct Case {
        std::string arguments;
        int status;
    };
    const std::vector<Case> cases{
        {"firing template", 2},
        {"firing template bogus", 2},
        {"firing template list extra", 2},
        {"firing template save Glans", 2},
        {"firing template save --schedule 100:600", 2},
        {"firing template save A B --schedule 100:600", 2},
        {"firing template save Glans --schedule 100:2000", 1},
        {"firing template save Glans --schedule ' '", 1},
        {"firing new --date 11-12-2026 --cone 6 --atmosphere ox --template Onbekend", 1},
        {"firing new --date 11-12-2026 --cone 6 --atmosphere ox --template Biscuit --schedule 100:600", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status == 1) {
            EXPECT_NE(r.err, "");
        }
    }
    notebook.load();
    EXPECT_EQ(notebook.data().templates.size(), 2u) << "nothing refused was stored";
    EXPECT_EQ(notebook.data().firings.size(), 1u);
}

TEST_F(CliNotebookTest, ExitCodes) {
    ASSERT_EQ(run("test new Seladon --code K-1").status, 0);
    ASSERT_EQ(run("firing new --date 10-12-2026 --cone 6 --atmosphere ox --code S-1").status, 0);
    writeBytes(dir.file("notitie.txt"), "geen foto");
    struct Case {
        std::string arguments;
        int status;
    };
    const std::vector<Case> cases{
        {"test", 2},
        {"test bogus", 2},
        {"test new", 2},
        {"test new Onbekend", 1},
        {"test new Seladon --code K-1", 1},   // taken
        {"test new Seladon --code 'K 1'", 1}, // not printable as a code
        {"test new Seladon --grams abc", 1},
        {"test new Seladon --grams -5", 1},
        {"test new Seladon --date 31-02-2026", 1},
        {"test new Seladon --code", 2},
        {"test new Seladon --colour rood", 2},
        {"test show K-9", 1},
        {"test show", 2},
        {"test find --defect vlekken", 1},
        {"test find --status half", 1},
        {"test find --from gisteren", 1},
        {"firing new --cone 6 --atmosphere ox", 2},
        {"firing new --date 10-12-2026 --cone 6 --atmosphere vuur", 1},
        {"firing new --date 10-12-2026 --cone 6 --atmosphere ox --schedule 100:2000", 1},
        {"firing new --date 10-12-2026 --cone 6 --atmosphere ox --code S-1", 1},
        {"firing new --date 10-12-2026 --cone 6 --atmosphere ox --log '" + dir.file("notitie.txt") + "'", 1},
        {"firing new --date 10-12-2026 --cone 6 --atmosphere ox --log '" + dir.file("weg.csv") + "'", 1},
        {"firing add-test S-1 K-9", 1},
        {"firing add-test S-9 K-1", 1},
        {"firing add-test S-1 K-1 --rating 9", 1},
        {"firing add-test S-1 K-1 --defect vlekken", 1},
        {"firing add-test S-1 K-1 --rating 3 --rating 4", 2},
        {"firing add-test S-1", 2},
        {"photo add K-9 '" + dir.file("notitie.txt") + "'", 1},
        {"photo add K-1 '" + dir.file("notitie.txt") + "'", 1},
        {"photo add K-1 '" + dir.file("weg.png") + "'", 1},
        {"photo add K-1", 2},
        {"photo", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status == 1) {
            EXPECT_NE(r.err, "");
        }
    }
    Notebook notebook(folder);
    notebook.load();
    EXPECT_EQ(notebook.data().tests.size(), 1u) << "nothing refused was stored";
    EXPECT_TRUE(notebook.data().results.empty());
    EXPECT_TRUE(notebook.data().photos.empty());
    EXPECT_FALSE(fs::exists(dir / "foto" / "K-1-1.txt"));
}

TEST_F(CliNotebookTest, ANotebookTravelsToAnotherFolderAfterAPreview) {
    ASSERT_EQ(run("test new Seladon --code K-1 --date 01-12-2026").status, 0);
    ASSERT_EQ(run("firing new --date 02-12-2026 --cone 10 --atmosphere reductie --code S-1").status, 0);
    ASSERT_EQ(run("firing add-test S-1 K-1 --rating 5").status, 0);
    writeBytes(dir.file("tegel.jpg"), "JPEG");
    ASSERT_EQ(run("photo add K-1 '" + dir.file("tegel.jpg") + "' --firing S-1").status, 0);
    const std::string zip = dir.file("seladon.zip");
    const CliRun exported = run("notebook export Seladon '" + zip + "'");
    ASSERT_EQ(exported.status, 0) << exported.err;

    TempDir other;
    writePacketFile(other.file("mat.cds"), *readPacketFile(dir.file("mat.cds")));
    writePacketFile(other.file("glz.cds"), *readPacketFile(std::string(KELVORA_DATA_SOURCE) + "/glz.xml"));
    const auto listing = [&] {
        std::string names;
        for (const auto& e : fs::recursive_directory_iterator(other.path()))
            if (e.path().filename() != "out" && e.path().filename() != "err" &&
                e.path().filename() != DataFolderLock::fileName) // the lock is no data
                names += e.path().filename().string() + " " +
                         std::to_string(fs::is_regular_file(e) ? fs::file_size(e) : 0) + "\n";
        return names;
    };
    const std::string before = listing();
    const CliRun preview = runCli(other.path().string(), "notebook import '" + zip + "' --dry-run");
    ASSERT_EQ(preview.status, 0) << preview.err;
    const std::string expected = "behouden\tglazuur\tSeladon\ntoegevoegd\tproef\tK-1\ntoegevoegd\tstook\tS-"
                                 "1\ntoegevoegd\tfoto\tfoto/K-1-1.jpg\n";
    EXPECT_EQ(preview.out, expected);
    EXPECT_EQ(listing(), before) << "a dry run writes nothing";
    const CliRun imported = runCli(other.path().string(), "notebook import '" + zip + "'");
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, expected);
    const CliRun shown = runCli(other.path().string(), "test show K-1");
    EXPECT_NE(shown.out.find("stook\tS-1\t02-12-2026\t10\treductie\t\t5"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("foto\tfoto/K-1-1.jpg\t\t\t\tS-1\n"), std::string::npos) << shown.out;
    EXPECT_EQ(readBytes(other.file("foto/K-1-1.jpg")), "JPEG");

    EXPECT_EQ(run("notebook export Onbekend '" + dir.file("x.zip") + "'").status, 1);
    EXPECT_EQ(run("notebook import '" + dir.file("weg.zip") + "'").status, 1);
    EXPECT_EQ(run("notebook import").status, 2);
    EXPECT_EQ(run("notebook import '" + zip + "' --yes").status, 2);
    EXPECT_EQ(run("notebook pack").status, 2);
}

} // namespace
} // namespace kelvora::test
