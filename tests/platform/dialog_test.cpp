// Modal dialogs: the framework's calls on a dialog's controls, the actions
// the user plays on it, and how the two interactions show and record it.
#include <gtest/gtest.h>

#include <cerrno>

#include "platform/dialog.h"
#include "platform/profile_folder.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"

namespace {

// Edit 203, static 207, a radio, a button that refuses Cancel, a sorted list
// box, a combo box and an edit field with a limit.
const DialogTemplate kPump = [] {
  DialogTemplate t;
  t.id = 900;
  t.caption = "Pump Finder";
  using K = ControlKind;
  const std::pair<int, K> controls[] = {{1, K::DefaultButton}, {203, K::Edit},    {207, K::Static},
                                        {209, K::RadioButton},   {210, K::PushButton}, {371, K::ListBox},
                                        {365, K::ComboBox},      {340, K::Edit}};
  for (const auto& [id, kind] : controls) {
    DialogControl c;
    c.id = id;
    c.kind = kind;
    c.sorted = id == 371;
    t.controls.push_back(std::move(c));
  }
  return t;
}();

// Copies what is typed into 203 to 207; button 210 keeps the dialog open even
// on Cancel; a double-click on the sorted list box 371 removes the row.
class PumpDialog : public CDialog {
 public:
  PumpDialog() : CDialog(kPump) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (const char* s : {"valve", "Bolt", "pump", "bolt"}) box_.AddString(s);
    for (const char* s : {"valve", "bolt"}) combo_.AddString(s);
    combo_.SetCurSel(1);
    edit_.Attach(this, 340);
    edit_.SetLimitText(4);
    return TRUE;
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 371, box_);
    DDX_Control(dx, 365, combo_);
    DDX_Text(dx, 203, word);
  }
  bool OnCommand(int id, Notification code) override {
    if (id == IDOK && code == Notification::Clicked) {
      UpdateData(TRUE);
      SetDlgItemText(207, "Found " + word);
      return true;
    }
    if (id == 210) return stubborn_ = true;
    if (id == 371 && code == Notification::DoubleClicked) {
      removed.push_back(box_.GetText(box_.GetCurSel()));
      box_.DeleteString(box_.GetCurSel());
      return true;
    }
    return CDialog::OnCommand(id, code);
  }
  void OnCancel() override {
    if (!stubborn_) CDialog::OnCancel();
  }

  std::string word = "valve";
  std::vector<std::string> removed;

 private:
  CListBox box_;
  CComboBox combo_;
  CEdit edit_;
  bool stubborn_ = false;
};

TEST(DialogActions, ParseAndWriteBack) {
  struct Case {
    const char* text;
    DialogAction::Kind kind;
    int control, index;
    const char* actionText;
    const char* back;
  };
  const Case cases[] = {
      {"click 1", DialogAction::Click, 1, -1, "", "click 1"},
      {"type 203 pump  valve", DialogAction::Type, 203, -1, "pump  valve", "type 203 pump  valve"},
      {"select 248 2", DialogAction::Select, 248, 1, "", "select 248 2"},
      {"folder /tmp/a b", DialogAction::Folder, 0, -1, "/tmp/a b", "folder /tmp/a b"},
      {"dblclick 371 3", DialogAction::DoubleClick, 371, 2, "", "dblclick 371 3"},
      {"tick 5", DialogAction::Tick, 5, -1, "", "tick 5"},
      {"untick 5", DialogAction::Untick, 5, -1, "", "untick 5"},
  };
  for (const Case& c : cases) {
    DialogAction a;
    std::string error;
    ASSERT_TRUE(ParseDialogAction(c.text, &a, &error)) << c.text << ": " << error;
    EXPECT_EQ(std::tie(a.kind, a.control, a.index, a.text), std::tie(c.kind, c.control, c.index, c.actionText))
        << c.text;
    EXPECT_EQ(DialogActionText(a), c.back) << c.text;
  }
  for (const char* bad : {"", "press 1", "click", "click x", "click 1 2", "select 3", "select 3 -1", "close now",
                          "tick 4 5", "dblclick 3", "dblclick 3 0"}) {
    DialogAction a;
    std::string error;
    EXPECT_FALSE(ParseDialogAction(bad, &a, &error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

TEST(ScriptedDialog, PlaysQueuedActionsAndRecordsTheDialog) {
  ScriptedInteraction ui;
  for (const char* a : {"type 203 pump", "click 1", "click 99", "click 207", "click 209", "dblclick 371 pump",
                        "dblclick 371 1", "type 340 gaskets", "select 365 1", "close"})
    ui.QueueAction(a);
  PumpDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  const RecordedDialog& d = ui.Dialogs().at(0);
  EXPECT_EQ(d.opened.Find(203)->text, "valve");  // the member went to the control
  std::vector<std::string> sorted;
  for (const auto& row : d.opened.Find(371)->rows) sorted.push_back(row[0]);
  EXPECT_EQ(sorted, (std::vector<std::string>{"Bolt", "bolt", "pump", "valve"}));
  EXPECT_EQ(d.opened.Find(365)->text, "bolt");
  EXPECT_EQ(dialog.word, "pump");
  EXPECT_EQ(d.closed.Find(207)->text, "Found pump");
  EXPECT_TRUE(d.closed.Find(209)->checked);
  EXPECT_EQ(dialog.removed, (std::vector<std::string>{"pump", "Bolt"}));
  EXPECT_EQ(d.closed.Find(371)->selected, -1);
  EXPECT_EQ(d.closed.Find(340)->text, "gask");
  EXPECT_EQ(d.closed.Find(365)->text, "valve");
  EXPECT_EQ(d.refused, (std::vector<std::string>{"click 99: the dialog has no control 99",
                                                 "click 207: control 207 is not a button"}));

  // Nobody acts: closed as Cancel, even when the dialog refuses Cancel.
  ui.QueueAction("click 210");
  PumpDialog stubborn;
  EXPECT_EQ(stubborn.DoModal(), IDCANCEL);
  EXPECT_TRUE(ui.Dialogs()[1].actions.back().dismissed);
}

// The profile folder: from KESTA_PROFILE (made when missing) or HOME.
TEST(ProfileFolder, FromTheVariablesMadeWhenMissing) {
  TempDir dir;
  std::string folder;
  int error = 0;
  std::string made = (dir.path() / "made").string();
  {
    ScopedEnv env("KESTA_PROFILE", (made + "/").c_str());
    ASSERT_TRUE(GetProfileFolder(&folder, &error));
    EXPECT_EQ(folder, made);
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

}  // namespace
