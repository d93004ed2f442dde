#include "module/app_settings.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

namespace {

// A custom folder with a settings file and the named dictionary files.
class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings.Reset(); }
  void WriteIni(const std::string& line) { dir_.Write("editinit/KestaArbortext.ini", line); }
  void MakeDicts(std::initializer_list<const char*> names) {
    for (const char* n : names) dir_.Write(std::string("dictionaries/") + n + ".cmp", "x");
  }
  std::string Custom() const { return dir_.path().string(); }
  std::string Dict(const char* name) const { return Custom() + "\\dictionaries\\" + name + ".cmp"; }

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
  EXPECT_EQ(s.showWarnings, 1);
  EXPECT_EQ(s.steDictionary, 0);
  EXPECT_EQ(s.customDir, Custom() + "\\");
  EXPECT_EQ(s.iniPath, Custom() + "\\editinit\\KestaArbortext.ini");
  EXPECT_EQ(s.helpFile, Custom() + "\\editinit\\KestaHelp.chm");
  EXPECT_EQ(s.userGuideFile, Custom() + "\\editinit\\User_guide.pdf");
  EXPECT_EQ(s.metricFile, Custom() + "\\dictionaries\\metric.txt");
  EXPECT_EQ(s.converterFile, s.metricFile);
  EXPECT_EQ(s.wordListFile, Custom() + "\\dictionaries\\Word_List_XYZ1.txt");
  EXPECT_TRUE(ui_.Events().empty());
}

TEST_F(SettingsTest, EmptyFieldsAreSkippedNotCounted) {
  MakeDicts({"TEC", "CORE", "SYN"});
  WriteIni("a||TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");
  EXPECT_EQ(LoadSettings(), 3);

  WriteIni("a|TEC,CORE,SYN|wXYZ1|Ann||Site|SHO");
  EXPECT_EQ(LoadSettings(), -1);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text,
            "Error(60) Read 6 fields in KestaArbortext.ini.\nNeed 7 fields. See KestaArbortext.ini format.");
  EXPECT_EQ(ui_.Boxes()[0].caption, "KESta Checker");
  EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONINFORMATION);
}

TEST_F(SettingsTest, WarningFieldComparesCase) {
  MakeDicts({"TEC", "CORE", "SYN"});
  WriteIni("a|TEC,CORE,SYN|wXYZ1|Ann|Site|Sho|end");
  EXPECT_EQ(LoadSettings(), 3);
  EXPECT_EQ(Settings.app.showWarnings, 0);
}

TEST_F(SettingsTest, MissingDictionaryLeavesItsSlotForTheNextName) {
  MakeDicts({"B", "C", "D"});
  WriteIni("a|A,B,C,D|wXYZ1|Ann|Site|SHO|end");
  EXPECT_EQ(LoadSettings(), 3);
  EXPECT_EQ(Settings.dictFileTable[0].name, "B");
  EXPECT_EQ(Settings.dictFileTable[2].name, "D");
  EXPECT_EQ(Settings.app.missingFile, Dict("A"));

  Settings.Reset();
  MakeDicts({"A"});
  EXPECT_EQ(LoadSettings(), -23);  // four existing names
  Settings.Reset();
  WriteIni("a|A,B|wXYZ1|Ann|Site|SHO|end");
  EXPECT_EQ(LoadSettings(), -23);  // two names
  EXPECT_TRUE(ui_.Boxes().empty());  // start-up reports these
}

TEST_F(SettingsTest, SecondDictionaryNamedSteSetsTheFlag) {
  MakeDicts({"TEC", "STE-core", "SYN"});
  WriteIni("a|TEC,STE-core(v2),SYN|wXYZ1|Ann|Site|HID|end");
  EXPECT_EQ(LoadSettings(), 3);
  EXPECT_EQ(Settings.app.steDictionary, 1);
  EXPECT_EQ(Settings.app.showWarnings, 0);
}

TEST_F(SettingsTest, MissingOrUnreadableFileIsReported) {
  EXPECT_EQ(LoadSettings(), -23);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text,
            "Error(67) Make sure " + Custom() + "\\editinit\\KestaArbortext.ini\nexists in PTC folder.");
  EXPECT_EQ(ui_.Boxes()[0].style, MB_ICONERROR);
}

TEST(SettingsEnv, MissingAptcustomStopsTheStart) {
  Settings.Reset();
  ScriptedInteraction ui;
  ScopedEnv env("APTCUSTOM", nullptr);
  EXPECT_EQ(LoadSettings(), -1);
  EXPECT_EQ(SetWarningPreference("HID", nullptr, 1), -1);
  ASSERT_EQ(ui.Boxes().size(), 2u);
  EXPECT_EQ(ui.Boxes()[0].text,
            "STOP: Missing Environment variable APTCUSTOM.\nSee User Guide to restore the variable.");
  EXPECT_EQ(ui.Boxes()[0].caption, "KESta Checker");
}

TEST_F(SettingsTest, PreferenceWriterChangesOnlyTheFieldTheReaderReads) {
  MakeDicts({"TEC", "CORE", "SYN"});
  // Field 6 is the sixth non-empty piece: the empty one is not counted.
  WriteIni("a||TEC,CORE,SYN|wXYZ1|Ann|Site|HIDE|end\nsecond line");
  ASSERT_EQ(WriteWarningField("SHO", (Custom() + "\\editinit\\KestaArbortext.ini").c_str()), 1);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"),
            "a||TEC,CORE,SYN|wXYZ1|Ann|Site|SHOE|end\nsecond line");
  ASSERT_EQ(LoadSettings(), 3);
  EXPECT_EQ(Settings.app.showWarnings, 1);
}

TEST_F(SettingsTest, PreferenceWriterKeepsALongTail) {
  std::string tail(2000, 'z');
  WriteIni("a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end|" + tail);
  ASSERT_EQ(WriteWarningField("HID", (Custom() + "/editinit/KestaArbortext.ini").c_str()), 1);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "a|TEC,CORE,SYN|wXYZ1|Ann|Site|HID|end|" + tail);
}

TEST_F(SettingsTest, PreferenceWriterWidensAShortField) {
  WriteIni("a|TEC,CORE,SYN|wXYZ1|Ann|Site|S|end");
  ASSERT_EQ(WriteWarningField("HID", (Custom() + "/editinit/KestaArbortext.ini").c_str()), 1);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "a|TEC,CORE,SYN|wXYZ1|Ann|Site|HID|end");
}

TEST_F(SettingsTest, PreferenceWriterWithFewerFieldsOrOtherTextChangesNothing) {
  WriteIni("a|b|c|d|e");
  ASSERT_EQ(WriteWarningField("SHO", (Custom() + "/editinit/KestaArbortext.ini").c_str()), 1);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "a|b|c|d|e");
  WriteIni("a|b|c|d|e|HID|g");
  ASSERT_EQ(WriteWarningField("xyz", (Custom() + "/editinit/KestaArbortext.ini").c_str()), 1);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "a|b|c|d|e|HID|g");
}

TEST_F(SettingsTest, FailedRewriteKeepsTheFileAndTheSetting) {
  MakeDicts({"TEC", "CORE", "SYN"});
  WriteIni("a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");
  ASSERT_EQ(LoadSettings(), 3);
  FailNextReplaceForTesting("write", 28);
  EXPECT_EQ(SetWarningPreference("HID", nullptr, 1), 1);
  EXPECT_EQ(Settings.app.showWarnings, 1);
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");
  auto boxes = ui_.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text,
            "KESta(60) Can not open KestaArbortext.ini to write:\nError Code 28\nCheck permissions to WRITE.");
  EXPECT_EQ(boxes[0].caption, "KESta File Error");
  EXPECT_EQ(boxes[1].text, "KESta(34) Error can not write Warning preference to KestaArbortext.ini file");
  EXPECT_EQ(boxes[1].caption, "KESta Preferences");
}

TEST_F(SettingsTest, PreferenceRoundTrip) {
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
  EXPECT_EQ(dir_.Read("editinit/KestaArbortext.ini"), "a|TEC,CORE,SYN|wXYZ1|Ann|Site|SHO|end");
}

TEST_F(SettingsTest, MissingFileForThePreferenceIsReported) {
  EXPECT_EQ(WriteWarningField("SHO", (Custom() + "/editinit/none.ini").c_str()), -1);
  ASSERT_EQ(ui_.Boxes().size(), 1u);
  EXPECT_EQ(ui_.Boxes()[0].text,
            "KESta(48) Can not open KestaArbortext.ini:\nError Code 2\nCheck permissions in editinit.");
}

}  // namespace
