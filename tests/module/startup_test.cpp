#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/dict_file.h"
#include "module/app_settings.h"
#include "module/kesta_app.h"
#include "module/startup_messages.h"
#include "platform/scripted_interaction.h"
#include "tests/support/dict_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr const char* kSettingsLine =
    "KESta|TEC(technical),STE(core),SYN(synonym)|wDEF1|Writer|Site|SHO|end";
constexpr const char* kTechnical = "name: TECHNICAL\nversion: 1.0\nvalve$ 1014\nbolt$ 1014\n";
constexpr const char* kCore = "name: CORE\nremov^21\nvalve 10\n";
constexpr const char* kSynonym = "name: SYNONYM\nshut 30120 close\n";

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings.Reset();
    Dictionaries.Reset();
  }
  void TearDown() override {
    theApp.ExitInstance();
    FailDictAllocationForTesting(0);
    Settings.Reset();
    Dictionaries.Reset();
  }
  // A custom folder with the settings file and the three dictionaries.
  void MakeCustomFolder(const char* tec = kTechnical, const char* ste = kCore, const char* syn = kSynonym) {
    dir_.Write("editinit/KestaArbortext.ini", kSettingsLine);
    if (tec) WriteTestDict(dir_, "dictionaries/TEC.cmp", tec);
    if (ste) WriteTestDict(dir_, "dictionaries/STE.cmp", ste);
    if (syn) WriteTestDict(dir_, "dictionaries/SYN.cmp", syn);
  }
  std::string DictPath(const char* name) const { return dir_.path().string() + "\\dictionaries\\" + name + ".cmp"; }
  // Damages one dictionary after the folder was made.
  void Damage(const char* name, std::size_t at, const std::string& bytes) {
    std::string relative = std::string("dictionaries/") + name + ".cmp";
    std::string file = dir_.Read(relative);
    file.replace(at, bytes.size(), bytes);
    dir_.Write(relative, file);
  }
  static bool NothingLoaded() {
    for (char* block : Dictionaries.DictTextBlocks)
      if (block) return false;
    return Dictionaries.DigramIndex == nullptr && Dictionaries.indexTail == nullptr;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const InteractionEvent& e : ui_.Boxes()) out.push_back(e.text);
    return out;
  }

  TempDir dir_;
  ScopedEnv env_{"APTCUSTOM", dir_.path().c_str()};
  ScriptedInteraction ui_;
};

TEST_F(StartupTest, GoodStartAndShutDown) {
  MakeCustomFolder();
  EXPECT_NE(theApp.InitInstance(), 0);
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_TRUE(AfxOleInitialized());
  EXPECT_TRUE(KestaComModule.Initialized());
  EXPECT_EQ(KestaComModule.LibId(), &LIBID_KESTAEPICLib);
  for (int slot = 0; slot < kDictCount; ++slot) EXPECT_NE(Dictionaries.DictTextBlocks[slot], nullptr);
  EXPECT_EQ(Dictionaries.DictDescriptors[1].name, "CORE");
  EXPECT_EQ(Dictionaries.SynonymDictIndex, 2);
  const DigramNode* va = FindDigramNode("valve");
  ASSERT_NE(va, nullptr);
  EXPECT_STREQ(DictRun(va, 1), "lve 10|");
  EXPECT_EQ(Settings.app.steDictionary, 1);

  EXPECT_EQ(theApp.ExitInstance(), 0);
  EXPECT_TRUE(NothingLoaded());
  EXPECT_FALSE(KestaComModule.Initialized());
  // A second exit finds nothing left to free.
  EXPECT_EQ(theApp.ExitInstance(), 0);
}

TEST_F(StartupTest, TheBuildsDefaultCustomFolder) {
  ScopedEnv custom("APTCUSTOM", KESTA_DEFAULT_CUSTOM_DIR);
  EXPECT_NE(theApp.InitInstance(), 0);
  EXPECT_TRUE(ui_.Events().empty());
  EXPECT_EQ(Dictionaries.DictDescriptors[0].name, "TECHNICAL");
  EXPECT_EQ(Dictionaries.DictDescriptors[1].name, "CORE");
  EXPECT_EQ(Dictionaries.DictDescriptors[2].name, "SYNONYM");
  EXPECT_NE(FindDigramNode("valve"), nullptr);
}

TEST_F(StartupTest, SettingsFailures) {
  // No settings file: the settings box, then the start-up box with no file name.
  EXPECT_EQ(theApp.InitInstance(), 0);
  std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].rfind("Error(67) ", 0), 0u);
  EXPECT_EQ(boxes[1],
            "Error(68) File \nin \\PTC\\Arbortext Editor x.x\\custom\\editinit\\KestaArbortext.ini is "
            "missing, damaged, or has a spelling error.");
  EXPECT_EQ(ui_.Boxes()[1].style & MB_ICONMASK, MB_ICONERROR);
  EXPECT_EQ(ui_.Boxes()[1].caption, "KESta Checker");
  EXPECT_FALSE(KestaComModule.Initialized());

  // Six fields: the settings box, then our own.
  ui_.Clear();
  dir_.Write("editinit/KestaArbortext.ini", "KESta|TEC,STE,SYN|wDEF1|Writer|SHO|end");
  EXPECT_EQ(theApp.InitInstance(), 0);
  boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].rfind("Error(60) Read 6 fields", 0), 0u);
  EXPECT_EQ(boxes[1],
            "Error(69) The settings file KestaArbortext.ini is missing or damaged.\n"
            "Contact support@kesta-checker.example");

  // A dictionary the settings name but that is not there.
  ui_.Clear();
  Settings.Reset();
  MakeCustomFolder(kTechnical, nullptr, kSynonym);
  EXPECT_EQ(theApp.InitInstance(), 0);
  boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Error(68) File " + DictPath("STE") +
                          "\nin \\PTC\\Arbortext Editor x.x\\custom\\editinit\\KestaArbortext.ini is "
                          "missing, damaged, or has a spelling error.");
  EXPECT_TRUE(NothingLoaded());
}

TEST_F(StartupTest, NoCustomFolderVariable) {
  ScopedEnv unset("APTCUSTOM", nullptr);
  EXPECT_EQ(theApp.InitInstance(), 0);
  std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].rfind("STOP: Missing Environment variable APTCUSTOM.", 0), 0u);
  EXPECT_EQ(boxes[1].rfind("Error(69) ", 0), 0u);
}

struct DamageCase {
  const char* dict;
  std::size_t at;
  std::string bytes;
  std::string message;  // %s: the path
};

// Each damaged file refuses the start with its message, and nothing the
// start built stays behind, also when the damage is in the last dictionary.
TEST_F(StartupTest, DamagedDictionaries) {
  const DamageCase cases[] = {
      {"TEC", 0, "+OKX", "Error(14) File %s has wrong signature.\nContact support@kesta-checker.example"},
      {"SYN", kEntryCountAt, "9       ",
       "Error(14) File %s has wrong digram map.\nContact support@kesta-checker.example"},
      {"STE", kMapOffsetAt, "80      ",
       "Error(14) File %s has wrong digram map.\nContact support@kesta-checker.example"},
  };
  for (const DamageCase& c : cases) {
    Settings.Reset();
    Dictionaries.Reset();
    ui_.Clear();
    MakeCustomFolder();
    Damage(c.dict, c.at, c.bytes);
    EXPECT_EQ(theApp.InitInstance(), 0) << c.dict;
    std::string expected = c.message;
    expected.replace(expected.find("%s"), 2, DictPath(c.dict));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{expected});
    EXPECT_EQ(ui_.Boxes()[0].style & MB_ICONMASK, MB_ICONERROR);
    EXPECT_TRUE(NothingLoaded()) << c.dict;
    EXPECT_FALSE(KestaComModule.Initialized());
  }
}

TEST_F(StartupTest, ShortFileAndMapOutsideTheText) {
  MakeCustomFolder();
  dir_.Write("dictionaries/STE.cmp", BuildTestDict(kCore).substr(0, 999));
  EXPECT_EQ(theApp.InitInstance(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error(13) File " + DictPath("STE") +
                                                 " checksum is damaged.\nReload from backup."});

  // A map line whose run lies outside the text.
  ui_.Clear();
  Settings.Reset();
  MakeCustomFolder();
  std::string file = BuildTestDict(kSynonym);
  file.replace(file.find("sh 0 1"), 6, "sh 9999 1");
  dir_.Write("dictionaries/SYN.cmp", file);
  EXPECT_EQ(theApp.InitInstance(), 0);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_NE(BoxTexts()[0].find("has wrong digram map"), std::string::npos);
  EXPECT_TRUE(NothingLoaded());
}

TEST_F(StartupTest, OnlyTheLastMessageOfSeveralFailures) {
  MakeCustomFolder();
  Damage("TEC", 0, "XXXX");
  Damage("SYN", kEntryCountAt, "1       ");
  EXPECT_EQ(theApp.InitInstance(), 0);
  std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find(DictPath("SYN")), std::string::npos);
  EXPECT_NE(boxes[0].find("wrong digram map"), std::string::npos);
}

TEST_F(StartupTest, FileThatCannotBeReadGivesOnlyTheLoadersBox) {
  MakeCustomFolder();
  std::filesystem::remove(dir_.path() / "dictionaries/STE.cmp");
  std::filesystem::create_directory(dir_.path() / "dictionaries/STE.cmp");
  EXPECT_EQ(theApp.InitInstance(), 0);
  std::vector<std::string> boxes = BoxTexts();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0], "Error(1) LoadDict can not open requested file:\n" + DictPath("STE"));
  EXPECT_TRUE(NothingLoaded());
}

TEST_F(StartupTest, NoMemoryForADigramNode) {
  MakeCustomFolder();
  FailDictAllocationForTesting(4);  // two nodes and the block of TEC, then CORE's node
  EXPECT_EQ(theApp.InitInstance(), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error(17) File " + DictPath("STE") +
                                                 " has a damaged digram table.\nContact "
                                                 "support@kesta-checker.example"});
  EXPECT_TRUE(NothingLoaded());
}

// Codes the loader returns without a file at hand to damage: their start-up
// texts, and none for a file the loader itself reported.
TEST(StartupMessages, TextOfEachLoaderCode) {
  EXPECT_STREQ(DictLoadMessage(kDictNoAccess), "Error(14) File %s is damaged.\nContact %s");
  EXPECT_EQ(DictLoadMessage(kDictCannotOpen), nullptr);
}

// A file the loader reports itself gives no start-up text: the text of an
// earlier failure is the one shown.
TEST_F(StartupTest, EarlierTextStaysWhenTheLaterFailureHasNone) {
  MakeCustomFolder();
  Damage("TEC", 0, "+OKX");
  std::filesystem::remove(dir_.path() / "dictionaries/SYN.cmp");
  std::filesystem::create_directory(dir_.path() / "dictionaries/SYN.cmp");
  EXPECT_EQ(theApp.InitInstance(), 0);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "Error(1) LoadDict can not open requested file:\n" + DictPath("SYN"),
                            "Error(14) File " + DictPath("TEC") +
                                " has wrong signature.\nContact support@kesta-checker.example"}));
  EXPECT_TRUE(NothingLoaded());
}

TEST(FreeBlockList, FreesEveryBlockOfTheList) {
  FreeBlockList(nullptr);
  void* third = std::calloc(1, 16);
  void* second = std::calloc(1, 32);
  void* first = std::calloc(1, 24);
  std::memcpy(second, &third, sizeof third);
  std::memcpy(first, &second, sizeof second);
  FreeBlockList(first);  // the leak checker sees anything left
}

}  // namespace
