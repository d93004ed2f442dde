// The verb selector: the list, its search, the move and case buttons and the
// text that reaches the clipboard.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/scripted_interaction.h"
#include "tools/verb_list.h"
#include "tools/verb_selector.h"

namespace {

struct Played {
  std::vector<InteractionEvent> boxes;
  std::vector<std::string> clipboard;
  DialogState closed;
};

Played Play(const std::vector<std::string>& actions) {
  ScriptedInteraction ui;
  for (const std::string& a : actions) ui.QueueAction(a);
  CVerbSelect dialog;
  dialog.DoModal();
  return {ui.Boxes(), ui.ClipboardTexts(), ui.Dialogs().at(0).closed};
}

std::string Row(int i) { return i < 0 ? "(none)" : kVerbRows[static_cast<std::size_t>(i)]; }

// The list as stored ("occur" spelt right) and its search by first letters,
// which tries the first row last.
TEST(VerbSelector, TheListAndItsSearch) {
  EXPECT_EQ(std::count_if(kVerbRows.begin(), kVerbRows.end(), [](const char* r) { return r[0] == ' '; }), 18);
  ScriptedInteraction ui;
  CVerbSelect dialog;
  dialog.DoModal();
  const DialogControl* combo = ui.Dialogs().at(0).opened.Find(365);
  ASSERT_EQ(combo->rows.size(), 216u);
  EXPECT_EQ(combo->text, "(Enter Verb)");
  struct Case {
    const char* text;
    const char* row;
  };
  const Case cases[] = {{"a", "accept"}, {"abs", "absorb"}, {"ARM", "arm (V/N)"}, {"make s", "make sure"},
                        {"occ", "occur"}, {"xyz", "(none)"}};
  for (const Case& c : cases) EXPECT_EQ(Row(FindVerbRow(c.text)), c.row) << c.text;
}

// Each row plays its actions on a fresh dialog: the box shown (null: none),
// the verb field, what reached the clipboard (null: nothing) and, where
// given, the status line and the combo box.
TEST(VerbSelector, SearchMoveCaseAndClipboard) {
  struct Case {
    std::vector<std::string> actions;
    const char* box;
    const char* verb;
    const char* clipboard = nullptr;
    const char* status = nullptr;
    const char* combo = nullptr;
  };
  const Case cases[] = {
      {{"click 336"}, "Clear box and Enter verb", ""},
      {{"type 365", "click 336"}, "Enter a verb with letters only", ""},
      {{"type 365 cleaning", "click 336"}, "Do not use gerunds(-ing)", ""},
      {{"type 365 tag", "click 336"}, nullptr, "tag"},  // only -ing words are gerunds
      {{"type 365 dra", "click 336"}, nullptr, "drag (comp.)"},
      {{"type 365 qq", "click 336"}, "NO MATCH - Try first two letters or scroll list", ""},
      {{"type 365 arm", "click 380", "click 374"}, nullptr, "arm ", "arm  ",
       "Verb copied to clipboard for Editor Paste", "arm (V/N)"},
      {{"click 374"}, nullptr, "", nullptr, "Select a verb, then use Move button"},
      {{"type 365 zz", "click 380"}, nullptr, "", nullptr, "Edit tense and style, then click >clipboard"},
      {{"type 315 turn (V/N)", "click 374"}, nullptr, "turn (V/N)", "turn  "},  // the annotation is cut
      {{"type 365 make s", "click 380", "click 375", "click 377", "click 377", "click 377"}, nullptr, "Make sure"},
      {{"type 365 tilt", "click 336", "click 343"}, nullptr, "", nullptr, nullptr, "(Enter Verb)"},  // clear
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.actions.front());
    Played run = Play(c.actions);
    std::vector<std::string> boxes;
    for (const auto& b : run.boxes) boxes.push_back(b.text);
    EXPECT_EQ(boxes, c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
    EXPECT_EQ(run.closed.Find(315)->text, c.verb);
    EXPECT_EQ(run.clipboard, c.clipboard ? std::vector<std::string>{c.clipboard} : std::vector<std::string>{});
    EXPECT_EQ(c.status ? run.closed.Find(381)->text : "", c.status ? c.status : "");
    EXPECT_EQ(c.combo ? run.closed.Find(365)->text : "", c.combo ? c.combo : "");
  }
}

TEST(VerbSelector, InitLcAlternates) {
  struct Case {
    const char* before;
    const char* after;
  };
  const Case cases[] = {{"MAKE SURE", "Make sure"}, {"Make sure", "make sure"}, {"mAKE", "mAKE"}, {"2x", "2x"}};
  for (const Case& c : cases) EXPECT_EQ(ToggleInitialCase(c.before), c.after) << c.before;
  EXPECT_EQ(CutAnnotation("(x) y"), "(x) y");
}

}  // namespace
