// The rules of the modal and auxiliary verbs (class 28): the frame every word
// passes, the families of "can", "do", "may", "must", "shall" and "will", and
// their phrase tables.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "rules/main/modal_families.h"
#include "tests/rules/table_cases.h"

namespace {

void NoSubject(SentenceStateRec& s) { s.subjectNumber = -1; }

TEST(ModalRules, Bodies) {
  RunBodyCases(ApplyModalRules, {
      // Before a sentence end, a comma, inner punctuation, an -ed word or the end of the text.
      {"it/66 can/28 ./48", "can", "can: message=335 ruleId=5726", "can"},
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
      {"a/40 can/28{mark=1} b/10 ./48", "can", "can: wordClass=10", "can"},
      {"a/40 can/28 not/29 open/20 ./48", "can", "", "can"},
      {"a/40 can/28 bus/10 b/10 ./48", "can", "can: suggestion=\"CANbus\" message=311 entryWords=2 ruleId=4816", "bus"},
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
      {"a/40 may/28{sug=old} open/20 ./48", "may",
       "may: suggestion=\"can/(Rephrase)\" wordClass=20 message=300 ruleId=3713", "may"},
      {"a/40 might/28 be/25 used/22 here/52 ./48", "might",
       "might: suggestion=\"can be used/is used\" wordClass=20 message=300 entryWords=3 ruleId=3713\nbe: "
       "wordClass=40\nused: wordClass=40", "used"},
      // A phrase without advice of its own gets the general one.
      {"a/40 may/28{sug=old} have/25 been/27 open/30 ./48", "may",
       "may: suggestion=\"can/(Rephrase)\" wordClass=20 message=300 entryWords=3 ruleId=3713\nhave: "
       "wordClass=40\nbeen: wordClass=40", "been"},
      {"a/40 must/28 and/63 b/10 ./48", "must", "must: wordClass=20 message=335 ruleId=5381", "must"},
      // "must no longer": the advice without a message, nothing passed over.
      {"a/40 must/28 no/77 longer/52 open/20 ./48", "must",
       "must: suggestion=\"must not\" wordClass=20 entryWords=3", "must"},
      {"a/40 must/28 never/77 open/20 ./48", "must",
       "must: suggestion=\"must not\" wordClass=20 message=335 entryWords=2 ruleId=2815\nnever: wordClass=40", "never"},
      // "be" and a participle: the walk goes on after the participle.
      {"a/40 must/28 be/25 moved/31 c/40 ./48", "must", "must: wordClass=20", "moved"},
      // Two more words are passed over after the covered ones, up to the end.
      {"a/40 must/28 be/25 kept/22 c/40 d/40 e/40 ./48", "must",
       "must: wordClass=20 message=330 entryWords=3 ruleId=2815\nbe: wordClass=40\nkept: wordClass=40", "d"},
      {"a/40 must/28 be/25 able/30 to/68 open/20 ./48", "must",
       "must: suggestion=\"must/can\" wordClass=20 message=330 entryWords=3 ruleId=5825\nbe: wordClass=40\nable: "
       "wordClass=40", "able"},
      {"an/64 must/28 open/20 ./48", "must", "must: wordClass=20 message=313 ruleId=4281", "must"},
      // The finding covers "caution must be taken", no word after it.
      {"caution/10 must/28 be/25 taken/22 when/70 ./48", "must",
       "caution: suggestion=\"be careful\" message=313 entryWords=4 ruleId=2185\nmust: "
       "wordClass=40\nbe: wordClass=40\ntaken: wordClass=40", "taken"},
      // A word with a negative sentence position: the phrases of that position only.
      {"a/40 must/28{pos=-1} be/25 opening/23{plural=0} it/66 ./48", "must",
       "must: suggestion=\"must open\" wordClass=20 message=338 entryWords=3 ruleId=5263\nbe: "
       "wordClass=40\nopening: suggestion=\"open\" wordClass=40", "opening"},
      {"an/64 must/28{pos=-1} open/20 ./48", "must", "must: wordClass=20", "must"},
      {"a/40 should/28 open/20 ./48", "should", "should: suggestion=\"can/must\" wordClass=20 message=335 ruleId=3713",
       "should"},
      {"a/40 shall/28 result/10 in/75 b/10 ./48", "shall",
       "shall: suggestion=\"can cause\" wordClass=20 message=335 entryWords=3 ruleId=5817\nresult: wordClass=40\nin: "
       "wordClass=40", "in"},
      {"a/40 will/28 opens/21 ./48", "will", "will: message=335 ruleId=4816", "will"},
      // "want" and "will" as nouns, and the noun after them.
      {"a/40 want/28 valve/10 b/40 ./48", "want", "valve: message=324 ruleId=4315", "valve"},
      {"the/64 will/28 open/20 ./48", "will",
       "will: suggestion=\"(Legal document or emotion)\" message=324 ruleId=4315", "will"},
      // An adverb before "be".
      {"a/40 would/28 also/50 be/25 open/30 ./48", "would",
       "would: suggestion=\"(Rephrase)\" message=335 entryWords=3 ruleId=4315\nalso: wordClass=40\nbe: wordClass=40",
       "be"},
      {"who/69 will/28 open/30 ./48", "will", "who: message=312 entryWords=2 ruleId=3137", "will"},
      // "would" + base form: the real -s form; a verb in 'y' gets none; a
      // verb no dictionary holds gets its -s form as a hint.
      {"valve/10 would/28 fix/20{extra=1} ./48", "would",
       "would: suggestion=\"fixes\" message=335 entryWords=2 ruleId=4736\nfix: wordClass=40", "fix"},
      {"valve/10 would/28 go/20{extra=1} ./48", "would",
       "would: suggestion=\"goes\" message=335 entryWords=2 ruleId=4736\ngo: wordClass=40", "go"},
      {"valve/10 would/28 go/20 ./48", "would",
       "would: suggestion=\"(goes)\" message=335 entryWords=2 ruleId=4736\ngo: wordClass=40", "go"},
      {"valve/10 would/28 carry/20 ./48", "would", "would: message=335 entryWords=2 ruleId=4736\ncarry: wordClass=40",
       "carry"},
      {"valves/11 would/28 fix/20 ./48", "would",
       "would: suggestion=\"fix\" message=335 entryWords=2 ruleId=4736\nfix: wordClass=40", "fix"},
      {"valve/10 would/28 fix/20{sub=1} ./48", "would", "would: suggestion=\"can/(Rephrase)\" message=300 ruleId=4315",
       "would"},
  });
}

TEST(ModalRules, Rows) {
  static const TableCase kRowCases[] = {
      {CanPhraseRows(), {"a/40 can/28 now/52 be/25", "can", 0, nullptr}},
      {CanPhraseRows(), {"a/40 can/28 light/10", "can", 12,
       "can: suggestion=\"illuminate/cause a fire\" message=335 entryWords=2 ruleId=185"}},
      {CanPhraseRows(), {"a/40 can/28 being/25 opening/23{sub=1}", "can", -1, nullptr}},
      {CanPhraseRows(), {"a/40 can/28 not/29 be/40 moved/22 for/65", "can", 4, nullptr}},
      {CanPhraseRows(), {"a/40 Can/28 help/20 Open/20", "Can", 34,
          "Can: suggestion=\"Can help\" message=335 entryWords=3 ruleId=185"}},
      {DoPhraseRows(), {"a/40 do/28 as/54 much/38", "do", 0, "do: message=335 entryWords=3 ruleId=7814"}},
      {DoPhraseRows(), {"a/40 b/40 does/28 dry/20", "does", -1, nullptr}},
      {DoPhraseRows(), {"a/40 do/28 if/70", "do", 4, "do: suggestion=\"do\" message=335 entryWords=2 ruleId=7814"}},
      {MayPhraseRows(), {"a/40 may/28 lead/10 to/68", "may", 0, nullptr}},
      {MayPhraseRows(), {"a/40 may/28 just/52", "may", 36, nullptr}},
      {MayPhraseRows(), {"a/40 may/28 open/20", "may", -1, nullptr}},
      {MustPhraseRows(), {"a/40 must/28 have/25 been/27", "must", 0, nullptr}},
      {MustPhraseRows(), {"a/40 must/28 also/52 be/25", "must", 7,
          "must: suggestion=\"can be\" message=335 entryWords=3 ruleId=2815"}},
      {MustPhraseRows(), {"a/40 must/28 open/20", "must", -1, nullptr}},
      // The base form is built from the -ing word; without one, "must" alone gets the finding.
      {MustOffsetRows(), {"a/40 must/28 none/29 be/25 opening/23{plural=0}", "must", 0,
       "must: suggestion=\"must not open\" message=338 entryWords=3 ruleId=5262\nopening: suggestion=\"open\""}},
      {MustOffsetRows(), {"a/40 must/28 none/29 be/25 opening/23{plural=NUL}", "must", 0,
          "must: message=338 ruleId=5262"}},
      {MustOffsetRows(), {"a/40 must/28 none/29 be/25 opening/23{sub=5}", "must", -1, nullptr}},
      {MustOffsetRows(), {"a/40 must/28 be/25 fixing/23{plural=2}", "must", 1,
       "must: suggestion=\"must fix\" message=338 entryWords=3 ruleId=5263\nfixing: suggestion=\"fix\""}},
      {ShallPhraseRows(), {"a/40 shall/28 remain/20", "shall", 0, nullptr}},
      {ShallPhraseRows(), {"a/40 shall/28 result/10 from/67", "shall", 2,
          "shall: message=330 entryWords=3 ruleId=5915"}},
      {ShallPhraseRows(), {"a/40 shall/28 not/29 be/25 able/30 to/68", "shall", 8, nullptr}},
      {ShallPhraseRows(), {"a/40 shall/28 also/52 be/25", "shall", 24, nullptr}},
      {ShallPhraseRows(), {"a/40 shall/28 be/25 open/30", "shall", -1, nullptr}},
      {WillPhraseRows(), {"a/40 will/28 test/20", "will", 0, nullptr}},
      {WillPhraseRows(), {"a/40 will/28 not/29 be/25 able/30 to/68", "will", 10, nullptr}},
      {WillPhraseRows(), {"a/40 will/28 be/25 opening/23", "will", 37, nullptr}},
      {WillPhraseRows(), {"a/40 will/28 have/25 moved/22", "will", 44,
          "will: suggestion=\"has\" message=335 entryWords=2 ruleId=7626"}},
      {WillPhraseRows(), {"a/40 will/28{pos=-1} have/25 moved/22", "will", -1, nullptr}},
      {WillPhraseRows(), {"a/40 will/28 help/20 to/68", "will", 46, nullptr}},
  };
  RunTableCases(kRowCases);
}

}  // namespace
