#include <gtest/gtest.h>

#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "tests/rules/rule_cases.h"
#include "tests/support/word_list_fixture.h"

namespace {

TEST(CheckIfPhrase, NecessaryAndRequiredOnlyNeutraliseTheNextWord) {
  for (const char* n1 : {"necessary", "required"}) {
    TestWords words({{"Clean", 20}, {"if", 70}, {n1, 30}, {"then", 50}, {"stop", 20}});
    CheckIfPhrase(words["if"]);
    EXPECT_EQ(words.Changes(), "then: wordClass=40") << n1;
  }
  // At the end of the text the sentinel is not touched.
  TestWords words({{"Clean", 20}, {"if", 70}, {".", 48, nullptr, "token=9"}});
  CheckIfPhrase(words["if"]);
  EXPECT_EQ(words.Changes(), "");
}

TEST(CheckIfPhrase, IfPossibleAndItsFamily) {
  TestWords words({{"Clean", 20}, {"if", 70}, {"possible", 30, nullptr, "msg=301"}, {"now", 50}});
  CheckIfPhrase(words["if"]);
  EXPECT_EQ(words.Changes(),
            "if: message=302 entryWords=2 ruleId=5725\npossible: wordClass=40 message=0");
  // "so" is caught by the same rule before the rule of "if so equipped".
  TestWords so({{"Clean", 20}, {"if", 70}, {"so", 50}, {"equipped", 22}});
  CheckIfPhrase(so["if"]);
  EXPECT_EQ(so["if"]->ruleId, 5725);
  TestWords ing({{"Clean", 20}, {"if", 70}, {"running", 23}});
  CheckIfPhrase(ing["if"]);
  EXPECT_EQ(ing["if"]->ruleId, 5725);
}

TEST(CheckIfPhrase, Guards) {
  for (int cls : {37, 38, 39, 45, 64, 76, 78}) {
    TestWords words({{"Clean", 20}, {"if", 70}, {"possible", cls}});
    CheckIfPhrase(words["if"]);
    EXPECT_EQ(words.Changes(), "") << cls;
  }
  TestWords split({{"Clean", 20}, {"if", 70, nullptr, "split=4"}, {"possible", 30}});
  CheckIfPhrase(split["if"]);
  EXPECT_EQ(split.Changes(), "");
  TestWords label({{"IF", 70}, {"signal", 10}, {"ok", 30}});
  CheckIfPhrase(label["IF"]);
  EXPECT_EQ(label.Changes(), "");
  TestWords last({{"if", 70}}, false);
  CheckIfPhrase(last["if"]);
  EXPECT_EQ(last.Changes(), "");
  CheckIfPhrase(nullptr);
}

TEST(CheckIfPhrase, MultiWordPhrases) {
  // With "you" and "it" as pronouns (class 66) the rule of step 3 comes first;
  // the rules of the phrases still stand for other classes.
  TestWords pronoun({{"if", 70}, {"you", 66}, {"do", 28}, {"not", 29}, {"stop", 20}});
  CheckIfPhrase(pronoun["if"]);
  EXPECT_EQ(pronoun["if"]->ruleId, 5725);
  TestWords youDoNot({{"if", 70}, {"you", 40}, {"do", 28}, {"not", 29}, {"stop", 20}});
  CheckIfPhrase(youDoNot["if"]);
  EXPECT_EQ(youDoNot["if"]->suggestion, "(Rephrase warning)");
  EXPECT_EQ(youDoNot["if"]->entryWords, 4);
  EXPECT_EQ(youDoNot["if"]->message, 334);
  EXPECT_EQ(youDoNot["not"]->wordClass, 40);

  TestWords there({{"if", 70}, {"there", 50}, {"are", 25}, {"leaks", 11}});
  CheckIfPhrase(there["if"]);
  EXPECT_EQ(there.Changes(), "there: wordClass=40\nare: wordClass=40");

  TestWords part({{"if", 70}, {"not", 29}, {"part", 10}, {"of", 67}, {"it", 66}});
  CheckIfPhrase(part["if"]);
  EXPECT_EQ(part["if"]->ruleId, 6642);
  EXPECT_EQ(part["if"]->message, 337);
  EXPECT_EQ(part["if"]->suggestion, "if not included/(Rephrase)");

  TestWords itIs({{"if", 70}, {"it", 40}, {"is", 24}, {"hot", 30}});
  CheckIfPhrase(itIs["if"]);
  EXPECT_EQ(itIs.Changes(),
            "if: message=320 entryWords=3 ruleId=5211\nis: wordClass=40");

  TestWords moreThanOne({{"if", 70}, {"more", 34}, {"thane", 60}, {"one", 49}, {"x", 10}});
  CheckIfPhrase(moreThanOne["if"]);
  EXPECT_EQ(moreThanOne["if"]->entryWords, 4);
  EXPECT_EQ(moreThanOne["if"]->suggestion, "Give range or number");

  TestWords signs({{"if", 70}, {"some", 37}, {"signs", 11}, {"of", 67}, {"wear", 10}});
  CheckIfPhrase(signs["if"]);
  EXPECT_EQ(signs.Changes(), "");  // "some" is of class 37: the guard
  TestWords signs2({{"if", 70}, {"some", 30}, {"signs", 11}, {"of", 67}, {"wear", 10}});
  CheckIfPhrase(signs2["if"]);
  EXPECT_EQ(signs2["if"]->suggestion, "if there are indications");

  TestWords needBe({{"if", 70}, {"need", 20}, {"be", 24}});
  CheckIfPhrase(needBe["if"]);
  EXPECT_EQ(needBe["if"]->ruleId, 2494);
  TestWords inDoubt({{"if", 70}, {"x", 40}, {"doubt", 10}});
  CheckIfPhrase(inDoubt["if"]);
  EXPECT_EQ(inDoubt["if"]->suggestion, "make sure that/(Delete this phrase)");
}

// The tables in the order the rule tries them: words after "if" inside a
// sentence, the word before, words with another meaning.
TEST(CheckIfPhrase, Rows) {
  {
    static const RowCase kCases[] = {
        {"Stop/20 if/70 using/40 ./48", "if", 0, nullptr},
        {"Stop/20 if/70 this/40 ./48", "if", 1, nullptr},
        {"Stop/20 if/70 they/40 ./48", "if", 2, nullptr},
        {"Stop/20 if/70 some/40 ./48", "if", 3, nullptr},
        {"Stop/20 if/70 never/40 ./48", "if", 4, nullptr},
        {"Stop/20 if/70 needed/40 ./48", "if", 5, nullptr},
        {"Stop/20 if/70 lesser/40 ./48", "if", 6, nullptr},
        {"Stop/20 if/70 opening/40 ./48", "if", 7, nullptr},
        {"Stop/20 if/70 only/40 ./48", "if", 8, nullptr},
        {"Stop/20 if/70 allowed/40 ./48", "if", 9, nullptr},
        {"Stop/20 if/70 altered/40 ./48", "if", 10, nullptr},
        {"Stop/20 if/70 is/24 hot/30 ./48", "if", 11,
         "if: message=302 entryWords=2 ruleId=1494"},
        {"Stop/20 if/70 given/22 it/66 ./48", "if", 12,
         "if: suggestion=\"if xxx is shown in\" message=302 entryWords=2 ruleId=1494"},
        {"Stop/20 if/70 greater/40 ./48", "if", 13, nullptr},
        {"Stop/20 if/70 desired/40 ./48", "if", 14, nullptr},
        {"Stop/20 if/70 equipped/40 ./48", "if", 15, nullptr},
        {"Stop/20 if/70 even/40 ./48", "if", 16, nullptr},
        {"Stop/20 if/70 flashing/40 ./48", "if", 17, nullptr},
        {"Stop/20 if/70 fitted/40 ./48", "if", 18, nullptr},
        // Not for the first word of a sentence, nor after "the".
        {"If/70 given/22 it/66 ./48", "If", -1, ""},
        {"Stop/20 if/70 fitted/22{mark=1} ./48", "if", -1, ""},
    };
    RunRowCases(IfWordRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"Stop/20 even/40 if/70 zz/40 ./48", "if", 0,
         "even: suggestion=\"if/when/(Rephrase)\" message=300 entryWords=2 ruleId=6494"},
        {"Check/20 if/70 valve/10{mark=1} opens/21 ./48", "if", 1,
         "Check: suggestion=\"make sure that/(Rephrase)\" message=300 entryWords=2 ruleId=6494"},
    };
    RunRowCases(CheckIfRows(), kCases);
  }
  {
    static const RowCase kCases[] = {
        {"If/70 needed/22 x/40 ./48", "If", 0,
         "If: suggestion=\"if necessary\" message=324 entryWords=2 ruleId=4662"},
        {"If/70 noted/22 x/40 ./48", "If", 1,
         "If: message=324 entryWords=2 ruleId=4662"},
        // Only "needed" has the advice; "noted" shares its first letter.
        {"If/70 further/22 x/40 ./48", "If", 1, nullptr},
    };
    RunRowCases(IfMeaningRows(), kCases);
  }
}

TEST(CheckIfPhrase, WordsAfterIfInsideTheSentence) {
  TestWords using_({{"Stop", 20}, {"if", 70}, {"using", 23, nullptr, "sub=0"}, {"it", 66}});
  CheckIfPhrase(using_["if"]);
  EXPECT_EQ(using_["if"]->ruleId, 5725);  // class 23 comes first
  TestWords given({{"Stop", 20}, {"if", 70}, {"given", 22}, {"it", 66}});
  CheckIfPhrase(given["if"]);
  EXPECT_EQ(given.Changes(),
            "if: suggestion=\"if xxx is shown in\" message=302 entryWords=2 ruleId=1494\n"
            "given: wordClass=40");

  TestWords notWord({{"If", 70}, {"not", 29}, {"x", 40}});
  CheckIfPhrase(notWord["If"]);
  EXPECT_EQ(notWord["If"]->ruleId, 1594);
  EXPECT_EQ(notWord["If"]->message, 320);

  TestWords less({{"If", 70}, {"less", 34}, {"x", 40}});
  CheckIfPhrase(less["If"]);
  EXPECT_EQ(less["If"]->message, 320);
  EXPECT_EQ(less["If"]->ruleId, 1494);
}

TEST(CheckIfPhrase, FindingsOnTheWordBefore) {
  // "check if the valve": the tokenizer keeps no record for "the".
  TestWords check({{"Check", 20}, {"if", 70}, {"valve", 10, nullptr, "mark=1"}, {"opens", 21}});
  CheckIfPhrase(check["if"]);
  EXPECT_EQ(check.Changes(),
            "Check: suggestion=\"make sure that/(Rephrase)\" message=300 entryWords=2 ruleId=6494");
  TestWords later({{"Stop", 20}, {"it", 66}, {"later", 50}, {"if", 70}, {"x", 40}});
  CheckIfPhrase(later["if"]);
  EXPECT_EQ(later.Changes(), "later: message=302 entryWords=2 ruleId=5494");
  // P1 belongs to an earlier sentence: no finding on it.
  TestWords apart({{"Check", 20}, {"if", 70, nullptr, "pos=0"}, {"x", 40}});
  CheckIfPhrase(apart["if"]);
  EXPECT_EQ(apart.Changes(), "");
}

}  // namespace
