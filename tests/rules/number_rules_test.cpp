// The number rules (class 49): the entry checks, numbers written in words
// before a unit and before "percent", "one", and numbers written in digits
// with their units, degrees and marks.
#include <gtest/gtest.h>

#include <string>

#include "rules/main/class_bodies.h"
#include "rules/main/number_rules.h"
#include "tests/rules/rule_cases.h"

namespace {

void Long(SentenceStateRec& s) { s.sentenceWordCount = 12; }

TEST(NumberRules, EntryChecks) {
  RunBodyCases(ApplyNumberRules, {
      {"set/20 5-6/49 ./48", "5-6", "5-6: wordClass=40", nullptr, nullptr, "subjectNumber=1"},
      {"set/20 five/49{extra=H} minutes/17 ./48", "five", ""},
      // The lock of the word holds.
      {"set/20 5/49{sep=q} ./48", "5", "5: message=305 ruleId=980"},
      {"use/20 a/64 .5/49 bolt/10 ./48", ".5", ".5: suggestion=\"0.5\" tag=\"<AR>\" message=311 ruleId=4568"},
      {"1./49 Open/20 ./48", "1.", "1.: wordClass=40"},
      {"a/64 five/49 micron/18 red/32 ./48", "five",
       "five: suggestion=\"five-micron\" message=317 entryWords=2 ruleId=7304\nmicron: wordClass=40", "micron"},
      // The bracketed digit is compared with the whole word.
      {"use/20 two/49 (2)/40 bolts/11 ./48", "two",
       "two: suggestion=\"two\" message=308 entryWords=2 ruleId=7121", "(2)"},
      {"use/20 two/49 (3)/40 bolts/11 ./48", "two", ""},
      {"use/20 ten/49 (1)/40 bolts/11 ./48", "ten", ""},
      {"do/20 it/66 two/49 at/60 a/64 time/10 ./48", "two", "", "at"},
      {"do/20 it/66 two/49 time/10 it/66 ./48", "two", "time: suggestion=\"times\" message=303 ruleId=5166", "time"},
      {"use/20 two/49 to/68 five/49 ./48", "two", "", "to"},
      {"wait/20 five/49 minutes/17 ./48", "five", "five: suggestion=\"5\" tag=\"<AR>\" message=311 ruleId=5897"},
      // After a tens word the digits are the whole number's: on both words,
      // or, where markup divides them, as a hint on this one.
      {"wait/20 twenty/49 five/49 minutes/17 ./48", "five",
       "twenty: suggestion=\"25\" tag=\"<AR>\" message=311 entryWords=2 ruleId=5897"},
      {"wait/20 twenty-/40 five/49 minutes/17 ./48", "five",
       "five: suggestion=\"(25)\" tag=\"<AR>\" message=311 ruleId=5897"},
      {"wait/20 twenty/49 <ref>/40 five/49 minutes/17 ./48", "five",
       "five: suggestion=\"(25)\" tag=\"<AR>\" message=311 ruleId=5897"},
      // A unit begins the next word: "section" is none.
      {"forming/23 one/49 section/10 entitled/22 ./48", "one", ""},
      {"set/20 it/66 to/68 zero/49 out/61 ./48", "zero",
       "zero: suggestion=\"reset to zero/resets to zero\" message=300 entryWords=2 ruleId=5666\nout: wordClass=40",
       "out"},
      {"a/64 two/49 pin/10 plug/10 ./48", "two",
       "two: suggestion=\"two-pin\" message=317 entryWords=2 ruleId=6304\npin: wordClass=40", "pin"},
      {"use/20 one/49 percent/17 of/67 it/66 ./48", "one",
       "one: suggestion=\"(Use numeral 1)\" message=308 entryWords=2 ruleId=4207\npercent: wordClass=40",
       "percent", nullptr, "subjectNumber=1"},
      {"use/20 twenty/49{extra=6 code=N***2*} five/49 bolts/11 ./48", "twenty",
       "twenty: suggestion=\"25\" message=308 entryWords=2 ruleId=2302\nfive: wordClass=40", "five", nullptr,
       "subjectNumber=1 scratchResult=99"},
      {"use/20 twenty/49{extra=6 code=N***2*} hundred/49 bolts/11 ./48", "twenty", "", "twenty", nullptr,
       "subjectNumber=1 scratchResult=10"},
      {"use/20 hundreds/49 more/38 ./48", "hundreds", "hundreds: message=308 entryWords=2 ruleId=1102\nmore: wordClass=40"},
      {"use/20 one/49{mark=1} turn/20 ./48", "one", "one: message=320 ruleId=5667"},
      {"use/20 two/49 total/10 ./48", "two", "total: message=304 ruleId=6166", "total"},
      {"a/64 three/49 core/18 electrical/30 ./48", "three",
       "three: suggestion=\"three-core\" message=317 entryWords=2 ruleId=3897\ncore: wordClass=40"},
      {"at/60 past/60 two/49 ./48", "two", "past: suggestion=\"(Give time ref.)\" message=305 ruleId=6213"},
      {"a/64 score/49{extra=7 code=N***20} of/67 ./48", "score", "score: suggestion=\"20\" message=308 ruleId=11205"},
      {"at/60 around/73 two/49 ./48", "two", "around: suggestion=\"approximately\" message=324 ruleId=6213"},
      {"a/64 three/49 way/30 ./48", "three",
       "three: suggestion=\"three-way\" message=317 entryWords=2 ruleId=6897\nway: wordClass=40"},
      {"a/64 two/49 stroke/10 diesel/30 is/24 here/52 now/50 ./48", "two",
       "two: suggestion=\"two-stroke\" message=317 entryWords=2 ruleId=3120\nstroke: wordClass=40", "stroke", Long},
      {"use/20 every/38 one/49 ./48", "one", "one: suggestion=\"(Identify a subject)\" message=320 ruleId=4896",
       nullptr, nullptr, ""},
      {"use/20 one/49 of/67 ./48", "one", ""},
      {"an/64 hour/10 one/49 valve/10 ./48", "one", "one: suggestion=\"1\" message=308 ruleId=7860"},
      // A number and its unit before a comma are written as they should be.
      {"a/64 12/49 volt/17 ,/47 ./48", "12", "", "volt"},
      {"at/60 20/49 deg/40 C/40 ./48", "20",
       "20: suggestion=\"20&deg;C\" tag=\"<AR>\" message=311 entryWords=3 ruleId=7669", "C"},
      // The scale is a word of its own, not a word that begins like it.
      {"at/60 20/49 degrees/40 Celsius/40 ./48", "20",
       "20: suggestion=\"20&deg;C\" tag=\"<AR>\" message=311 entryWords=3 ruleId=7669", "Celsius"},
      {"at/60 90/49 degrees/40 Filter/40 ./48", "90",
       "90: suggestion=\"90&deg;\" tag=\"<AR>\" message=311 entryWords=2 ruleId=7669", "degrees"},
      // A code of a series the sentence lists is no temperature.
      {"if/70 258A/49 means/21 ,/47 258C/49 means/21 ./48", "258C", "258C: wordClass=40"},
      {"set/20 the/64 258C/49 code/10 ./48", "258C",
       "258C: suggestion=\"258&deg;C\" tag=\"<AR>\" message=311 ruleId=7669"},
      {"at/60 50/49 percent/17 ./48", "50",
       "50: suggestion=\"50%\" tag=\"<AR>\" message=311 entryWords=2 ruleId=7669\npercent: wordClass=40", "percent"},
      // The blank added to "in" stays inside its field. Only "in" is the
      // inch sign: "on" and "at" are what they say.
      {"a/64 3/49 in/75 long/30 5/49 ./48", "3",
       "in: written=\"in \" suggestion=\"inch \" tag=\"<AR>\" wordClass=40 message=311 ruleId=7669", "in "},
      {"put/20 2/49 at/75 a/40 4/49 ./48", "2", "2: suggestion=\"two\" message=308 ruleId=2672"},
      // A next word written with 'V' ends the rules first: "VDC" and "VAC" never reach their row.
      {"a/64 24/49 VDC/45 motor/10 ./48", "24", "", "24"},
      {"a/64 24/49 kva/45 motor/10 ./48", "24", "", "24"},
      {"a/64 12/49 sq./40 ./48", "12", "sq.: suggestion=\"square\" tag=\"<AR>\" message=311 ruleId=7669"},
      // Longer numbers.
      {"a/64 1.2.3/49 b/10 ./48", "1.2.3", "1.2.3: wordClass=40"},
      {"a/64 12/49 OClock/40 ./48", "12",
       "OClock: text=\"clock\" written=\"Clock\" suggestion=\"(Use degrees or Mil. time)\" message=305 ruleId=5725",
       "Clock"},
      {"a/64 12/49 mins/40 (/40 ./48", "12", "mins: suggestion=\"minutes\" tag=\"<AR>\" message=311 ruleId=7669"},
      {"a/64 12/49{mark=1} valve/41 ./48", "12", "12: message=305 ruleId=5815"},
      {"a/64 12/49 mm/17 valve/10 ./48", "12",
       "12: suggestion=\"12-mm\" message=317 entryWords=2 ruleId=6302\nmm: wordClass=40", "mm"},
      {"a/64 10mm/49 big/30 ./48", "10mm", "10mm: suggestion=\"10 mm\" classCode=\"S08**\" wordClass=40 message=308 ruleId=5116"},
      {"a/64 10kw/49 big/30 ./48", "10kw", "10kw: suggestion=\"10 kw\" message=308 ruleId=3367"},
      {"a/64 12./49 b/10 ./48", "12.", "12.: suggestion=\"12 .\" message=308 ruleId=8667", nullptr, Long},
      {"a/64 1a./49 b/10 ./48", "1a.", "1a.: suggestion=\"1 a.\" message=308 ruleId=2687", nullptr, Long},
      {"a/64 12/49 day/10 ./48", "12", "day: wordClass=17"},
      {"a/64 12/49 amp/10 ./48", "12", "amp: wordClass=17"},
      {"a/64 1/2\"/49 bolt/10 ./48", "1/2\"", "1/2\": suggestion=\"1/2 inch\" message=305 ruleId=6296"},
      // An entity form needs seven characters or more, '&' at length - 7 and
      // ';' last. The length read is the one the tokenizer keeps; a number
      // longer than six characters ends before the marks are read.
      {"a/64 1/2&rdquo;/49{len=5} bolt/10 ./48", "1/2&rdquo;",
       "1/2&rdquo;: suggestion=\"1/2 inch\" message=305 ruleId=6296"},
      {"a/64 12`/49 b/10 ./48", "12`", "12`: suggestion=\"12\""},
      {"a/64 12&rsquo;/49{len=6} b/10 ./48", "12&rsquo;", "12&rsquo;: suggestion=\"12\""},
      // One digit.
      {"use/20 5/49 valves/11 ./48", "5", "5: suggestion=\"five\" message=308 ruleId=2672"},
      {"use/20 5/49 and/63 6/49 ./48", "5", "", "and"},
      {"use/20 5/49 feet/10 ./48", "5", ""},
      {"allow/20 5/49 persons/11 ./48", "5",
       "allow: suggestion=\"let/(Rephrase)\" message=300 ruleId=5667\n5: suggestion=\"five\" message=308 ruleId=2672"},
  });
}

// Number words are read whole: the digits before a unit, the percentage up
// to ten, advice for longer words.
TEST(NumberRules, NumberWordsBeforeAUnitAndPercent) {
  static const struct {
    const char* word;
    const char* next;
    const char* suggestion;
  } kWords[] = {
      {"zero", "minutes/17", "0"},   {"seven", "hours/11", "7"},       {"ten", "volts/17", "10"},
      {"twelve", "minutes/17", "12"}, {"sixty", "hours/11", "60"},    {"hundred", "minutes/17", ""},
      {"zero", "percent/17", ""},    {"one", "percent/17", "(Use numeral 1)"},
      {"two", "percent/17", "2%"},   {"ten", "percent/17", "10%"},
      {"eleven", "percent/17", "(Format numeric eleven%)"}, {"hundred", "percent/17", ""},
      {"thousand", "percent/17", "(Format numeric thousand%)"},
  };
  for (const auto& k : kWords) {
    const std::string text = std::string("wait/20 ") + k.word + "/49 " + k.next + " ./48";
    auto words = BuildWords(text.c_str());
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, k.word), .head = words->head(), .state = state};
    ApplyNumberRules(c);
    EXPECT_EQ(c.word->suggestion.str(), k.suggestion) << text;
  }
}

TEST(NumberRules, TheWordOne) {
  RunRowCases(OneRows(), {
      {"use/20 one/49 more/38 ./48", "one", 1, "one: message=321 entryWords=2 ruleId=5896"},
      {"a/64 b/30 one/49 to/68 another/38 ./48", "one", 13,
       "one: suggestion=\"one ... to/(Rephrase)\" message=302 entryWords=3 ruleId=2302"},
      {"a/64 another/38 one/49 ./48", "one", 14, "another: suggestion=\"(Rephrase)\" message=302 entryWords=2 ruleId=2302"},
      {"a/64 b/30 as/54 one/49 ./48", "one", 25, "as: suggestion=\"(add noun)\" message=320 entryWords=2 ruleId=1194"},
      {"a/64 b/52{token=1} one/49 ./48", "one", -1, ""},
  });

}

}  // namespace
