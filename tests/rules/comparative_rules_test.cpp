// The rules of comparatives, superlatives, quantifiers, opening determiners
// and names.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/comparative_parts.h"
#include "tests/rules/table_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }
void LongPlural(SentenceStateRec& s) {
  s.sentenceWordCount = 12;
  s.subjectNumber = 1;
}

TEST(ComparativeRules, Steps) {
  static const BodyCase kCases[] = {
      {"a/40 higher/34{mark=1} b/10{mark=1} ./48", "higher", "higher: message=327 ruleId=7864", "higher"},
      {"a/40 higher/34 b/10{mark=1} ./48", "higher", "higher: message=302 ruleId=7864", "higher"},
      {"it/66 is/24 slightly/34 open/30 ./48", "slightly", "slightly: message=305 ruleId=3864", "slightly"},
      {"a/40 longer/34 period/10 ./48", "longer",
       "longer: suggestion=\"(Be time value)\" message=305 entryWords=2 ruleId=3864", "period"},
      {"do/20 further/34 tight/30 ./48", "further", "further: message=304 ruleId=2238", "further"},
      {"a/40 lower/34 valve/10{code=N*S***} ./48", "lower", "lower: message=324 entryWords=2 ruleId=1438\n"
       "valve: message=327 ruleId=864", "valve"},
      {"a/40 x/40 higher/34 ./48", "higher", "higher: suggestion=\"(Give range or measure.)\" message=305 ruleId=4864",
       "higher"},
      {"a/40 x/40 higher/34 class/10 ./48", "higher",
       "higher: suggestion=\"(Give Class, version name or number.)\" message=305 entryWords=2 ruleId=5864", "higher"},
      {"is/24 almost/52 lower/34 here/30{code=A****} ./48", "lower",
       "almost: suggestion=\"(Give range or measure.)\" message=305 entryWords=2 ruleId=3864", "lower"},
      {"the/64 latest/35 number/10 ./48", "latest",
       "latest: suggestion=\"(Give a date or time ref.)\" message=305 entryWords=2 ruleId=3864", "number"},
      // The article before it: no finding.
      {"the/64 higher/34 model/10 ./48", "higher", "", "higher"},
      {"the/64 next/38 higher/34 step/10 ./48", "higher",
       "higher: suggestion=\"next level/(Be specific)\" message=305 ruleId=3864", "step"},
      {"tighten/20 longer/34 bolts/11 ./48", "longer",
       "longer: suggestion=\"(Give range, measure, or ref.)\" message=305 entryWords=2 ruleId=3864", "bolts"},
      // By the first letter.
      {"Earlier/34 time/10 is/24 ./48", "Earlier",
       "Earlier: suggestion=\"(Give a time measure)\" message=324 entryWords=2 ruleId=1538", "time"},
      {"do/20 further/34 information/10 ./48", "further",
       "further: suggestion=\"more information\" message=324 entryWords=2 ruleId=3238\n"
       "information: message=327 ruleId=864", "information"},
      // A measure is wanted.
      {"a/40 x/40 higher/34 then/73 5/49 V/17 ./48", "higher",
       "higher: suggestion=\"(Give range or measure.)\" message=305 ruleId=4864\n"
       "then: suggestion=\"than\" message=311 ruleId=4864", "then"},
      // "lower the jack": the verb.
      {"Lower/34 the/64 jack/10 ./48", "Lower", "Lower: classCode=\"V****\" wordClass=20", "Lower"},
      {"a/40 b/40 c/40 greater/34 to/68 5/49 d/40 e/40 f/40 ./48", "greater",
       "greater: message=305 entryWords=2 ruleId=1864\nto: wordClass=40", "to", Long},
      // Superlatives, quantifiers, opening determiners and names through the body.
      {"(/40 lowest/35 )/40 ./48", "lowest", "", "lowest"},
      {"the/64 nearest/35 you/78 ./48", "nearest", "nearest: suggestion=\"nearest to\" message=302 ruleId=4933", "you"},
      {"the/64 highest/35 voltages/11 ./48", "highest",
       "highest: suggestion=\"(Give Range)\" wordClass=11 message=305 entryWords=2 ruleId=4559\n"
       "voltages: wordClass=40", "voltages"},
      {"the/64 lowest/35 force/10{mark=x} ./48", "lowest", "", "lowest"},
      {"the/64 next/38{msg=304} best/35 step/10 ./48", "best", "next: message=0", "best"},
      {"clean/20 each/37 dirty/30 valves/11 ./48", "each", "each: message=303 ruleId=6864", "each", nullptr,
       "subjectNumber=1 scratchResult=99"},
      // An inch word ends the search before it finds the plural.
      {"clean/20 each/37 in/44 valves/11 ./48", "each", "", "each"},
      // "Clean each." ends at the sentence end.
      {"Clean/20 each/37 ./48", "each", "each: message=327 ruleId=5894", "each", nullptr, "subjectNumber=1"},
      {"Clean/20 each/37", "each", "each: message=327 ruleId=5894", "each"},
      {"Clean/20 each/37 valve/10{code=N*S***} ./48", "each", "", "each"},
      {"All/38 in/75 all/38 a/40 ./48", "All",
       "All: message=304 entryWords=3 ruleId=6932\nin: wordClass=40\nall: wordClass=40", "all", LongPlural,
       "subjectNumber=0"},
      // Inside the sentence the rules of the word decide (none yet).
      {"the/64 other/38 ./48", "other", "", "other"},
      // A name spreads to the words after it.
      {"Mr/39 5/49 ./48", "Mr", "5: wordClass=40", "Mr"},
      {"Mr/39 Smith/40{sub=325 msg=325} said/22 ./48", "Mr", "", "Mr", LongPlural, "subjectNumber=0"},
      {"ask/20 Mr/39{extra=x split=4} Smith/40{sub=325 msg=325} ./48", "Mr",
       "Mr: splitKind=0 extraFlag=NUL\nSmith: wordClass=39 subClass=0 message=0", "Mr"},
      {"ask/20 Mr/39 and/63 Jones/40{sub=325} ./48", "Mr", "Mr: extraFlag=NUL\nJones: wordClass=39 subClass=0", "Mr"},
      {"ask/20 Mr/39 Jones/10{sug=x msg=301} ./48", "Mr",
       "Mr: extraFlag=NUL\nJones: suggestion=\"\" wordClass=39 message=0", "Mr"},
  };
  RunBodyCases(ApplyComparativeRules, kCases);
}

TEST(ComparativeRules, FurtherWithTheSteDictionary) {
  auto words = BuildWords("do/20 further/34 study/10 ./48");
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, "further"), .head = words->head(), .state = state, .steDictionary = 1};
  EXPECT_EQ(ApplyComparativeRules(c), Walk::Next);
  EXPECT_EQ(words->Changes(), "further: suggestion=\"more\" message=324 ruleId=3238");
}

TEST(ComparativeRules, QuantifierAndDeterminerRows) {
  const auto gate = QuantifierGateRows(), each = QuantifierRows(), opening = OpeningDeterminerRows();
  const TableCase kCases[] = {
      {gate, {"each/37 max/45", "each", 0, ""}},
      {gate, {"each/37 time/10", "each", 2, "each: suggestion=\"When\" message=324 entryWords=2 ruleId=6864"}},
      {each, {"of/67 each/37 x/40", "each", 0, ""}},
      {each, {"a/40 each/37 single/30", "each", 4, "each: suggestion=\"each\" message=324 entryWords=2 ruleId=6864"}},
      {each, {"what/60 each/37 x/40", "each", 6, "what: message=302 entryWords=2 ruleId=6864"}},
      {opening, {"Other/38 ./48", "Other", 4, ""}},
      {opening, {"Other/38 you/78 have/25 to/68 ./48", "Other", 8, nullptr, Long}},
  };
  RunTableCases(kCases);
}

TEST(ComparativeRules, PluralSearch) {
  struct Search {
    const char* text;
    int result;
  } searches[] = {
      {"each/37 clean/30 valves/11 ./48", 99},
      {"each/37 a/40 b/40 c/40 d/40 e/40 f/40 valves/11", 6},
      {"each/37 a/40 of/67 valves/11", 1},
      {"each/37 a/40 Pump/15 valves/11", 1},
      // The search ends with the sentence and with the list.
      {"each/37 ./48 valves/11", 0},
      {"each/37 a/40 b/40", 2},
  };
  for (const Search& k : searches) {
    auto words = BuildWords(k.text);
    EXPECT_EQ(SearchPluralNoun(FindWord(*words, "each")), k.result) << k.text;
  }
  // No sentinel: the search stops where the list ends.
  TestWords bare({{"each", 37}, {"a", 40}}, false);
  EXPECT_EQ(SearchPluralNoun(bare["each"]), 1);
}

}  // namespace
