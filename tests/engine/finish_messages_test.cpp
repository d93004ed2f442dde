#include "engine/finish_messages.h"

#include <gtest/gtest.h>

#include "tests/engine/list_cases.h"

namespace {

// Each case: a list and what the finishing pass changes in it.
TEST(FinishMessagesTest, Cases) {
  RunListCases(
      {
          // The sentence length keeps both codes.
          {{{"Remove", 20, nullptr, "msg=328 msg2=330 rule=7655"}, {"it", 66}, {".", 48}}, "Remove: subClass=328"},
          // "max." becomes "maximum"; "psi" stays.
          {{{"Set", 20}, {"max.", 40, nullptr, "msg=309 entry=2"}, {"psi", 45, nullptr, "msg=309"}, {".", 48}},
           "max.: suggestion=\"maximum\" tag=\"<AR>\" wordClass=45 message=311 entryWords=1 ruleId=7669\n"
           "psi: subClass=309"},
          // After a number "min" is the unit of time: no finding.
          {{{"Wait", 20}, {"10", 49}, {"min", 40, nullptr, "msg=309 sub=309"}, {".", 48}},
           "min: subClass=0 message=0"},
          // Abbreviations and slashes; after "=" a word is left alone.
          {{{"Use", 20}, {"abcd", 40, nullptr, "msg=309"}, {"abc/d", 40, nullptr, "msg=309"}, {"=", 40},
            {"xyz", 40, nullptr, "msg=309"}, {".", 48}},
           "abcd: wordClass=45 ruleId=8765\nabc/d: message=337 ruleId=7865\nxyz: subClass=309"},
          // A wrong verb after an article is a wrong choice.
          {{{"Open", 20}, {"a", 64}, {"service", 20, nullptr, "msg=300 sub=300 msg2=1"}, {"now", 50}, {".", 48}},
           "service: wordClass=10 subClass=0 message=301 message2=0 ruleId=6594"},
          {{{"Service", 20, nullptr, "msg=300"}, {"the", 64}, {"unit", 10}, {"e.g.", 20, nullptr, "msg=300"},
            {"seeing", 23, nullptr, "msg=300"}, {".", 48}},
           "Service: ruleId=6596\ne.g.: wordClass=40 message=301 ruleId=6594\nseeing: message=338 ruleId=6495"},
          // "much" before a plural is agreement.
          {{{"Use", 20}, {"much", 50, nullptr, "msg=311 rule=12"}, {"bolts", 11}, {".", 48}}, "much: message=303"},
          // A dash mark gives punctuation on one word; a mark at the start
          // leaves nothing to cut before it.
          {{{"valve~", 10, nullptr, "msg=310 entry=3 sug=x"}, {"~x", 10, nullptr, "msg=310"}, {"stop", 20}, {".", 48}},
           "valve~: written=\"valv\" suggestion=\"(Do not use EM or EN dash)\" message=337 entryWords=1 length=4 ruleId=4086\n~x: suggestion=\"(Do not use EM or EN dash)\" message=337 ruleId=4086"},
          // "said" clears the previous word.
          {{{"He", 66, nullptr, "msg=312"}, {"said", 20, nullptr, "msg=304"}, {".", 48}}, "He: message=0\nsaid: message=0"},
          // A locked word ends without a message.
          {{{"Stop", 20, nullptr, "msg=301 verb=q rule=5"}, {"nuts", 11, nullptr, "sub=314 msg=314 verb=q"}, {".", 48}},
           "Stop: message=0\nnuts: subClass=0 message=0"},
          // Split words; a dictionary subclass is not a key.
          {{{"John's", 10, nullptr, "split=2"}, {"valve", 10, nullptr, "sub=14 msg=301"}, {"side", 10, nullptr, "sub=3"},
            {".", 48}}, "John's: message=310 ruleId=4576\nvalve: subClass=0\nside: subClass=0"},
          // Hyphenation and punctuation.
          {{{"AC", 40}, {"x", 40, nullptr, "msg=317 split=6"}, {"DC", 40}, {"y", 40, nullptr, "msg=317 split=6"},
            {"z", 40}, {"well-made", 30, nullptr, "msg=317"}, {"12", 49, nullptr, "msg=337"}, {".", 48}},
           "x: ruleId=26031\ny: message=337 ruleId=26031\nwell-made: message=0\n12: message=0"},
          {{{"blorf", 40, nullptr, "sub=325 msg=325 msg2=325 rule=9"}, {"viii", 40, nullptr, "msg=308 split=4"},
            {".", 48}}, "blorf: subClass=0 message2=0 ruleId=325\nviii: ruleId=3089"},
          {{{"x", 40, nullptr, "msg=325"}}, "x: ruleId=325", false},
          // Wrong choices by class and form.
          {{{"Use", 20}, {"seeing", 23, nullptr, "msg=301 rule=5"}, {"high-end", 30, nullptr, "msg=301 rule=6"},
            {"top", 30, nullptr, "msg=301 split=4 rule=7"}, {"big", 30, nullptr, "msg=301 rule=8"},
            {"doing", 23, nullptr, "msg=301 mark=1 rule=9"}, {".", 48}},
           "seeing: message=338 ruleId=9995\nhigh-end: message=317\ntop: message=327"},
          // Codes settled by the word itself.
          {{{"Avoid", 20}, {"injury", 10, nullptr, "msg=307 rule=5"}, {"he", 66, nullptr, "msg=312 msg2=7 rule=6"},
            {"Set", 20, nullptr, "sub=315 rule=4"}, {"Go", 20, nullptr, "sub=315 extra=~ rule=4"},
            {"went", 22, nullptr, "msg=322 rule=3"}, {"being", 23, nullptr, "msg=322 rule=2"},
            {"open", 30, nullptr, "msg=322 rule=1"}, {"START", 40, nullptr, "msg=323 token=9"},
            {"STOP", 40, nullptr, "msg=323 rule=11"}, {".", 48}},
           "injury: ruleId=307\nhe: message2=0\nSet: subClass=0 message=316\nGo: subClass=0\nwent: message=300\n"
           "being: message=338\nSTART: subClass=323"},
          // An apostrophe between split words and before a tag.
          {{{"John", 10, nullptr, "msg=310 sep=9 rule=1"}, {"s", 10, nullptr, "msg=310 sug=x"}, {"<ref>", 40},
            {".", 48}}, "John: ruleId=4086\ns: suggestion=\"\" message=0"},
      },
      [](TestWords& words) {
        FinishMessages(words.head());
        return words.Changes();
      });
  EXPECT_EQ(FinishMessages(nullptr), 0);
}

}  // namespace
