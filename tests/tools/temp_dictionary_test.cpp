// The temporary dictionary: the term file's exact bytes after adding,
// removing, expiry and printing, the kinds' tags, the warning preference and
// the network folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "module/app_settings.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"
#include "tools/tempwin.h"
#include "tools/term_file.h"

namespace {

constexpr std::int64_t kOpened = 1790000000;  // the clock when the dialog opens

class TempDictionaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings.Reset();
    TempDict.Reset();
    AppSettings& s = Settings.app;
    s.customDir = dir_.path().string() + "\\";
    s.dictDir = s.customDir.str() + "dictionaries\\";
    s.wordListFile = s.dictDir.str() + "Word_List_DEF1.txt";
    s.iniPath = s.customDir.str() + "editinit\\KestaArbortext.ini";
    std::filesystem::create_directories(dir_.path() / "dictionaries");
    dir_.Write("editinit/KestaArbortext.ini", "KESta|TEC,STE,SYN|wDEF1|Writer|Site|SHO|end\n");
    // Seconds since 1970 read as universal time: 2026-09-21 14:13:20.
    SetClockForTesting(LocalTime{2026, 9, 21, 14, 13, 20});
    ASSERT_EQ(CurrentUnixTime(), kOpened);
  }
  void TearDown() override {
    ResetClock();
    Settings.Reset();
    TempDict.Reset();
  }
  std::string TermFile() const { return dir_.Read("dictionaries/Word_List_DEF1.txt"); }
  void WriteTermFile(const std::string& bytes) const { dir_.Write("dictionaries/Word_List_DEF1.txt", bytes); }
  int Open(const std::vector<std::string>& actions) {
    ui_.Clear();
    for (const std::string& a : actions) ui_.QueueAction(a);
    Tempwin dialog;
    return static_cast<int>(dialog.DoModal());
  }
  const RecordedDialog& Dialog() const { return ui_.Dialogs().back(); }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : ui_.Boxes()) out.push_back(b.text);
    return out;
  }

  TempDir dir_;
  ScopedEnv custom_{"APTCUSTOM", dir_.path().c_str()};
  ScriptedInteraction ui_;
};

std::string Stamp(std::int64_t t) { return std::to_string(t); }

TEST(TermFile, EntriesAndExpiry) {
  for (const char* bad : {"pump", "pump|", "pump|1234567890123456", "NOT FOUND WORD LIST C:\\x: 2 entries"})
    EXPECT_FALSE(IsTermEntry(bad)) << bad;
  EXPECT_TRUE(IsTermEntry("pump|123456789012345"));
  EXPECT_FALSE(IsTermEntry(std::string(80, 'p') + "|1790000000"));
  EXPECT_TRUE(IsTermEntry(std::string(72, 'p') + "|1790000000"));

  // Ten days, as every text says; times past 2038 stay right.
  const std::int64_t now = 4102444800;  // 2100
  EXPECT_FALSE(EntryExpired("a|" + Stamp(now - 864000 + 1), now));
  EXPECT_TRUE(EntryExpired("a|" + Stamp(now - 864000), now));
  EXPECT_TRUE(EntryExpired("a|soon", now));

  EXPECT_TRUE(EntryHoldsTerm("Pump$ NC|1", "PUMP"));
  EXPECT_FALSE(EntryHoldsTerm("pumps|1", "pump"));
  EXPECT_FALSE(EntryHoldsTerm("pump X|1", "pump"));
  EXPECT_EQ(EntryCountText(1), "1 Entry. Terms expire 10 days");
}

TEST_F(TempDictionaryTest, NewFileAddRemoveAndClose) {
  const std::string stamp = Stamp(kOpened);
  EXPECT_EQ(Open({"type 340 pump", "click 343", "type 340 valve seat", "click 345", "click 343",
                  "type 340 Pump", "click 353", "click 343", "type 340 x", "click 343", "type 340 a|b",
                  "click 343", "type 340 Acme", "click 348", "click 343", "type 340 Nordic", "click 324",
                  "click 343", "dblclick 371 2", "click 341"}),
            1);
  const std::string path = Settings.app.wordListFile.str();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "KESta will create a new File called:\n " + path + " for your Temporary Dictionary",
                            "A term can not contain the character |.",
                        }));
  // Sorted without regard to case; "Pump" is "pump" again; "Nordic" removed.
  EXPECT_EQ(TermFile(), "Acme NS|" + stamp + "\r\npump|" + stamp + "\r\nvalve seat$ NC|" + stamp + "\r\n");
  EXPECT_EQ(Dialog().opened.Find(354)->text, "NO Entries. Terms expire 10 days");
  EXPECT_EQ(Dialog().closed.Find(354)->text, "3 Entries. Terms expire 10 days");
}

TEST_F(TempDictionaryTest, ExpiryOnOpeningAndTheHeaderLineOfAPrint) {
  WriteTermFile("NOT FOUND WORD LIST old: 3 entries\r\n"
                "young|" + Stamp(kOpened - 863999) + "\r\n"
                "old|" + Stamp(kOpened - 864000) + "\r\n"
                "future SYN|" + Stamp(kOpened + 60) + "\r\n");
  EXPECT_EQ(Open({"click 370", "close"}), 2);
  const std::string path = Settings.app.wordListFile.str();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Wrote: WORD LIST called " + path + "\r\n"});
  // Escape after a print leaves the header; the next opening ignores it.
  const std::string printed = "NOT FOUND WORD LIST " + path + ": 2 entries\r\nfuture SYN|" + Stamp(kOpened + 60) +
                              "\r\nyoung|" + Stamp(kOpened - 863999) + "\r\n";
  EXPECT_EQ(TermFile(), printed);
  EXPECT_EQ(Open({"click 341"}), 1);
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(TermFile(), "future SYN|" + Stamp(kOpened + 60) + "\r\nyoung|" + Stamp(kOpened - 863999) + "\r\n");

  // An empty list prints nothing.
  WriteTermFile("");
  Open({"click 370"});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"There are no \"NOT Found\" Words."});
}

TEST_F(TempDictionaryTest, FilesThatCannotBeWritten) {
  WriteTermFile("keep|" + Stamp(kOpened) + "\r\n");
  FailNextReplaceForTesting("open", 13);
  // Close cannot write: it says so and the dialog stays open.
  EXPECT_EQ(Open({"type 340 gasket", "click 343", "click 341", "click 341"}), 1);
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"Error(60) Can not open File to write: Error Code 13\nCheck permissions to WRITE."});
  EXPECT_EQ(TermFile(), "gasket|" + Stamp(kOpened) + "\r\nkeep|" + Stamp(kOpened) + "\r\n");

  FailNextReplaceForTesting("write", 28);
  Open({"click 370"});
  EXPECT_EQ(BoxTexts(),
            std::vector<std::string>{"Error(60) Can not open File to write: Error Code 28\nCheck permissions to WRITE."});

  // A folder that cannot hold the file.
  Settings.app.wordListFile = (dir_.path() / "missing" / "Word_List_DEF1.txt").string();
  Open({"close"});
  ASSERT_EQ(ui_.Boxes().size(), 2u);
  EXPECT_EQ(ui_.Boxes()[1].text, "Error(24) Check Folder for WRITE permissions.");
  EXPECT_EQ(Dialog().closed.Find(354)->text, "NO Entries. Terms expire 10 days");
}

TEST_F(TempDictionaryTest, WarningPreference) {
  WriteTermFile("");
  Open({"click 357", "click 336"});
  EXPECT_EQ(Settings.app.showWarnings, 0);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "KESta|TEC,STE,SYN|wDEF1|Writer|Site|HID|end\n");
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text, "KESta: Set IGNORE text in <warning> tags.");
  // The radios open on the setting in force; showing sets it back.
  Open({"click 358", "click 336"});
  EXPECT_TRUE(Dialog().opened.Find(357)->checked);
  EXPECT_EQ(Settings.app.showWarnings, 1);
}

TEST_F(TempDictionaryTest, NetworkFolderIsKeptButSaidToBeUnused) {
  WriteTermFile("");
  const std::string good = (dir_.path() / "net" / "Dictionaries").string();
  const std::string wrong = (dir_.path() / "net" / "words").string();
  std::filesystem::create_directories(good);
  std::filesystem::create_directories(wrong);
  const std::string missing = (dir_.path() / "gone" / "Dictionaries").string();
  Open({"click 375", "folder " + missing, "click 375", "folder " + wrong, "click 375", "folder", "close"});
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Wrong Name or Permission: Select Dictionaries: " + missing,
                                                  "Wrong Name: Select sub-folder called Dictionaries: " + wrong}));
  EXPECT_TRUE(Settings.app.altDictDir.empty());

  ui_.QueueAnswer(IDNO);
  Open({"click 375", "folder " + good, "close"});
  EXPECT_TRUE(Settings.app.altDictDir.empty());

  ui_.QueueAnswer(IDYES);
  Open({"click 375", "folder " + good, "close"});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Confirm Directory Name: " + good});
  EXPECT_EQ(Settings.app.altDictDir.str(), good + "\\");
  EXPECT_EQ(Dialog().closed.Find(275)->text, good + "\\");
  EXPECT_EQ(Dialog().closed.Find(376)->text, "(Network path kept, not used: dictionaries read from Local path.)");

  Open({"click 374", "close"});
  EXPECT_TRUE(Settings.app.altDictDir.empty());
  EXPECT_EQ(Dialog().closed.Find(275)->text, "(Network path to Dictionaries)");
  EXPECT_EQ(Dialog().closed.Find(376)->text, dir_.path().string() + "\\dictionaries");
}

}  // namespace
