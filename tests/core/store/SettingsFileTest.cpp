// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingsFile.h"
#include "store/SettingsTable.h"
#include "store/StoreError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;
using kelvora::SettingsFile;
using kelvora::StoreError;
using kelvora::test::readBytes;
using kelvora::test::TempDir;

namespace {
void spit(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
} // namespace

TEST(SettingsFile, ReadsTheFileOnceAndWritesItOnceAtSave) {
    TempDir dir;
    const std::string path = dir.file("kelvora.INI");
    spit(path, "[mainform]\nleft=30\n");
    SettingsFile settings(path);
    // Another program changing the file later is not seen: the run has its copy.
    spit(path, "[mainform]\nleft=77\n");
    EXPECT_EQ(settings.readInteger("mainform", "left", 10), 30);

    kelvora::settings::writePlacement(settings, kelvora::settings::MainForm, {5, 6, 0, 0});
    kelvora::settings::write(settings, kelvora::settings::Algemeen, kelvora::settings::Taal, 1);
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=77\n") << "nothing is written before save()";
    EXPECT_EQ(kelvora::settings::readPlacement(settings, kelvora::settings::MainForm).top, 6);
    settings.save();
    EXPECT_EQ(readBytes(path), "[mainform]\nleft=5\ntop=6\n\n[algemeen]\ntaal=1\n");
}

TEST(SettingsFile, UnchangedSettingsWriteNothing) {
    TempDir dir;
    const std::string path = dir.file("kelvora.INI");
    spit(path, "[mainform]\nleft=5\ntop=6\n");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(path, old);
    SettingsFile settings(path);
    settings.writeInteger("mainform", "left", 5); // the value it already has
    EXPECT_FALSE(settings.changed());
    settings.save();
    EXPECT_EQ(fs::last_write_time(path), old);

    SettingsFile none(dir.file("nieuw.INI"));
    none.save();
    EXPECT_FALSE(fs::exists(dir.file("nieuw.INI"))) << "no values, no file";
}

TEST(SettingsFile, FileLargerThanTheLimitGivesDefaultsAndIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.file("kelvora.INI");
    std::string big = "[mainform]\nleft=300\n";
    big.append(SettingsFile::MaxBytes, ';');
    spit(path, big);
    SettingsFile settings(path);
    EXPECT_FALSE(settings.usable());
    EXPECT_EQ(settings.problem(), "Het instellingenbestand " + path +
                                      " is groter dan 1 MiB en wordt niet gebruikt; Kelvora werkt met de "
                                      "standaardinstellingen en laat het bestand ongemoeid.");
    EXPECT_EQ(settings.readInteger("mainform", "left", 10), 10);
    settings.writeInteger("mainform", "left", 20);
    EXPECT_EQ(settings.readInteger("mainform", "left", 10), 20) << "the run keeps its values in memory";
    settings.save();
    EXPECT_EQ(readBytes(path), big);
}

TEST(SettingsFile, FileAtTheLimitIsUsed) {
    TempDir dir;
    const std::string path = dir.file("kelvora.INI");
    std::string exact = "[mainform]\nleft=300\n";
    exact.append(SettingsFile::MaxBytes - exact.size(), '\n');
    spit(path, exact);
    SettingsFile settings(path);
    EXPECT_TRUE(settings.usable());
    EXPECT_TRUE(settings.problem().empty());
    EXPECT_EQ(settings.readInteger("mainform", "left", 10), 300);
}

TEST(SettingsFile, UnreadableFileReadsAsMissingAndIsNeverReplaced) {
    TempDir dir;
    const std::string path = dir.file("kelvora.INI");
    fs::create_directory(path); // a folder where the file should be
    SettingsFile settings(path);
    EXPECT_TRUE(settings.usable());
    EXPECT_EQ(settings.readInteger("mainform", "left", 10), 10);
    settings.writeInteger("mainform", "left", 20);
    try {
        settings.save();
        FAIL() << "no StoreError";
    } catch (const StoreError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_TRUE(fs::is_directory(path));
}

TEST(SettingsFile, UnusableNamesAreRefused) {
    TempDir dir;
    SettingsFile settings(dir.file("kelvora.INI"));
    EXPECT_THROW(settings.writeInteger("main]form", "left", 1), std::invalid_argument);
    EXPECT_THROW(settings.writeInteger("mainform", "le=ft", 1), std::invalid_argument);
    EXPECT_FALSE(settings.changed());
}
