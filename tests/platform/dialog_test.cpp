// Modal dialogs: the framework's calls on a dialog's controls, the actions
// the user plays on it, and how the two interactions show and record it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cerrno>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/console_interaction.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/profile_folder.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

namespace {

DialogTemplate PumpTemplate() {
  DialogTemplate t;
  t.id = 900;
  t.caption = "Pump Finder";
  using K = ControlKind;
  const std::pair<int, K> kinds[] = {{1, K::DefaultButton}, {2, K::PushButton},  {203, K::Edit},
                                     {204, K::CheckBox},    {205, K::ListView},    {206, K::Picture},
                                     {207, K::Static},      {IDC_STATIC, K::Static}, {208, K::RadioButton},
                                     {209, K::RadioButton}, {210, K::PushButton}};
  const char* texts[] = {"Find", "Close ...", "", "Show Warnings", "", "", "", "Type a word.", "Upper", "Lower",
                         "Stay open"};
  for (std::size_t i = 0; i < std::size(kinds); ++i) {
    DialogControl c;
    c.id = kinds[i].first;
    c.kind = kinds[i].second;
    c.text = texts[i];
    t.controls.push_back(std::move(c));
  }
  return t;
}

// A dialog that finds what is typed into 203 and lists it in 205; button
// 210 keeps the dialog open even on Cancel once it was pressed.
class PumpDialog : public CDialog {
 public:
  explicit PumpDialog(const DialogTemplate& t) : CDialog(t) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    list_.InsertColumn(0, "Word", LVCFMT_LEFT, 100);
    list_.InsertColumn(1, "Class", LVCFMT_LEFT, 80);
    list_.SetTextColor(RGB(0, 0, 255));
    picture_.SetIcon(ImageHandle{348, "gold star"});
    return TRUE;
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 205, list_);
    DDX_Control(dx, 206, picture_);
    DDX_Text(dx, 203, word);
    DDX_Check(dx, 204, warnings);
  }
  bool OnCommand(int id, Notification code) override {
    if (id == IDOK && code == Notification::Clicked) {
      UpdateData(TRUE);
      int row = list_.InsertItem(list_.GetItemCount(), word);
      list_.SetItemText(row, 1, "noun");
      SetDlgItemText(207, "Found " + word);
      return true;
    }
    if (id == 210) {
      stubborn_ = true;
      return true;
    }
    if (id == 205 && code == Notification::SelChanged) selections.push_back(list_.GetSelectionMark());
    return CDialog::OnCommand(id, code);
  }
  void OnCancel() override {
    if (!stubborn_) CDialog::OnCancel();
  }
  COLORREF OnCtlColor(int id) override { return id == 207 ? RGB(255, 0, 0) : kBaseTextColour; }

  std::string word = "valve";
  int warnings = 1;
  std::vector<int> selections;

 private:
  CListCtrl list_;
  CStatic picture_;
  bool stubborn_ = false;
};

TEST(DialogActions, ParseAndWriteBack) {
  struct Case {
    const char* text;
    DialogAction::Kind kind;
    int control;
    int index;
    const char* actionText;
    const char* back;
  };
  const Case cases[] = {
      {"click 1", DialogAction::Click, 1, -1, "", "click 1"},
      {"type 203 pump  valve", DialogAction::Type, 203, -1, "pump  valve", "type 203 pump  valve"},
      {"type 203", DialogAction::Type, 203, -1, "", "type 203 "},
      {"select 248 2", DialogAction::Select, 248, 1, "", "select 248 2"},
      {"select 248 0", DialogAction::Select, 248, -1, "", "select 248 0"},
      {"select 12 mm to inch", DialogAction::Select, 12, -1, "mm to inch", "select 12 mm to inch"},
      {"tick 5", DialogAction::Tick, 5, -1, "", "tick 5"},
      {"untick 5", DialogAction::Untick, 5, -1, "", "untick 5"},
      {"close", DialogAction::Close, 0, -1, "", "close"},
      {"folder /tmp/a b", DialogAction::Folder, 0, -1, "/tmp/a b", "folder /tmp/a b"},
      {"dblclick 371 3", DialogAction::DoubleClick, 371, 2, "", "dblclick 371 3"},
      {"dblclick 371 pump|1", DialogAction::DoubleClick, 371, -1, "pump|1", "dblclick 371 pump|1"},
  };
  for (const Case& c : cases) {
    DialogAction a;
    std::string error;
    ASSERT_TRUE(ParseDialogAction(c.text, &a, &error)) << c.text << ": " << error;
    EXPECT_EQ(a.kind, c.kind) << c.text;
    EXPECT_EQ(a.control, c.control) << c.text;
    EXPECT_EQ(a.index, c.index) << c.text;
    EXPECT_EQ(a.text, c.actionText) << c.text;
    EXPECT_EQ(DialogActionText(a), c.back) << c.text;
  }
  for (const char* bad : {"", "press 1", "click", "click x", "click 1 2", "select 3", "select 3 -1",
                          "close now", "tick 4 5", "dblclick 3", "dblclick 3 0"}) {
    DialogAction a;
    std::string error;
    EXPECT_FALSE(ParseDialogAction(bad, &a, &error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

// A sorted list box with double-clicks, a drop-down combo box and an edit
// field with a limit.
class ListsDialog : public CDialog {
 public:
  static const DialogTemplate& Template() {
    static const DialogTemplate t = [] {
      DialogTemplate d;
      d.id = 901;
      d.caption = "Lists";
      auto add = [&](int id, ControlKind kind) {
        DialogControl c;
        c.id = id;
        c.kind = kind;
        d.controls.push_back(c);
      };
      add(371, ControlKind::ListBox);
      d.controls.back().sorted = true;
      add(365, ControlKind::ComboBox);
      add(340, ControlKind::Edit);
      return d;
    }();
    return t;
  }
  ListsDialog() : CDialog(Template()) {}
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 371, list_);
    DDX_Control(dx, 365, combo_);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const char* s : {"valve", "Bolt", "pump", "bolt"}) list_.AddString(s);
    for (const char* s : {"valve", "bolt"}) combo_.AddString(s);
    combo_.SetCurSel(1);
    edit_.Attach(this, 340);
    edit_.SetLimitText(4);
    return TRUE;
  }
  bool OnCommand(int id, Notification code) override {
    if (id == 371 && code == Notification::DoubleClicked) {
      removed.push_back(list_.GetText(list_.GetCurSel()));
      list_.DeleteString(list_.GetCurSel());
      return true;
    }
    return CDialog::OnCommand(id, code);
  }
  std::vector<std::string> removed;

 private:
  CListBox list_;
  CComboBox combo_;
  CEdit edit_;
};

TEST(ScriptedDialog, ListBoxesCombosAndLimits) {
  ScriptedInteraction ui;
  for (const char* a : {"dblclick 371 pump", "dblclick 371 1", "type 340 gaskets", "select 365 1"})
    ui.QueueAction(a);
  ListsDialog dialog;
  dialog.DoModal();
  const RecordedDialog& d = ui.Dialogs().at(0);
  std::vector<std::string> opened;
  for (const auto& row : d.opened.Find(371)->rows) opened.push_back(row[0]);
  EXPECT_EQ(opened, (std::vector<std::string>{"Bolt", "bolt", "pump", "valve"}));
  EXPECT_EQ(d.opened.Find(365)->text, "bolt");
  EXPECT_EQ(dialog.removed, (std::vector<std::string>{"pump", "Bolt"}));
  EXPECT_EQ(d.closed.Find(371)->rows.size(), 2u);
  EXPECT_EQ(d.closed.Find(371)->selected, -1);
  EXPECT_EQ(d.closed.Find(340)->text, "gask");
  EXPECT_EQ(d.closed.Find(365)->text, "valve");
}

TEST(ScriptedDialog, PlaysQueuedActionsAndRecordsTheDialog) {
  ScriptedInteraction ui;
  for (const char* a : {"type 203 pump", "untick 204", "click 1", "select 205 1", "click 99", "click 207",
                        "click 209", "close"})
    ui.QueueAction(a);
  DialogTemplate t = PumpTemplate();
  PumpDialog dialog(t);
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);

  ASSERT_EQ(ui.Dialogs().size(), 1u);
  const RecordedDialog& d = ui.Dialogs()[0];
  EXPECT_EQ(d.opened.id, 900u);
  EXPECT_EQ(d.opened.caption, "Pump Finder");
  EXPECT_EQ(d.opened.Find(203)->text, "valve");  // the member went to the control
  EXPECT_TRUE(d.opened.Find(204)->checked);
  EXPECT_EQ(d.opened.Find(205)->columns.size(), 2u);
  EXPECT_EQ(d.opened.Find(205)->textColour, RGB(0, 0, 255));
  EXPECT_EQ(d.opened.Find(206)->image.id, 348u);
  EXPECT_EQ(d.opened.Find(207)->textColour, RGB(255, 0, 0));

  EXPECT_EQ(dialog.word, "pump");
  EXPECT_EQ(dialog.warnings, 0);
  EXPECT_EQ(d.closed.Find(205)->rows, (std::vector<std::vector<std::string>>{{"pump", "noun"}}));
  EXPECT_EQ(d.closed.Find(207)->text, "Found pump");
  EXPECT_EQ(dialog.selections, (std::vector<int>{0}));
  EXPECT_TRUE(d.closed.Find(209)->checked);
  EXPECT_FALSE(d.closed.Find(208)->checked);
  EXPECT_EQ(d.refused, (std::vector<std::string>{"click 99: the dialog has no control 99",
                                                 "click 207: control 207 is not a button"}));
  EXPECT_EQ(d.actions.size(), 8u);
  EXPECT_EQ(d.result, IDCANCEL);
}

TEST(ScriptedDialog, ADialogNobodyActsOnClosesAsCancelEvenWhenItRefuses) {
  ScriptedInteraction ui;
  DialogTemplate t = PumpTemplate();
  {
    PumpDialog dialog(t);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  ui.QueueAction("click 210");  // from now on Cancel does not close it
  PumpDialog stubborn(t);
  EXPECT_EQ(stubborn.DoModal(), IDCANCEL);
  ASSERT_EQ(ui.Dialogs().size(), 2u);
  EXPECT_TRUE(ui.Dialogs()[1].actions.back().dismissed);
}

TEST(ScriptedDialog, FolderPicksAndClipboardAreRecorded) {
  ScriptedInteraction ui;
  ui.QueueAction("folder /net/dictionaries");
  ui.QueueAction("folder");
  EXPECT_EQ(CurrentInteraction().BrowseForFolder("Pick"), std::optional<std::string>("/net/dictionaries"));
  EXPECT_EQ(CurrentInteraction().BrowseForFolder("Pick"), std::nullopt);
  EXPECT_EQ(CurrentInteraction().BrowseForFolder("Pick"), std::nullopt);  // nothing queued
  CurrentInteraction().SetClipboardText("remove");
  EXPECT_EQ(ui.ClipboardTexts(), (std::vector<std::string>{"remove"}));
}

// The console's output for a run of the pump dialog.
std::string ConsoleRun(const std::vector<std::string>& actions) {
  std::FILE* out = std::tmpfile();
  {
    ConsoleInteraction console(out);
    for (const std::string& a : actions) {
      DialogAction action;
      std::string error;
      EXPECT_TRUE(ParseDialogAction(a, &action, &error)) << error;
      console.QueueAction(action);
    }
    Interaction* previous = SetInteraction(&console);
    DialogTemplate t = PumpTemplate();
    PumpDialog dialog(t);
    dialog.DoModal();
    SetInteraction(previous);
  }
  std::rewind(out);
  std::string text;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, out)) > 0;) text.append(buf, n);
  std::fclose(out);
  return text;
}

TEST(ConsoleDialog, PrintsTheDialogAndEachChange) {
  std::string text = ConsoleRun({"type 203 pump", "click 1", "click 98"});
  const char* expected =
      "[dialog] Pump Finder\n"
      "[dialog]   button 1 \"Find\" (default)\n"
      "[dialog]   button 2 \"Close ...\"\n"
      "[dialog]   edit 203 \"valve\"\n"
      "[dialog]   check 204 [x] \"Show Warnings\"\n"
      "[dialog]   list 205:\n"
      "[dialog]       | Word | Class |\n"
      "[dialog]     (no rows)\n"
      "[dialog]   picture 206: 348 gold star\n"
      "[dialog]   text 207 \"\"\n"
      "[dialog]   text \"Type a word.\"\n"
      "[dialog]   radio 208 [ ] \"Upper\"\n"
      "[dialog]   radio 209 [ ] \"Lower\"\n"
      "[dialog]   button 210 \"Stay open\"\n"
      "[dialog] > type 203 pump\n";
  ASSERT_EQ(text.substr(0, std::string(expected).size()), expected);
  std::string rest = text.substr(std::string(expected).size());
  // Typing changed the field, so the dialog is printed again; the refused
  // click changes nothing and is not followed by a new print.
  EXPECT_NE(rest.find("[dialog]   edit 203 \"pump\"\n"), std::string::npos);
  EXPECT_NE(rest.find("[dialog]     1  | pump | noun |\n"), std::string::npos);
  EXPECT_NE(rest.find("[dialog]   text 207 \"Found pump\"\n"), std::string::npos);
  EXPECT_NE(rest.find("[dialog] cannot click 98: the dialog has no control 98\n[dialog] > close\n"),
            std::string::npos);
  EXPECT_TRUE(rest.ends_with("[dialog] closed Pump Finder -> 2 (Cancel)\n")) << rest;
}

TEST(ConsoleDialog, ClipboardTextGoesToAFileInTheProfileFolder) {
  TempDir dir;
  std::string profile = (dir.path() / "profile").string();
  ScopedEnv env("KESTA_PROFILE", profile.c_str());
  std::FILE* out = std::tmpfile();
  ConsoleInteraction console(out);
  console.SetClipboardText("remove the pump");
  std::fclose(out);
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(profile + "/Kesta_Clipboard.txt", &bytes));
  EXPECT_EQ(bytes, "remove the pump");
}

TEST(ProfileFolder, FromTheVariablesMadeWhenMissing) {
  TempDir dir;
  std::string folder;
  int error = 0;
  std::string made = (dir.path() / "made").string();
  {
    ScopedEnv env("KESTA_PROFILE", (made + "/").c_str());
    ASSERT_TRUE(GetProfileFolder(&folder, &error));
    EXPECT_EQ(folder, made);
    EXPECT_TRUE(FileExists(made));
    EXPECT_EQ(ProfilePath(folder, "Kesta_QA_Report.txt"), made + "/Kesta_QA_Report.txt");
  }
  {
    ScopedEnv env("KESTA_PROFILE", (dir.path() / "no" / "such" / "place").c_str());
    EXPECT_FALSE(GetProfileFolder(&folder, &error));
    EXPECT_EQ(error, ENOENT);
  }
  ScopedEnv noProfile("KESTA_PROFILE", nullptr);
  {
    ScopedEnv home("HOME", made.c_str());
    ASSERT_TRUE(GetProfileFolder(&folder, &error));
    EXPECT_EQ(folder, made);
  }
  ScopedEnv noHome("HOME", nullptr);
  EXPECT_FALSE(GetProfileFolder(&folder, &error));
}

TEST(Clock, CanBeSetAndRunsAgain) {
  SetClockForTesting(LocalTime{2026, 12, 6, 14, 5, 0});
  LocalTime t = CurrentLocalTime();
  EXPECT_EQ(t.year, 2026);
  EXPECT_EQ(t.day, 6);
  EXPECT_EQ(CurrentUnixTime(), 1796565900);
  ResetClock();
  EXPECT_GT(CurrentLocalTime().year, 2023);
}

}  // namespace
