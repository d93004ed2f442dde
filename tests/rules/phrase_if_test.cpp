// The "if" phrase rules through CheckIfPhrase, and the order of its tables.
#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(CheckIfPhrase, Steps) {
  static const struct {
    const char* text;
    const char* at;
    const char* changes;
  } kCases[] = {
      // "necessary" and "required" only make the next word plain; the end record is left alone.
      {"Clean/20 if/70 required/30 then/50 stop/20", "if", "then: wordClass=40"},
      {"Clean/20 if/70 ./48{token=9}", "if", ""},
      {"Clean/20 if/70 possible/30{msg=301} now/50", "if",
       "if: message=302 entryWords=2 ruleId=5725\npossible: wordClass=40 message=0"},
      // "so" is caught by the same rule before the rule of "if so equipped".
      {"Clean/20 if/70 so/50 equipped/22", "if", "if: message=302 entryWords=2 ruleId=5725\nso: wordClass=40"},
      // Guards.
      {"Clean/20 if/70 possible/37", "if", ""},
      {"Clean/20 if/70 possible/78", "if", ""},
      {"Clean/20 if/70{split=4} possible/30", "if", ""},
      {"IF/70 signal/10 ok/30", "IF", ""},
      // A pronoun after "if" is taken first; the phrases stand for other classes.
      {"if/70 you/66 do/28 not/29 stop/20", "if", "if: message=302 entryWords=2 ruleId=5725\nyou: wordClass=40"},
      {"if/70 you/40 do/28 not/29 stop/20", "if", "if: suggestion=\"(Rephrase warning)\" message=334 entryWords=4 ruleId=5494\ndo: wordClass=40\nnot: wordClass=40"},
      {"if/70 there/50 are/25 leaks/11", "if", "there: wordClass=40\nare: wordClass=40"},
      {"if/70 not/29 part/10 of/67 it/66", "if", "if: suggestion=\"if not included/(Rephrase)\" message=337 entryWords=3 ruleId=6642\nnot: wordClass=40\npart: wordClass=40"},
      {"if/70 it/40 is/24 hot/30", "if", "if: message=320 entryWords=3 ruleId=5211\nis: wordClass=40"},
      {"if/70 more/34 thane/60 one/49 x/10", "if", "if: suggestion=\"Give range or number\" message=302 entryWords=4 ruleId=2494\nmore: wordClass=40\nthane: wordClass=40\none: wordClass=40"},
      {"if/70 some/37 signs/11 of/67 wear/10", "if", ""},
      {"if/70 some/30 signs/11 of/67 wear/10", "if", "if: suggestion=\"if there are indications\" message=302 entryWords=3 ruleId=2494\nsome: wordClass=40\nsigns: wordClass=40"},
      {"if/70 need/20 be/24", "if", "if: message=302 entryWords=3 ruleId=2494\nneed: wordClass=40\nbe: wordClass=40"},
      {"if/70 x/40 doubt/10", "if", "if: suggestion=\"make sure that/(Delete this phrase)\" message=302 entryWords=3 ruleId=2494\ndoubt: wordClass=40"},
      // Words after "if" inside the sentence.
      {"Stop/20 if/70 using/23{sub=0} it/66", "if", "if: message=302 entryWords=2 ruleId=5725\nusing: wordClass=40"},
      {"Stop/20 if/70 given/22 it/66", "if",
       "if: suggestion=\"if xxx is shown in\" message=302 entryWords=2 ruleId=1494\ngiven: wordClass=40"},
      {"If/70 not/29 x/40", "If", "If: message=320 entryWords=2 ruleId=1594\nnot: wordClass=40"},
      {"If/70 less/34 x/40", "If", "If: message=320 entryWords=2 ruleId=1494\nless: wordClass=40"},
      // The word before: "check if the valve" (no record is kept for "the").
      {"Check/20 if/70 valve/10{mark=1} opens/21", "if",
       "Check: suggestion=\"make sure that/(Rephrase)\" message=300 entryWords=2 ruleId=6494"},
      {"Stop/20 it/66 later/50 if/70 x/40", "if", "later: message=302 entryWords=2 ruleId=5494"},
      // The word before belongs to an earlier sentence: no finding on it.
      {"Check/20 if/70{pos=0} x/40", "if", ""},
  };
  for (const auto& k : kCases) {
    SCOPED_TRACE(k.text);
    auto words = BuildWords(k.text);
    CheckIfPhrase(FindWord(*words, k.at));
    EXPECT_EQ(words->Changes(), k.changes);
  }
  TestWords last({{"if", 70}}, false);
  CheckIfPhrase(last["if"]);
  EXPECT_EQ(last.Changes(), "");
  CheckIfPhrase(nullptr);
}

// The tables in the order the rule tries them: words after "if" inside a
// sentence, the word before, words with another meaning.
TEST(CheckIfPhrase, Rows) {
  RunRowCases(IfWordRows(), {
      {"Stop/20 if/70 using/40 ./48", "if", 0, nullptr},
      {"Stop/20 if/70 is/24 hot/30 ./48", "if", 11, "if: message=302 entryWords=2 ruleId=1494"},
      {"Stop/20 if/70 fitted/40 ./48", "if", 18, nullptr},
      // Not for the first word of a sentence, nor after "the".
      {"If/70 given/22 it/66 ./48", "If", -1, ""},
      {"Stop/20 if/70 fitted/22{mark=1} ./48", "if", -1, ""},
  });
  RunRowCases(CheckIfRows(), {
      {"Stop/20 even/40 if/70 zz/40 ./48", "if", 0,
       "even: suggestion=\"if/when/(Rephrase)\" message=300 entryWords=2 ruleId=6494"},
      {"Check/20 if/70 valve/10{mark=1} opens/21 ./48", "if", 1,
       "Check: suggestion=\"make sure that/(Rephrase)\" message=300 entryWords=2 ruleId=6494"},
  });
  RunRowCases(IfMeaningRows(), {
      {"If/70 needed/22 x/40 ./48", "If", 0, "If: suggestion=\"if necessary\" message=324 entryWords=2 ruleId=4662"},
      {"If/70 noted/22 x/40 ./48", "If", 1, "If: message=324 entryWords=2 ruleId=4662"},
      // Only "needed" has the advice; "noted" shares its first letter.
      {"If/70 further/22 x/40 ./48", "If", 1, nullptr},
  });
}

}  // namespace
