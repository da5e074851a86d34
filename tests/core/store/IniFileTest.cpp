// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/IniFile.h"
#include "store/AtomicFile.h"
#include "store/StoreError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using kelvora::IniFile;
using kelvora::StoreError;

using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {

// A fresh folder under the system's temporary folder, removed afterwards.

std::string fixture(const std::string& name) {
    return std::string(KELVORA_FIXTURES) + "/" + name;
}

void spit(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A copy of a fixture in `dir`, so writes never touch the fixture itself.
std::string copyFixture(const TempDir& dir, const std::string& name) {
    fs::path target = dir / "kelvora.INI";
    fs::copy_file(fixture(name), target, fs::copy_options::overwrite_existing);
    return target.string();
}

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    return names;
}

std::size_t openDescriptors() {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}));
}

} // namespace

// ---- defaults ----

TEST(IniFile, MissingFileGivesDefaultAndCreatesNothing) {
    TempDir dir;
    IniFile ini((dir / "kelvora.INI").string());
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 10);
    EXPECT_EQ(ini.readInteger("helpform", "height", -3), -3);
    EXPECT_FALSE(fs::exists(dir / "kelvora.INI"));
}

TEST(IniFile, MissingFolderGivesDefault) {
    TempDir dir;
    IniFile ini((dir / "no-such-folder" / "kelvora.INI").string());
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 10);
}

TEST(IniFile, MissingSectionOrKeyGivesDefault) {
    IniFile ini(fixture("settings_hand_written_sections.ini"));
    EXPECT_EQ(ini.readInteger("glazform", "left", 10), 10);  // no such section
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), 10);   // section without that key
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 300); // and the key that is there
    EXPECT_EQ(ini.readInteger("helpform", "width", 10), 800);
}

TEST(IniFile, EmptyFileGivesDefault) {
    TempDir dir;
    spit(dir / "kelvora.INI", "");
    EXPECT_EQ(IniFile((dir / "kelvora.INI").string()).readInteger("mainform", "left", 10), 10);
}

TEST(IniFile, FolderInPlaceOfTheFileGivesDefault) {
    TempDir dir;
    fs::create_directory(dir / "kelvora.INI");
    EXPECT_EQ(IniFile((dir / "kelvora.INI").string()).readInteger("mainform", "left", 10), 10);
}

// ---- what counts as an integer ----

struct ValueCase {
    const char* text;
    int expected; // 99 is the default passed in
};

class IniFileValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(IniFileValue, ParsesAsThePartSays) {
    TempDir dir;
    spit(dir / "kelvora.INI", std::string("[s]\nk=") + GetParam().text + "\n");
    EXPECT_EQ(IniFile((dir / "kelvora.INI").string()).readInteger("s", "k", 99), GetParam().expected)
        << "value \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileValue,
    ::testing::Values(
        // optional sign, decimal digits
        ValueCase{"20", 20}, ValueCase{"-5", -5}, ValueCase{"+7", 7}, ValueCase{"0", 0}, ValueCase{"-0", 0},
        ValueCase{"007", 7}, ValueCase{"2147483647", INT_MAX}, ValueCase{"-2147483648", INT_MIN},
        // hexadecimal after "$" or "0x"
        ValueCase{"0x20", 32}, ValueCase{"0X20", 32}, ValueCase{"$20", 32}, ValueCase{"$ff", 255},
        ValueCase{"0xFf", 255}, ValueCase{"0x7FFFFFFF", INT_MAX}, ValueCase{"$0", 0},
        // blanks around the value do not count
        ValueCase{"  42", 42}, ValueCase{"42\t ", 42},
        // not integers: the default
        ValueCase{"abc", 99}, ValueCase{"", 99}, ValueCase{"-", 99}, ValueCase{"+", 99}, ValueCase{"0x", 99},
        ValueCase{"$", 99}, ValueCase{"12abc", 99}, ValueCase{"1.5", 99}, ValueCase{"1,5", 99},
        ValueCase{"1 2", 99}, ValueCase{"0x1g", 99}, ValueCase{"20h", 99}, ValueCase{"-0x20", 99},
        ValueCase{"$-5", 99}, ValueCase{"--5", 99}, ValueCase{"\"20\"", 99}, ValueCase{"20 ; comment", 99},
        ValueCase{"1e3", 99},
        // too large for an int: the default
        ValueCase{"2147483648", 99}, ValueCase{"-2147483649", 99}, ValueCase{"0x80000000", 99},
        ValueCase{"99999999999999999999", 99}));

TEST(IniFile, HexValuesFixture) {
    IniFile ini(fixture("settings_hex_values.ini"));
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 32);
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), 32);
    EXPECT_EQ(ini.readInteger("helpform", "left", 10), 31);
    EXPECT_EQ(ini.readInteger("helpform", "top", 10), 255);
    EXPECT_EQ(ini.readInteger("helpform", "width", 10), 255);
    EXPECT_EQ(ini.readInteger("helpform", "height", 10), INT_MAX);
}

TEST(IniFile, SignedValuesFixture) {
    IniFile ini(fixture("settings_signed_values.ini"));
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), -5);
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), 7);
    EXPECT_EQ(ini.readInteger("matform", "left", 10), 42);
    EXPECT_EQ(ini.readInteger("matform", "top", 10), INT_MIN);
}

TEST(IniFile, NotIntegersFixtureGivesDefaults) {
    IniFile ini(fixture("settings_not_integers.ini"));
    for (const char* section : {"mainform", "glazform"})
        for (const char* key : {"left", "top"})
            EXPECT_EQ(ini.readInteger(section, key, 10), 10) << key;
    for (const char* key : {"left", "top", "width", "height"})
        EXPECT_EQ(ini.readInteger("helpform", key, 10), 10) << key;
}

// ---- names ----

TEST(IniFile, NamesInCapitalsReadAsLowerCase) {
    IniFile ini(fixture("settings_upper_case_names.ini"));
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 120);
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), 240);
    EXPECT_EQ(ini.readInteger("helpform", "left", 10), 5);
    EXPECT_EQ(ini.readInteger("helpform", "top", 10), 6);
    EXPECT_EQ(ini.readInteger("helpform", "width", 10), 700);
    EXPECT_EQ(ini.readInteger("helpform", "height", 10), 500);
    EXPECT_EQ(ini.readInteger("algemeen", "taal", 0), 2);
    // and the caller's case does not matter either
    EXPECT_EQ(ini.readInteger("MainForm", "LEFT", 10), 120);
}

TEST(IniFile, WriteToNameInCapitalsReplacesThatLine) {
    TempDir dir;
    std::string path = copyFixture(dir, "settings_upper_case_names.ini");
    IniFile ini(path);
    ini.writeInteger("mainform", "left", 15);
    ini.writeInteger("algemeen", "taal", 1);
    std::string expected = readBytes(fixture("settings_upper_case_names.ini"));
    expected.replace(expected.find("LEFT=120"), 8, "LEFT=15");
    expected.replace(expected.find("TAAL=2"), 6, "TAAL=1");
    EXPECT_EQ(readBytes(path), expected);
}

TEST(IniFile, FirstOfDuplicateSectionsCounts) {
    TempDir dir;
    std::string path = copyFixture(dir, "settings_duplicate_sections.ini");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 1);
    ini.writeInteger("mainform", "top", 22);
    EXPECT_EQ(readBytes(path),
              "[mainform]\nleft=1\ntop=22\n\n[other]\nx=3\n\n[mainform]\nleft=100\ntop=200\n");
}

TEST(IniFile, KeysOutsideSectionsAndCommentsAreNotKeys) {
    IniFile ini(fixture("settings_keys_outside_sections.ini"));
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 10); // ";left=700" is a comment, "left" has no value
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), 20);
}

TEST(IniFile, ByteOrderMarkIsNoPartOfTheFirstSection) {
    TempDir dir;
    std::string path = copyFixture(dir, "settings_utf8_bom.ini");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 70);
    ini.writeInteger("mainform", "top", 81);
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF[mainform]\nleft=70\ntop=81\n");
}

// ---- writing ----

TEST(IniFile, WriteCreatesFileWithLfLineEnds) {
    TempDir dir;
    std::string path = (dir / "kelvora.INI").string();
    IniFile ini(path);
    ini.writeInteger("mainform", "left", 5);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=5\n");
    ini.writeInteger("mainform", "top", -7);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=5\ntop=-7\n");
    ini.writeInteger("algemeen", "taal", 1);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=5\ntop=-7\n\n[algemeen]\ntaal=1\n");
    ini.writeInteger("mainform", "left", 2147483647);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=2147483647\ntop=-7\n\n[algemeen]\ntaal=1\n");
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), INT_MAX);
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), -7);
}

TEST(IniFile, WriteKeepsEveryOtherLineByteForByte) {
    TempDir dir;
    std::string path = copyFixture(dir, "settings_hand_written_sections.ini");
    const std::string before = readBytes(path);
    IniFile ini(path);
    ini.writeInteger("mainform", "left", 25);    // replaces "left = 300", keeps its blanks
    ini.writeInteger("mainform", "top", 35);     // new key after the section's last entry
    ini.writeInteger("helpform", "height", 600); // new key in the last section
    ini.writeInteger("glazform", "left", 45);    // new section at the end

    std::string expected = before;
    expected.replace(expected.find("left = 300\n"), 11, "left = 25\n");
    expected.insert(expected.find("note=keep me\n") + 13, "top=35\n");
    expected += "height=600\n\n[glazform]\nleft=45\n";
    EXPECT_EQ(readBytes(path), expected);

    // The hand-written values read as before.
    EXPECT_EQ(ini.readInteger("printer", "copies", 0), 2);
    EXPECT_EQ(ini.readInteger("Mijn Sectie", "ingesprongen", 7), 7); // "ja" is no integer
}

TEST(IniFile, ReplacingAValueDropsOnlyTheOldValue) {
    TempDir dir;
    std::string path = (dir / "kelvora.INI").string();
    spit(path, "[mainform]\n  Left =  0x20  \ntop=1\n");
    IniFile(path).writeInteger("mainform", "left", 3);
    EXPECT_EQ(readBytes(path), "[mainform]\n  Left =  3\ntop=1\n");
}

TEST(IniFile, CrLfFileKeepsCrLf) {
    TempDir dir;
    std::string path = copyFixture(dir, "settings_crlf_line_ends.ini");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 40);
    EXPECT_EQ(ini.readInteger("helpform", "width", 10), 640);
    ini.writeInteger("mainform", "top", 51);
    ini.writeInteger("helpform", "height", 480);
    ini.writeInteger("algemeen", "taal", 1);
    EXPECT_EQ(readBytes(path),
              "[mainform]\r\nleft=40\r\ntop=51\r\n\r\n[helpform]\r\nwidth=640\r\nheight=480\r\n"
              "\r\n[algemeen]\r\ntaal=1\r\n");
}

TEST(IniFile, FileWithoutFinalLineEnd) {
    TempDir dir;
    std::string path = copyFixture(dir, "settings_no_final_line_end.ini");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 60);
    ini.writeInteger("mainform", "left", 61);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=61");
    ini.writeInteger("mainform", "top", 62);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=61\ntop=62");
    ini.writeInteger("matform", "left", 63);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=61\ntop=62\n\n[matform]\nleft=63\n");
}

TEST(IniFile, LoneCarriageReturnAtTheEndIsABlank) {
    // Found by the fuzzer: completing the last line must not change what it reads as.
    TempDir dir;
    std::string path = (dir / "kelvora.INI").string();
    spit(path, "[mainform]\nleft=0x2\r");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 2);
    ini.writeInteger("mainform", "top", 3);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 2);
    EXPECT_EQ(ini.readInteger("mainform", "top", 10), 3);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=0x2\r\ntop=3");
}

TEST(IniFile, WriteIntoEmptySectionHeader) {
    TempDir dir;
    std::string path = (dir / "kelvora.INI").string();
    spit(path, "[mainform]\n\n[matform]\nleft=1\n");
    IniFile(path).writeInteger("mainform", "left", 9);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=9\n\n[matform]\nleft=1\n");
}

TEST(IniFile, WriteLeavesNoTemporaryFileAndKeepsPermissions) {
    TempDir dir;
    std::string path = (dir / "kelvora.INI").string();
    spit(path, "[mainform]\nleft=1\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    IniFile(path).writeInteger("mainform", "left", 2);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"kelvora.INI"});
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(IniFile, WriteThroughSymbolicLinkKeepsTheLink) {
    TempDir dir;
    spit(dir / "real.ini", "[mainform]\nleft=1\n");
    fs::create_symlink("real.ini", dir / "kelvora.INI");
    IniFile((dir / "kelvora.INI").string()).writeInteger("mainform", "left", 2);
    EXPECT_TRUE(fs::is_symlink(dir / "kelvora.INI"));
    EXPECT_EQ(readBytes(dir / "real.ini"), "[mainform]\nleft=2\n");
}

TEST(IniFile, EveryOperationReleasesTheFile) {
    TempDir dir;
    std::string path = (dir / "kelvora.INI").string();
    IniFile ini(path);
    const std::size_t before = openDescriptors();
    ini.writeInteger("mainform", "left", 1);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 1);
    EXPECT_EQ(openDescriptors(), before);
    // Another program changing the file in between is seen by the next read.
    spit(path, "[mainform]\nleft=77\n");
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 77);
}

TEST(IniFile, UnusableNamesAreRefused) {
    TempDir dir;
    IniFile ini((dir / "kelvora.INI").string());
    EXPECT_THROW(ini.writeInteger("", "left", 1), std::invalid_argument);
    EXPECT_THROW(ini.writeInteger("main]form", "left", 1), std::invalid_argument);
    EXPECT_THROW(ini.writeInteger("mainform", "le=ft", 1), std::invalid_argument);
    EXPECT_THROW(ini.writeInteger("mainform", "left\n[x]", 1), std::invalid_argument);
    EXPECT_THROW(ini.writeInteger("mainform", " left", 1), std::invalid_argument);
    EXPECT_THROW(ini.writeInteger("mainform", ";left", 1), std::invalid_argument);
    EXPECT_FALSE(fs::exists(dir / "kelvora.INI"));
}

// ---- failing writes ----

namespace {
// The error must carry exactly the Part's text with the settings file's full path.
void expectUnableToWrite(IniFile& ini) {
    try {
        ini.writeInteger("mainform", "left", 123);
        FAIL() << "no StoreError";
    } catch (const StoreError& e) {
        EXPECT_STREQ(e.what(), ("Unable to write to " + ini.path()).c_str());
    }
}
bool runningAsRoot() {
    return ::geteuid() == 0;
}
} // namespace

TEST(IniFile, FolderThatIsAFileGivesUnableToWrite) {
    // Works for every user, root included: no one can create a file below a regular file.
    TempDir dir;
    spit(dir / "plain", "x");
    IniFile ini((dir / "plain" / "kelvora.INI").string());
    expectUnableToWrite(ini);
    EXPECT_EQ(readBytes(dir / "plain"), "x");
}

TEST(IniFile, MissingFolderGivesUnableToWrite) {
    TempDir dir;
    IniFile ini((dir / "gone" / "kelvora.INI").string());
    expectUnableToWrite(ini);
    EXPECT_FALSE(fs::exists(dir / "gone"));
}

TEST(IniFile, FolderInPlaceOfTheFileGivesUnableToWrite) {
    TempDir dir;
    fs::create_directory(dir / "kelvora.INI");
    spit(dir / "kelvora.INI" / "inside", "kept");
    IniFile ini((dir / "kelvora.INI").string());
    expectUnableToWrite(ini);
    EXPECT_EQ(readBytes(dir / "kelvora.INI" / "inside"), "kept");
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"kelvora.INI"});
}

TEST(IniFile, DiskFullHalfwayLeavesTheOldFileWhole) {
    // The writer fails after a few bytes, as on a full disk; runs as any user.
    TempDir dir;
    std::string path = copyFixture(dir, "settings_hand_written_sections.ini");
    for (std::size_t failAfter : {std::size_t{0}, std::size_t{1}, std::size_t{40}}) {
        std::size_t written = 0;
        kelvora::AtomicFile::setWriteFunctionForTesting(
            [&](int fd, const void* data, std::size_t size) -> ssize_t {
                if (written >= failAfter) {
                    errno = ENOSPC;
                    return -1;
                }
                std::size_t n = std::min(size, failAfter - written);
                ssize_t got = ::write(fd, data, n);
                if (got > 0) written += static_cast<std::size_t>(got);
                return got;
            });
        IniFile ini(path);
        expectUnableToWrite(ini);
        kelvora::AtomicFile::setWriteFunctionForTesting(nullptr);
        EXPECT_EQ(readBytes(path), readBytes(fixture("settings_hand_written_sections.ini"))) << failAfter;
        EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"kelvora.INI"}) << failAfter;
    }
    IniFile ini(path);
    ini.writeInteger("mainform", "left", 123); // the real writer is back
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 123);
}

TEST(IniFile, ReadOnlyFileGivesUnableToWriteAndStaysWhole) {
    if (runningAsRoot())
        GTEST_SKIP() << "root may write a read-only file; FolderThatIsAFile covers the error";
    TempDir dir;
    std::string path = copyFixture(dir, "settings_hand_written_sections.ini");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    IniFile ini(path);
    expectUnableToWrite(ini);
    EXPECT_EQ(readBytes(path), readBytes(fixture("settings_hand_written_sections.ini")));
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"kelvora.INI"});
}

TEST(IniFile, ReadOnlyFolderGivesUnableToWriteAndLeavesOldFileWhole) {
    if (runningAsRoot())
        GTEST_SKIP() << "root may write in a read-only folder; FolderThatIsAFile covers the error";
    TempDir dir;
    std::string path = copyFixture(dir, "settings_hand_written_sections.ini");
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    IniFile ini(path);
    expectUnableToWrite(ini);
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(readBytes(path), readBytes(fixture("settings_hand_written_sections.ini")));
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"kelvora.INI"});
}

TEST(IniFile, UnreadableFileIsNotOverwritten) {
    if (runningAsRoot()) GTEST_SKIP() << "root may read a file without read permission";
    TempDir dir;
    std::string path = copyFixture(dir, "settings_hand_written_sections.ini");
    fs::permissions(path, fs::perms::owner_write);
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger("mainform", "left", 10), 10);
    expectUnableToWrite(ini); // writing would drop lines it could not read
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readBytes(path), readBytes(fixture("settings_hand_written_sections.ini")));
}

// ---- the settings file's name ----

struct PathCase {
    const char* exe;
    const char* ini;
};

class SettingsPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, ExtensionBecomesIni) {
    EXPECT_EQ(kelvora::settingsPathForExecutable(GetParam().exe), GetParam().ini);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsPath,
    ::testing::Values(PathCase{"/opt/kelvora/kelvora", "/opt/kelvora/kelvora.INI"},
                      PathCase{"/opt/kelvora/kelvora.exe", "/opt/kelvora/kelvora.INI"},
                      PathCase{"/opt/kelvora-0.9.9/kelvora", "/opt/kelvora-0.9.9/kelvora.INI"},
                      PathCase{"/opt/k/kelvora.tar.gz", "/opt/k/kelvora.tar.INI"},
                      PathCase{"/opt/k/kelvora.", "/opt/k/kelvora.INI"},
                      PathCase{"/home/pot ter/Glazuur/kelvora", "/home/pot ter/Glazuur/kelvora.INI"}));
