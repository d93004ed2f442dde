#include "engine/unknown_word.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

// A word that no dictionary holds, as the lookup leaves it.
constexpr const char* kOut = "FN***";
constexpr const char* k325 = "sub=325 msg=325 msg2=325";
constexpr const char* k325The = "sub=325 msg=325 msg2=325 mark=1";
constexpr const char* kSplit6 = "sub=325 msg=325 msg2=325 split=6";

// One word of a list to check, and what the check changes in the whole list
// (against the list as it stood before this word's check: the words of one
// case are checked in order, each seeing what the earlier checks did).
struct Step {
  const char* target;
  const char* changes;
  int nth = 0;  // which of several words written `target`
};

struct Case {
  const char* what;
  std::vector<WordSpec> words;
  std::vector<Step> steps;
  bool sentinel = true;  // false: the last word ends the list
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    TestWords words(c.words, c.sentinel);
    for (const Step& s : c.steps) {
      words.Snapshot();
      CheckUnknownWord(words.Find(s.target, s.nth), words.head());
            EXPECT_EQ(words.Changes(), s.changes) << c.what << ": " << s.target;
    }
  }
}

TEST(UnknownWordTest, Cases) {
  RunCases({
      {"units; a doubled letter is taken as such first",
       {{"in", 60}, {"cm", 40, kOut, k325}, {"rx", 40, kOut, k325}, {"mm", 40, kOut, k325},
        {"kg", 40, kOut, k325}, {".", 48}},
       {{"cm", "cm: classCode=\"D***\" wordClass=17 subClass=0 message=0 message2=0"},
        {"rx", "rx: classCode=\"D***\" wordClass=45 subClass=0 message=0 message2=0"},
        {"mm", "mm: classCode=\"D****\" subClass=0 message=0 message2=0"},
        {"kg", "kg: classCode=\"D***\" wordClass=17 subClass=0 message=0 message2=0"}}},
      {"tokens with digits or markup are neutral",
       {{"x25", 40, kOut, k325}, {"\xB5m", 40, kOut, k325}, {"a&b", 40, kOut, k325}},
       {{"x25", "x25: classCode=\"D1***\" subClass=0 message=0 message2=0 separatorFlag=S"},
        {"\xB5m", "\xB5m: classCode=\"D1***\" subClass=0 message=0 message2=0 separatorFlag=S"},
        {"a&b", "a&b: classCode=\"D1***\" subClass=0 message=0 message2=0 separatorFlag=S"}}},
      {"company name before Ltd.", {{"The", 64}, {"Acme", 40, kOut, k325}, {"Ltd.", 40, kOut, k325}, {".", 48}},
       {{"Acme", "Acme: classCode=\"DN***\" wordClass=39 subClass=0 message=0 message2=0\nLtd.: classCode=\"DN***\" subClass=0 message=0 message2=0"}}},
      {"names after titles; \"Big\" is no title",
       {{"Speak", 20}, {"to", 60}, {"Mr.", 40, kOut, k325}, {"Smith", 40, kOut, k325}, {"and", 63},
        {"Big", 30}, {"Jones", 40, kOut, "sub=325 msg=325 rule=77"}, {".", 48}},
       {{"Smith", "Mr.: classCode=\"DN***\" wordClass=39 subClass=0 message=0 message2=0\nSmith: classCode=\"DN***\" wordClass=39 subClass=0 message=0 message2=0"},
        {"Jones", ""}}},
      {"contractions; one not in the table is caught by the apostrophe test",
       {{"don?t", 40, kOut, k325}, {"doesn?t", 40, kOut, k325}, {"it?s", 40, kOut, k325},
        {"won?t", 40, kOut, k325}},
       {{"don?t", "don?t: suggestion=\"do not\" classCode=\"V0**\" wordClass=20 subClass=0 message=310 message2=0 ruleId=6671 extraFlag=4"},
        {"doesn?t", "doesn?t: suggestion=\" does not\" classCode=\"V0**\" wordClass=21 subClass=0 message=310 message2=0 ruleId=6671 extraFlag=4"},
        {"it?s", "it?s: suggestion=\"its/it is\" classCode=\"S***\" wordClass=66 subClass=0 message=310 message2=0 ruleId=5671 splitKind=2 extraFlag=5"},
        {"won?t", "won?t: classCode=\"D****\" subClass=310 message=310 message2=0"}}},
      {"number words; seven letters never reach the row",
       {{"Install", 20}, {"seventeen", 40, kOut, k325}, {"fifteen", 40, kOut, k325},
        {"fourteen", 40, kOut, k325}, {"seventy", 40, kOut, k325}},
       {{"seventeen", "seventeen: suggestion=\"17\" classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=7672"},
        {"fifteen", "fifteen: subClass=0 message2=0 ruleId=325"},
        {"fourteen", "fourteen: suggestion=\"14\" classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=7672"},
        {"seventy", "seventy: suggestion=\"70\" classCode=\"D***\" wordClass=49 subClass=0 message=308 message2=0 ruleId=7671"}}},
      {"words with number endings are no numbers", {{"a", 64}, {"healthy", 40, kOut, k325}, {"lengthy", 40, kOut, k325},
        {"velveteen", 40, kOut, k325}},
       {{"healthy", "healthy: classCode=\"NN***\" wordClass=10 subClass=0 message2=0 ruleId=325"},
        {"lengthy", "lengthy: subClass=0 message2=0 ruleId=325"},
        {"velveteen", "velveteen: subClass=0 message2=0 ruleId=325"}}},
      {"gerund endings", {{"Do", 20}, {"unpacking", 40, kOut, k325}, {"organizing", 40, kOut, k325}},
       {{"unpacking", "unpacking: wordClass=23 subClass=338 message=338 message2=338"},
        {"organizing", "organizing: wordClass=23 subClass=338 message=338 message2=338"}}},
      {"two-letter abbreviations, \"US\" by what stands before it",
       {{"Turn", 20}, {"CW", 40, kOut, k325}, {"Install", 20, "V0**"}, {"US", 40, kOut, k325},
        {".", 48}, {"Made", 22}, {"in", 60}, {"US", 40, kOut, k325}, {".", 48}},
       {{"CW", "CW: suggestion=\"to the right/(Use bold)\" classCode=\"D1***\" wordClass=45 subClass=309 message=309 message2=309"},
        {"US", "US: suggestion=\"you/(Rephrase)\" classCode=\"D1**\" subClass=301 message=301 message2=301"},
        {"US", "US: suggestion=\"U.S.A./(Rephrase)\" classCode=\"D1**\" subClass=309 message=309 message2=309", 1}}},
      {"roman numerals, not after \"part\"",
       {{"See", 20}, {"viii", 40, kOut, k325}, {"part", 10}, {"viii", 40, kOut, k325},
        {"vii", 40, kOut, k325}, {"iv", 40, kOut, k325}},
       {{"viii", "viii: suggestion=\"8\" subClass=0 message=308 message2=0 ruleId=7658"},
        {"viii", "viii: subClass=0 message=0 message2=0", 1},
        {"vii", "vii: subClass=0 message=0 message2=0"},
        {"iv", "iv: suggestion=\"4\" subClass=0 message=308 message2=0 ruleId=7255"}}},
      {"time of day at the head of the list", {{"pm", 40, kOut, k325}, {"am", 40, kOut, k325}},
       {{"pm", "pm: classCode=\"D***\" wordClass=45 subClass=0 message=309 message2=0 ruleId=5637"},
        {"am", "am: subClass=0 message=312 message2=0 ruleId=4671"}},
       false},
      {"time of day after a number", {{"At", 60}, {"5", 49}, {"pm", 40, kOut, k325}},
       {{"pm", "pm: suggestion=\"p.m.\" classCode=\"D***\" wordClass=45 subClass=0 message=309 message2=0 ruleId=5637"}}},
      {"month name at the head of the list", {{"June", 40, kOut, k325}, {"2009", 49}},
       {{"June", "June: classCode=\"DT**\" wordClass=39 subClass=0 message=0 message2=0\n2009: classCode=\"DT**\" wordClass=39"}}},
      {"day name at the end of the list", {{"On", 60}, {"Monday", 40, kOut, k325}},
       {{"Monday", "Monday: classCode=\"DT**\" wordClass=39 subClass=0 message=0 message2=0"}},
       false},
      {"state codes and names; a code in capitals is settled by the capitals row",
       {{"In", 60}, {"Albany", 40, kOut, k325}, {"NY", 40, kOut, k325}, {"and", 63},
        {"Louisiana", 40, kOut, k325}, {"and", 63}, {"Lamps", 40, kOut, k325}},
       {{"NY", "Albany: classCode=\"DN***\" wordClass=39 subClass=0 message=0 message2=0\nNY: classCode=\"D1**\" subClass=0 message=0 message2=0"},
        {"Louisiana", "Louisiana: classCode=\"DN***\" wordClass=39 subClass=0 message=0 message2=0"},
        {"Lamps", ""}}},
      {"short abbreviations with suggestions",
       {{"Set", 20}, {"max", 40, kOut, k325}, {"ram", 40, kOut, k325}, {"S/N", 40, kOut, k325},
        {"ab.cd", 40, kOut, k325}},
       {{"max", "max: suggestion=\"maximum\" wordClass=45 subClass=0 message=309 message2=0 ruleId=4637"},
        {"ram", "ram: suggestion=\"Random Access Memory/RAM/hydraulic cylinder\" wordClass=45 subClass=0 message=309 message2=0 ruleId=4637"},
        {"S/N", "S/N: suggestion=\"Serial Number\" classCode=\"D***\" wordClass=45 subClass=0 message=309 message2=0 ruleId=5637"},
        {"ab.cd", "ab.cd: suggestion=\"(Validate new abbrev.)\" classCode=\"N*S*\" wordClass=45 subClass=0 message=309 message2=0 ruleId=3681"}}},
      {"reporting verbs and the name after them", {{"The", 64}, {"saying", 40, kOut, k325}, {"Brown", 40, kOut, k325}},
       {{"saying", "saying: suggestion=\"show/shows/indication\" classCode=\"V0***\" wordClass=20 subClass=0 message=300 message2=0\nBrown: classCode=\"DT***\" wordClass=39 subClass=0 message=0 message2=0"}}},
      {"fractions and inch marks",
       {{"Cut", 20}, {"\xBEin", 40, kOut, "sub=325 msg=325 rule=11"}, {"\xBCin", 40, kOut, k325},
        {"x\"abc", 40, kOut, k325}}, {{"\xBEin", "\xBEin: suggestion=\"(0.75 inch or metric)\" subClass=0 message=305"},
        {"\xBCin", "\xBCin: suggestion=\"(0.25 inch or metric)\" subClass=0 message=305 message2=0"},
        {"x\"abc", "x\"abc: suggestion=\"(Use inch decimals or metric.)\" classCode=\"D***\" subClass=0 message=308 message2=0 ruleId=5637"}}},
      {"marks of the tokenizer; after \"the\" a noun keeps its message",
       {{"Fig", 40, kOut, "sub=325 msg=325 verb=B"}, {"xyz", 40, kOut, "sub=325 msg=325 verb=A"},
        {"widgets", 11, kOut, k325The}, {"Widget", 10, kOut, k325The}},
       {{"Fig", "Fig: classCode=\"D1***\" wordClass=45 subClass=0 message=309 ruleId=5637"},
        {"xyz", "xyz: classCode=\"D1***\" wordClass=45 subClass=0 message=0"},
        {"widgets", ""},
        {"Widget", "Widget: wordClass=40"}}},
      {"the last step confirms the word is in no dictionary",
       {{"Clean", 20}, {"blorf", 40, kOut, k325}, {"blorfly", 40, kOut, k325}},
       {{"blorf", "blorf: subClass=0 message2=0 ruleId=325"},
        {"blorfly", "blorfly: classCode=\"B***\" wordClass=50"}}},
      {"label before a control word", {{"Push", 20}, {"Zorb", 40, kOut, k325}, {"button", 10}},
       {{"Zorb", "Zorb: classCode=\"DN***\" subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"Press", 20}, {"OK", 40, kOut, k325}, {"now", 50}, {".", 48}},
       {{"OK", "OK: suggestion=\"correct/(Rephrase)\" classCode=\"DN***\" subClass=0 message=324 " "message2=0 ruleId=5637"}}},
      {"2 letters", {{"Press", 20}, {"OK", 40, kOut, k325}, {"button", 10}, {".", 48}},
       {{"OK", "OK: classCode=\"DN***\" subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"Then", 50}, {"we", 40, kOut, k325}, {"go", 20}, {".", 48}},
       {{"we", "we: wordClass=78 subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"Item", 10}, {"a.", 40, kOut, k325}, {"Next", 40}, {".", 48}},
       {{"a.", "a.: classCode=\"D1**\" wordClass=39 subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"Item", 10}, {"a)", 40, kOut, k325}, {"next", 40}, {".", 48}},
       {{"a)", "a): classCode=\"D1**\" subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"The", 64}, {"OD", 40, kOut, k325}, {"is", 24}, {".", 48}},
       {{"OD", "OD: suggestion=\"Outside Diameter (OD)\" classCode=\"D1**\" wordClass=45 subClass=0 " "message=309 message2=0 ruleId=5637"}}},
      {"2 letters", {{"It", 66}, {"so", 40, kOut, k325}, {"big", 30}, {".", 48}},
       {{"so", "so: classCode=\"S1**\" wordClass=71 subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"Fill", 20}, {"with", 74}, {"Ar", 40, kOut, k325}, {"gas", 10}, {".", 48}},
       {{"Ar", "Ar: classCode=\"NMS*\" wordClass=17 subClass=0 message=0 message2=0"}}},
      {"2 letters", {{"Use", 20}, {"my", 40, kOut, k325}, {"pump", 10}, {".", 48}},
       {{"my", "my: suggestion=\"person/(Give title, user or technician)\" classCode=\"D***\" wordClass=78 " "subClass=0 message=312 message2=0 ruleId=5637"}}},
      {"2 letters", {{"At", 60}, {"5", 49}, {"am", 40, kOut, k325}, {".", 48}},
       {{"am", "am: suggestion=\"a.m.\" wordClass=45 subClass=0 message=309 message2=0 ruleId=4671"}}},
      {"2 letters", {{"Use", 20}, {"10", 49}, {"kN", 40, kOut, k325}, {".", 48}},
       {{"kN", "kN: classCode=\"DN***\" wordClass=45 subClass=309 message=309 message2=309"}}},
      {"2 letters", {{"Use", 20}, {"gb", 40, kOut, k325}, {".", 48}},
       {{"gb", "gb: classCode=\"NMS**\" wordClass=17 subClass=0 message=0 message2=0"}}},
      // A letter after a page reference takes the number after it along.
      {"2 letters",
       {{"See", 20}, {"page", 10}, {"xz", 40, kOut, "sub=325 msg=325 msg2=325 split=9"}, {"12", 40, kOut, k325}, {".", 48}},
       {{"xz", "xz: wordClass=39 subClass=0 message=0\n" "12: wordClass=39 subClass=0 message=0"}}},
      // Without a number after it the word goes on, and at the end accepts its
      // neighbour that no dictionary holds.
      {"2 letters",
       {{"See", 20}, {"Blorf", 40, kOut, k325}, {"xz", 40, kOut, "sub=325 msg=325 msg2=325 split=9"}, {"now", 50}, {".", 48}},
       {{"xz", "Blorf: wordClass=39 subClass=0 message=0 message2=0\n" "xz: wordClass=39 subClass=0 message=0 message2=0"}}},
      {"3 letters",
       {{"Use", 20}, {"Abs", 40, kOut, k325}, {"N/m", 40, kOut, k325}, {"Yen", 40, kOut, k325}, {"kpc", 40, kOut, k325}, {"ab)", 40, kOut, k325}, {"fax", 40, kOut, k325}, {".", 48}},
       {{"Abs", "Abs: classCode=\"DN***\" wordClass=45 subClass=0 message=0 message2=0"},
        {"N/m", "N/m: classCode=\"DN***\" wordClass=17 subClass=0 message=0 message2=0"},
        {"Yen", "Yen: subClass=0 message=0 message2=0"},
        {"kpc", "kpc: suggestion=\"kPc\" wordClass=17 subClass=17 message=0 message2=0"},
        {"ab)", "ab): classCode=\"D1**\" subClass=0 message=0 message2=0"},
        {"fax", "fax: wordClass=45 subClass=0 message=0 message2=0"}}},
      {"3 letters", {{"Use", 20}, {"t/h", 40, kOut, k325}, {"c/w", 40, kOut, k325}, {".", 48}},
       {{"t/h", "t/h: suggestion=\"Tons per Hour\" wordClass=45 subClass=0 message=309 message2=0 ruleId=5637"},
        {"c/w", "c/w: suggestion=\"(Use: to the right)\" wordClass=45 subClass=0 message=309 message2=0 " "ruleId=4567"}}},
      {"3 letters", {{"Wait", 20}, {"5", 49}, {"sec", 40, kOut, k325}, {"now", 50}, {".", 48}},
       {{"sec", "sec: suggestion=\"second\" wordClass=17 subClass=0 message=309 message2=0 ruleId=5637\n" "now: classCode=\"N***\""}}},
      {"marks", {{"Use", 20}, {"abc", 40, kOut, kSplit6}, {"def", 40, kOut, kSplit6}, {".", 48}},
       {{"abc", "abc: wordClass=10 subClass=0 message=337 message2=0 ruleId=4567"}}},
      {"marks", {{"Use", 20}, {"Abc", 40, kOut, kSplit6}, {"Def", 40, kOut, kSplit6}, {".", 48}},
       {{"Abc", "Abc: wordClass=10 subClass=0 message=0 message2=0"}}},
      {"marks", {{"Use", 20}, {"abc", 40, kOut, kSplit6}, {"now", 50}, {".", 48}},
       {{"abc", "abc: subClass=0 message=337 message2=0 ruleId=4567"}}},
      {"marks",
       {{"Use", 20}, {"abcd", 40, kOut, "sub=325 msg=325 msg2=325 extra=R"}, {"efgh", 40, kOut, "sub=325 msg=325 msg2=325 extra=8"}, {"ijkl", 40, kOut, "sub=325 msg=325 msg2=325 sep=8 rule=9"}, {"mnop", 40, kOut, "sub=325 msg=325 msg2=325 extra=L"}, {"qrst", 40, kOut, "sub=325 msg=325 msg2=325 extra=9"}, {".", 48}},
       {{"abcd", "abcd: classCode=\"NMS***\" wordClass=15 subClass=0 message=0 message2=0 extraFlag=NUL"},
        {"efgh", "efgh: classCode=\"N***\" wordClass=10 subClass=0 message=337 message2=0 ruleId=5672"},
        {"ijkl", "ijkl: suggestion=\"driver/operator/persons/(Give title)\" classCode=\"N***\" subClass=0 " "message=312 message2=0"},
        {"mnop", "mnop: wordClass=10 subClass=0 message=310 message2=0 ruleId=7678"},
        {"qrst", "qrst: subClass=0 message=0 message2=0"}}},
      {"marks", {{"A", 64}, {"one-way", 40, kOut, k325}, {"valve", 10}, {".", 48}},
       {{"one-way", "one-way: suggestion=\"has one ...\" wordClass=30 subClass=327 message=327 message2=327"}}},
      {"marks", {{"Use", 20}, {"12", 49}, {"abc-def", 40, kOut, k325}, {".", 48}},
       {{"abc-def", "abc-def: classCode=\"N*P*\" wordClass=11 subClass=0 message=314 message2=0 ruleId=5672"}}},
      {"context", {{"You", 66}, {"can", 28}, {"frob", 40, kOut, k325}, {"it", 66}, {".", 48}},
       {{"frob", "frob: classCode=\"V0**\" wordClass=20 subClass=0 message=300 message2=0 ruleId=3637"}}},
      {"context", {{"Go", 20}, {"to", 76}, {"frobs", 40, kOut, k325}, {".", 48}},
       {{"frobs", "frobs: classCode=\"NMS**\" wordClass=11"}}},
      {"context", {{"Use", 20}, {"abcd", 40, kOut, "sub=325 msg=325 msg2=325 sep=t"}, {".", 48}},
       {{"abcd", "abcd: wordClass=10 subClass=15"}}},
      {"context", {{"Date", 10}, {"June", 40, kOut, k325}, {"5", 49}, {".", 48}},
       {{"June", "Date: classCode=\"DT**\" wordClass=39\n" "June: classCode=\"DT**\" wordClass=39 subClass=0 message=0 message2=0\n" "5: classCode=\"DT**\" wordClass=39"}}},
      {"context", {{"Use", 20}, {"10", 49}, {"ft.lb", 40, kOut, k325}, {".", 48}},
       {{"ft.lb", "ft.lb: wordClass=17 subClass=0 message=0 message2=0"}}},
  });
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
    CheckUnknownWord(words[c.word], words.head());
    EXPECT_EQ(words.Changes(), std::string(c.word) + ": " + c.changes);
  }
}

}  // namespace
