// The adverb body: the gates on the next word, "there", the sentence start,
// the lookup key and the letter groups, and the rows of "there" and of an
// adverb that opens its sentence.
#include <gtest/gtest.h>

#include "rules/function_words/adverb_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace adverb;

TEST(AdverbFrame, SentenceStartAndThereRows) {
  static const TableCase kCases[] = {
      // The particles after "back" end the body at its gate first.
      {kSentenceStart, {"First/52 valve/10 ./48", "First", 0, ""}},
      {kSentenceStart, {"First/52 ,/47 ./48", "First", 1, "First: message=304 ruleId=1239"}},
      {kSentenceStart, {"listed/22 Below/52{pos=0} are/25", "Below", 2, "listed: suggestion=\"shown\" tag=\"<AR>\""}},
      {kSentenceStart, {"Below/52 50/49", "Below", 3, "Below: suggestion=\"Less than\" tag=\"<AR>\""}},
      {kSentenceStart, {"BELOW/52 5/40", "BELOW", 4, "BELOW: suggestion=\"LESS THAN\" tag=\"<AR>\""}},
      {kSentenceStart, {"Again/52{split=1} x/40", "Again", 10, "Again: message=333 ruleId=3636"}},
      {kSentenceStart, {"Again/52 x/40", "Again", -1, ""}},
      {kThere, {"There/52 is/24 no/77 leak/10", "There", 2, "no: wordClass=40"}},
      {kThere, {"Put/20 it/66 there/52 ,/47", "there", 4, "there: message=320 ruleId=3230"}},
      {kThere, {"Put/20 it/66 only/52 there/52 first/52", "there", 6, "only: message=304 ruleId=4130"}},
      {kThere, {"Put/20 valve/10 there/52 now/52", "there", 8, "valve: message=300 ruleId=1735"}},
      {kThere, {"There/52 hot/30", "There", 12, nullptr}},
  };
  RunTableCases(kCases);
}

TEST(AdverbFrame, GatesRoutesAndKeys) {
  static const BodyCase kCases[] = {
      // Gates: a dropped "the", a particle, an article, a first-person word
      // after the adverb.
      {"Turn/20 back/52 valve/10{mark=1} ./48", "back", "", "back"},
      {"Tighten/20 it/66 fully/52 up/61 ./48", "fully", "", "fully"},
      {"Keep/20 it/66 over/52 a/64 year/10 ./48", "over", "", "over"},
      {"Give/20 it/66 back/52 me/78 ./48", "back", "", "back"},
      // "there" at any place.
      {"There/52 valve/10 is/24 ./48", "There", "There: suggestion=\"their\" message=311 ruleId=3131", "There"},
      // The sentence start is not rewritten: "only" gets its own row there.
      {"Only/52 use/20 oil/16 ./48", "Only", "Only: message=304 ruleId=1239", "Only"},
      // Inside the sentence "only", "backward" and "very" take the chains of
      // "also", "forward" and "too", and keep their own text.
      {"Use/20 it/66 only/52 if/70 hot/30 ./48", "only", "only: message=302 entryWords=2 ruleId=4153\nif: wordClass=40",
       "if"},
      {"Set/20 it/66 in/75 backward/52 mode/10 ./48", "backward",
       "backward: suggestion=\"the BACKWARD position\" message=323 ruleId=5959 verbForm=X", "backward"},
      {"It/66 is/24 very/52 useful/30 ./48", "very",
       "very: suggestion=\"applicable/serviceable\" message=324 entryWords=2 ruleId=1835\nuseful: wordClass=40", "useful"},
      // A letter without a group, and a word of a group without a chain.
      {"Turn/20 it/66 carefully/52 ./48", "carefully", "", "carefully"},
      // *there may be*: three words covered, then two more passed over.
      {"There/52 may/28 be/25 a/64 leak/10 in/75 it/66 ./48", "There",
       "There: message=335 entryWords=3 ruleId=4136\nmay: wordClass=40\nbe: wordClass=40", "leak"},
      {"There/52 may/28 be/25 ./48", "There", "There: message=335 entryWords=3 ruleId=4136\nmay: wordClass=40\nbe: wordClass=40",
       "@@END"},
      {"There/52 must/28 be/25 a/64 leak/10 ./48", "There", "", "be"},
      // *put back in place*: the finding on "put" covers the phrase; the walk
      // goes on after it.
      {"Put/20 back/52 in/60 place/10 ./48", "back",
       "Put: suggestion=\"in the correct position\" message=313 entryWords=4 ruleId=4664\nin: wordClass=40\n"
       "place: wordClass=40", "place"},
      // The rows that end with "clear": the word's own codes go.
      {"Cut/20 away/52{msg=333 sub=333} metal/10 ./48", "away",
       "Cut: suggestion=\"remove/cut/removal\" message=315 entryWords=2 ruleId=1845\naway: subClass=0 message=0", "away"},
  };
  RunBodyCases(ApplyAdverbRules, kCases);
}

TEST(AdverbFrame, SteDictionary) {
  static const struct {
    const char* text;
    unsigned char ste;
    const char* changes;
  } kCases[] = {
      {"Turn/20 it/66 just/52 right/43 ./48", 0, ""},
      {"Turn/20 it/66 just/52 right/43 ./48", 1, "just: message=304 ruleId=8896"},
      {"Do/20 it/66 just/52 as/54 shown/22 ./48", 0, "just: suggestion=\"when\" message=313 entryWords=2 ruleId=3232"},
      {"Put/20 it/66 just/52 inside/75 ./48", 1,
       "just: suggestion=\"(Give a distance)\" message=305 entryWords=2 ruleId=8896\ninside: wordClass=40"},
  };
  for (const auto& k : kCases) {
    SCOPED_TRACE(testing::Message() << k.text << " ste=" << int{k.ste});
    auto words = BuildWords(k.text);
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, "just"), .head = words->head(), .state = state, .steDictionary = k.ste};
    ResumeWord(c, ApplyAdverbRules(c));
    EXPECT_EQ(words->Changes(), k.changes);
  }
}

}  // namespace
