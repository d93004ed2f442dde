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

TEST(VerbSelector, SearchAnswers) {
  struct Case {
    const char* typed;  // null: the combo box as it opens
    const char* box;    // null: no box
    const char* verb;
  };
  const Case cases[] = {
      {nullptr, "Clear box and Enter verb", ""},
      {"", "Enter a verb with letters only", ""},
      {"cleaning", "Do not use gerunds(-ing)", ""},
      {"TURNING", "Do not use gerunds(-ing)", ""},
      {"tag", nullptr, "tag"},  // only -ing words are gerunds
      {"dra", nullptr, "drag (comp.)"},
      {"qq", "NO MATCH - Try first two letters or scroll list", ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> actions;
    if (c.typed) actions.push_back(std::string("type 365 ") + c.typed);
    actions.push_back("click 336");
    Played run = Play(actions);
    if (c.box) {
      ASSERT_EQ(run.boxes.size(), 1u) << c.box;
      EXPECT_EQ(run.boxes[0].text, c.box);
      EXPECT_EQ(run.boxes[0].caption, "KESta Verbs");
      EXPECT_EQ(run.boxes[0].style, MB_ICONINFORMATION);
    } else {
      EXPECT_TRUE(run.boxes.empty()) << c.typed;
    }
    EXPECT_EQ(run.closed.Find(315)->text, c.verb) << (c.typed ? c.typed : "(prompt)");
  }
}

TEST(VerbSelector, MoveCaseButtonsAndClipboard) {
  Played run = Play({"type 365 arm", "click 380", "click 374"});
  EXPECT_EQ(run.closed.Find(315)->text, "arm ");
  EXPECT_EQ(run.clipboard, std::vector<std::string>{"arm  "});
  EXPECT_EQ(run.closed.Find(381)->text, "Verb copied to clipboard for Editor Paste");
  EXPECT_EQ(run.closed.Find(365)->text, "arm (V/N)");

  // An empty verb field puts nothing on the clipboard.
  run = Play({"click 374"});
  EXPECT_TRUE(run.clipboard.empty());
  EXPECT_EQ(run.closed.Find(381)->text, "Select a verb, then use Move button");

  // A typed annotation is cut before the clipboard too.
  run = Play({"type 315 turn (V/N)", "click 374"});
  EXPECT_EQ(run.clipboard, std::vector<std::string>{"turn  "});

  run = Play({"type 365 make s", "click 380", "click 375", "click 377", "click 377", "click 377"});
  EXPECT_EQ(run.closed.Find(315)->text, "Make sure");

  // The clear button brings the prompt back.
  run = Play({"type 365 tilt", "click 336", "click 343"});
  EXPECT_EQ(run.closed.Find(315)->text, "");
  EXPECT_EQ(run.closed.Find(365)->text, "(Enter Verb)");
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
