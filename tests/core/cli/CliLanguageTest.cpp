// SPDX-License-Identifier: GPL-3.0-or-later
// kelvora-cli's messages in the language asked for with --lang or
// KELVORA_LANG, from the catalogues beside the program; without either its
// words are as always.
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using kelvora::test::TempDir;

namespace {

struct Result {
    int exit;
    std::string err;
};

class CliLanguage : public ::testing::Test {
protected:
    // Runs the built program (its catalogues lie in "translations" beside
    // it) with a clean environment plus `env`; only stderr is kept.
    Result run(const std::string& env, const std::string& args) const {
        const std::string cmd = "env -i PATH=\"$PATH\" LC_ALL=C HOME=" + folder.path().string() + " " + env +
                                " " + KELVORA_CLI + " " + args + " 2>&1 >/dev/null";
        FILE* p = ::popen(cmd.c_str(), "r");
        std::string out;
        std::array<char, 4096> buf{};
        while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
            out.append(buf.data(), n);
        const int status = ::pclose(p);
        return {WEXITSTATUS(status), out};
    }

    void SetUp() override {
        // The starter tables; the store reads XML packets wherever it opens a table.
        std::filesystem::copy_file(std::string(KELVORA_DATA_SOURCE) + "/glz.xml", folder.path() / "glz.cds");
        std::filesystem::copy_file(std::string(KELVORA_DATA_SOURCE) + "/mat.xml", folder.path() / "mat.cds");
    }

    std::string db() const { return "--db " + folder.path().string(); }

    TempDir folder;
};

TEST_F(CliLanguage, TheLanguageAskedForGivesItsMessages) {
    const std::string missing = (folder.path() / "nergens.yaml").string();
    const struct {
        const char* env;
        std::string args;
        std::string message;
    } cases[] = {
        // Today's words: Dutch for the import, English for the tables.
        {"", db() + " import-recipes " + missing, "Bestand niet gevonden: " + missing + "\n"},
        {"", db() + " show glaze Geen-Zulk-Glazuur", "No glaze named \"Geen-Zulk-Glazuur\"\n"},
        {"", "--lang en " + db() + " import-recipes " + missing, "File not found: " + missing + "\n"},
        {"", db() + " --lang de import-recipes " + missing, "Datei nicht gefunden: " + missing + "\n"},
        {"KELVORA_LANG=en", db() + " import-recipes " + missing, "File not found: " + missing + "\n"},
        {"", "--lang nl " + db() + " show glaze Geen-Zulk-Glazuur",
         "Geen glazuur met de naam \"Geen-Zulk-Glazuur\"\n"},
        // The option wins over the variable.
        {"KELVORA_LANG=de", "--lang en " + db() + " import-recipes " + missing,
         "File not found: " + missing + "\n"},
        // An empty variable is no choice.
        {"KELVORA_LANG=", db() + " import-recipes " + missing, "Bestand niet gevonden: " + missing + "\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.env, c.args);
        EXPECT_EQ(r.exit, 1) << c.env << " " << c.args << "\n" << r.err;
        EXPECT_EQ(r.err, c.message) << c.env << " " << c.args;
    }
}

TEST_F(CliLanguage, AnUnknownLanguageIsAUsageError) {
    const struct {
        const char* env;
        const char* args;
        const char* message;
    } cases[] = {
        {"", "--lang fr list glazes", "kelvora-cli: unknown language 'fr' in --lang (en, de or nl)\n"},
        {"KELVORA_LANG=english", "list glazes",
         "kelvora-cli: unknown language 'english' in KELVORA_LANG (en, de or nl)\n"},
        {"", "--lang", "kelvora-cli: --lang needs one of en, de or nl\n"},
        {"", "--lang en --lang de list glazes", "kelvora-cli: --lang needs one of en, de or nl\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.env, std::string(c.args));
        EXPECT_EQ(r.exit, 2) << c.args;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << c.args << "\n" << r.err;
        EXPECT_NE(r.err.find("usage: kelvora-cli [--lang LANG] [--db DIR]"), std::string::npos) << r.err;
    }
}

} // namespace
