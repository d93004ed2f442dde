// The rules of the verbs in -ed and -ing and of "been".
#include <gtest/gtest.h>

#include "rules/main/been_rules.h"
#include "rules/main/class_bodies.h"
#include "rules/main/ed_tables.h"
#include "rules/main/ing_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void NoSubject(SentenceStateRec& s) { s.subjectNumber = -1; }

TEST(EdRules, Steps) {
  RunBodyCases(ApplyEdRules, {
      {"it/66 is/24 moved/22 ./48", "moved", "moved: wordClass=31", "moved", nullptr, "lastVerbClass=22"},
      // The end of the text ends the word.
      {"a/40{split=4} moved/22{split=4} b/10 ./48", "moved", "moved: wordClass=30 message=317 ruleId=4288", "moved"},
      {"a/40 moved/22{mark=1} b/10 ./48", "moved", "moved: wordClass=30", "moved"},
      {"it/66 moved/22 opening/23 ./48", "moved", "moved: message=335 ruleId=3118", "moved"},
      // Phrasal verbs and time words: the next word is passed over.
      {"it/66 kept/22 off/61 the/64 b/10 ./48", "kept",
       "kept: suggestion=\"(Remove the preposition)\" message=315 entryWords=2 ruleId=3117", "off"},
      // The second table's advice stays.
      {"a/40 b/40 ,/47 pulled/22 off/61 c/40 ./48", "pulled",
       "pulled: suggestion=\"pull/(Rephrase)\" message=335 entryWords=2 ruleId=3117", "pulled"},
      // An -ing word after "done" is a wrong tense before the second table is tried.
      {"a/40 b/40 c/40 done/22 checking/23 ./48", "done", "done: message=335 ruleId=3118", "done"},
      // References.
      {"a/40 b/40 c/40 used/22 do/20 ./48", "used", "used: message=302 ruleId=2672", "used"},
      // A sentence opened by an -ed word.
      {"Used/22 valves/11 are/25 in/75 the/64 box/10 ./48", "Used", "Used: message=320 ruleId=2902", "Used", Long},
  });
}

TEST(EdRules, PhraseRows) {
  RunRowCases(EdPhraseRows(), {
      {"a/40 kept/22 away/52", "kept", 0, nullptr},
      {"a/40 tapped/22 b/10", "tapped", -1, ""},
  });
  RunRowCases(EdSecondPhraseRows(), {
      {"a/40 done/22 opening/23", "done", 0, nullptr},
      {"a/40 pulled/22 apart/52", "pulled", 1, nullptr},
  });
}

TEST(IngRules, InsideTheSentence) {
  RunBodyCases(ApplyIngRules, {
      {"a/40 b/40 opening/23{plural=0} ./48", "opening", "opening: message=338 ruleId=3262", "opening", nullptr,
       "lastVerbClass=23"},
      // Progressive forms.
      {"a/64 b/10 c/40 is/24 fixing/23{plural=2} it/66 ./48", "fixing",
       "is: message=338 entryWords=2 ruleId=5339\nfixing: suggestion=\"fixes\" message=338 ruleId=3262", "fixing",
       nullptr, "subjectNumber=1 lastVerbClass=23"},
      {"they/66 are/25 opening/23{plural=0} it/66 ./48", "opening",
       "are: message=338 entryWords=2 ruleId=5429\nopening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      // "is not opening": the do-form takes the base form.
      {"a/64 b/10 is/24 not/29 opening/23{plural=0} it/66 ./48", "opening",
       "is: suggestion=\"does not open\" message=338 entryWords=3 ruleId=5339\n"
       "opening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      {"a/64 b/10 were/25 not/29 fixing/23{plural=2} it/66 ./48", "fixing",
       "were: suggestion=\"did not fix\" message=338 entryWords=3 ruleId=5339\n"
       "fixing: suggestion=\"fix\" message=338 ruleId=3262", "fixing"},
      // Two gerunds.
      {"a/40 opening/23{plural=0} and/63 closing/23{plural=1} ./48", "opening",
       "opening: suggestion=\"open\" message=338 ruleId=5642\nclosing: suggestion=\"close\" wordClass=40 message=338 "
       "ruleId=5642", "opening"},
      // After "for": the advice only when a form was built.
      {"a/40 for/65 opening/23{plural=0} it/66 ./48", "opening",
       "for: suggestion=\"to open/open\" message=338 entryWords=2 ruleId=6434\n"
       "opening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
      {"a/40 for/65 opening/23{plural=NUL} it/66 ./48", "opening",
       "for: message=338 entryWords=2 ruleId=6434\nopening: message=338 ruleId=3262", "opening"},
      // The word table before a noun.
      {"a/40 b/40 taking/23 place/10 ./48", "taking",
       "taking: suggestion=\"occurs/occur\" wordClass=20 message=338 entryWords=2 ruleId=3535", "place"},
      {"a/40 b/40 installing/23 valves/11 ./48", "installing",
       "installing: suggestion=\"installation/to install/install\" wordClass=20 message=338 ruleId=5335", "installing"},
      // After a noun: the base form and the inflected -s form.
      {"valve/10 fixing/23{plural=2} b/40 ./48", "fixing",
       "fixing: suggestion=\"fix/fixes/with\" message=338 ruleId=6434", "fixing"},
      {"valve/10 carrying/23{plural=5} b/40 ./48", "carrying",
       "carrying: suggestion=\"carry/carries/with\" message=338 ruleId=6434", "carrying"},
      // After "of", marked, verbs of beginning, "for" as a preposition.
      {"a/64 b/10 of/67 opening/23{plural=0} it/66 ./48", "opening",
       "of: message=338 ruleId=2339 weight=2\nopening: suggestion=\" to open\" message=338 ruleId=3262", "opening"},
      {"a/64 opening/23{plural=0 mark=1} it/66 ./48", "opening",
       "opening: suggestion=\"that open\" message=338 ruleId=5434", "opening"},
      {"a/66 from/60 opening/23{plural=0} it/66{mark=1} ./48", "opening",
       "from: message=338 entryWords=2 ruleId=4327\nopening: suggestion=\"open\" message=338 ruleId=3262", "opening"},
  });
}

TEST(IngRules, WordTable) {
  // Rows that need a particle after the word pass the gate only when that
  // word is of a noun class.
  RunRowCases(IngWordRows(), {
      {"a/40 using/23 b/10", "using", 0, nullptr},
      {"a/40 going/23 back/10", "going", 9, "going: suggestion=\"(Rephrase)\" message=335 entryWords=2 ruleId=4327"},
      {"a/10 filling/23 b/10", "filling", 11, nullptr},
      {"this/76 cooling/23 b/10", "cooling", -1, ""},
      {"a/40 coming/23 off/10", "coming", 15, nullptr},
      {"a/40 loading/23 b/10", "loading", 23, nullptr},
  });
}

TEST(IngRules, SentenceStart) {
  RunBodyCases(ApplyIngRules, {
      {"Opening/23{plural=0} valves/11 is/24 ./48", "Opening",
       "Opening: suggestion=\"How to open the/To open the\" message=338 ruleId=3338", "Opening", NoSubject,
       "subjectSeen=1 subjectNumber=0 lastVerbClass=23"},
      {"OPENING/23{plural=0} VALVES/11 ./48", "OPENING",
       "OPENING: suggestion=\"HOW TO OPEN THE/TO OPEN THE\" message=338 ruleId=3338", "OPENING"},
      {"Opening/23{plural=NUL} valve/10 b/40 ./48", "Opening",
       "Opening: written=\"Opening?valve\" tag=\"<AR>\" message=311 ruleId=2046 verbForm=1\n"
       "valve: suggestion=\"the valve\" message=326 ruleId=2356", "Opening?valve"},
      {"Cooling/23{mark=1} b/10 ./48", "Cooling", "Cooling: classCode=\"A****\" wordClass=30", "Cooling", NoSubject,
       "subjectSeen=0 subjectNumber=0"},
  });
}

TEST(IngRules, CleaningWithTheSteDictionary) {
  auto words = BuildWords("Cleaning/23{plural=0} filters/11 ./48");
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "Cleaning"), .head = words->head(), .state = state, .steDictionary = 1};
  EXPECT_EQ(ApplyIngRules(c), Walk::Next);
  EXPECT_EQ(words->Changes(), "");
}

TEST(BeenRules, Rows) {
  RunRowCases(BeenRows(), {
      {"Been/27 here/52", "Been", 0, "Been: message=335 ruleId=5911"},
      {"it/66 has/24 been/27 able/30 to/68", "been", 1,
       "been: suggestion=\"can\" message=335 entryWords=3 ruleId=5811"},
      {"they/66 have/25 been/27 around/73", "been", 4,
       "have: suggestion=\"(Rephrase)\" message=330 entryWords=3 ruleId=5912"},
      {"it/66 has/24 been/27 not/29", "been", 9, "not: message=334 ruleId=56"},
      {"it/66 has/24 been/27 there/52", "been", -1, ""},
  });

  RunBodyCases(ApplyBeenRules, {
      {"it/66 has/24 been/27 able/30 to/68 go/20 ./48", "been",
       "been: suggestion=\"can\" message=335 entryWords=3 ruleId=5811\nable: wordClass=40\nto: wordClass=40", "to"},
      {"it/66 had/25 been/27{msg2=330} there/52 ./48", "been",
       "had: message=335 entryWords=2 ruleId=4911\nbeen: message2=0", "been"},
  });
}

}  // namespace
