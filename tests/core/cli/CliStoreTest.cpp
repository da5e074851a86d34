// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TableLayouts.h"
#include "store/PacketCodec.h"
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace kelvora;
using kelvora::test::fixture;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {
struct Result {
    int exit;
    std::string out;
};

// Runs kelvora-cli with the C locale; stderr is folded into the output.
Result cli(const std::string& args) {
    std::string cmd = "LC_ALL=C " + std::string(KELVORA_CLI) + " " + args + " 2>&1";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        out.append(buf.data(), n);
    int status = ::pclose(p);
    return {WEXITSTATUS(status), out};
}
} // namespace

TEST(CliStore, ShowsAGlazeFromAnXmlFileAndExportsItInBinary) {
    TempDir dir;
    std::filesystem::copy_file(fixture("glz_written_elsewhere.xml"), dir.file("glz.cds"));
    std::string db = "--db " + dir.path().string();

    Result shown = cli(db + " show glaze 'Celadon kegel 10'");
    ASSERT_EQ(shown.exit, 0) << shown.out;
    EXPECT_EQ(shown.out.rfind(
                  "naam=Celadon kegel 10\nomsc=Regel één\\nRegel twee & <drie>\nprys=2.47619047619048\n", 0),
              0u)
        << shown.out;
    EXPECT_NE(shown.out.find("\ntmpv=1190\n"), std::string::npos);
    EXPECT_NE(shown.out.find("\nmat3=\n"), std::string::npos);

    Result exported = cli(db + " export glazes " + dir.file("copy.cds"));
    ASSERT_EQ(exported.exit, 0) << exported.out;
    auto copy = readPacketFile(dir.file("copy.cds"));
    auto original = readPacketFile(dir.file("glz.cds"));
    ASSERT_TRUE(looksBinary(readBytes(dir.file("copy.cds"))));
    // The copy is the table as the program reads it: grown by the fields
    // added since the other program wrote it (empty), the rest unchanged.
    Packet grown = *original;
    for (std::size_t f = grown.fields().size(); f < TableLayouts::glazes().size(); ++f)
        grown.addField(TableLayouts::glazes()[f]);
    EXPECT_EQ(copy->fields(), TableLayouts::glazes());
    EXPECT_EQ(encodeBinary(*copy).size(), encodeBinary(grown).size());

    std::filesystem::copy_file(dir.file("copy.cds"), dir.file("glz.cds"),
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(cli(db + " show glaze 'Celadon kegel 10'").out, shown.out);
    EXPECT_EQ(cli(db + " list glazes").out, "Aangepast\nCeladon kegel 10\nZonder status\n");
}

TEST(CliStore, ErrorsAndUsage) {
    TempDir dir;
    std::string db = "--db " + dir.path().string();
    Result missing = cli(db + " list materials");
    EXPECT_EQ(missing.exit, 1);
    EXPECT_EQ(missing.out, "MatCDS: Missing data provider or data packet: " + dir.file("mat.cds") +
                               " (bestand bestaat niet)\n");

    // A table without a field the program declares reads with that field empty.
    std::filesystem::copy_file(fixture("glz_missing_field.xml"), dir.file("glz.cds"));
    Result olderTable = cli(db + " list glazes");
    EXPECT_EQ(olderTable.exit, 0);
    EXPECT_EQ(olderTable.out, "Aangepast\nCeladon kegel 10\nZonder status\n");
    EXPECT_NE(cli(db + " show glaze Aangepast").out.find("\nmolp=\n"), std::string::npos);
    std::filesystem::remove(dir.file("glz.cds"));

    EXPECT_EQ(cli(db + " show glaze").exit, 2);
    EXPECT_EQ(cli("frobnicate").exit, 2);
    EXPECT_NE(cli("").out.find("usage: kelvora-cli"), std::string::npos);

    ASSERT_EQ(cli("new-table glazes " + dir.file("glz.cds")).exit, 0);
    EXPECT_EQ(cli(db + " show glaze Nothing").exit, 1);
}

TEST(CliStore, SeedNeverOverwritesExistingData) {
    TempDir dir;
    std::string target = dir.file("db0991/mat.cds");
    ASSERT_EQ(cli("seed " + fixture("glz_written_elsewhere.xml") + " " + target).exit, 0);
    std::string first = readBytes(target);
    ASSERT_TRUE(looksBinary(first));
    test::writeBytes(target, "user data");
    ASSERT_EQ(cli("seed " + fixture("glz_written_elsewhere.xml") + " " + target).exit, 0);
    EXPECT_EQ(readBytes(target), "user data");
}
