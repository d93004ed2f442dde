#include "rules/main_pass/sentence_length.h"

#include <gtest/gtest.h>

#include "tests/rules/rule_cases.h"

namespace {

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
  };
  for (const auto& c : cases) {
    auto words = BuildWords(c.text);
    GiveHeldSentenceLengths(words->head());
    EXPECT_EQ(words->Changes(), c.changes) << c.text;
  }
}

}  // namespace
