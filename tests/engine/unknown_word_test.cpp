#include "engine/unknown_word.h"

#include <gtest/gtest.h>

#include "tests/support/word_list_fixture.h"

namespace {

// A word that no dictionary holds, as the lookup leaves it.
constexpr const char* kOut = "FN***";
constexpr const char* k325 = "sub=325 msg=325 msg2=325";
constexpr const char* k325The = "sub=325 msg=325 msg2=325 mark=1";

int Check(WordRec* w) {
  CheckUnknownWord(w, WordList.head);
  return w->message;
}

TEST(UnknownWordTest, UnitsAndDoubledLetters) {
  TestWords words({{"in", 60}, {"cm", 40, kOut, k325}, {"rx", 40, kOut, k325},
                   {"mm", 40, kOut, k325}, {"kg", 40, kOut, k325}, {".", 48}});
  WordRec* cm = words["cm"];
  EXPECT_EQ(Check(cm), 0);
  EXPECT_EQ(cm->wordClass, 17);
  EXPECT_EQ(cm->classCode, "D***");
  EXPECT_EQ(Check(words["rx"]), 0);
  EXPECT_EQ(words["rx"]->wordClass, 45);
  EXPECT_EQ(Check(words["mm"]), 0);  // taken as a doubled letter first
  EXPECT_EQ(words["mm"]->wordClass, 40);
  EXPECT_EQ(words["mm"]->classCode, "D****");
  EXPECT_EQ(Check(words["kg"]), 0);
  EXPECT_EQ(words["kg"]->wordClass, 17);
}

TEST(UnknownWordTest, TokensWithDigitsOrMarkupAreNeutral) {
  TestWords words({{"x25", 40, kOut, k325}, {"\xB5m", 40, kOut, k325}, {"a&b", 40, kOut, k325}});
  for (int i = 0; i < 3; ++i) {
    WordRec* w = words.at(i);
    CheckUnknownWord(w, words.head());
    EXPECT_EQ(w->message, 0);
    EXPECT_EQ(w->subClass, 0);
    EXPECT_EQ(w->message2, 0);
    EXPECT_EQ(w->wordClass, 40);
    EXPECT_EQ(w->separatorFlag, 'S');
    EXPECT_EQ(w->classCode, "D1***");
  }
}

TEST(UnknownWordTest, CompanyNameBeforeLtd) {
  TestWords words({{"The", 64}, {"Acme", 40, kOut, k325}, {"Ltd.", 40, kOut, k325}, {".", 48}});
  CheckUnknownWord(words["Acme"], words.head());
  EXPECT_EQ(words.Changes(),
            "Acme: classCode=\"DN***\" wordClass=39 subClass=0 message=0 message2=0\n"
            "Ltd.: classCode=\"DN***\" subClass=0 message=0 message2=0");
}

TEST(UnknownWordTest, NamesAfterTitles) {
  TestWords words({{"Speak", 20}, {"to", 60}, {"Mr.", 40, kOut, k325}, {"Smith", 40, kOut, k325},
                   {"and", 63}, {"Big", 30}, {"Jones", 40, kOut, "sub=325 msg=325 rule=77"},
                   {".", 48}});
  EXPECT_EQ(Check(words["Smith"]), 0);
  EXPECT_EQ(words["Smith"]->wordClass, 39);
  EXPECT_EQ(words["Mr."]->wordClass, 39);
  EXPECT_EQ(words["Mr."]->message, 0);
  EXPECT_EQ(Check(words["Jones"]), 325);  // "Big" is no title
  EXPECT_EQ(words["Jones"]->ruleId, 77);
}

TEST(UnknownWordTest, Contractions) {
  TestWords words({{"don?t", 40, kOut, k325}, {"doesn?t", 40, kOut, k325},
                   {"it?s", 40, kOut, k325}, {"won?t", 40, kOut, k325}});
  WordRec* dont = words["don?t"];
  EXPECT_EQ(Check(dont), 310);
  EXPECT_EQ(dont->suggestion, "do not");
  EXPECT_EQ(dont->wordClass, 20);
  EXPECT_EQ(dont->ruleId, 6671);
  EXPECT_EQ(dont->extraFlag, '4');
  EXPECT_EQ(dont->classCode, "V0**");
  EXPECT_EQ(Check(words["doesn?t"]), 310);
  EXPECT_EQ(words["doesn?t"]->suggestion, " does not");
  EXPECT_EQ(words["doesn?t"]->wordClass, 21);
  WordRec* its = words["it?s"];
  EXPECT_EQ(Check(its), 310);
  EXPECT_EQ(its->suggestion, "its/it is");
  EXPECT_EQ(its->ruleId, 5671);
  EXPECT_EQ(its->splitKind, '2');
  EXPECT_EQ(its->extraFlag, '5');
  // Not in the table: the apostrophe test of the last step.
  EXPECT_EQ(Check(words["won?t"]), 310);
  EXPECT_EQ(words["won?t"]->classCode, "D****");
}

TEST(UnknownWordTest, NumberWords) {
  TestWords words({{"Install", 20}, {"seventeen", 40, kOut, k325}, {"fifteen", 40, kOut, k325},
                   {"fourteen", 40, kOut, k325}, {"seventy", 40, kOut, k325}});
  WordRec* seventeen = words["seventeen"];
  EXPECT_EQ(Check(seventeen), 308);
  EXPECT_EQ(seventeen->suggestion, "17");
  EXPECT_EQ(seventeen->wordClass, 49);
  EXPECT_EQ(seventeen->ruleId, 7672);
  EXPECT_EQ(Check(words["fifteen"]), 325);  // seven letters: never reaches the row
  EXPECT_EQ(Check(words["fourteen"]), 308);
  EXPECT_EQ(words["fourteen"]->suggestion, "14");
  EXPECT_EQ(Check(words["seventy"]), 308);
  EXPECT_EQ(words["seventy"]->suggestion, "70");
  EXPECT_EQ(words["seventy"]->ruleId, 7671);
}

TEST(UnknownWordTest, WordsWithNumberEndingsAreNoNumbers) {
  TestWords words({{"a", 64}, {"healthy", 40, kOut, k325}, {"lengthy", 40, kOut, k325},
                   {"velveteen", 40, kOut, k325}});
  for (const char* s : {"healthy", "lengthy", "velveteen"}) {
    WordRec* w = words[s];
    EXPECT_EQ(Check(w), 325) << s;
    EXPECT_NE(w->wordClass, 49) << s;
    EXPECT_TRUE(w->suggestion.empty()) << s;
  }
}

TEST(UnknownWordTest, GerundEndings) {
  TestWords words({{"Do", 20}, {"unpacking", 40, kOut, k325}, {"organizing", 40, kOut, k325}});
  EXPECT_EQ(Check(words["unpacking"]), 338);
  EXPECT_EQ(words["unpacking"]->subClass, 338);
  EXPECT_EQ(Check(words["organizing"]), 338);
  EXPECT_EQ(words["organizing"]->wordClass, 23);
}

TEST(UnknownWordTest, TwoLetterAbbreviations) {
  TestWords words({{"Turn", 20}, {"CW", 40, kOut, k325}, {"Install", 20, "V0**"},
                   {"US", 40, kOut, k325}, {".", 48}, {"Made", 22}, {"in", 60},
                   {"US", 40, kOut, k325}, {".", 48}});
  WordRec* cw = words["CW"];
  EXPECT_EQ(Check(cw), 309);
  EXPECT_EQ(cw->suggestion, "to the right/(Use bold)");
  EXPECT_EQ(cw->subClass, 309);
  EXPECT_EQ(cw->message2, 309);
  WordRec* us1 = words.Find("US", 0);
  WordRec* us2 = words.Find("US", 1);
  EXPECT_EQ(Check(us1), 301);
  EXPECT_EQ(us1->suggestion, "you/(Rephrase)");
  EXPECT_EQ(Check(us2), 309);
  EXPECT_EQ(us2->suggestion, "United States/U.S.A./(Rephrase)");
}

TEST(UnknownWordTest, RomanNumerals) {
  TestWords words({{"See", 20}, {"viii", 40, kOut, k325}, {"part", 10}, {"viii", 40, kOut, k325},
                   {"vii", 40, kOut, k325}, {"iv", 40, kOut, k325}});
  WordRec* viii = words.Find("viii", 0);
  EXPECT_EQ(Check(viii), 308);
  EXPECT_EQ(viii->suggestion, "8");
  EXPECT_EQ(viii->ruleId, 7658);
  WordRec* afterPart = words.Find("viii", 1);
  EXPECT_EQ(Check(afterPart), 0);
  EXPECT_EQ(afterPart->wordClass, 40);
  EXPECT_EQ(Check(words["vii"]), 0);
  EXPECT_EQ(words["vii"]->wordClass, 40);
  EXPECT_EQ(Check(words["iv"]), 308);
  EXPECT_EQ(words["iv"]->suggestion, "4");
}

TEST(UnknownWordTest, TimeOfDayAtTheHeadOfTheList) {
  TestWords words({{"pm", 40, kOut, k325}, {"am", 40, kOut, k325}}, false);
  EXPECT_EQ(Check(words["pm"]), 309);
  EXPECT_TRUE(words["pm"]->suggestion.empty());
  EXPECT_EQ(Check(words["am"]), 312);
  TestWords timed({{"At", 60}, {"5", 49}, {"pm", 40, kOut, k325}});
  EXPECT_EQ(Check(timed["pm"]), 309);
  EXPECT_EQ(timed["pm"]->suggestion, "p.m.");
}

TEST(UnknownWordTest, MonthAndDayNamesAtBothEndsOfTheList) {
  TestWords words({{"June", 40, kOut, k325}, {"2009", 49}});
  EXPECT_EQ(Check(words["June"]), 0);
  EXPECT_EQ(words.Changes(),
            "June: classCode=\"DT**\" wordClass=39 subClass=0 message=0 message2=0\n"
            "2009: classCode=\"DT**\" wordClass=39");
  TestWords last({{"On", 60}, {"Monday", 40, kOut, k325}}, false);
  EXPECT_EQ(Check(last["Monday"]), 0);
  EXPECT_EQ(last["Monday"]->wordClass, 39);
}

TEST(UnknownWordTest, StateCodesAndNames) {
  TestWords words({{"In", 60}, {"Albany", 40, kOut, k325}, {"NY", 40, kOut, k325}, {"and", 63},
                   {"Louisiana", 40, kOut, k325}, {"and", 63}, {"Lamps", 40, kOut, k325}});
  // A code in capitals is then settled by the capitals row of the list.
  EXPECT_EQ(Check(words["NY"]), 0);
  EXPECT_EQ(words["NY"]->wordClass, 40);
  EXPECT_EQ(words["Albany"]->wordClass, 39);
  EXPECT_EQ(words["Albany"]->message, 0);
  EXPECT_EQ(Check(words["Louisiana"]), 0);
  EXPECT_EQ(words["Louisiana"]->wordClass, 39);
  EXPECT_EQ(Check(words["Lamps"]), 325);
}

TEST(UnknownWordTest, ShortAbbreviationsWithSuggestions) {
  TestWords words({{"Set", 20}, {"max", 40, kOut, k325}, {"ram", 40, kOut, k325},
                   {"S/N", 40, kOut, k325}, {"ab.cd", 40, kOut, k325}});
  EXPECT_EQ(Check(words["max"]), 309);
  EXPECT_EQ(words["max"]->suggestion, "maximum");
  EXPECT_EQ(words["max"]->ruleId, 4637);
  EXPECT_EQ(Check(words["ram"]), 309);
  EXPECT_EQ(words["ram"]->suggestion, "Random Access Memory/RAM/hydraulic cylinder");
  EXPECT_EQ(Check(words["S/N"]), 309);
  EXPECT_EQ(words["S/N"]->suggestion, "Serial Number");
  EXPECT_EQ(Check(words["ab.cd"]), 309);
  EXPECT_EQ(words["ab.cd"]->suggestion, "(Validate new abbrev.)");
  EXPECT_EQ(words["ab.cd"]->ruleId, 3681);
}

TEST(UnknownWordTest, ReportingVerbsAndTheNameAfterThem) {
  TestWords words({{"The", 64}, {"saying", 40, kOut, k325}, {"Brown", 40, kOut, k325}});
  EXPECT_EQ(Check(words["saying"]), 300);
  EXPECT_EQ(words["saying"]->suggestion, "show/shows/indication");
  EXPECT_EQ(words["saying"]->wordClass, 20);
  EXPECT_EQ(words["Brown"]->wordClass, 39);
  EXPECT_EQ(words["Brown"]->message, 0);
}

TEST(UnknownWordTest, FractionsAndInchMarks) {
  TestWords words({{"Cut", 20}, {"\xBEin", 40, kOut, "sub=325 msg=325 rule=11"},
                   {"\xBCin", 40, kOut, k325}, {"x\"abc", 40, kOut, k325}});
  WordRec* three = words["\xBEin"];
  EXPECT_EQ(Check(three), 305);
  EXPECT_EQ(three->suggestion, "(0.75 inch or metric)");
  EXPECT_EQ(three->ruleId, 11);
  EXPECT_EQ(Check(words["\xBCin"]), 305);
  EXPECT_EQ(words["\xBCin"]->suggestion, "(0.25 inch or metric)");
  EXPECT_EQ(Check(words["x\"abc"]), 308);
  EXPECT_EQ(words["x\"abc"]->suggestion, "(Use inch decimals or metric.)");
}

TEST(UnknownWordTest, MarksOfTheTokenizer) {
  TestWords words({{"Fig", 40, kOut, "sub=325 msg=325 verb=B"},
                   {"xyz", 40, kOut, "sub=325 msg=325 verb=A"}, {"widgets", 11, kOut, k325The},
                   {"Widget", 10, kOut, k325The}});
  EXPECT_EQ(Check(words["Fig"]), 309);
  EXPECT_EQ(words["Fig"]->ruleId, 5637);
  EXPECT_EQ(words["Fig"]->wordClass, 45);
  EXPECT_EQ(Check(words["xyz"]), 0);
  EXPECT_EQ(words["xyz"]->classCode, "D1***");
  EXPECT_EQ(Check(words["widgets"]), 325);  // after "the": a noun that keeps its message
  EXPECT_EQ(words["widgets"]->wordClass, 11);
  EXPECT_EQ(Check(words["Widget"]), 325);
  EXPECT_EQ(words["Widget"]->wordClass, 40);
}

TEST(UnknownWordTest, LastStepConfirmsNotInDictionary) {
  TestWords words({{"Clean", 20}, {"blorf", 40, kOut, k325}, {"blorfly", 40, kOut, k325}});
  WordRec* w = words["blorf"];
  EXPECT_EQ(Check(w), 325);
  EXPECT_EQ(w->ruleId, 325);
  EXPECT_EQ(w->subClass, 0);
  EXPECT_EQ(w->message2, 0);
  EXPECT_EQ(Check(words["blorfly"]), 325);
  EXPECT_EQ(words["blorfly"]->wordClass, 50);
}

TEST(UnknownWordTest, LabelBeforeAControlWord) {
  TestWords words({{"Push", 20}, {"Zorb", 40, kOut, k325}, {"button", 10}});
  EXPECT_EQ(Check(words["Zorb"]), 0);
  EXPECT_EQ(words["Zorb"]->wordClass, 40);
}

}  // namespace
