// The rules of "as" and of *as X as*: the gates, the rules at the start of a
// sentence and inside it, and the comparison rules the body reaches.
#include <gtest/gtest.h>

#include "rules/function_words/as_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/row_probes.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(AsRules, GatesAndSentenceStart) {
  static const BodyCase kCases[] = {
      // The end of the clause or of the text, at any position.
      {"Stop/20 as/54 ,/47 now/50 ./48", "as", "as: message=331 ruleId=7664", "as"},
      // *as shown* passes over its word; *as indicated* is rewritten.
      {"Fit/20 it/66 as/54 shown/22 ./48", "as", "", "shown"},
      {"Fit/20 it/66 as/54 indicated/22 ./48", "as",
       "as: suggestion=\"as shown\" message=331 entryWords=2 ruleId=8328\nindicated: wordClass=40", "indicated"},
      // *as it is*: "When" at the start, "when" inside.
      {"As/54 it/66 is/24 hot/30 ./48", "As",
       "As: suggestion=\"When\" message=331 entryWords=3 ruleId=8864\nit: wordClass=40\nis: wordClass=40", "is"},
      // The start of a sentence.
      {"As/54 an/64 alternative/10 ,/47 stop/20 ./48", "As",
       "As: suggestion=\"different/(Rephrase)\" message=331 entryWords=3 ruleId=8164\nan: wordClass=40\n"
       "alternative: wordClass=40", "alternative"},
      {"As/54 quickly/50 as/54 possible/30 ,/47 ./48", "As",
       "As: suggestion=\"(Give time Ref.)\" message=305 entryWords=4 ruleId=2679\nquickly: wordClass=40\n"
       "as: wordClass=40\npossible: wordClass=40", "possible"},
      // After a dropped "the", unless a participle stands before "as".
      {"Stop/20 as/54 pump/10{mark=1} turns/21 ./48", "as", "", "as"},
      // *X as*: the finding covers both words and sits on X.
      {"Item/10 designated/22 as/54 B/10 ./48", "as",
       "designated: suggestion=\"as shown in/for/description\" message=324 entryWords=2 ruleId=4763", "as"},
      // A time or place with "possible" is not a length.
      {"Stop/20 it/66 as/54 soon/50 as/54 possible/30 ./48", "as",
       "as: suggestion=\"(Give time ref.)\" message=331 entryWords=4 ruleId=7764\nsoon: wordClass=40\n"
       "as: wordClass=40\npossible: wordClass=40", "possible"},
      {"Stop/20 it/66 as/54 soon/50 as/54 you/66 can/28 ./48", "as",
       "as: suggestion=\"(Give length ref.)\" message=302 entryWords=3 ruleId=7664\nsoon: wordClass=40\n"
       "as: wordClass=40", "as#2"},
      // *as needed* after a noun is left alone.
      {"Do/20 it/66 as/54 needed/22 ./48", "as", "as: message=320 entryWords=2 ruleId=8864\nneeded: wordClass=40",
       "needed"},
      // *as quick and as*: passed over up to the second "as".
      {"Do/20 it/66 as/54 quick/30 and/63 as/54 safe/30 ./48", "as", "", "and"},
      {"Do/20 it/66 as/54 opposed/22 to/68 B/10 ./48", "as",
       "as: suggestion=\"(Rephrase)/different from\" message=331 entryWords=3 ruleId=7764\n"
       "opposed: wordClass=40\nto: wordClass=40", "to"},
      // *as X as*, reached from the body.
      {"Use/20 it/66 as/54 many/37 as/54 six/49 ./48", "as",
       "as: suggestion=\"a maximum\" message=331 entryWords=3 ruleId=3664\nmany: wordClass=40\nas: wordClass=40",
       "as#2"},
      // *and as*: the conjunction gets the advice, covering both words.
      {"Stop/20 it/66 and/63 as/54 fast/50 as/54 you/66 can/28 ./48", "as",
       "and: suggestion=\"or when\" message=302 entryWords=2 ruleId=4682", "as"},
      {"Set/20 it/66 as/54 early/50 as/54 six/49 ./48", "as",
       "as: suggestion=\"(Give measurement)\" message=302 entryWords=3 ruleId=3582\nearly: wordClass=40\n"
       "as: wordClass=40", "as#2"},
      {"Set/20 it/66 as/54 hot/30 as/54 oil/16 ./48", "as", "", "as"},
      {"Set/20 it/66 as/54 over/60 as/54 six/49 ./48", "as",
       "as: suggestion=\"more than/because\" message=331 entryWords=2 ruleId=8763\nover: wordClass=40", "over"},
      {"Set/20 it/66 as/54 fast/40 as/54 six/49 ./48", "as", "as: message=331 ruleId=9664", "as"},
  };
  RunBodyCases(ApplyAsRules, kCases);
}

TEST(AsRules, SpecifiedWithTheApprovedDictionaryIsPassedOver) {
  for (unsigned char ste : {0, 1}) {
    auto words = BuildWords("Fit/20 it/66 as/54 specified/22 ./48");
    SentenceStateRec state;
    RuleContext c{.word = FindWord(*words, "as"), .head = words->head(), .state = state, .steDictionary = ste};
    EXPECT_EQ(ApplyAsRules(c), ste ? Walk::PassNext : Walk::Next);
    EXPECT_EQ(words->Changes(), "");
  }
}

TEST(AsRules, PhraseTablesRowByRow) {
  using namespace as_rules;
  std::vector<RowCase> before, phrases;
  AddRowProbes(before, kBeforeAs, 0, static_cast<int>(kBeforeAs.size()) - 1,
               {.pattern = "Fit/20 {p1} as/54 by/60 ./48", .at = "as"});
  RunRowCases(kBeforeAs, before);
  AddRowProbes(phrases, kPhrases, 0, static_cast<int>(kPhrases.size()) - 1,
               {.pattern = "Fit/20 it/66 as/54 {n1} {n2} {n3} ./48", .at = "as"});
  RunRowCases(kPhrases, phrases);
}

TEST(AsAsRules, TablesRowByRow) {
  using namespace as_rules;
  static const RowCase kAfterThirdCases[] = {
      {"Stop/20 it/66 or/63 as/54 x/40 as/54", "as", 0, nullptr},
      {"Stop/20 it/66 to/68 as/54 <b>/40 as/54", "as", 2, nullptr},
      {"Stop/20 it/66 to/68 as/54 this/76 as/54", "as", 3, "as: message=331 entryWords=2 ruleId=7664"},
      // Only past the third word of the sentence.
      {"Stop/20 or/63 as/54 this/76 as/54", "as", -1, ""},
  };
  RunRowCases(kAfterThird, kAfterThirdCases);

  std::vector<RowCase> comparison{
      {"Use/20 it/66 as/54 above/73{mark=1} as/54", "as", 17, nullptr},
  };
  AddRowProbes(comparison, kComparison, 0, 16, {.pattern = "Fit/20 {p1} as/54 {n1} as/54 ./48", .at = "as",
                                                 .p1 = "it/66"});
  RunRowCases(kComparison, comparison);

  std::vector<RowCase> closing;
  AddRowProbes(closing, kClosing, 0, static_cast<int>(kClosing.size()) - 1,
               {.pattern = "Fit/20 it/66 as/54 {n1} as/54 ./48", .at = "as"});
  RunRowCases(kClosing, closing);
}

}  // namespace
