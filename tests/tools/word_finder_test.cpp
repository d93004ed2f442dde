// The word finder: what a search answers for found, flagged, case-rule and
// unknown terms, and the dialog's buttons.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/scripted_interaction.h"
#include "tests/support/dict_fixture.h"
#include "tools/word_finder.h"

namespace {

class WordFinderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings.Reset();
    Settings.app.dictDir = "C:\\custom\\dictionaries\\";
    Settings.app.userLabel = "User: Dana";
    LoadTestDictionaries(
        "name: TECHNICAL\nsecond-name: tec\nversion: 2.1\n\n"
        "pump+housing$ 1014\npump$ 1014\nvalve$ 1014\nfuel+pump+relief+valve 1014\n",
        "name: CORE\nsecond-name: ste\nversion: 3.0\n\nremov^21\nhousing$ 1014\n",
        "name: SYNONYM\nsecond-name: syn\nversion: 1.5\n\n"
        "utiliz^30021 Ause\nnumerous 30138 many\n");
  }
  void TearDown() override {
    WordList.Reset();
    Settings.Reset();
  }
  ScriptedInteraction ui_;
};

TEST_F(WordFinderTest, SearchesTheThreeDictionaries) {
  struct Case {
    const char* term;
    const char* result;
    bool clearsTerm;
  };
  const std::string longest(76, 'x');
  const Case cases[] = {
      {"", "\n\n\nEnter a term to search", true},
      {"pu", "\n\n\nEnter a longer term.", true},
      {"remove", "Found: remove [Verb] in CORE", false},
      // Blanks before, after and between the words do not count.
      {"  pump   housing ", "Found: pump housing [Noun,Common] in TECHNICAL", false},
      // Held only as separate words.
      {"valve housing", "NOT FOUND IN KESta Dictionaries.", false},
      // Four words and more: the lookup stops at the end record.
      {"fuel pump relief valve", "Found: fuel pump relief valve [Noun,Common] in TECHNICAL", false},
      {"fuel pump relief valve cover", "NOT FOUND IN KESta Dictionaries.", false},
      {"utilize", "utilize : WRONG_VERB\nKESta Suggestions:-\n-  Use\n", false},
      {longest.c_str(), "NOT FOUND IN KESta Dictionaries.", false},
  };
  for (const Case& c : cases) {
    WordFinderAnswer answer = SearchTerm(c.term);
    EXPECT_EQ(answer.result, c.result) << "'" << c.term << "'";
    EXPECT_EQ(answer.clearTerm, c.clearsTerm) << c.term;
    EXPECT_EQ(WordList.head, nullptr) << c.term;
  }
  EXPECT_EQ(SearchTerm(std::string(77, 'x')).result, "\n\n\nEnter a smaller term.");
}

TEST_F(WordFinderTest, ResultWordingByClassSuggestionAndCaseRule) {
  struct Case {
    FoundTerm found;
    const char* typed;
    const char* result;
  };
  const Case cases[] = {
      {{"cover", "NMS***", "", '0', 10, 0, 0}, "cover", "Found: cover [Noun,Common] in TECHNICAL"},
      {{"cover", "XMS***", "", '2', 10, 0, 0}, "cover", "Found: cover [Noun and Verb] in SYNONYM"},
      {{"cover", "JMS***", "", '1', 31, 0, 0}, "cover", "Found: cover [Noun and Adj.] in CORE"},
      {{"clean", "K*****", "", '1', 30, 0, 0}, "clean", "Found: clean [Adj. and Adverb] in CORE"},
      {{"red", "A*****", "", '1', 32, 0, 0}, "red", "Found: red [Adj.,Color] in CORE"},
      {{"paris", "N*****", "", '0', 39, 0, 0}, "paris", "Found: paris [Place nName] in TECHNICAL"},
      {{"the", "S00*", "", '1', 64, 0, 0}, "the", "Found: the [Article] in CORE"},
      {{"in", "D*", "", '1', 75, 0, 0}, "in", "Found: in [Prep.] in CORE"},
      {{"till", "D*", "", '1', 71, 0, 0}, "till", "till use until or prevent. [STE]"},
      {{"very", "B*", "", 'x', 52, 0, 0}, "very", "Found: very [Adverb] in "},  // no such dictionary
      // A class without a text of its own is still named as found.
      {{"odd", "D*", "", '1', 79, 0, 0}, "odd", "Found: odd in CORE"},
      // Exact match: the dictionary's own form.
      {{"kpc", "NMS***", "kPc", '0', 18, 17, 0}, "kpc", "Found: kPc [Noun,Nomen.] in TECHNICAL (Exact Match Rule)"},
      // Case rules without a suggestion: the term in that case.
      {{"nasa", "NMS***", "", '0', 15, 2, 0}, "nasa", "Found: NASA [Noun,Proper] in TECHNICAL (ALL Caps Rule)"},
      {{"boeing", "NMS***", "", '0', 15, 1, 0}, "boeing", "Found: Boeing [Noun,Proper] in TECHNICAL (Inital Cap Rule)"},
      // A case rule with a suggestion shows the suggestions.
      {{"nasa", "NMS***", "nasa", '0', 15, 2, 0}, "nasa", "KESta Suggestions:-\n-  Nasa\n"},
      // Eight alternatives: the first seven, each with a capital.
      {{"fix", "V0****", "a/ b/c/d/e/f/g/h", '2', 20, 0, 301}, "fix",
       "fix : WRONG_CHOICE\nKESta Suggestions:-\n-  A\n-  B\n-  C\n-  D\n-  E\n-  F\n-  G\n"},
      {{"fix", "V0****", "", '2', 20, 304, 0}, "fix", "fix : DELETE WORD\nKESta Suggestions:-\n"},
      {{"fix", "F*****", "", ' ', 40, 0, 325}, "fix", "NOT FOUND IN KESta Dictionaries."},
  };
  for (const Case& c : cases) EXPECT_EQ(FinderResult(c.found, c.typed), c.result) << c.typed;
}

TEST_F(WordFinderTest, DialogSearchesClearsAndChangesTheWarnings) {
  Settings.app.showWarnings = 1;
  ui_.QueueAction("type 203 pu");
  ui_.QueueAction("click 1");
  ui_.QueueAction("type 203 valve");
  ui_.QueueAction("click 1");
  CWordfinder dialog;
  EXPECT_EQ(dialog.DoModal(), 2);
  const RecordedDialog& d = ui_.Dialogs().at(0);
  EXPECT_EQ(d.opened.caption, "KESta WordFinder");
  EXPECT_EQ(d.opened.Find(205)->text,
            "No. 1: (TEC) TECHNICAL V2.1\nNo. 2: (COR) CORE V3.0\nNo. 3: (SYN) SYNONYM V1.5\n"
            "KESta Version: V7.1.7 2026\nDict Path: C:\\custom\\dictionaries\\");
  EXPECT_TRUE(d.opened.Find(208)->checked);
  EXPECT_EQ(d.closed.Find(204)->text, "Found: valve [Noun,Common] in TECHNICAL");

  // "Change" sets what the ticked box names; both ticked: the one just ticked;
  // none ticked: unchanged. The term field is cleared.
  const std::tuple<const char*, const char*, int> cases[] = {
      {"untick 208", nullptr, 1}, {"tick 209", nullptr, 0}, {"untick 209", nullptr, 1}, {"untick 208", "tick 209", 0}};
  for (const auto& [action, second, after] : cases) {
    ui_.Clear();
    Settings.app.showWarnings = 1;
    for (const char* a : {action, second, "click 382", "click 336"})
      if (a) ui_.QueueAction(a);
    CWordfinder changer;
    changer.DoModal();
    EXPECT_EQ(Settings.app.showWarnings, after) << action;
    EXPECT_EQ(ui_.Dialogs().at(0).closed.Find(203)->text, "");
  }
}

}  // namespace
