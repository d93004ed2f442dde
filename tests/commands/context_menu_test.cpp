#include <gtest/gtest.h>

#include <algorithm>

#include "platform/desktop.h"
#include "resources/context_menu.h"
#include "tests/commands/finding_fixture.h"

namespace {
using Strings = std::vector<std::string>;

// The finding as showing it would leave it.
void SetFinding(int category, const char* word, const char* advice, int markerNumber = 3) {
  Finding.CurrentCategory = category;
  Finding.CurrentMarkedWord = word;
  Finding.CurrentAdvice = advice;
  Finding.CurrentMarkerNumber = markerNumber;
}


std::vector<std::string> SuggestionTexts(const Menu& popup) {
  std::vector<std::string> out;
  for (const MenuItem& item : popup.items[kMenuPosSuggestions].sub.items) out.push_back(item.text);
  return out;
}

bool Contains(const Strings& all, const std::string& one) {
  return std::find(all.begin(), all.end(), one) != all.end();
}

// The executed commands from the first one equal to `from` on.
Strings From(const Strings& all, const std::string& from) {
  auto it = std::find(all.begin(), all.end(), from);
  return Strings(it, all.end());
}
}  // namespace

TEST(ContextMenu, ShowsTheFindingAtTheCaretWithItsSuggestions) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  ui.PlaceCursor({100, 200});
  SetFinding(1, "utilize", "use/apply");
  RecordedFindingCalls self;

  EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
  std::string id = doc.host.Id(doc.marker);
  EXPECT_EQ(doc.host.Executed(),
            (Strings{"set extendselection=off", "set tagscan=off", "set wrapscan=off", "set selectscan=on",
                     "set messagelocation=statusbar", "goto_oid('" + id + "');",
                     "oid_select('" + id + "',0,0,1);", "set pendingdelete=off", "set inputmode=insert",
                     "clear_mark all"}));
  EXPECT_EQ(self.made, Strings{"CLoadMenu"});

  auto menus = ui.Menus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].at.x, 100);
  EXPECT_EQ(menus[0].at.y, 208);  // 8 pixels below the cursor
  const Menu& popup = menus[0].menu;
  EXPECT_EQ(popup.items[0].text, "utilize : WRONG CHOICE");
  EXPECT_EQ(popup.items[0].id, ID_KESTA_TERM);
  EXPECT_EQ(SuggestionTexts(popup), (Strings{"use", "apply"}));
  EXPECT_FALSE(popup.items[kMenuPosSuggestions].grayed);
  const MenuItem& next = popup.items[5];
  EXPECT_EQ(next.text, "Next KESta Message");
  EXPECT_TRUE(next.checked);
  EXPECT_TRUE(next.isDefault);
  // The host's window owns the menu and comes to the front.
  EXPECT_EQ(ui.Events()[0].kind, InteractionEvent::Foreground);
  EXPECT_EQ(ui.Events()[1].kind, InteractionEvent::Top);
}

TEST(ContextMenu, AChosenSuggestionReplacesTheFlaggedText) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(1, "utilize", "use/apply");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_SYN1 + 1);

  EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
  EXPECT_EQ(From(doc.host.Executed(), "dt;"),
            (Strings{"dt;", "car edit 0,-3;", "find -f -select @utilize@",
                     "insert_string -pendingdelete @apply@", "car edit 0,-5", "set pendingdelete=off",
                     "set inputmode=insert", "clear_mark all"}));
  EXPECT_EQ(Finding.CurrentAdvice.str(), "apply");
  EXPECT_EQ(Finding.CurrentSelectionText.str(), "insert_string -pendingdelete @apply@");
}

TEST(ContextMenu, CaretStepsBackByTheFlaggedTextsLength) {
  for (auto [word, back] : {std::pair{"ab", 2}, std::pair{"a", 1}, std::pair{"abcde", 2}, std::pair{"abcdef", 3}}) {
    MarkerDocument doc("0103x", word);
    ScriptedInteraction ui;
    SetFinding(1, word, "x");
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_SYN1);
    DisplayCmenuWork(doc.host, self, 0);
    EXPECT_TRUE(Contains(doc.host.Executed(), "car edit 0,-" + std::to_string(back) + ";")) << word;
  }
}

TEST(ContextMenu, HintsInParenthesesReplaceNothing) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(7, "must", ":| 0");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_SYN1);
  EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
  EXPECT_EQ(SuggestionTexts(ui.Menus()[0].menu), Strings{"(Avoid except for safety.)"});
  EXPECT_FALSE(Contains(doc.host.Executed(), "dt;"));
  EXPECT_EQ(Finding.CurrentAdvice.str(), "(Avoid except for safety.)");
}

TEST(ContextMenu, SuggestionItemsFollowTheAdvice) {
  struct Case {
    const char* advice;
    Strings texts;
    bool greyed;
  } cases[] = {
      {"", {"SYN1", "SYN2", "SYN3", "SYN4", "SYN5", "SYN6"}, true},
      {"a/b/c", {"a", "b", "c"}, false},
      {"///", {}, false},
      {"a/b/c/d/e/f/g/h", {"a", "b", "c", "d", "e", "f"}, false},
      {"1/2", {"1/2"}, false},
  };
  for (const Case& c : cases) {
    MarkerDocument doc;
    ScriptedInteraction ui;
    SetFinding(1, "utilize", c.advice);
    RecordedFindingCalls self;
    DisplayCmenuWork(doc.host, self, 0);
    const Menu popup = ui.Menus().at(0).menu;
    EXPECT_EQ(SuggestionTexts(popup), c.texts) << c.advice;
    EXPECT_EQ(popup.items[kMenuPosSuggestions].grayed, c.greyed) << c.advice;
    // The advice keeps its own text, slashes and all.
    EXPECT_EQ(Finding.CurrentAdvice.str(), c.advice);
  }
}

TEST(ContextMenu, RemovingOneMarkerKeepsTheText) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(1, "utilize", "use");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_ONE_MESSAGE);
  EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
  EXPECT_EQ(From(doc.host.Executed(), "car edit 0,+1; dt;"),
            (Strings{"car edit 0,+1; dt;", "set pendingdelete=off", "set inputmode=insert", "clear_mark all"}));
}

TEST(ContextMenu, RemovingADeleteFindingDeletesTheWordAndItsBlank) {
  MarkerDocument doc("0400NONE", "actually");
  ScriptedInteraction ui;
  SetFinding(4, "actually", "");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_ONE_MESSAGE);
  DisplayCmenuWork(doc.host, self, 0);
  // The marker's tags go first; the words are then found from a mark put
  // right before them.
  EXPECT_EQ(From(doc.host.Executed(), "car edit 0,+1; dt;"),
            (Strings{"car edit 0,+1; dt;", "car edit 0,-1;", "insert_string @#KESta-delete#@",
                     "car edit 0,-14;", "find -f -q -select @#KESta-delete#actually @; delete",
                     "set pendingdelete=off", "set inputmode=insert", "clear_mark all"}));
}

TEST(ContextMenu, AllInDocumentCallsTheRemovalOfAllMarkers) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(1, "utilize", "use");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_ALL_IN_DOCUMENT);
  DisplayCmenuWork(doc.host, self, 0);
  EXPECT_EQ(self.made, (Strings{"CLoadMenu", "RemoveAllMarkers"}));
  EXPECT_FALSE(Contains(doc.host.Executed(), "dt;"));
}

TEST(ContextMenu, NextAndCloseAndNothing) {
  {
    MarkerDocument doc;
    ScriptedInteraction ui;
    SetFinding(1, "utilize", "use");
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_NEXT_MESSAGE);
    DisplayCmenuWork(doc.host, self, 0);
    EXPECT_EQ(From(doc.host.Executed(), "oid_select('" + doc.host.Id(doc.marker) + "',0,0,1);").size(), 6u);
  }
  {
    MarkerDocument doc;
    doc.host.answers["oid_caret()"] = "";  // the caret has no element
    ScriptedInteraction ui;
    SetFinding(1, "utilize", "use");
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_CLOSE);
    DisplayCmenuWork(doc.host, self, 0);
    EXPECT_EQ(doc.host.Statuses(), Strings{"KESta Message: WARNING: Reached last KESta message."});
    EXPECT_TRUE(Contains(doc.host.Executed(), "car edit 0,+1; dt;"));
  }
  {
    MarkerDocument doc;
    ScriptedInteraction ui;
    SetFinding(1, "utilize", "use");
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_TERM);
    DisplayCmenuWork(doc.host, self, 0);
    EXPECT_EQ(doc.host.Executed().size(), 10u);  // options, goto, select, closing
  }
}

TEST(ContextMenu, ModeOneWorksOnTheSavedElement) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(1, "utilize\nit", "use");
  Cursor.CurrentOid = doc.host.Id(doc.marker);
  RecordedFindingCalls self;
  DisplayCmenuWork(doc.host, self, 1);
  std::string id = doc.host.Id(doc.marker);
  EXPECT_EQ(From(doc.host.Executed(), "goto_oid('" + id + "');"),
            (Strings{"goto_oid('" + id + "');", "oid_select('" + id + "',0,0,1);", "car edit 0,-2",
                     "find -f -q -select @utilize it@; car mouse; ", "car edit 0,-1;",
                     "clm; find -f -noselect @utilize\nit@; car mouse;", "set pendingdelete=off",
                     "set inputmode=insert", "clear_mark all"}));
  EXPECT_FALSE(Contains(doc.host.Evaluated(), "oid_caret()"));
  EXPECT_EQ(self.made, (Strings{"CaptureHostAndCursor", "CLoadMenu"}));
  EXPECT_EQ(ui.Menus().at(0).at.y, 300);  // no offset in this mode
}

TEST(ContextMenu, OtherModesShowNoMenu) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(1, "utilize", "use");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_SYN1);
  EXPECT_EQ(DisplayCmenuWork(doc.host, self, 2), S_OK);
  EXPECT_TRUE(ui.Menus().empty());
  EXPECT_TRUE(ui.Events().empty());  // no window was brought forward
  EXPECT_FALSE(Contains(doc.host.Executed(), "dt;"));
}

TEST(ContextMenu, FailuresEndTheMenuWithoutItsClosing) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  SetFinding(1, "utilize", "use");
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_SYN1);
  doc.host.failPattern = "find -f -select";
  EXPECT_THROW(DisplayCmenuWork(doc.host, self, 0), _com_error);
  EXPECT_FALSE(Contains(doc.host.Executed(), "clear_mark all"));
  EXPECT_TRUE(ui.Boxes().empty());
}

TEST(ContextMenu, TextsThatWouldBreakTheCommandAreHandled) {
  // A suggestion too long for the insert command is not half done.
  {
    MarkerDocument doc;
    ScriptedInteraction ui;
    std::string advice(240, 'a');
    SetFinding(1, "utilize", advice.c_str());
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_SYN1);
    EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
    EXPECT_FALSE(Contains(doc.host.Executed(), "dt;"));
    EXPECT_EQ(doc.host.Statuses(), Strings{"KESta Message: The suggestion is too long to insert."});
  }
  // A suggestion with an '@' is inserted between slashes.
  {
    MarkerDocument doc;
    ScriptedInteraction ui;
    SetFinding(1, "utilize", "use@once");
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_SYN1);
    EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
    EXPECT_TRUE(Contains(doc.host.Executed(), "insert_string -pendingdelete /use@once/"));
  }
  // A flagged text with an '@' is searched between slashes.
  {
    MarkerDocument doc("2500NONE", "a@b");
    ScriptedInteraction ui;
    SetFinding(25, "a@b", "");
    RecordedFindingCalls self;
    ui.QueueAnswer(ID_KESTA_ONE_MESSAGE);
    SetFinding(4, "a@b", "");
    DisplayCmenuWork(doc.host, self, 0);
    EXPECT_TRUE(Contains(doc.host.Executed(), "find -f -q -select /#KESta-delete#a@b /; delete"));
  }
  EXPECT_EQ(FindDelimited("x/y"), "@x/y@");
  EXPECT_THROW(FindDelimited("a@b/c"), _com_error);
  EXPECT_THROW(FitCommand(10, "0123456789"), _com_error);
  EXPECT_EQ(FitCommand(10, "012345678"), "012345678");
}

TEST(ContextMenu, RightClickAtMovesTheCursorAndClicks) {
  ScriptedInteraction ui;
  RightClickAt(12, 34);
  auto events = ui.Events();
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].kind, InteractionEvent::Cursor);
  EXPECT_EQ(events[1].window, MOUSEEVENTF_RIGHTDOWN);
  EXPECT_EQ(events[2].window, MOUSEEVENTF_RIGHTUP);
  EXPECT_EQ(events[2].at.x, 12);
  EXPECT_EQ(events[2].at.y, 34);
  EXPECT_EQ(ui.CursorPos().x, 12);
}
