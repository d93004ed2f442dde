#include "module/app_settings.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

namespace {

const char* const kIni = "editinit/KestaArbortext.ini";

// A custom folder with a settings file and the named dictionary files.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings.Reset(); }
  void WriteIni(const std::string& line) { dir_.Write(kIni, line); }
  void MakeDicts(std::initializer_list<const char*> names) {
    for (const char* n : names) dir_.Write(std::string("dictionaries/") + n + ".cmp", "x");
  }
  std::string Custom() const { return dir_.path().string(); }
  std::string Dict(const std::string& name) const { return Custom() + "\\dictionaries\\" + name + ".cmp"; }
  std::string Box(std::size_t i = 0) const { return ui_.Boxes().size() > i ? ui_.Boxes()[i].text : ""; }

  TempDir dir_;
  ScriptedInteraction ui_;
  ScopedEnv env_{"APTCUSTOM", dir_.path().string().c_str()};
};

TEST_F(SettingsTest, ReadsTheSevenFields) {
  MakeDicts({"TEC", "CORE", "SYN"});
  WriteIni("a|TEC,CORE(x),SYN|wXYZ1|Ann|Site|SHO|end");
  ASSERT_EQ(LoadSettings(), 3);
  const AppSettings& s = Settings.app;
  EXPECT_EQ(Settings.dictFileTable[0].path, Dict("TEC"));
  EXPECT_EQ(Settings.dictFileTable[1].path, Dict("CORE"));
  EXPECT_EQ(Settings.dictFileTable[1].name, "CORE");
  EXPECT_EQ(Settings.dictFileTable[2].path, Dict("SYN"));
  EXPECT_EQ(s.wordListCode, "XYZ1");
  EXPECT_EQ(s.userCodeLabel, "Ann (XYZ1)");
  EXPECT_EQ(s.userLabel, "User: Ann");
  EXPECT_EQ(s.writerSite, "Site");
  EXPECT_EQ(s.customDir, Custom() + "\\");
  EXPECT_EQ(s.iniPath, Custom() + "\\editinit\\KestaArbortext.ini");
  EXPECT_EQ(s.converterFile, Custom() + "\\dictionaries\\metric.txt");
  EXPECT_EQ(s.wordListFile, Custom() + "\\dictionaries\\Word_List_XYZ1.txt");
  EXPECT_TRUE(ui_.Events().empty());
}

// The loader's answer, the warning flag, the STE flag, and where the
// dictionaries landed. Empty fields are skipped and not counted; a missing
// dictionary leaves its slot to the next name; -23 goes to the start-up's box.
TEST_F(SettingsTest, FieldsAndDictionaryNames) {
  const struct {
    std::initializer_list<const char*> dicts;
    const char* ini;
    int result, showWarnings, steDictionary;
    const char *first, *third, *missing, *box;
  } rows[] = {
      {{"TEC", "CORE", "SYN"}, "a||TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end", 3, 1, 0, "TEC", "SYN", "", ""},
      {{}, "a|TEC,CORE,SYN|wXYZ1|Ann|Site|Sho|end", 3, 0, 0, "TEC", "SYN", "", ""},
      {{"STE-core"}, "a|TEC,STE-core(v2),SYN|wXYZ1|Ann|Site|HID|end", 3, 0, 1, "TEC", "SYN", "", ""},
      {{"B", "C", "D"}, "a|A,B,C,D|wXYZ1|Ann|Site|SHO|end", 3, 1, 0, "B", "D", "A", ""},
      {{"A"}, "a|A,B,C,D|wXYZ1|Ann|Site|SHO|end", -23, -1, -1, nullptr, nullptr, nullptr, ""},
      {{}, "a|A,B|wXYZ1|Ann|Site|SHO|end", -23, -1, -1, nullptr, nullptr, nullptr, ""},
      {{}, "a|TEC,CORE,SYN|wXYZ1|Ann||Site|SHO", -1, -1, -1, nullptr, nullptr, nullptr,
       "Error(60) Read 6 fields in KestaArbortext.ini.\nNeed 7 fields. See KestaArbortext.ini format."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.ini);
    Settings.Reset();
    ui_.Clear();
    MakeDicts(row.dicts);
    WriteIni(row.ini);
    EXPECT_EQ(LoadSettings(), row.result);
    EXPECT_EQ(Box(), row.box);
    if (row.result != 3) continue;
    EXPECT_EQ(Settings.app.showWarnings, row.showWarnings);
    EXPECT_EQ(Settings.app.steDictionary, row.steDictionary);
    EXPECT_EQ(Settings.dictFileTable[0].name, row.first);
    EXPECT_EQ(Settings.dictFileTable[2].name, row.third);
    EXPECT_EQ(Settings.app.missingFile, *row.missing ? Dict(row.missing) : "");
  }
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta Checker");
  EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONINFORMATION);
}

TEST_F(SettingsTest, MissingFileOrVariableIsReported) {
  EXPECT_EQ(LoadSettings(), -23);
  EXPECT_EQ(Box(), "Error(67) Make sure " + Custom() + "\\editinit\\KestaArbortext.ini\nexists in PTC folder.");
  EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONERROR);
  EXPECT_EQ(WriteWarningField("SHO", (Custom() + "/editinit/none.ini").c_str()), -1);
  EXPECT_EQ(Box(1), "KESta(48) Can not open KestaArbortext.ini:\nError Code 2\nCheck permissions in editinit.");

  ui_.Clear();
  ScopedEnv env("APTCUSTOM", nullptr);
  EXPECT_EQ(LoadSettings(), -1);
  EXPECT_EQ(SetWarningPreference("HID", nullptr, 1), -1);
  ASSERT_EQ(ui_.Boxes().size(), 2u);
  EXPECT_EQ(Box(), "STOP: Missing Environment variable APTCUSTOM.\nSee User Guide to restore the variable.");
}

// The writer changes only the sixth non-empty field, as wide as it needs,
// and keeps everything else byte for byte.
TEST_F(SettingsTest, PreferenceWriterChangesOnlyTheFieldTheReaderReads) {
  const std::string tail(2000, 'z');
  const struct {
    std::string before;
    const char* value;
    std::string after;
  } rows[] = {
      {"a||TEC,CORE,SYN|wXYZ1|Ann|Site|HIDE|end\nsecond line", "SHO",
       "a||TEC,CORE,SYN|wXYZ1|Ann|Site|SHOE|end\nsecond line"},
      {"a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end|" + tail, "HID", "a|TEC,CORE,SYN|wXYZ1|Ann|Site|HID|end|" + tail},
      {"a|TEC,CORE,SYN|wXYZ1|Ann|Site|S|end", "HID", "a|TEC,CORE,SYN|wXYZ1|Ann|Site|HID|end"},
      {"a|b|c|d|e", "SHO", "a|b|c|d|e"},
      {"a|b|c|d|e|HID|g", "xyz", "a|b|c|d|e|HID|g"},
  };
  for (const auto& row : rows) {
    WriteIni(row.before);
    ASSERT_EQ(WriteWarningField(row.value, (Custom() + "/editinit/KestaArbortext.ini").c_str()), 1);
    EXPECT_EQ(dir_.Read(kIni), row.after);
  }
  MakeDicts({"TEC", "CORE", "SYN"});
  WriteIni(rows[0].before);
  ASSERT_EQ(WriteWarningField("SHO", (Custom() + "\\editinit\\KestaArbortext.ini").c_str()), 1);
  ASSERT_EQ(LoadSettings(), 3);
  EXPECT_EQ(Settings.app.showWarnings, 1);
}

TEST_F(SettingsTest, PreferenceRoundTripAndFailedRewrite) {
  MakeDicts({"TEC", "CORE", "SYN"});
  WriteIni("a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");
  ASSERT_EQ(LoadSettings(), 3);
  EXPECT_EQ(SetWarningPreference("HID", nullptr, 1), 1);
  EXPECT_EQ(Settings.app.showWarnings, 0);
  EXPECT_EQ(ui_.Boxes().back().text, "KESta: Set IGNORE text in <warning> tags.");
  EXPECT_EQ(SetWarningPreference("SHO", nullptr, 2), 1);
  EXPECT_EQ(Settings.app.showWarnings, 1);
  EXPECT_EQ(ui_.Boxes().back().text, "KESta: Set SHOW text in <warning> tags.");
  EXPECT_EQ(ui_.Boxes().back().style, MB_ICONERROR);
  EXPECT_EQ(dir_.Read(kIni), "a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");

  // A failed rewrite keeps the file and the setting.
  ui_.Clear();
  FailNextReplaceForTesting("write", 28);
  EXPECT_EQ(SetWarningPreference("HID", nullptr, 1), 1);
  EXPECT_EQ(Settings.app.showWarnings, 1);
  EXPECT_EQ(dir_.Read(kIni), "a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");
  ASSERT_EQ(ui_.Boxes().size(), 2u);
  EXPECT_EQ(Box(), "KESta(60) Can not open KestaArbortext.ini to write:\nError Code 28\nCheck permissions to WRITE.");
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta File Error");
  EXPECT_EQ(Box(1), "KESta(34) Error can not write Warning preference to KestaArbortext.ini file");
  EXPECT_EQ(ui_.Boxes()[1].caption, "KESta Preferences");
}

}  // namespace
