// The "in" phrase rules: the table's order and fields, and the guards of
// CheckInPhrase.
#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(CheckInPhrase, Rows) {
  RunRowCases(InPhraseRows(), {
      // Advice alone.
      {"Stop/20 in/60 this/40 example/40 ./48", "in", 0, "in: suggestion=\"for example\""},
      {"Stop/20 in/60 this/66 order/10 ./48", "in", 1,
       "in: suggestion=\"in this sequence/in these steps\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 use/40 ./48", "in", 8, "in: suggestion=\"in operation/in service/operates\" message=324 ruleId=3916"},
      {"Stop/20 in/60 order/40 for/40 ./48", "in", 39, "in: suggestion=\"to\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 order/40 ./48", "in", 43,
       "in: suggestion=\"in a sequence/in a position\" message=324 ruleId=3916"},
      // "in accordance with" before the "in accord" stem.
      {"Stop/20 in/60 accordance/40 with/40 ./48", "in", 58, nullptr},
      {"Stop/20 in/60 accord/10 with/60 ./48", "in", 59,
       "in: suggestion=\"according to/refer to/as shown/agree\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 regard/10 x/40 ./48", "in", -1, ""},
      // "in all" and "in any" get "(Rephrase)".
      {"Stop/20 in/60 all/40 ./48", "in", 64, "in: suggestion=\"(Rephrase)\" message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 an/64 effort/10 ./48", "in", 67, "in: message=324 entryWords=3 ruleId=3918"},
      {"Stop/20 in/60 essence/40 ./48", "in", 87, nullptr},
      {"Stop/20 in/60 service/10 ./48", "in", -1, ""},
  });
}

// The result (1: a finding, advice alone included), and the changes.
TEST(CheckInPhrase, GuardsAndResult) {
  static const struct {
    const char* text;
    int result;
    const char* changes;
  } kCases[] = {
      {"Do/20 in/60 accordance/10{msg=301 sub=301} with/60{msg=331} it/66", 1,
       "in: suggestion=\"according to/refer to/with/for\" message=324 entryWords=3 ruleId=3918\n"
       "accordance: wordClass=40 subClass=0 message=0\nwith: wordClass=40 message=0"},
      {"Stop/20 in/60 this/66 example/10 y/40", 1, "in: suggestion=\"for example\""},
      {"Stop/20 in/60 general/30 x/40 y/40 z/40", 1, nullptr},
      {"Stop/20 in/60 general/30{code=AF****}", 0, ""},
      {"Stop/20 in/60{mark=1} use/10", 0, ""},
      {"Stop/20 in/60{split=4} use/10", 0, ""},
      {"Stop/20 in/60 use/78", 0, ""},
      {"Stop/20 in/60", 0, ""},
      // A phrase at the very end covers no more than the words there are.
      {"Stop/20 in/60 order/10 to/68", 1,
       "in: suggestion=\"to\" message=324 entryWords=3 ruleId=3918\norder: wordClass=40\nto: wordClass=40"},
  };
  for (const auto& k : kCases) {
    SCOPED_TRACE(k.text);
    auto words = BuildWords(k.text);
    EXPECT_EQ(CheckInPhrase(FindWord(*words, "in")), k.result);
    if (k.changes) {
      EXPECT_EQ(words->Changes(), k.changes);
    }
  }
  TestWords bare({{"in", 60}}, false);
  EXPECT_EQ(CheckInPhrase(bare["in"]), 0);
  EXPECT_EQ(CheckInPhrase(nullptr), 0);
}

}  // namespace
