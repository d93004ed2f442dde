#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
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
  EXPECT_TRUE(AfxOleInitialized() && KestaComModule.Initialized());
  for (int slot = 0; slot < kDictCount; ++slot) EXPECT_NE(Dictionaries.DictTextBlocks[slot], nullptr);
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

// A settings failure refuses the start: the settings box, then the start-up
// box (with no file name when the settings file itself is missing); a
// missing dictionary has only the start-up box and loads nothing.
TEST_F(StartupTest, SettingsFailures) {
  const std::string missing = "\nin \\PTC\\Arbortext Editor x.x\\custom\\editinit\\KestaArbortext.ini is "
                              "missing, damaged, or has a spelling error.";
  const std::string error69 = "Error(69) The settings file KestaArbortext.ini is missing or damaged.\n"
                              "Contact support@kesta-checker.example";
  const struct {
    const char* name;
    std::function<void()> setup;
    std::vector<std::string> boxes;  // the first is a prefix
  } rows[] = {
      {"no settings file", [] {}, {"Error(67) ", "Error(68) File " + missing}},
      {"six fields", [&] { dir_.Write("editinit/KestaArbortext.ini", "KESta|TEC,STE,SYN|wDEF1|Writer|SHO|end"); },
       {"Error(60) Read 6 fields", error69}},
      {"no variable", [] { unsetenv("APTCUSTOM"); }, {"STOP: Missing Environment variable APTCUSTOM.", error69}},
      {"no dictionary", [&] { MakeCustomFolder(kTechnical, nullptr, kSynonym); },
       {"Error(68) File " + DictPath("STE") + missing}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ScopedEnv env("APTCUSTOM", dir_.path().c_str());
    ui_.Clear();
    Settings.Reset();
    row.setup();
    EXPECT_EQ(theApp.InitInstance(), 0);
    std::vector<std::string> boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), row.boxes.size());
    EXPECT_EQ(boxes[0].rfind(row.boxes[0], 0), 0u) << boxes[0];
    if (boxes.size() > 1) { EXPECT_EQ(boxes[1], row.boxes[1]); }
    EXPECT_EQ(ui_.Boxes().back().style & MB_ICONMASK, MB_ICONERROR);
    EXPECT_EQ(ui_.Boxes().back().caption, "KESta Checker");
    EXPECT_FALSE(KestaComModule.Initialized());
    EXPECT_TRUE(NothingLoaded());
  }
}

// Each damaged or missing file refuses the start with its box (only the last
// failure's text, or the earlier one when the later has none), and nothing
// the start built stays behind, also when the damage is in the last file.
TEST_F(StartupTest, DamagedDictionaries) {
  const std::string contact = "\nContact support@kesta-checker.example";
  auto unreadable = [&](const char* name) {
    std::filesystem::remove(dir_.path() / "dictionaries" / (std::string(name) + ".cmp"));
    std::filesystem::create_directory(dir_.path() / "dictionaries" / (std::string(name) + ".cmp"));
  };
  const std::string cannotOpen = "Error(1) LoadDict can not open requested file:\n";
  struct Case {
    const char* name;
    std::function<void()> spoil;
    std::vector<std::string> boxes;
  } cases[] = {
      {"signature", [&] { Damage("TEC", 0, "+OKX"); }, {"Error(14) File " + DictPath("TEC") + " has wrong signature." + contact}},
      {"entry count", [&] { Damage("SYN", kEntryCountAt, "9       "); },
       {"Error(14) File " + DictPath("SYN") + " has wrong digram map." + contact}},
      {"map offset", [&] { Damage("STE", kMapOffsetAt, "80      "); },
       {"Error(14) File " + DictPath("STE") + " has wrong digram map." + contact}},
      {"short file", [&] { dir_.Write("dictionaries/STE.cmp", BuildTestDict(kCore).substr(0, 999)); },
       {"Error(13) File " + DictPath("STE") + " checksum is damaged.\nReload from backup."}},
      {"run outside the text",
       [&] {
         std::string file = BuildTestDict(kSynonym);
         file.replace(file.find("sh 0 1"), 6, "sh 9999 1");
         dir_.Write("dictionaries/SYN.cmp", file);
       },
       {"Error(14) File " + DictPath("SYN") + " has wrong digram map." + contact}},
      {"two failures",
       [&] {
         Damage("TEC", 0, "XXXX");
         Damage("SYN", kEntryCountAt, "1       ");
       },
       {"Error(14) File " + DictPath("SYN") + " has wrong digram map." + contact}},
      {"unreadable", [&] { unreadable("STE"); }, {cannotOpen + DictPath("STE")}},
      // two nodes and the block of TEC, then CORE's node
      {"no memory", [&] { FailDictAllocationForTesting(4); },
       {"Error(17) File " + DictPath("STE") + " has a damaged digram table." + contact}},
      {"earlier text kept",
       [&] {
         Damage("TEC", 0, "+OKX");
         unreadable("SYN");
       },
       {cannotOpen + DictPath("SYN"), "Error(14) File " + DictPath("TEC") + " has wrong signature." + contact}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settings.Reset();
    Dictionaries.Reset();
    ui_.Clear();
    std::filesystem::remove_all(dir_.path() / "dictionaries");
    MakeCustomFolder();
    c.spoil();
    EXPECT_EQ(theApp.InitInstance(), 0);
    FailDictAllocationForTesting(0);
    EXPECT_EQ(BoxTexts(), c.boxes);
    EXPECT_EQ(ui_.Boxes().at(0).style & MB_ICONMASK, MB_ICONERROR);
    EXPECT_TRUE(NothingLoaded());
    EXPECT_FALSE(KestaComModule.Initialized());
  }
}

// Codes the loader returns without a file at hand to damage: their start-up
// texts, and none for a file the loader itself reported.
TEST(StartupMessages, TextOfEachLoaderCode) {
  EXPECT_STREQ(DictLoadMessage(kDictNoAccess), "Error(14) File %s is damaged.\nContact %s");
  EXPECT_EQ(DictLoadMessage(kDictCannotOpen), nullptr);
}

}  // namespace
