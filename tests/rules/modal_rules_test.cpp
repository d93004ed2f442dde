// The rules of the modal and auxiliary verbs: the frame every class-28 word
// passes, and the families of "can" and "do" with their phrase tables.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/modal_families.h"
#include "tests/rules/rule_cases.h"

namespace {

void NoSubject(SentenceStateRec& s) { s.subjectNumber = -1; }

TEST(ModalRules, Frame) {
  RunBodyCases(ApplyModalRules, {
      // Before a sentence end, a comma, inner punctuation, an -ed word or the end of the text.
      {"it/66 can/28 ./48", "can", "can: message=335 ruleId=5726", "can"},
      {"it/66 must/28 moved/22 b/10 ./48", "must", "must: message=335 ruleId=5726", "must"},
      {"it/66 can/28 max/45 b/10 ./48", "can", "can: message=335 ruleId=5726\nmax: message=300 ruleId=4015", "can"},
      {"it/66 can/28 b/10{mark=1} ./48", "can", "", "can"},
      // A word of a family's letter that the family does not name.
      {"it/66 mix/28 b/10 ./48", "mix", "", "mix"},
      {"it/66 ought/28 b/10 ./48", "ought", "", "ought"},
      // At the sentence start: a question unless a '?' follows.
      {"Can/28 b/10 c/40 ./48", "Can", "Can: suggestion=\"(Avoid question format)\" message=302 ruleId=5112", "Can"},
      {"Can/28 b/10 c/40 ?/48 d/40", "Can", "?: wordClass=40", "Can"},
      {"Did/28 b/10 ./48", "Did", "Did: suggestion=\"(Avoid question format)\" message=302 ruleId=5212", "Did"},
      {"Did/28 b/10 c/40 ?/48", "Did", "Did: message=302 ruleId=5112\n?: wordClass=40", "Did"},
      {"Doing/28 b/10 ./48", "Doing", "Doing: message=300 ruleId=5112", "Doing"},
      {"Must/28 b/10 ?/48", "Must", "Must: message=302 ruleId=7112\n?: wordClass=40", "Must"},
      {"Must/28 b/10 ./48", "Must", "Must: message=335 ruleId=4625", "Must"},
  });
}

TEST(ModalRules, CanFamily) {
  RunBodyCases(ApplyModalRules, {
      {"a/40 can/28{mark=1} b/10 ./48", "can", "can: wordClass=10", "can"},
      {"a/40 can/28 not/29 open/20 ./48", "can", "", "can"},
      {"a/40 can/28 bus/10 b/10 ./48", "can", "can: suggestion=\"CANbus\" message=311 entryWords=2 ruleId=4816", "bus"},
      {"a/40 cannot/28 nothing/29 ./48", "cannot", "cannot: message=334 ruleId=8114", "cannot"},
      // "not" ends the rules of the family before the negative is judged.
      {"a/40 cannot/28 not/29 ./48", "cannot", "", "cannot"},
      // A phrase: its finding, the covered words passed over.
      {"a/40 can/28 be/25 done/22 ./48", "can",
       "can: suggestion=\"you can do\" message=335 entryWords=3 ruleId=2815\nbe: wordClass=40\ndone: wordClass=40",
       "done"},
      {"a/40 can/28 result/10 ./48", "can",
       "can: suggestion=\"can cause xxxx/(Delete)\" message=335 entryWords=2 ruleId=185\nresult: wordClass=40",
       "result"},
      // No phrase: "could" is a wrong verb; "CAN" names a bus before "data".
      {"a/40 could/28 open/20 ./48", "could", "could: suggestion=\"can\" message=300 ruleId=5116", "could"},
      {"a/40 CAN/28 data/10 ./48", "CAN", "", "data"},
  });
}

TEST(ModalRules, CanPhrases) {
  RunRowCases(CanPhraseRows(), {
      {"a/40 can/28 now/52 be/25", "can", 0, nullptr},
      {"a/40 can/28 not/29 have/25 done/22", "can", 3, "can: message=335 entryWords=3 ruleId=185"},
      {"a/40 can/28 light/10", "can", 12,
       "can: suggestion=\"illuminate/give illumination/cause a fire\" message=335 entryWords=2 ruleId=185"},
      {"a/40 can/28 be/25 connected/22", "can", 22, "can: message=335 entryWords=3 ruleId=185"},
      {"a/40 can/28 being/25 opening/23{sub=1}", "can", -1, nullptr},
      {"a/40 can/28 not/29 be/40 moved/22 for/65", "can", 4, nullptr},
      {"a/40 Can/28 help/20 Open/20", "Can", 34, "Can: suggestion=\"Can help\" message=335 entryWords=3 ruleId=185"},
  });
}

TEST(ModalRules, DoFamily) {
  RunBodyCases(ApplyModalRules, {
      {"a/40 doing/28 so/71 b/10 ./48", "doing", "doing: wordClass=23 message=321 entryWords=2 ruleId=8112\nso: wordClass=40",
       "so"},
      {"a/40 doing/28 it/66 ./48", "doing",
       "doing: suggestion=\"do/does/who does/to do\" wordClass=23 message=335 ruleId=2811", "doing"},
      {"a/40 did/28 enough/38 b/10 ./48", "did", "did: message=321 entryWords=2 ruleId=7112\nenough: wordClass=40",
       "enough"},
      {"a/40 did/28 not/29 open/20 ./48", "did", "", "did"},
      {"a/40 did/28 never/77 open/20 ./48", "did", "did: suggestion=\"did not\" entryWords=2\nnever: wordClass=40",
       "never"},
      {"a/40 b/40 has/24 did/28 c/10 ./48", "did",
       "has: suggestion=\"has/had\" message=335 entryWords=2 ruleId=3811", "did"},
      {"a/40 does/28 not/29 open/20 ./48", "does", "does: wordClass=21", "not", NoSubject, "subjectNumber=1"},
      {"a/40 do/28 open/20 ./48", "do", "do: wordClass=20 message=304 ruleId=4818", "do", NoSubject, "subjectNumber=0"},
      {"a/40 does/28 they/66 b/10 ./48", "does",
       "does: suggestion=\"(Remove question)\" wordClass=21 message=335 entryWords=2 ruleId=7814\nthey: wordClass=40",
       "they", nullptr, "subjectNumber=1"},
      {"a/40 what/60 do/28 b/10 ./48", "do", "what: message=313 entryWords=2 ruleId=3483\ndo: wordClass=20", "do"},
      {"a/40 b/40 c/40 done/28 ./48", "done", "done: message=335 ruleId=5726", "done"},
  });
}

TEST(ModalRules, DoPhrases) {
  RunRowCases(DoPhraseRows(), {
      {"a/40 do/28 as/54 much/38", "do", 0, "do: message=335 entryWords=3 ruleId=7814"},
      {"a/40 b/40 do/28 dry/20", "do", 1, nullptr},
      {"a/40 b/40 does/28 dry/20", "does", -1, nullptr},
      {"a/40 do/28 if/70", "do", 4, "do: suggestion=\"do\" message=335 entryWords=2 ruleId=7814"},
  });
}

}  // namespace
