// The diagnostic dump of the word list, run in a folder of its own (the
// debug file's path is relative on this platform).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"
#include "tests/support/word_list_fixture.h"

namespace {

class DumpWordListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
  }
  void TearDown() override { std::filesystem::current_path(old_); }
  static constexpr const char* kFile = "C:/Program Files (x86)/Kesta/debug.txt";

  std::filesystem::path old_;
  TempDir dir_;
  ScriptedInteraction ui_;
};

TEST_F(DumpWordListTest, WithoutItsFolderItSaysSo) {
  TestWords words({{"Open", 20}, {".", 48}});
  DumpWordList(words.head(), 1, nullptr);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text, "Can not open debug file for writing");
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta Debug");
}

TEST_F(DumpWordListTest, OneLinePerRecordUpToTheSentinelOrTheSelection) {
  std::filesystem::create_directories("C:/Program Files (x86)/Kesta");
  TestWords words({{"Open", 20}, {"blorf", 40, "FN***", "msg=325 rule=325"}, {".", 48}});
  DumpWordList(words.head(), 1, nullptr);
  std::string dump = dir_.Read(kFile);
  EXPECT_EQ(dump.rfind("LOOP 0 Open  MCD 20 ", 0), 0u) << dump;
  EXPECT_NE(dump.find("\n\t*ERROR* LOOP 1 blorf  MCD 40 RUL 0 E1 325 "), std::string::npos) << dump;
  EXPECT_NE(dump.find(" POSS 0\nLOOP 2 . "), std::string::npos) << dump;
  EXPECT_EQ(dump.find("@@END"), std::string::npos) << dump;
  EXPECT_TRUE(ui_.Boxes().empty());

  DumpWordList(words.head(), 2, "<p>Open it</p>");
  EXPECT_EQ(dir_.Read(kFile), "<p>Open it</p>");
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text, "Dumped selection");
}

}  // namespace
