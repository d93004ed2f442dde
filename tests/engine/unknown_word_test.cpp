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


// Checks the one word written `target` of `words` and answers what changed
// in the whole list.
std::string CheckOne(TestWords& words, const char* target) {
  CheckUnknownWord(words[target], words.head());
  return words.Changes();
}

TEST(UnknownWordRows, TwoLetterList) {
  {
    TestWords words({{"Press", 20}, {"OK", 40, kOut, k325}, {"now", 50}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "OK"),
              "OK: suggestion=\"correct/(Rephrase)\" classCode=\"DN***\" subClass=0 message=324 "
              "message2=0 ruleId=5637");
  }
  {
    TestWords words({{"Press", 20}, {"OK", 40, kOut, k325}, {"button", 10}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "OK"), "OK: classCode=\"DN***\" subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"Then", 50}, {"we", 40, kOut, k325}, {"go", 20}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "we"), "we: wordClass=78 subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"Item", 10}, {"a.", 40, kOut, k325}, {"Next", 40}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "a."), "a.: classCode=\"D1**\" wordClass=39 subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"Item", 10}, {"a)", 40, kOut, k325}, {"next", 40}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "a)"), "a): classCode=\"D1**\" subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"The", 64}, {"OD", 40, kOut, k325}, {"is", 24}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "OD"),
              "OD: suggestion=\"Outside Diameter (OD)\" classCode=\"D1**\" wordClass=45 subClass=0 "
              "message=309 message2=0 ruleId=5637");
  }
  {
    TestWords words({{"It", 66}, {"so", 40, kOut, k325}, {"big", 30}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "so"), "so: classCode=\"S1**\" wordClass=71 subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"Fill", 20}, {"with", 74}, {"Ar", 40, kOut, k325}, {"gas", 10}, {".", 48}});
    CheckUnknownWord(words["Ar"], words.head());
    EXPECT_EQ(words["Ar"]->wordClass, 17);
    EXPECT_EQ(words["Ar"]->classCode, "NMS*");
    EXPECT_EQ(words["Ar"]->message, 0);
  }
  {
    TestWords words({{"Use", 20}, {"my", 40, kOut, k325}, {"pump", 10}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "my"),
              "my: suggestion=\"person/(Give title, user or technician)\" classCode=\"D***\" wordClass=78 "
              "subClass=0 message=312 message2=0 ruleId=5637");
  }
  {
    TestWords words({{"At", 60}, {"5", 49}, {"am", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "am"),
              "am: suggestion=\"a.m.\" wordClass=45 subClass=0 message=309 message2=0 ruleId=4671");
  }
  {
    TestWords words({{"Use", 20}, {"10", 49}, {"kN", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "kN"), "kN: classCode=\"DN***\" wordClass=45 subClass=309 message=309 message2=309");
  }
  {
    TestWords words({{"Use", 20}, {"gb", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "gb"), "gb: classCode=\"NMS**\" wordClass=17 subClass=0 message=0 message2=0");
  }
  {
    // A letter after a page reference takes the number after it along.
    TestWords words({{"See", 20}, {"page", 10}, {"xz", 40, kOut, "sub=325 msg=325 msg2=325 split=9"},
                     {"12", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "xz"),
              "xz: wordClass=39 subClass=0 message=0\n"
              "12: wordClass=39 subClass=0 message=0");
  }
  {
    // Without a number after it the word goes on, and at the end accepts its
    // neighbour that no dictionary holds.
    TestWords words({{"See", 20}, {"Blorf", 40, kOut, k325}, {"xz", 40, kOut, "sub=325 msg=325 msg2=325 split=9"},
                     {"now", 50}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "xz"),
              "Blorf: wordClass=39 subClass=0 message=0 message2=0\n"
              "xz: wordClass=39 subClass=0 message=0 message2=0");
  }
}

TEST(UnknownWordRows, ThreeLetterList) {
  {
    TestWords words({{"Use", 20}, {"Abs", 40, kOut, k325}, {"N/m", 40, kOut, k325}, {"Yen", 40, kOut, k325},
                     {"kpc", 40, kOut, k325}, {"ab)", 40, kOut, k325}, {"fax", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "Abs"), "Abs: classCode=\"DN***\" wordClass=45 subClass=0 message=0 message2=0");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "N/m"), "N/m: classCode=\"DN***\" wordClass=17 subClass=0 message=0 message2=0");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "Yen"), "Yen: subClass=0 message=0 message2=0");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "kpc"),
              "kpc: suggestion=\"kPc\" wordClass=17 subClass=17 message=0 message2=0");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "ab)"), "ab): classCode=\"D1**\" subClass=0 message=0 message2=0");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "fax"), "fax: wordClass=45 subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"Use", 20}, {"t/h", 40, kOut, k325}, {"c/w", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "t/h"),
              "t/h: suggestion=\"Tons per Hour\" wordClass=45 subClass=0 message=309 message2=0 ruleId=5637");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "c/w"),
              "c/w: suggestion=\"(Use: to the right)\" wordClass=45 subClass=0 message=309 message2=0 "
              "ruleId=4567");
  }
  {
    TestWords words({{"Wait", 20}, {"5", 49}, {"sec", 40, kOut, k325}, {"now", 50}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "sec"),
              "sec: suggestion=\"second\" wordClass=17 subClass=0 message=309 message2=0 ruleId=5637\n"
              "now: classCode=\"N***\"");
  }
}

TEST(UnknownWordRows, MarksOfTheTokenizerAndTheLookup) {
  const char* split6 = "sub=325 msg=325 msg2=325 split=6";
  {
    TestWords words({{"Use", 20}, {"abc", 40, kOut, split6}, {"def", 40, kOut, split6}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "abc"), "abc: wordClass=10 subClass=0 message=337 message2=0 ruleId=4567");
  }
  {
    TestWords words({{"Use", 20}, {"Abc", 40, kOut, split6}, {"Def", 40, kOut, split6}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "Abc"), "Abc: wordClass=10 subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"Use", 20}, {"abc", 40, kOut, split6}, {"now", 50}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "abc"), "abc: subClass=0 message=337 message2=0 ruleId=4567");
  }
  {
    TestWords words({{"Use", 20}, {"abcd", 40, kOut, "sub=325 msg=325 msg2=325 extra=R"},
                     {"efgh", 40, kOut, "sub=325 msg=325 msg2=325 extra=8"},
                     {"ijkl", 40, kOut, "sub=325 msg=325 msg2=325 sep=8 rule=9"},
                     {"mnop", 40, kOut, "sub=325 msg=325 msg2=325 extra=L"},
                     {"qrst", 40, kOut, "sub=325 msg=325 msg2=325 extra=9"}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "abcd"),
              "abcd: classCode=\"NMS***\" wordClass=15 subClass=0 message=0 message2=0 extraFlag=NUL");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "efgh"),
              "efgh: classCode=\"N***\" wordClass=10 subClass=0 message=337 message2=0 ruleId=5672");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "ijkl"),
              "ijkl: suggestion=\"driver/operator/persons/(Give title)\" classCode=\"N***\" subClass=0 "
              "message=312 message2=0");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "mnop"), "mnop: wordClass=10 subClass=0 message=310 message2=0 ruleId=7678");
    words.Snapshot();
    EXPECT_EQ(CheckOne(words, "qrst"), "qrst: subClass=0 message=0 message2=0");
  }
  {
    TestWords words({{"A", 64}, {"one-way", 40, kOut, k325}, {"valve", 10}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "one-way"),
              "one-way: suggestion=\"has one ...\" wordClass=30 subClass=327 message=327 message2=327");
  }
  {
    TestWords words({{"Use", 20}, {"12", 49}, {"abc-def", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "abc-def"),
              "abc-def: classCode=\"N*P*\" wordClass=11 subClass=0 message=314 message2=0 ruleId=5672");
  }
}

TEST(UnknownWordRows, NeighboursAndContext) {
  {
    TestWords words({{"You", 66}, {"can", 28}, {"frob", 40, kOut, k325}, {"it", 66}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "frob"),
              "frob: classCode=\"V0**\" wordClass=20 subClass=0 message=300 message2=0 ruleId=3637");
  }
  {
    TestWords words({{"Go", 20}, {"to", 76}, {"frobs", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "frobs"), "frobs: classCode=\"NMS**\" wordClass=11");
  }
  {
    TestWords words({{"Use", 20}, {"abcd", 40, kOut, "sub=325 msg=325 msg2=325 sep=t"}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "abcd"), "abcd: wordClass=10 subClass=15");
  }
  {
    TestWords words({{"Date", 10}, {"June", 40, kOut, k325}, {"5", 49}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "June"),
              "Date: classCode=\"DT**\" wordClass=39\n"
              "June: classCode=\"DT**\" wordClass=39 subClass=0 message=0 message2=0\n"
              "5: classCode=\"DT**\" wordClass=39");
  }
  {
    TestWords words({{"Use", 20}, {"10", 49}, {"ft.lb", 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, "ft.lb"), "ft.lb: wordClass=17 subClass=0 message=0 message2=0");
  }
}

TEST(UnknownWordRows, Endings) {
  struct Case {
    const char* word;
    const char* changes;
  };
  const Case cases[] = {
      {"abcde)", "classCode=\"D****\" subClass=0 message=0 message2=0"},
      {"abctmm", "classCode=\"NM*S\" wordClass=10"},
      {"thirteen", "suggestion=\"13\" classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=7672"},
      {"eighteen", "suggestion=\"18\" classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=7672"},
      {"nineteen", "suggestion=\"19\" classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=7672"},
      {"fiftieths", "classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=6543"},
      {"picoseconds", "classCode=\"D***\" wordClass=17 subClass=0 message=0 message2=0"},
      {"urlbank", "classCode=\"D***\" subClass=0 message=0 message2=0"},
      {"thousands", "classCode=\"DT***\" wordClass=11 subClass=0 message=0 message2=0"},
  };
  for (const Case& c : cases) {
    TestWords words({{"Use", 20}, {c.word, 40, kOut, k325}, {".", 48}});
    EXPECT_EQ(CheckOne(words, c.word), std::string(c.word) + ": " + c.changes);
  }
}

}  // namespace
