// SPDX-License-Identifier: GPL-3.0-or-later
// Writers of one data folder from the command line: never a reported success
// that was lost.
#include "model/TableLayouts.h"
#include "store/DataFolderLock.h"
#include "store/PacketCodec.h"
#include "store/View.h"
#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {
struct Result {
    int exit;
    std::string out;
};

FILE* start(const std::string& args) {
    std::string cmd = "LC_ALL=C " + std::string(KELVORA_CLI) + " " + args + " 2>&1";
    return ::popen(cmd.c_str(), "r");
}

Result finish(FILE* p) {
    std::string out;
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p))
        out.append(buf.data(), n);
    int status = ::pclose(p);
    return {WEXITSTATUS(status), out};
}

Result cli(const std::string& args) {
    return finish(start(args));
}

// A data folder with an empty materials table, and an import file holding one material.
struct Folder {
    TempDir dir;
    std::string db = dir.file("db0991");
    Folder() {
        std::filesystem::create_directory(db);
        writePacketFile(db + "/mat.cds", Packet(TableLayouts::materials()));
    }
    std::string importFile(const std::string& name) {
        Packet p(TableLayouts::materials());
        Row r = p.emptyRow();
        p.setText(r, 0, name);
        p.setNumber(r, p.fieldIndex("sio2"), 1);
        p.rows.push_back(r);
        std::string path = dir.file(name + ".xml");
        writeXmlPacketFile(path, p);
        return path;
    }
    std::string args(const std::string& rest) const { return "--db " + db + " " + rest; }
};
} // namespace

TEST(CliLock, TwoImportsAtOnceBothReachTheFile) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        Folder f;
        std::string a = f.importFile("Kwarts"), b = f.importFile("Kaolien");
        FILE* first = start(f.args("import " + a));
        FILE* second = start(f.args("import " + b));
        Result ra = finish(first), rb = finish(second);
        EXPECT_EQ(ra.exit, 0) << ra.out;
        EXPECT_EQ(rb.exit, 0) << rb.out;
        EXPECT_EQ(cli(f.args("list materials")).out, "Kaolien\nKwarts\n") << "attempt " << attempt;
    }
}

TEST(CliLock, WritingCommandWaitsForTheHolderThenGivesUp) {
    Folder f;
    std::string a = f.importFile("Kwarts");
    const std::string before = readBytes(f.db + "/mat.cds");
    DataFolderLock lock = DataFolderLock::acquire(f.db, std::chrono::milliseconds(0));
    ASSERT_TRUE(lock.holds());

    Result refused = cli(f.args("import " + a)); // waits 10 s
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.out, "De gegevens zijn in gebruik door een ander Kelvora-programma (proces " +
                               std::to_string(::getpid()) + ").\n");
    EXPECT_EQ(readBytes(f.db + "/mat.cds"), before);

    // Reading needs no lock.
    Result listed = cli(f.args("list materials"));
    EXPECT_EQ(listed.exit, 0) << listed.out;

    // A waiting command goes on as soon as the holder lets go.
    FILE* waiting = start(f.args("import " + a));
    ::usleep(300 * 1000);
    lock.release();
    Result done = finish(waiting);
    EXPECT_EQ(done.exit, 0) << done.out;
    EXPECT_EQ(cli(f.args("list materials")).out, "Kwarts\n");
}

TEST(CliLock, WindowOpenDuringAnImportDoesNotDropTheImportedMaterial) {
    Folder f;
    f.importFile("Kwarts");
    writePacketFile(f.db + "/mat.cds", *readPacketFile(f.dir.file("Kwarts.xml")));
    std::string b = f.importFile("Kaolien");

    // The materials window of a program that does not hold the folder.
    View window("MatCDS", f.db + "/mat.cds");
    window.declareFields(TableLayouts::materials());
    window.setIndexFieldNames("naam");
    window.open();
    window.setLogChanges(false);

    Result imported = cli(f.args("import " + b));
    ASSERT_EQ(imported.exit, 0) << imported.out;

    window.edit();
    window.setText("omsc", "bewerkt in het venster");
    window.post();
    try {
        window.close();
        ADD_FAILURE() << "the window wrote over the import";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find("another program changed the file"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(cli(f.args("list materials")).out, "Kaolien\nKwarts\n");
    window.setFileName({});
}
