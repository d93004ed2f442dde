// The number rules (class 49): the entry checks, numbers written in words
// (every number word before a unit and before "percent"), "one", and
// numbers written in digits with their units, degrees and marks.
#include <gtest/gtest.h>

#include <string>

#include "rules/main/class_bodies.h"
#include "rules/main/number_rules.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }

// The number word's suggestion after the body ran on "wait WORD NEXT .".
std::string SuggestionBefore(const std::string& word, const std::string& next) {
  const std::string text = "wait/20 " + word + "/49 " + next + " ./48";
  auto words = BuildWords(text.c_str());
  SentenceStateRec state;
  RuleContext c{.word = FindWord(*words, word.c_str()), .head = words->head(), .state = state};
  ApplyNumberRules(c);
  return c.word->suggestion.str();
}

TEST(NumberRules, EntryChecks) {
  static const BodyCase kCases[] = {
      {"set/20 5-6/49 ./48", "5-6", "5-6: wordClass=40", nullptr, nullptr, "subjectNumber=1"},
      {"set/20 20\xB0/49 ./48", "20\xB0", "20\xB0: wordClass=40"},
      {"set/20 five/49{extra=H} minutes/17 ./48", "five", ""},
      // The lock of the word holds.
      {"set/20 5/49{sep=q} ./48", "5", "5: message=305 ruleId=980"},
      {"set/20 5/49{sep=q verb=q} ./48", "5", ""},
      {"use/20 a/64 .5/49 bolt/10 ./48", ".5", ".5: suggestion=\"0.5\" tag=\"<AR>\" message=311 ruleId=4568"},
      {"1./49 Open/20 ./48", "1.", "1.: wordClass=40"},
      {"set/20 x2/49 ./48", "x2", "x2: wordClass=40"},
      {"set/20 five/49 ./48", "five", ""},
  };
  RunBodyCases(ApplyNumberRules, kCases);
}

TEST(NumberRules, EveryNumberWordBeforeAUnitAndPercent) {
  static const struct {
    const char* word;
    const char* digits;
    const char* percent;
  } kWords[] = {
      {"zero", "0", ""},  // "zero" before no unit ends at its own rule        {"one", "1", "(Use numeral 1)"},
      {"two", "2", "2%"},         {"three", "3", "3%"},
      {"four", "4", "4%"},        {"five", "5", "5%"},
      {"six", "6", "6%"},         {"seven", "7", "7%"},
      {"eight", "8", "8%"},       {"nine", "9", "9%"},
      {"ten", "10", "10%"},       {"eleven", "11", "(Format numeric eleven%)"},
      {"twelve", "12", "(Format numeric twelve%)"},
      {"thirteen", "13", "(Format numeric thirteen%)"},
      {"fourteen", "14", "(Format numeric fourteen%)"},
      {"fifteen", "15", "(Format numeric fifteen%)"},
      {"sixteen", "16", "(Format numeric sixteen%)"},
      {"seventeen", "17", "(Format numeric seventeen%)"},
      {"eighteen", "18", "(Format numeric eighteen%)"},
      {"nineteen", "19", "(Format numeric nineteen%)"},
      {"twenty", "20", "(Format numeric twenty%)"},
      {"thirty", "30", "(Format numeric thirty%)"},
      {"forty", "40", "(Format numeric forty%)"},
      {"fifty", "50", "(Format numeric fifty%)"},
      {"sixty", "60", "(Format numeric sixty%)"},
      {"seventy", "70", "(Format numeric seventy%)"},
      {"eighty", "80", "(Format numeric eighty%)"},
      {"ninety", "90", "(Format numeric ninety%)"},
  };
  for (const auto& k : kWords) {
    EXPECT_EQ(SuggestionBefore(k.word, "minutes/17"), k.digits) << k.word;
    EXPECT_EQ(SuggestionBefore(k.word, "hours/11"), k.digits) << k.word;
    EXPECT_EQ(SuggestionBefore(k.word, "volts/17"), k.digits) << k.word;
    EXPECT_EQ(SuggestionBefore(k.word, "percent/17"), k.percent) << k.word;
  }
  // Words that are no number get the marker without a number.
  EXPECT_EQ(SuggestionBefore("hundred", "minutes/17"), "");
  EXPECT_EQ(SuggestionBefore("hundred", "percent/17"), "");
  EXPECT_EQ(SuggestionBefore("thousand", "percent/17"), "(Format numeric thousand%)");
}

TEST(NumberRules, NumberWords) {
  static const BodyCase kCases[] = {
      {"a/64 five/49 micron/18 red/32 ./48", "five",
       "five: suggestion=\"five-micron\" message=317 entryWords=2 ruleId=7304\nmicron: wordClass=40", "micron"},
      {"use/20 two/49 (2)/40 bolts/11 ./48", "two",
       "two: suggestion=\"two\" message=308 entryWords=2 ruleId=7121", "(2)"},
      {"use/20 two/49 (3)/40 bolts/11 ./48", "two", ""},
      {"use/20 ten/49 (1)/40 bolts/11 ./48", "ten", ""},
      {"use/20 one/49{mark=1} turn/20 ./48", "one", "one: message=320 ruleId=5667"},
      {"use/20 two5/49 ./48", "two5", "two5: wordClass=40"},
      {"Five/49 minutes/17 ./48", "Five", ""},
      {"do/20 it/66 two/49 at/60 a/64 time/10 ./48", "two", "", "at"},
      {"use/20 two/49 total/10 ./48", "two", "total: message=304 ruleId=6166", "total"},
      {"use/20 two/49 when/70 ./48", "two", "two: message=320 ruleId=6566", "when"},
      {"do/20 it/66 two/49 time/10 it/66 ./48", "two",
       "time: suggestion=\"times\" message=303 ruleId=5166", "time"},
      {"use/20 two/49 5/49 ./48", "two", ""},
      {"use/20 two/49 to/68 five/49 ./48", "two", "", "to"},
      {"use/20 two/49 to/68 5/49 ./48", "two", "", "two"},
      {"wait/20 five/49 minutes/17 ./48", "five",
       "five: suggestion=\"5\" tag=\"<AR>\" message=311 ruleId=5897"},
      {"wait/20 seven/49 days/11 ./48", "seven",
       "seven: suggestion=\"7\" tag=\"<AR>\" message=311 ruleId=5897"},
      {"set/20 it/66 to/68 zero/49 out/61 ./48", "zero",
       "zero: suggestion=\"reset to zero/resets to zero\" message=300 entryWords=2 ruleId=5666\nout: wordClass=40",
       "out"},
      {"set/20 it/66 to/68 zero/49 now/50 ./48", "zero", ""},
      {"a/64 two/49 pin/10 plug/10 ./48", "two",
       "two: suggestion=\"two-pin\" message=317 entryWords=2 ruleId=6304\npin: wordClass=40", "pin"},
      {"a/64 two/49 valves/11 pump/10 ./48", "two", ""},
      {"use/20 five/49 percent/17 of/67 it/66 ./48", "five",
       "five: suggestion=\"5%\" message=308 entryWords=2 ruleId=4207\npercent: wordClass=40", "percent"},
      {"use/20 one/49 percent/17 of/67 it/66 ./48", "one",
       "one: suggestion=\"(Use numeral 1)\" message=308 entryWords=2 ruleId=4207\npercent: wordClass=40",
       "percent", nullptr, "subjectNumber=1"},
      {"use/20 twenty/49{extra=6 code=N***2*} five/49 bolts/11 ./48", "twenty",
       "twenty: suggestion=\"25\" message=308 entryWords=2 ruleId=2302\nfive: wordClass=40", "five", nullptr,
       "subjectNumber=1 scratchResult=99"},
      {"use/20 twenty/49{extra=6 code=N***2*} hundred/49 bolts/11 ./48", "twenty", "", "twenty", nullptr,
       "subjectNumber=1 scratchResult=10"},
      {"use/20 hundreds/49 more/38 ./48", "hundreds", "hundreds: message=308 entryWords=2 ruleId=1102\nmore: wordClass=40"},
      {"a/64 three/49 phase/10 motor/10 ./48", "three",
       "three: suggestion=\"three-phase\" message=317 entryWords=2 ruleId=6304\nphase: wordClass=40"},
      {"a/64 three/49 core/18 electrical/30 ./48", "three",
       "three: suggestion=\"three-core\" message=317 entryWords=2 ruleId=3897\ncore: wordClass=40"},
      {"at/60 around/73 two/49 ./48", "two", "around: suggestion=\"approximately\" message=324 ruleId=6213"},
      {"at/60 past/60 two/49 ./48", "two", "past: suggestion=\"(Give time ref.)\" message=305 ruleId=6213"},
      {"a/64 three/49 way/10 valve/10 ./48", "three",
       "three: suggestion=\"three-way\" message=317 entryWords=2 ruleId=6304\nway: wordClass=40"},
      {"a/64 three/49 way/30 ./48", "three",
       "three: suggestion=\"three-way\" message=317 entryWords=2 ruleId=6897\nway: wordClass=40"},
      {"a/64 two/49 stroke/10 diesel/30 is/24 here/52 now/50 ./48", "two",
       "two: suggestion=\"two-stroke\" message=317 entryWords=2 ruleId=3120\nstroke: wordClass=40", "stroke", Long},
      {"a/64 score/49{extra=7 code=N***20} of/67 ./48", "score",
       "score: suggestion=\"20\" message=308 ruleId=11205"},
  };
  RunBodyCases(ApplyNumberRules, kCases);
}

TEST(NumberRules, TheWordOne) {
  static const RowCase kCases[] = {
      {"a/64 b/10 one/49 at/60 a/64 time/10", "one", 0, nullptr},
      {"use/20 one/49 more/38 ./48", "one", 1, "one: message=321 entryWords=2 ruleId=5896"},
      {"use/20 one/49 valve/10 ./48", "one", 2, ""},
      {"use/20 one/49 can/28 ./48", "one", 3, "one: message=320 ruleId=4896"},
      {"use/20 one/49 and/63 ./48", "one", 4, nullptr},
      {"use/20 one/49 max/45 ./48", "one", 5, ""},
      {"use/20 one/49 set/20 ./48", "one", 6, ""},
      {"use/20 to/68 one/49 it/66 ./48", "one", 7, ""},
      {"a/64 b/66 one/49 by/65 each/37 ./48", "one", 8, "one: message=320 ruleId=3302"},
      {"a/64 b/20{code=V0****} one/49 x/40 ./48", "one", 9, ""},
      {"a/64 b/28 one/49 it/66 ./48", "one", 10, "one: message=302 ruleId=5302"},
      {"a/64 b/30 one/49 only/52 ./48", "one", 11, "one: message=302 ruleId=1200"},
      {"a/64 b/30 one/49 is/24 ./48", "one", 12, nullptr},
      {"a/64 b/30 one/49 to/68 another/38 ./48", "one", 13,
       "one: suggestion=\"one ... to/(Rephrase)\" message=302 entryWords=3 ruleId=2302"},
      {"a/64 another/38 one/49 ./48", "one", 14, "another: suggestion=\"(Rephrase)\" message=302 entryWords=2 ruleId=2302"},
      {"a/64 b/30 one/49 by/65 one/49 ./48", "one", 15, nullptr},
      {"a/64 b/30 one/49 last/30 ./48", "one", 16, nullptr},
      {"a/64 single/30{msg=327} one/49{sub=3} ./48", "one", 17, "single: message=304 ruleId=7898\none: subClass=0"},
      {"a/64 b/30 one/49 time/52 ./48", "one", 18, nullptr},
      {"a/64 b/30 one/49 things/52 ./48", "one", 19, "one: entryWords=2"},
      {"a/64 b/30 one/49 after/70 ./48", "one", 20, nullptr},
      {"a/64 b/30 one/49 you/78 ./48", "one", 21, nullptr},
      {"a/64 b/30 one/49 but/62 ./48", "one", 22, nullptr},
      {"a/64 b/30 one/49 x/52 to/68 another/38 ./48", "one", 23, nullptr},
      {"a/64 b/30 one/49 another/38 ./48", "one", 24, nullptr},
      {"a/64 b/30 as/54 one/49 ./48", "one", 25,
       "as: suggestion=\"(add noun)\" message=320 entryWords=2 ruleId=1194"},
      {"a/64 b/30 good/30 one/49 ./48", "one", 26, "good: message=301 entryWords=2 ruleId=5896"},
      {"a/64 b/30 x/52 one/49 y/30{code=A*****} ./48", "one", 27, ""},
      {"a/52{token=1} one/49 ./48", "one", 29, ""},
      {"a/64 b/52{token=1} one/49{mark=1} stops/21 ./48", "one", 30, "one: message=320 ruleId=1902"},
      {"a/64 b/52{token=1} one/49 (a)/40 ./48", "one", 31, nullptr},
      {"a/64 ,/47 one/49 stops/21 ./48", "one", 33, nullptr},
      {"a/64 this/76 one/49 ./48", "one", 34, nullptr},
      {"a/64 b/52{token=1} one/49 ./48", "one", -1, ""},
  };
  // "one at a time" and "one" before a time conjunction are taken by the
  // rules of every number word; "which" by row 11, a unit by row 2.
  RunRowCases(OneRows(), kCases);

  static const BodyCase kBody[] = {
      {"use/20 every/38 one/49 ./48", "one", "one: suggestion=\"(Identify a subject)\" message=320 ruleId=4896",
       nullptr, nullptr, ""},
      {"use/20 one/49 each/38 ./48", "one", "one: suggestion=\"(Identify a subject)\" message=320 ruleId=4896"},
      {"use/20 one/49 of/67 ./48", "one", ""},
      {"an/64 hour/10 one/49 valve/10 ./48", "one", "one: suggestion=\"1\" message=308 ruleId=7860"},
      {"an/64 hour/10 one/49 can/28 ./48", "one", "one: suggestion=\"1\" message=320 ruleId=4896"},
  };
  RunBodyCases(ApplyNumberRules, kBody);
}

TEST(NumberRules, DigitsWithUnitsDegreesAndMarks) {
  static const BodyCase kCases[] = {
      {"use/20 12/49 V/17 ./48", "12", ""},
      {"a/64 12/49 volt/17 ,/47 ./48", "12",
       "12: suggestion=\"12-volt\" tag=\"<AR>\" message=311 entryWords=2 ruleId=7369", "volt"},
      {"at/60 20/49 deg/40 C/40 ./48", "20",
       "20: suggestion=\"20&deg;C\" tag=\"<AR>\" message=311 entryWords=3 ruleId=7669", "C"},
      {"at/60 45/49 degrees/17 ./48", "45",
       "45: suggestion=\"45&deg;\" tag=\"<AR>\" message=311 entryWords=2 ruleId=7669\ndegrees: wordClass=40",
       "degrees"},
      {"at/60 50/49 percent/17 ./48", "50",
       "50: suggestion=\"50%\" tag=\"<AR>\" message=311 entryWords=2 ruleId=7669\npercent: wordClass=40",
       "percent"},
      {"at/60 77F/49 now/50 ./48", "77F", "77F: suggestion=\"77&deg;F\" tag=\"<AR>\" message=311 ruleId=7669"},
      {"at/60 3C/49 now/50 ./48", "3C", "3C: suggestion=\"3&deg;C\" tag=\"<AR>\" message=311 ruleId=7669"},
      {"a/64 3/49 in/75 long/30 5/49 ./48", "3",
       "in: written=\"in \" suggestion=\"inch \" tag=\"<AR>\" wordClass=40 message=311 ruleId=7669", "in "},
      // A next word written with 'V' ends the rules first: "VDC" and "VAC" never reach their row.
      {"a/64 24/49 VDC/45 motor/10 ./48", "24", "", "24"},
      {"a/64 24/49 kva/45 motor/10 ./48", "24", "", "24"},
      {"With/20 5/49 valves/11 ./48", "5", ""},
      {"a/64 12/49 sq./40 ./48", "12", "sq.: suggestion=\"square\" tag=\"<AR>\" message=311 ruleId=7669"},
      {"a/64 12/49 in./40 ./48", "12", "in.: suggestion=\"inch\" tag=\"<AR>\" message=311 ruleId=7669"},
      // Longer numbers.
      {"a/64 1.2.3/49 b/10 ./48", "1.2.3", "1.2.3: wordClass=40"},
      {"a/64 12/49 x/40 ./48", "12", "12: wordClass=40"},
      {"a/64 12/49 to/68 ./48", "12", "12: wordClass=40"},
      {"a/64 12/49 OClock/40 ./48", "12",
       "OClock: text=\"clock\" written=\"Clock\" suggestion=\"(Use degrees or Mil. time)\" message=305 ruleId=5725",
       "Clock"},
      {"a/64 12/49 mins/40 (/40 ./48", "12",
       "mins: suggestion=\"minutes\" tag=\"<AR>\" message=311 ruleId=7669"},
      {"a/64 12/49{mark=1} valve/41 ./48", "12", "12: message=305 ruleId=5815"},
      {"a/64 12/49 mm/17 valve/10 ./48", "12",
       "12: suggestion=\"12-mm\" message=317 entryWords=2 ruleId=6302\nmm: wordClass=40", "mm"},
      {"a/64 12/49 mm/17 ./48", "12", ""},
      {"a/64 10mm/49 big/30 ./48", "10mm", "10mm: suggestion=\"10 mm\" classCode=\"S08**\" wordClass=40 message=308 ruleId=5116"},
      {"a/64 10kw/49 big/30 ./48", "10kw", "10kw: suggestion=\"10 kw\" message=308 ruleId=3367"},
      {"a/64 10KHz/49 big/30 ./48", "10KHz", "10KHz: suggestion=\"10K Hz\" message=308 ruleId=3367"},
      {"a/64 1234567/49 b/10 ./48", "1234567", ""},
      {"a/64 12./49 b/10 ./48", "12.", "12.: suggestion=\"12 .\" message=308 ruleId=8667", nullptr, Long},
      {"a/64 1a./49 b/10 ./48", "1a.", "1a.: suggestion=\"1 a.\" message=308 ruleId=2687", nullptr, Long},
      {"a/64 12/49 amp/10 ./48", "12", "amp: wordClass=17"},
      {"a/64 12/49 amps/10 ./48", "12", ""},
      {"a/64 12/49 days/10 ./48", "12", ""},
      {"a/64 12/49 day/10 ./48", "12", "day: wordClass=17"},
      {"a/64 12/49 hour/10 ./48", "12", "hour: wordClass=17"},
      {"a/64 12/49 ohm/30 ./48", "12", ""},
      {"a/64 12/49 +/40 ./48", "12", ""},
      {"a/64 1/2\"/49 bolt/10 ./48", "1/2\"", "1/2\": suggestion=\"1/2 inch\" message=305 ruleId=6296"},
            // The length the rules read is that of the text as the tokenizer keeps it;
      // a longer number than six characters ends before the marks are read.
      {"a/64 1/2&rdquo;/49{len=5} bolt/10 ./48", "1/2&rdquo;",
       "1/2&rdquo;: suggestion=\"1/2 inch\" message=305 ruleId=6296"},
      {"a/64 1/2&rdquo;/49 bolt/10 ./48", "1/2&rdquo;", ""},
      {"a/64 1/2;/49 bolt/10 ./48", "1/2;", ""},
      {"a/64 1/2dquo;/49{len=5} bolt/10 ./48", "1/2dquo;", ""},
      {"a/64 12`/49 b/10 ./48", "12`", "12`: suggestion=\"12\""},
      {"a/64 12&rsquo;/49{len=6} b/10 ./48", "12&rsquo;", "12&rsquo;: suggestion=\"12\""},
      {"a/64 1&rsquo;/49{len=5} b/10 ./48", "1&rsquo;", ""},
      {"a/64 12s;/49 b/10 ./48", "12s;", ""},
      {"a/64 12/49 size/10 ./48", "12", ""},
      // One digit.
      {"use/20 5/49 valves/11 ./48", "5", "5: suggestion=\"five\" message=308 ruleId=2672"},
      {"use/20 5/49 ./48", "5", ""},
      {"use/20 5/49 mm/17 ./48", "5", ""},
      {"use/20 5/49 and/63 6/49 ./48", "5", "", "and"},
      {"use/20 5/49 and/63 more/38 ./48", "5", ""},
      {"see/20 figure/10 5/49 now/50 ./48", "5", ""},
      {"use/20 5/49 feet/10 ./48", "5", ""},
      {"use/20 5/49 x/10 Ab/10 ./48", "5", ""},
      {"use/20 5/49 to/68 9/49 ./48", "5", "", "to"},
      {"allow/20 5/49 persons/11 ./48", "5",
       "allow: suggestion=\"let/(Rephrase)\" message=300 ruleId=5667\n5: suggestion=\"five\" message=308 ruleId=2672"},
      {"use/20 1/49 valve/10 ./48", "1", "1: suggestion=\"one\" message=308 ruleId=2672", nullptr, nullptr, ""},
      {"use/20 0/49 (/40 ./48", "0", "0: suggestion=\"No/Zero\""},
      {"a/64 ,/47 5/49 valves/11 ./48", "5", ""},
  };
  RunBodyCases(ApplyNumberRules, kCases);
}

}  // namespace
