#include "drill/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "drill/drill.h"

namespace {

namespace fs = std::filesystem;

const std::string kSection = "\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3";  // 系统配置

/// A program directory of its own for every test, removed afterwards.
class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "drill-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    drill::setSettingsDirectory(directory_.string());
  }
  void TearDown() override {
    drill::setSettingsDirectory(std::nullopt);
    std::error_code ignored;
    fs::permissions(directory_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(directory_, ignored);
  }

  fs::path iniPath() const { return directory_ / "admin.ini"; }

  void writeFile(const std::string& content) const {
    std::ofstream out(iniPath(), std::ios::binary);
    out << content;
  }

  std::string readFile() const {
    std::ifstream in(iniPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path directory_;
};

TEST(SettingsFilePath, IsAdminIniBesideTheProgramFile) {
  drill::setSettingsDirectory(std::nullopt);
  const fs::path program = fs::read_symlink("/proc/self/exe");
  EXPECT_EQ(drill::settingsFilePath(), (program.parent_path() / "admin.ini").string());
  EXPECT_EQ(drill::programDirectory(), program.parent_path().string());
}

TEST_F(SettingsFile, PathFollowsTheDirectoryOnEveryCall) {
  EXPECT_EQ(drill::settingsFilePath(), iniPath().string());
  drill::setSettingsDirectory(directory_.string() + "/");
  EXPECT_EQ(drill::settingsFilePath(), iniPath().string());
  drill::setSettingsDirectory("/nowhere");
  EXPECT_EQ(drill::settingsFilePath(), "/nowhere/admin.ini");
}

TEST_F(SettingsFile, MissingFileGivesTheDefaultOrTheEmptyText) {
  EXPECT_EQ(drill::readSetting("5", "5000"), "5000");
  EXPECT_EQ(drill::readSetting("1"), "");
  EXPECT_FALSE(fs::exists(iniPath()));
}

TEST_F(SettingsFile, OtherSectionsAndOtherKeysCountAsMissing) {
  writeFile("[other]\n5=30\n[" + kSection + "X]\n5=31\n[" + kSection + "]\n51=32\nfive=33\n");
  EXPECT_EQ(drill::readSetting("5", "5000"), "5000");
  EXPECT_EQ(drill::readSetting("1"), "");
}

TEST_F(SettingsFile, ReadsTheValueWithoutBlanksAndQuotes) {
  writeFile("; written by hand\r\n  [ " + kSection + " ]  \r\n 5 =  \"30\" \r\n2=11\r\n");
  EXPECT_EQ(drill::readSetting("5", "5000"), "30");
  EXPECT_EQ(drill::readSetting("2"), "11");
  EXPECT_EQ(drill::textToInt(drill::readSetting("2")), 11);
}

TEST_F(SettingsFile, LeadingControlBytesOfTheKeyAreSkipped) {
  writeFile("[" + kSection + "]\n5=30\n");
  EXPECT_EQ(drill::readSetting("\t\n 5", "5000"), "30");
  // A key of nothing but such bytes reads nothing, not even the default.
  EXPECT_EQ(drill::readSetting(" \t", "5000"), "");
  EXPECT_EQ(drill::readSetting("", "5000"), "");
}

TEST_F(SettingsFile, AValueIsReadAsAtMost10239Bytes) {
  writeFile("[" + kSection + "]\n1=" + std::string(20000, '7') + "\n");
  EXPECT_EQ(drill::readSetting("1"), std::string(10239, '7'));
  EXPECT_EQ(drill::readSetting("2", std::string(10240, '8')), std::string(10239, '8'));
}

TEST_F(SettingsFile, ACutValueNeverEndsInHalfACharacter) {
  // 10238 ASCII bytes, then a two-byte character that would straddle the limit.
  writeFile("[" + kSection + "]\n1=" + std::string(10238, 'a') + "\xCE\xBB\n");
  EXPECT_EQ(drill::readSetting("1"), std::string(10238, 'a'));
}

TEST_F(SettingsFile, CloseOfAFirstRunWritesSixLines) {
  for (const char* key : {"1", "2", "4", "3"}) drill::writeSetting(key, "0");
  drill::writeSetting("5", "5000");
  EXPECT_EQ(readFile(), "[" + kSection + "]\n1=0\n2=0\n4=0\n3=0\n5=5000\n");
  EXPECT_EQ(drill::readSetting("5", "1"), "5000");
}

TEST_F(SettingsFile, AWriteChangesOnlyThatKeysLine) {
  const std::string before = "; admin.ini\r\n[display]\r\nfont=29\r\n\r\n[" + kSection +
                             "]\r\n1=3\r\n2=11\r\n"
                             "; comment inside\r\n4=0\r\n\r\n[tail]\nx=1";
  writeFile(before);
  drill::writeSetting("2", "12");
  std::string expected = before;
  expected.replace(expected.find("2=11"), 4, "2=12");
  EXPECT_EQ(readFile(), expected);

  drill::writeSetting("5", "30");
  expected.insert(expected.find("4=0\r\n") + 5, "5=30\r\n");
  EXPECT_EQ(readFile(), expected);
}

TEST_F(SettingsFile, AMissingSectionIsAddedAtTheEnd) {
  writeFile("[display]\nfont=29");
  drill::writeSetting("4", "7");
  EXPECT_EQ(readFile(), "[display]\nfont=29\n[" + kSection + "]\n4=7\n");
}

TEST_F(SettingsFile, AWriteReplacesTheFileAsAWholeAndLeavesNoTemporaryFile) {
  writeFile("[" + kSection + "]\n1=0\n");
  fs::permissions(iniPath(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A second name for the old file: a rewrite in place would change it as well.
  const fs::path oldName = directory_ / "old.ini";
  fs::create_hard_link(iniPath(), oldName);

  drill::writeSetting("1", "2");

  EXPECT_EQ(readFile(), "[" + kSection + "]\n1=2\n");
  std::ifstream old(oldName, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "[" + kSection + "]\n1=0\n");
  EXPECT_EQ(fs::status(iniPath()).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory_)) ++entries;
  EXPECT_EQ(entries, 2);  // admin.ini and old.ini
}

// Tests run as root, for whom a read-only directory is still writable; a program directory
// that is a regular file cannot hold admin.ini for anyone.
TEST_F(SettingsFile, AWriteThatCannotBeDoneIsIgnored) {
  const fs::path notADirectory = directory_ / "plain-file";
  std::ofstream(notADirectory) << "x";
  drill::setSettingsDirectory(notADirectory.string());
  drill::writeSetting("1", "2");
  EXPECT_EQ(drill::readSetting("1", "9"), "9");
  std::ifstream in(notADirectory);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "x");
}

TEST_F(SettingsFile, AnUnreadableFileIsNeitherReadNorReplaced) {
  fs::create_directory(iniPath());  // admin.ini exists but cannot be read as a file
  drill::writeSetting("1", "2");
  EXPECT_TRUE(fs::is_directory(iniPath()));
  EXPECT_EQ(drill::readSetting("1", "9"), "9");
}

TEST_F(SettingsFile, TextThatWouldBreakTheLineStructureIsNotWritten) {
  writeFile("[" + kSection + "]\n1=0\n");
  drill::writeSetting("1", "0\n[" + kSection + "]\n5=1");
  drill::writeSetting("2\r", "1");
  drill::writeSetting("5=1", "1");
  drill::writeSetting(" \t", "1");
  EXPECT_EQ(readFile(), "[" + kSection + "]\n1=0\n");
}

TEST_F(SettingsFile, WrittenValuesAreReadBack) {
  drill::writeSetting("2", drill::intToText(11));
  drill::writeSetting("1", drill::intToText(-1));
  drill::writeSetting("2", drill::intToText(4999));
  EXPECT_EQ(drill::textToInt(drill::readSetting("2")), 4999);
  EXPECT_EQ(drill::textToInt(drill::readSetting("1")), -1);
  EXPECT_EQ(readFile(), "[" + kSection + "]\n2=4999\n1=-1\n");
}

}  // namespace
