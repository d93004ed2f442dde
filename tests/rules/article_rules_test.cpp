// The rules of the articles: the gate on the next word, the tables of "a"
// and "an" at their vowel, 'u' and label edges, and the agreement state.
#include <gtest/gtest.h>

#include "rules/function_words/article_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

void Accepting(SentenceStateRec& s) { s.skipAgreement = 1; }

TEST(ArticleRules, TablesRowByRow) {
  using namespace article;
  static const TableCase kCases[] = {
      {kA, {"See/20 appendix/10 A/64 bb/20", "A", 0, nullptr}},
      {kA, {"Fit/20 it/66 with/74 a/64 level/10", "a", 6, "with: suggestion=\"(Try ... to)\" message=324 ruleId=4651"}},
      // Reached only by an article that is not a letter: a letter after
      // "a" is taken by the row of "a letter".
      {kA, {"Fit/20 #/64 B/10", "#", 16,
            "#: suggestion=\"a letter B/a mark B\" message=323 entryWords=2 ruleId=4759 verbForm=X"}},
      {kA, {"Set/20 it/66 to/68 a/64 minimum/30", "a", 17,
            "minimum: suggestion=\"minimum value/minimum range/(Be specific)\" message=305 ruleId=4656"}},
      {kA, {"Turn/20 half/37 a/64 turn/10", "a", 20,
            "half: suggestion=\"(Use degrees, scale or range)\" wordClass=40 subClass=305 message=305"}},
      {kA, {"Use/20 a/64 couple/10", "a", 24, "a: suggestion=\"two\" message=302 entryWords=2 ruleId=2653"}},
      {kA, {"Use/20 a/64 group/30", "a", 21, "group: wordClass=10"}},
      {kA, {"Fit/20 a/64 to/68", "a", 30, nullptr}},
      {kAn, {"Use/20 an/64 data/10", "an", 1, "an: suggestion=\"the\" message=326 ruleId=2751"}},
      {kAn, {"Use/20 like/60 an/64 oil/16", "an", 2, "like: suggestion=\"for example\" message=301 ruleId=7751"}},
      {kAn, {"Use/20 an/64 utility/10", "an", 4, "an: suggestion=\"a\" message=303 ruleId=4652"}},
      {kAn, {"Set/20 to/68 an/64 odd/30 number/10", "an", -1, nullptr}},
  };
  RunTableCases(kCases);
}

TEST(ArticleRules, Body) {
  static const BodyCase kCases[] = {
      {"Fit/20 a/64", "a", "a: message=320 ruleId=4656", "a"},
      // Words the articles do not judge; a one-character one is passed over.
      {"Fit/20 a/64 ./48", "a", "", "."},
      {"Fit/20 a/64 Apple/10 ./48", "a", "", "a"},
      // The vowels and 'u'.
      {"Fit/20 a/64 apple/10 ./48", "a", "a: suggestion=\"an\" message=311 ruleId=4757", "a"},
      {"Fit/20 a/64 umbrella/10 ./48", "a", "a: written=\"a \" suggestion=\"an\" message=303 ruleId=4656", "a "},
      {"Fit/20 a/64 unit/10 ./48", "a", "", "a"},
      {"Fit/20 a/64 valves/11 ./48", "a", "valves: message=303 ruleId=5556", "valves"},
      {"Fit/20 a/64 B/10 ./48", "a", "a: suggestion=\"a letter B\" message=303 entryWords=2 ruleId=4656", "B"},
      {"Do/20 it/66 a/64 few/37 times/11 ./48", "a",
       "a: suggestion=\"(Give quantity, range, time)\" message=305 entryWords=3 ruleId=2651\nfew: wordClass=40\n"
       "times: wordClass=40", "times"},
      // A capital "A" after a label word names an item, also before a vowel.
      {"See/20 appendix/10{msg=325} A/64{msg=311 code=A*****} includes/21 ./48", "A",
       "appendix: message=0\nA: classCode=\"D****\" wordClass=40 message=0\nincludes: wordClass=40", "A"},
      {"Use/20 type/10 A/64 oil/16 ./48", "A", "A: wordClass=40\noil: wordClass=40", "A"},
      // A sentence's own "A" is the article.
      {"A/64 lot/10 is/24 ./48", "A",
       "A: suggestion=\"(Give range or qty.)\" message=302 entryWords=2 ruleId=2653\nlot: wordClass=40", "lot"},
      // "an".
      {"Fit/20 an/64 book/10 ./48", "an", "an: suggestion=\"a\" message=311 ruleId=5651", "an"},
      {"Fit/20 an/64{msg=311 msg2=325} eight/10{sub=311} ./48", "an", "an: message=0 message2=0\neight: subClass=0",
       "an"},
      {"An/64 information/10 is/24 ./48", "An", "An: suggestion=\"The\" message=326 ruleId=2751", "An"},
      {"Fit/20 the/64 x/10 ./48", "the", "the: suggestion=\"(Sentence fault)\" message=321 ruleId=5651", "the"},
      // An article begins a new subject, unless "and" or "or" joins it to the
      // subject before.
      {"A/64 pump/10 and/63 a/64 valve/10 are/25 ./48", "a", "", "a", Accepting, ""},
      {"Fit/20 a/64 valve/10 ./48", "a", "", "a", Accepting, "skipAgreement=0"},
      {"Fit/20 it/66 and/63 a/64", "a", "a: message=320 ruleId=4656", "a", Accepting, ""},
  };
  RunBodyCases(ApplyArticleRules, kCases);
}

}  // namespace
