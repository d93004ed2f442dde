// Showing a finding (ShowMe, ShowContext), its menu and the next-finding
// command, against a small document with one marker.
#include <gtest/gtest.h>

#include <algorithm>

#include "commands/finding_state.h"
#include "commands/finding_work.h"
#include "commands/marked_words.h"
#include "commands/menu_line.h"
#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"
#include "platform/desktop.h"
#include "resources/context_menu.h"
#include "tests/commands/element_host.h"

namespace {
using Strings = std::vector<std::string>;

class RecordedFindingCalls : public FindingCalls {
 public:
  std::vector<std::string> made;
  HRESULT CaptureHostAndCursor() override { return Made("CaptureHostAndCursor"); }
  HRESULT DisplayCmenu(int menuMode) override { return Made("DisplayCmenu(" + std::to_string(menuMode) + ")"); }
  HRESULT CLoadMenu() override {
    LoadMenuLine();
    return Made("CLoadMenu");
  }
  HRESULT RemoveAllMarkers() override { return Made("RemoveAllMarkers"); }

 private:
  HRESULT Made(const std::string& name) {
    made.push_back(name);
    return S_OK;
  }
};

// Root, a paragraph, and a marker inside it around `word`; the caret in the
// marker.
struct MarkerDocument {
  ElementHost host;
  int para = 0;
  int marker = 0;
  explicit MarkerDocument(const std::string& kesta = "0103use/apply", const std::string& word = "utilize") {
    Finding.Reset();
    Cursor.Reset();
    host.Add("doc");
    para = host.Add("para", 0, "<para>Do not " + word + " it.</para>");
    marker = host.Add("_touchup", para,
                      "<?Pub _touchup Kesta=\"" + kesta + "\" HighltBckclr=\"6699FF\"?>" + word + "</_touchup>");
    host.elements[static_cast<std::size_t>(marker)].kesta = kesta;
    host.caret = marker;
    host.answers["oid_attr(oid_caret(),\"Kesta\");"] = kesta;
  }
};

bool Contains(const Strings& all, const std::string& one) { return std::find(all.begin(), all.end(), one) != all.end(); }

// The executed commands from the first one equal to `from` on.
Strings From(const Strings& all, const std::string& from) { return Strings(std::find(all.begin(), all.end(), from), all.end()); }

// The menu on a marker around `word`, with the finding as showing it would
// leave it, and `answer` chosen (none when 0).
struct MenuRun {
  MarkerDocument doc;
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  HRESULT result = S_OK;
  MenuRun(const char* advice, int answer, const char* word = "utilize", const char* kesta = "0103use/apply",
          int category = 1, int mode = 0)
      : doc(kesta, word) {
    Finding.CurrentCategory = category;
    Finding.CurrentMarkedWord = word;
    Finding.CurrentAdvice = advice;
    Finding.CurrentMarkerNumber = 3;
    ui.PlaceCursor({100, 200});
    if (answer) ui.QueueAnswer(answer);
    if (mode == 1) Cursor.CurrentOid = doc.host.Id(doc.marker);
    result = DisplayCmenuWork(doc.host, self, mode);
  }
  Strings Executed() const { return doc.host.Executed(); }
  Strings SuggestionTexts() const {
    Strings out;
    const Menu popup = ui.Menus().at(0).menu;
    for (const MenuItem& item : popup.items[kMenuPosSuggestions].sub.items) out.push_back(item.text);
    return out;
  }
};

const Strings kClosing = {"set pendingdelete=off", "set inputmode=insert", "clear_mark all"};
Strings Closed(Strings commands) {
  commands.insert(commands.end(), kClosing.begin(), kClosing.end());
  return commands;
}
// A marker around `word` with value `kesta`, shown by ShowMe then (when
// `context`) by ShowContext; a finding of an earlier showing is there first,
// to see what a failed showing keeps.
struct Shown {
  MarkerDocument doc;
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  HRESULT result;
  Shown(const std::string& kesta, const std::string& word = "utilize", bool atMarker = true) : doc(kesta, word) {
    Finding.CurrentMarkedWord = "old";
    Finding.CurrentAdvice = "older";
    Finding.CurrentCategory = 11;
    Finding.CurrentMarkerNumber = 5;
    if (!atMarker) doc.host.caret = doc.para;
    result = ShowMeWork(doc.host, self);
  }
};

}  // namespace

TEST(ContextMenu, ShowsTheFindingAtTheCaretWithItsSuggestions) {
  MenuRun run("use/apply", 0);
  EXPECT_EQ(run.result, S_OK);
  const std::string id = run.doc.host.Id(run.doc.marker);
  EXPECT_EQ(run.Executed(), Closed({"set extendselection=off", "set tagscan=off", "set wrapscan=off",
                                    "set selectscan=on", "set messagelocation=statusbar", "goto_oid('" + id + "');",
                                    "oid_select('" + id + "',0,0,1);"}));
  EXPECT_EQ(run.self.made, Strings{"CLoadMenu"});
  auto menus = run.ui.Menus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].at.x, 100);
  EXPECT_EQ(menus[0].at.y, 208);  // 8 pixels below the cursor
  const Menu& popup = menus[0].menu;
  EXPECT_EQ(popup.items[0].text, "utilize : WRONG CHOICE");
  EXPECT_EQ(popup.items[0].id, ID_KESTA_TERM);
  EXPECT_EQ(run.SuggestionTexts(), (Strings{"use", "apply"}));
  EXPECT_FALSE(popup.items[kMenuPosSuggestions].grayed);
  EXPECT_EQ(popup.items[5].text, "Next KESta Message");
  EXPECT_TRUE(popup.items[5].checked && popup.items[5].isDefault);
  // The host's window owns the menu and comes to the front.
  EXPECT_EQ(run.ui.Events()[0].kind, InteractionEvent::Foreground);
  EXPECT_EQ(run.ui.Events()[1].kind, InteractionEvent::Top);
}

// Each choice and what it sends from its first own command on. A
// suggestion selects the marker again, reads it, finds its words from the
// start of its content and replaces them there; the marker's tags go last.
TEST(ContextMenu, EachChoice) {
  const std::string select = "oid_select('(1,12,0)',0,0,1);";  // the marker
  const std::string toMarker = "goto_oid('(1,12,0)');";
  auto replaced = [&](const std::string& find, const std::string& insert, const std::string& back) {
    return Closed({select, select, toMarker, find, insert, back, "dt;"});
  };
  const std::string notFound =
      "mes \"KESta Message: The marked words were not found. The suggestion was not inserted.\"";
  struct Case {
    const char* name;
    int answer;
    const char* word;
    const char* kesta;
    int category;
    std::string advice;
    std::string from;
    Strings sent;
    Strings made;
    HRESULT result;
  } cases[] = {
      {"suggestion", ID_KESTA_SYN1 + 1, "utilize", "0103use/apply", 1, "use/apply", select,
       replaced("find -f -q -select @utilize@", "insert_string -pendingdelete @apply@", "car edit 0,-5"),
       {"CLoadMenu"}, S_OK},
      // A sign goes in as the character: as the code page holds it, or, for
      // one the advice names by its reference, as markup; never the
      // reference's letters as text.
      {"sign", ID_KESTA_SYN1, "25C", "110225\xB0" "C", 11, "25\xB0" "C", select,
       replaced("find -f -q -select @25C@", "insert_string -pendingdelete @25\xB0" "C@", "car edit 0,-4"),
       {"CLoadMenu"}, S_OK},
      {"sign by its reference", ID_KESTA_SYN1, "le", "1102&le; &amp; &#x2265;", 11, "&le; &amp; &#x2265;", select,
       replaced("find -f -q -select @le@", "insert_string -sgml -pendingdelete @&#8804; &amp; &#x2265;@",
                "car edit 0,-5"),
       {"CLoadMenu"}, S_OK},
      // Words that hold a reference, a character the code page could not
      // hold or an '@' are searched with any character in their place; a
      // reference in the suggestion goes in as the reference.
      {"reference in the words and the suggestion", ID_KESTA_SYN1, "small &os;", "1707small-&os;", 17, "small-&os;",
       select,
       replaced("find -f -e -q -select @small .@", "insert_string -sgml -pendingdelete @small-&os;@", "car edit 0,-7"),
       {"CLoadMenu"}, S_OK},
      {"unheld character and '@'", ID_KESTA_SYN1, "35&#8209;mm a@b&amp;c", "170835-mm", 17, "35-mm", select,
       replaced("find -f -e -q -select @35.mm a.b&c@", "insert_string -pendingdelete @35-mm@", "car edit 0,-5"),
       {"CLoadMenu"}, S_OK},
      // Nothing to find: the marker stays, and the answer says so.
      {"no words", ID_KESTA_SYN1, "", "0103use", 1, "use", select,
       Closed({select, select, toMarker, toMarker, notFound}), {"CLoadMenu"}, S_FALSE},
      // Markup the writer put inside the words: not the words before it
      // alone, but nothing.
      {"markup inside a word", ID_KESTA_SYN1, "Uti<b>lize</b>", "0000Use", 0, "Use", select,
       Closed({select, select, toMarker, toMarker, notFound}), {"CLoadMenu"}, S_FALSE},
      {"markup after the first word", ID_KESTA_SYN1, "prior <emphasis>to</emphasis>", "3101after", 31, "after",
       select, Closed({select, select, toMarker, toMarker, notFound}), {"CLoadMenu"}, S_FALSE},
      {"one message", ID_KESTA_ONE_MESSAGE, "utilize", "0103use/apply", 1, "use", select,
       Closed({select, select, "car edit 0,+1; dt;"}), {"CLoadMenu"}, S_OK},
      // A DELETE finding: the marker's tags go first; the words are then found
      // from a mark put right before them, with their blank.
      {"one delete message", ID_KESTA_ONE_MESSAGE, "actually", "0400NONE", 4, "", select,
       Closed({select, select, "car edit 0,+1; dt;", "car edit 0,-1;", "insert_string @#KESta-delete#@", "car edit 0,-14;",
               "find -f -q -select @#KESta-delete#actually @; delete"}),
       {"CLoadMenu"}, S_OK},
      // A word the finding holds twice keeps its first copy, as written:
      // the mark goes, and from there the search passes over that copy and
      // takes the next with the white space before it.
      {"one delete message on a repeated word", ID_KESTA_ONE_MESSAGE, "The the", "0402the", 4, "the", select,
       Closed({select, select, "car edit 0,+1; dt;", "car edit 0,-1;", "insert_string @#KESta-delete#@", "car edit 0,-14;",
               "find -f -q -select @#KESta-delete#@; delete", "find -f -q -noselect @The@",
               "find -f -q -select @ the@; delete"}),
       {"CLoadMenu"}, S_OK},
      // Two words that are not one word twice go whole.
      {"one delete message on two words", ID_KESTA_ONE_MESSAGE, "in fact", "0400NONE", 4, "", select,
       Closed({select, select, "car edit 0,+1; dt;", "car edit 0,-1;", "insert_string @#KESta-delete#@", "car edit 0,-14;",
               "find -f -q -select @#KESta-delete#in fact @; delete"}),
       {"CLoadMenu"}, S_OK},
      {"all in document", ID_KESTA_ALL_IN_DOCUMENT, "utilize", "0103use/apply", 1, "use", select,
       Closed({select}), {"CLoadMenu", "RemoveAllMarkers"}, S_OK},
      // A hint in parentheses replaces nothing.
      {"hint", ID_KESTA_SYN1, "must", "0103x", 7, ":| 0", select, Closed({select}), {"CLoadMenu"}, S_OK},
      // A suggestion too long for its insert command is not half done, and
      // not reported as done.
      {"long suggestion", ID_KESTA_SYN1, "utilize", "0103x", 1, std::string(240, 'a'), select,
       Closed({select, "mes \"KESta Message: The suggestion is too long to insert.\""}), {"CLoadMenu"}, S_FALSE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MenuRun run(c.advice.c_str(), c.answer, c.word, c.kesta, c.category);
    EXPECT_EQ(run.result, c.result);
    EXPECT_EQ(From(run.Executed(), c.from), c.sent);
    EXPECT_EQ(run.self.made, c.made);
  }
  MenuRun chosen("use/apply", ID_KESTA_SYN1 + 1);
  EXPECT_EQ(Finding.CurrentAdvice.str(), "apply");
  EXPECT_EQ(Finding.CurrentSelectionText.str(), "insert_string -pendingdelete @apply@");
  MenuRun hint(":| 0", ID_KESTA_SYN1, "must", "0103x", 7);
  EXPECT_EQ(hint.SuggestionTexts(), Strings{"(Avoid except for safety.)"});
  EXPECT_EQ(Finding.CurrentAdvice.str(), "(Avoid except for safety.)");
}

// What "One Message" keeps of a DELETE finding's words: the first copy of
// a word written more than once, whatever the case and the white space.
TEST(ContextMenu, RepeatedWordsKeepTheirFirstCopy) {
  const struct {
    const char* flagged;
    const char* first;  // null: no repeated word
    const char* rest;
  } rows[] = {
      {"the the", "the", " the"}, {"The\nthe", "The", " the"}, {" to  TO to", "to", " TO to"},
      {"the", nullptr, ""}, {"in fact", nullptr, ""}, {"the the valve", nullptr, ""}, {"", nullptr, ""},
  };
  for (const auto& row : rows) {
    const std::optional<Repetition> repeated = RepeatedWord(row.flagged);
    ASSERT_EQ(repeated.has_value(), row.first != nullptr) << row.flagged;
    if (repeated) {
      EXPECT_EQ(repeated->first + "|" + repeated->rest, std::string(row.first) + "|" + row.rest);
    }
  }
}

// The search starts where the marker's content does, whatever the flagged
// text's length: it no longer steps back before it.
TEST(ContextMenu, CaretStepsBackByTheFlaggedTextsLength) {
  for (const char* word : {"ab", "a", "abcde", "abcdef"}) {
    MenuRun run("x", ID_KESTA_SYN1, word, "0103x");
    const Strings sent = From(run.Executed(), "find -f -q -select @" + std::string(word) + "@");
    EXPECT_EQ(sent.size(), 7u) << word;  // then the insert, the step back over it, dt and the closing
  }
}

TEST(ContextMenu, SuggestionItemsFollowTheAdvice) {
  struct Case {
    const char* advice;
    Strings texts;
    bool greyed;
  } cases[] = {
      {"", {"SYN1", "SYN2", "SYN3", "SYN4", "SYN5", "SYN6"}, true},
      {"a/b/c", {"a", "b", "c"}, false},
      {"a/b/c/d/e/f/g/h", {"a", "b", "c", "d", "e", "f"}, false},
  };
  for (const Case& c : cases) {
    MenuRun run(c.advice, 0);
    EXPECT_EQ(run.SuggestionTexts(), c.texts) << c.advice;
    EXPECT_EQ(run.ui.Menus().at(0).menu.items[kMenuPosSuggestions].grayed, c.greyed) << c.advice;
    EXPECT_EQ(Finding.CurrentAdvice.str(), c.advice);  // the advice keeps its own text
  }
}

TEST(ContextMenu, CloseWithoutACaretElementSaysItWasTheLast) {
  MarkerDocument doc;
  doc.host.answers["oid_caret()"] = "";
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  Finding.CurrentMarkedWord = "utilize";
  ui.QueueAnswer(ID_KESTA_CLOSE);
  DisplayCmenuWork(doc.host, self, 0);
  // No marker is named: no element loses its tags.
  EXPECT_EQ(doc.host.Statuses(), (Strings{"KESta Message: WARNING: Reached last KESta message.",
                                          "To delete, put cursor inside a KESta Message."}));
  EXPECT_FALSE(Contains(doc.host.Executed(), "car edit 0,+1; dt;"));
}

// The caret in an element the writer put among the marker's words: the
// marker's tags go, that element's stay.
TEST(ContextMenu, CloseInsideTheWritersMarkupTakesTheMarkerAway) {
  MarkerDocument doc("0103use/apply", "<b>utilize</b>");
  doc.host.caret = doc.host.Add("b", doc.marker, "<b>utilize</b>");
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  ui.QueueAnswer(ID_KESTA_CLOSE);
  EXPECT_EQ(DisplayCmenuWork(doc.host, self, 0), S_OK);
  const std::string select = "oid_select('" + doc.host.Id(doc.marker) + "',0,0,1);";
  EXPECT_EQ(From(doc.host.Executed(), select), Closed({select, "dt;"}));
}

TEST(ContextMenu, ModeOneWorksOnTheSavedElementAndOtherModesShowNothing) {
  MenuRun run("use", 0, "utilize\nit", "0103use/apply", 1, 1);
  const std::string id = run.doc.host.Id(run.doc.marker);
  EXPECT_EQ(From(run.Executed(), "goto_oid('" + id + "');"),
            Closed({"goto_oid('" + id + "');", "oid_select('" + id + "',0,0,1);", "car edit 0,-2",
                    "find -f -q -select @utilize it@; car mouse; ", "car edit 0,-1;",
                    "clm; find -f -noselect @utilize\nit@; car mouse;"}));
  EXPECT_FALSE(Contains(run.doc.host.Evaluated(), "oid_caret()"));
  EXPECT_EQ(run.self.made, (Strings{"CaptureHostAndCursor", "CLoadMenu"}));
  EXPECT_EQ(run.ui.Menus().at(0).at.y, 200);  // at the cursor: no offset in this mode

  MenuRun other("use", ID_KESTA_SYN1, "utilize", "0103use/apply", 1, 2);
  EXPECT_EQ(other.result, S_OK);
  EXPECT_TRUE(other.ui.Menus().empty());
  EXPECT_TRUE(other.ui.Events().empty());  // no window was brought forward
  EXPECT_FALSE(Contains(other.Executed(), "dt;"));
}

// (A search that finds nothing is answered, not raised: the "no words" row.)
TEST(ContextMenu, FailuresEndTheMenuWithoutItsClosing) {
  MarkerDocument doc;
  ScriptedInteraction ui;
  RecordedFindingCalls self;
  Finding.CurrentMarkedWord = "utilize";
  Finding.CurrentAdvice = "use";
  ui.QueueAnswer(ID_KESTA_SYN1);
  doc.host.failPattern = "insert_string";
  EXPECT_THROW(DisplayCmenuWork(doc.host, self, 0), _com_error);
  EXPECT_FALSE(Contains(doc.host.Executed(), "clear_mark all"));
  EXPECT_TRUE(ui.Boxes().empty());
}

// Texts with an '@' are put between slashes; a command that would not fit
// its buffer is refused.
TEST(ContextMenu, TextsThatWouldBreakTheCommand) {
  MenuRun at("use@once", ID_KESTA_SYN1);
  EXPECT_TRUE(Contains(at.Executed(), "insert_string -pendingdelete /use@once/"));
  MenuRun del("", ID_KESTA_ONE_MESSAGE, "a@b", "2500NONE", 4);
  EXPECT_TRUE(Contains(del.Executed(), "find -f -q -select /#KESta-delete#a@b /; delete"));
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
  EXPECT_EQ(events[1].window, MOUSEEVENTF_RIGHTDOWN);
  EXPECT_EQ(events[2].window, MOUSEEVENTF_RIGHTUP);
  EXPECT_TRUE(ui.CursorPos().x == 12 && ui.CursorPos().y == 34);
}

TEST(ShowFinding, ReadsTheMarkerAtTheCaretAndOpensTheMenu) {
  Shown s("0112use/apply");
  EXPECT_EQ(s.result, S_OK);
  EXPECT_EQ(s.doc.host.Executed(),
            (Strings{"set markupscan=on", "set extendselection=off", "set pendingdelete=on", "set selectscan=off",
                     "set deletespaces=off", "set spellinteractive=off",
                     "mes \"KESta Message:  Press F2 on the color to see each KESta message.\"",
                     "oid_select('" + s.doc.host.Id(s.doc.marker) + "',0,0,1)"}));
  EXPECT_EQ(s.doc.host.Evaluated(), (Strings{"oid_caret()", "$selection", "oid_attr(oid_caret(),\"Kesta\");"}));
  EXPECT_TRUE(Finding.CurrentSelectionText.startsWith("<?Pub _touchup Kesta="));
  EXPECT_EQ(s.self.made, (Strings{"CaptureHostAndCursor", "DisplayCmenu(0)"}));
  EXPECT_TRUE(s.ui.Boxes().empty());
}

// What ShowMe and then ShowContext read from each marker.
TEST(ShowFinding, FindingReadFromTheMarker) {
  struct Case {
    std::string kesta, word;
    std::string advice, marked;  // after ShowMe
    int category, number;
    std::string contextAdvice, contextMarked;  // after ShowContext
  } cases[] = {
      {"0112use/apply", "utilize", "use/apply", "utilize", 1, 12, "use/apply", "utilize"},
      {"0112NONE", "utilize", "", "utilize", 1, 12, "", "utilize"},
      // Fixed hints for the semicolon and the slash, in ShowMe only.
      {"3700.", ";", "(Do not use semicolons)", ";", 37, 0, ".", ";"},
      {"2101or", "/and", "(Use <or> or <and> for slash)", "/and", 21, 1, "or", "/and"},
      // Line feeds are blanks in ShowMe, kept in ShowContext.
      {"0201NONE", "two\nlines", "", "two lines", 2, 1, "", "two\nlines"},
      // The flagged text as the document holds it.
      {"2501NONE", "R&amp;D", "", "R&D", 25, 1, "", "R&D"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kesta);
    Shown s(c.kesta, c.word);
    EXPECT_EQ(Finding.CurrentAdvice.str(), c.advice);
    EXPECT_EQ(Finding.CurrentMarkedWord.str(), c.marked);
    EXPECT_EQ(Finding.CurrentCategory, c.category);
    EXPECT_EQ(Finding.CurrentMarkerNumber, c.number);
    EXPECT_EQ(Finding.CurrentSelectionText.view().find('\n'), std::string_view::npos);
    ShowContextWork(s.doc.host, s.self);
    EXPECT_EQ(Finding.CurrentAdvice.str(), c.contextAdvice);
    EXPECT_EQ(Finding.CurrentMarkedWord.str(), c.contextMarked);
    EXPECT_EQ(s.doc.host.Statuses().size(), 1u);  // ShowContext sets no options and no status line
  }
}

// Outside a marker, or on one without a numbered value: the box, and the
// earlier finding is kept.
TEST(ShowFinding, CaretOutsideAMarker) {
  for (const char* value : {"0103use/apply", "", "abc"}) {
    SCOPED_TRACE(value);
    Shown s(value, "utilize", *value != '0');
    EXPECT_EQ(s.result, S_OK);
    ASSERT_EQ(s.ui.Boxes().size(), 1u);
    EXPECT_EQ(s.ui.Boxes()[0].text + "|" + s.ui.Boxes()[0].caption, "Put cursor inside a color.|KESta Selection");
    EXPECT_EQ(s.doc.host.Executed().back() == "clm", *value == '0');
    EXPECT_TRUE(s.self.made.empty());
    EXPECT_EQ(Finding.CurrentMarkedWord.str() + Finding.CurrentAdvice.str(), "oldolder");
    EXPECT_TRUE(Finding.CurrentCategory == 11 && Finding.CurrentMarkerNumber == 5);
  }
  Shown s("0103use/apply", "utilize", false);
  EXPECT_TRUE(Finding.CurrentSelectionText.startsWith("<para>"));  // always the latest selection
}

TEST(ShowFinding, LongTextsStayInsideTheirFields) {
  Shown word("0101use", std::string(500, 'w'));
  EXPECT_EQ(word.result, S_OK);
  EXPECT_EQ(Finding.CurrentSelectionText.length(), 380u);
  EXPECT_EQ(Finding.CurrentMarkedWord.str(), std::string(127, 'w'));
  // The marker's opening markup fills the kept selection: no flagged text.
  Shown advice("0101" + std::string(400, 'a'), "word");
  EXPECT_EQ(advice.result, S_OK);
  EXPECT_TRUE(Finding.CurrentMarkedWord.empty());
  EXPECT_EQ(Finding.CurrentAdvice.str(), std::string(251, 'a'));
}

TEST(NextFinding, SetsNineOptionsAndSkipsTheRestOnFailure) {
  ElementHost host;
  EXPECT_EQ(CallNextKestaWork(host), S_OK);
  EXPECT_EQ(host.Executed().size(), 9u);
  EXPECT_EQ(host.Executed().back(), "set saverenames=off");
  EXPECT_TRUE(host.Evaluated().empty());
  ElementHost failing;
  failing.failPattern = "set wrapscan";
  EXPECT_EQ(CallNextKestaWork(failing), S_OK);
  EXPECT_EQ(failing.Executed().size(), 4u);  // the failing one is recorded too
}
