#include "engine/noun_or_verb.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/list_cases.h"

namespace {

// A word the dictionary flagged WRONG CHOICE.
#define K301 "sub=301 msg=301 msg2=301 rule=4321"

// Each case: a list, whose words of subclass 301 are checked in order, and
// what the checks change.
TEST(NounOrVerbTest, Cases) {
  RunListCases(
      {
          // A first word before a class of 20 or more is a verb; before a
          // noun it stays a noun with its message; before a neutral token it
          // is a noun without one.
          {{{"Torque", 20, "NMS**", K301}, {"tight", 30}, {".", 48}},
           "Torque: classCode=\"V0**\" subClass=300 message=300"},
          {{{"Torque", 20, "NMS**", K301}, {"bolts", 11}, {".", 48}}, "Torque: wordClass=10 message2=0"},
          {{{"Torque", 20, "NMS**", K301}, {"X1", 40}, {".", 48}},
           "Torque: wordClass=10 subClass=0 message=0 message2=0"},
          // A verb form in mid-sentence becomes neutral.
          {{{"It", 66}, {"torques", 21, "NMS**", K301}, {"updates", 21, "NMS**", K301}}, "torques: wordClass=40\nupdates: wordClass=10 subClass=0 message=0 message2=0"},
          // An -ng ending makes an adjective that keeps its message.
          {{{"A", 64}, {"sparing", 35, "NMS**", K301}, {"use", 20}}, "sparing: wordClass=30"},
          // A contraction mark gives an abbreviation.
          {{{"It", 66}, {"xyz", 35, "NMS**", "sub=301 msg=301 extra=4"}, {"now", 50}},
           "xyz: wordClass=45 subClass=0 message=309 ruleId=3942"},
          // A noun mark; a split word before no noun or modal is unchanged.
          {{{"Use", 20}, {"locks", 20, "NMS**", "sub=301 msg=301 sug=lock(n)"},
            {"seat", 20, "NMS**", "sub=301 msg=301 split=4"}, {"now", 50}}, "locks: wordClass=11 subClass=0 message=0"},
          // A code with '3': with a suggestion it confirms, in mid-sentence it is a noun.
          {{{"Use", 20}, {"valve", 10, "NMS3*", "sub=301 sug=tap"}, {"now", 50}}, "valve: message=301 message2=301"},
          {{{"Use", 20}, {"valve", 20, "NMS3*", "sub=301 msg=301"}, {"now", 50}},
           "valve: classCode=\"N**\" wordClass=10 message2=301"},
          {{{"It", 66}, {"never", 45, "NMS**", K301}, {"fails", 21}},
           "never: classCode=\"SN**\" wordClass=29 subClass=0 message=0 message2=0"},
          {{{"torque", 20, "NMS**", "sub=301 msg=301 pos=3"}}, "torque: classCode=\"V0**\"", false},
          // Later words made nouns by their neighbours.
          {{{"It", 66}, {"well-fit", 10, nullptr, "sub=301 msg=301 msg2=301"}, {"valve", 10}, {"Use", 20},
            {"open", 30, nullptr, "sub=301 msg=301 msg2=301 sug=x"}, {"valve", 10}, {"It", 66},
            {"guard", 18, nullptr, "sub=301 msg=301 msg2=301"}, {"the", 64}, {"It", 66},
            {"lock nut", 18, nullptr, "sub=301 msg=301 msg2=301"}, {"the", 64}},
           "well-fit: subClass=0 message=0 message2=0\n"
           "open: suggestion=\"\" classCode=\"NMS**\" wordClass=10 subClass=0 message=0 message2=0\n"
           "guard: classCode=\"NMS*\" wordClass=10 subClass=0 message=0 message2=0"},
      },
      [](TestWords& words) {
        std::vector<WordRec*> checked;
        for (WordRec* w = words.head(); w; w = w->next)
          if (w->subClass == 301) checked.push_back(w);
        for (WordRec* w : checked) CheckNounOrVerb(w);
        return words.Changes();
      });
  CheckNounOrVerb(nullptr);
}

}  // namespace
