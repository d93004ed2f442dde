#include "rules/main_pass/sentence_length.h"

#include <gtest/gtest.h>

#include "engine/sentence_measures.h"
#include "engine/tokenizer.h"
#include "tests/rules/rule_cases.h"

namespace {

// "Open it." and a sentence of `n` words, the i-th of them `word(i)`.
template <typename Word>
std::string AfterOpenIt(int n, Word word) {
  std::string s = "Open/20 it/66 ./48";
  for (int i = 0; i < n; ++i) s += " " + std::string(word(i));
  return s + " ./48";
}

// ... that opens with `first`, then fillers that get no rule of their own.
std::string AfterShortSentence(const char* first, int words) {
  return AfterOpenIt(words, [first](int i) { return i == 0 ? first : "word/36"; });
}

// ... of `n` placeholders for markup and the commas between them.
std::string PlaceholderList(int n) {
  return AfterOpenIt(2 * n - 1, [](int i) { return i % 2 ? ",/47" : "<Ref>/40"; });
}

// ... of `n` references read by their names.
std::string NameList(int n) {
  return AfterOpenIt(n, [](int i) { return "&n" + std::to_string(i) + ";/40{text=n" + std::to_string(i) + "}"; });
}

// Before the rules every sentence is measured, wherever the walk of the
// rules goes: 22 weighted words are too long, 21 are not. The first of the
// writer's words holds the finding: past placeholders, signs, options,
// numbers and the words that join them into a list.
TEST(HeldSentenceLength, HeldByTheFirstWordThatCanCarryIt) {
  const struct {
    std::string text;
    const char* changes;
  } cases[] = {
      {AfterShortSentence("Remove/20", 23), "Remove: sentenceLength=22 heldLength=22"},
      {AfterShortSentence("Remove/20", 22), ""},
      {AfterShortSentence("Remove/20{msg=325}", 30), "Remove: sentenceLength=29 heldLength=29"},
      {AfterShortSentence("12/49", 23), "word: heldLength=22"},
      {AfterShortSentence("<Ref>/40", 23), "word: heldLength=22"},
      // A quotation read as one token opens a sentence as first in the text.
      {AfterShortSentence("<\"IP\">/40", 23), "word: heldLength=22"},
      {AfterShortSentence("Tool/10{mark=1}", 23), "Tool: sentenceLength=22 heldLength=22"},
      // The first sentence, as the pass's start measured it.
      {"Remove/20" + AfterShortSentence("", 23).substr(19), "Remove: heldLength=22"},
      // The full stop of a closing element after a colon.
      {std::string("Do/20 this/76 :/48 ./48 Remove/20") + AfterShortSentence("", 23).substr(19),
       "Remove: sentenceLength=22 heldLength=22"},
      // Past the words that join names into a list, and a number after them.
      {AfterShortSentence("<ref>/40 ,/47 <Ref>/40 and/63 <Ref>/40 Tool/10{mark=1}", 19),
       "Tool: heldLength=22"},
      {AfterShortSentence("HTML5/40 and/63 XHTML/40", 21), "XHTML: heldLength=22"},
      {AfterShortSentence("<Ref>/40 12/49", 22), "word: heldLength=22"},
      // "And" that opens a sentence is a word of it.
      {AfterShortSentence("And/63", 23), "And: sentenceLength=22 heldLength=22"},
      // Signs, options and brackets are passed over; none where nothing
      // else follows, nor on a short sentence.
      {AfterShortSentence("<Ref>/40 -/40 <Ref>/40 -/40 Tool/10", 22), "Tool: heldLength=23"},
      {AfterShortSentence("<Ref>/40 --all/40 ,/47 [/40 Tool/10", 22), "Tool: heldLength=23"},
      {AfterShortSentence("<Ref>/40 ,/47 <Ref>/40", 20), ""},
      {PlaceholderList(23), ""},
      // A reference read by its name carries it where words follow; a list
      // of such names alone gets none.
      {AfterShortSentence("&prod;/40{text=prod}", 23), "&prod;: sentenceLength=22 heldLength=22"},
      {NameList(23), ""},
      // A mark the tokenizer counts on from ends no sentence ("e.g<b>.</b>,").
      {std::string("Open/20 it/66 ./48 ,/47{pos=4}") + AfterShortSentence("", 23).substr(19),
       ""},
  };
  for (const auto& c : cases) {
    auto words = BuildWords(c.text.c_str());
    CountSentenceWords(words->head(), 0);
    words->Snapshot();
    HoldSentenceLengths(words->head());
    EXPECT_EQ(words->Changes(), c.changes) << c.text;
  }
}

// The length finding a word holds for markup that opens its sentence is
// given once the rules have judged the word: beside a finding of its own,
// over the words of one that covers it, or not at all on a number.
TEST(HeldSentenceLength, GivenBesideTheWordsOwnFindings) {
  const struct {
    const char* text;
    const char* changes;
  } cases[] = {
      {"<Ref>/40 gives/20{held=25} it/66 ./48", "gives: message=328 ruleId=7655 sentenceLength=25 heldLength=0"},
      // A finding of one word goes behind it, its advice kept.
      {"<Ref>/40 utilizes/20{held=25 msg=301 sug=uses rule=40} it/66 ./48",
       "utilizes: subClass=301 message=328 message2=301 ruleId=7655 sentenceLength=25 heldLength=0"},
      // A finding of several words gives its marker: its words and advice stay.
      {"<Ref>/40 may/28{held=24 msg=300 entry=3 sug=can_be_used} be/24 used/22 ./48",
       "may: subClass=300 message=328 message2=300 ruleId=7655 sentenceLength=24 heldLength=0"},
      {"<Ref>/40 as_follows/50{text=as_follows held=24 msg=301 sug=:} ./48",
       "as follows: subClass=301 message=328 message2=301 ruleId=7655 sentenceLength=24 heldLength=0"},
      // So does a finding of an earlier word that covers it.
      {"<Ref>/40 ,/47{msg=337 entry=3} and/63 go/20{held=23} ./48",
       ",: subClass=337 message=328 message2=337 ruleId=7655 sentenceLength=23\ngo: heldLength=0"},
      // So does the finding of the markup before it, which the marking puts
      // on it; not where it has a finding of its own.
      {"<Ref>/40{msg=300} ,/47 <Ref>/40 There/58{held=25} are/24 ./48",
       "<Ref>: subClass=300 message=328 message2=300 ruleId=7655 sentenceLength=25\nThere: heldLength=0"},
      {"<Ref>/40{msg=300} There/58{held=25 msg=325} are/24 ./48",
       "There: subClass=325 message=328 message2=325 ruleId=7655 sentenceLength=25 heldLength=0"},
      // A phrase without a finding carries it on its first word.
      {"<Ref>/40 as_follows/50{text=as_follows sug=x held=23} ./48",
       "as follows: text=\"as\" written=\"as\" suggestion=\"(x)\" message=328 length=2 ruleId=7655 "
       "sentenceLength=23 heldLength=0"},
      // Refused on a number, which keeps what it had.
      {"<Ref>/40 12/49{held=23 msg=308 entry=2} volts/10 ./48", "12: heldLength=0"},
      // A single word has no advice where it has no finding.
      {"Advise/20{held=23 sug=recommend} on/75 ./48",
       "Advise: suggestion=\"\" message=328 ruleId=7655 sentenceLength=23 heldLength=0"},
  };
  for (const auto& c : cases) {
    auto words = BuildWords(c.text);
    GiveHeldSentenceLengths(words->head());
    EXPECT_EQ(words->Changes(), c.changes) << c.text;
  }
}

// The length finding holds whole words. Where the finding of the words
// that hold it keeps a marker of its own (a number's, one on a piece of a
// word), the next word that can carry it after them holds it; a word the
// check split at a hyphen or an apostrophe holds it with the rest of the
// word, where the rest has no finding of its own.
TEST(HeldSentenceLength, GivenToWholeWords) {
  const struct {
    const char* checked;  // the text the words stand in
    const char* text;
    const char* changes;
  } cases[] = {
      {"10 mm bolts hold it.", "10/49{held=24 msg=317 entry=2 place=0} mm/40{place=3} bolts/11{place=6} hold/20 ./48",
       "10: heldLength=0\nbolts: message=328 ruleId=7655 sentenceLength=24"},
      {"Plug-in units go.", "Plug/10{held=24 place=0} in/75{sep=- place=5} units/11{place=8} ./48",
       "Plug: written=\"Plug-in\" message=328 ruleId=7655 sentenceLength=24 heldLength=0"},
      {"PLUG-IN UNITS GO.", "PLUG/10{held=24 place=0} IN/75{place=5} UNITS/11{place=8} ./48",
       "PLUG: written=\"PLUG-IN\" message=328 ruleId=7655 sentenceLength=24 heldLength=0"},
      {"They'll go.", "They/66{held=24 place=0} ll/40{place=5} go/20{place=8} ./48",
       "They: written=\"They?ll\" message=328 ruleId=7655 sentenceLength=24 heldLength=0"},
      {"That's it.", "That/76{held=24 place=0} it/66{place=7} ./48",
       "That: written=\"That?s\" message=328 ruleId=7655 sentenceLength=24 heldLength=0"},
      // The rest of the word has a finding of its own, or the finding is
      // on a piece of the word: the next word holds it.
      {"Plug-ins can go.", "Plug/10{held=24 place=0} ins/40{sep=- msg=325 place=5} can/28{place=9} go/20 ./48",
       "Plug: heldLength=0\ncan: message=328 ruleId=7655 sentenceLength=24"},
      {"Thay'll go.", "Thay/40{held=24 msg=325 place=0} ll/40{place=5} go/20{place=8} ./48",
       "Thay: heldLength=0\ngo: message=328 ruleId=7655 sentenceLength=24"},
      {"Thay's go.", "Thay/40{held=24 msg=325 place=0} go/20{place=7} ./48",
       "Thay: heldLength=0\ngo: message=328 ruleId=7655 sentenceLength=24"},
      // A possessive's finding holds its "'s"; a plural's apostrophe ends
      // its word.
      {"That's it.", "That/76{held=24 msg=310 split=2 place=0} it/66{place=7} ./48",
       "That: subClass=310 message=328 message2=310 ruleId=7655 sentenceLength=24 heldLength=0"},
      {"Valves' caps go.", "Valves/11{held=24 place=0} caps/10{place=8} go/20 ./48",
       "Valves: message=328 ruleId=7655 sentenceLength=24 heldLength=0"},
  };
  for (const auto& c : cases) {
    CheckedText.text = c.checked;
    auto words = BuildWords(c.text);
    GiveHeldSentenceLengths(words->head());
    EXPECT_EQ(words->Changes(), c.changes) << c.text;
  }
  CheckedText.Reset();
}

}  // namespace
