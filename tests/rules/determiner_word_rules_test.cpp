// The rules of the determiners inside their sentence: the gates of the
// class, the findings of each word, and the rows of the word tables.
#include <gtest/gtest.h>

#include "rules/main/determiner_word_rules.h"
#include "rules/main/determiner_word_tables.h"
#include "tests/rules/table_cases.h"

namespace {

void PluralSubject(SentenceStateRec& s) { s.subjectNumber = 1; }

// The rows of the word tables: the rows that pin the order and each output shape. Rows that the class gate
// closes in a sentence (a number, "and"/"or" or an article next) are still checked here, where no gate runs.
TEST(DeterminerWordRules, Rows) {
  const auto all = AllRows(), any = AnyRows(), more = MoreRows(), less = LessRows(), fine = FineRows();
  const auto other = OtherRows(), quick = QuickRows(), short_ = ShortRows(), your = YourRows();
  const TableCase kCases[] = {
      // Row 31 ("around" unmarked): row 9 takes every "around" first.
      {all, {"a/40 all/38 way/10{mark=1} ./48", "all", 0,
             "all: suggestion=\"fully/completely\" message=324 ruleId=3894\nway: text=\"Xay\" wordClass=40"}},
      {all, {"a/40 at/60 all/38 ;/42 ./48", "all", 25, "all: message=337 ruleId=4894"}},
      {all, {"a/40 b/40 all/38 over/73 ./48", "all", 29,
             "all: suggestion=\"all over\" message=320 entryWords=2 ruleId=6894"}},
      {all, {"a/40 follows/21{msg=302} all/38 y/66 ./48", "all", 33,
             "follows: suggestion=\"obey all\" message=324 entryWords=2 ruleId=5894"}},
      {all, {"a/40 follow/20 all/38 y/66 ./48", "all", 26,
             "follow: suggestion=\"obey/read/monitor\" message=300 ruleId=5894"}},
      {all, {"a/40 all/38 y/66 ./48", "all", -1, ""}},
      {any, {"a/40 when/70 any/38 y/66 ./48", "any", 7, "when: message=324 entryWords=2 ruleId=7894"}},
      {any, {"a/40 any/38 rights/66 ./48", "any", 14, "any: suggestion=\"(Avoid legal phrases)\" entryWords=2"}},
      {any, {"a/40 any/38 y/66 ./48", "any", -1, ""}},
      {more, {"a/40 more/38 ./48", "more", 0, "more: message=320 ruleId=3931"}},
      {more, {"a/40 more/38 then/73 ./48", "more", 4,
              "more: separatorFlag=s\nthen: suggestion=\"than\" tag=\"<AR>\" message=311 ruleId=3931"}},
      {more, {"a/40 b/40 five/49 more/38 y/66 ./48", "more", 9, "five: message=305 entryWords=2 ruleId=6932"}},
      {more, {"a/40 more/38 than/73 half/30 ./48", "more", 11, "half: suggestion=\"50%\" message=308 ruleId=3932"}},
      {more, {"a/40 more/38 y/66 ./48", "more", -1, ""}},
      {less, {"a/40 less/38 y/66{mark=1} ./48", "less", 6, "less: suggestion=\"without\" message=305 ruleId=6732"}},
      {less, {"a/40 less/38 valve/10 ./48", "less", 9, "less: message=313 entryWords=2 ruleId=6932"}},
      {fine,
       {"a/40 fine/38{mark=1} y/66 ./48", "fine", 0, "fine: classCode=\"NMS*\" wordClass=10 message=324 ruleId=4795"}},
      {fine, {"may/28 fine/38 y/66 ./48", "fine", 2,
              "fine: suggestion=\"(Rephrase - Legal)\" classCode=\"V0**\" wordClass=20 message=300 ruleId=3795"}},
      {fine, {"a/40 fine/38 y/66 ./48", "fine", -1, ""}},
      // Row 7 (marked, a verb next): rows 4 and 5 take every marked word before
      // a class above 19.
      {other, {"a/40 other/38 used/22 ./48", "other", 1, "used: wordClass=31"}},
      {other, {"a/40 other/38{mark=1} y/66 ./48", "other", 5, "other: message=320 ruleId=5661"}},
      {other, {"a/40 any/38{msg=302} other/38 y/66 ./48", "other", 8, "any: message=304 entryWords=2 ruleId=5824"}},
      {other, {"a/40 other/38 y/66 ./48", "other", 11, "other: message=327 ruleId=491"}},
      {quick,
       {"a/40 quick/38{msg=300} access/20 ./48", "quick", 0, "quick: wordClass=30 message=0\naccess: wordClass=10"}},
      {quick, {"a/40 quick/38 ./48", "quick", 1, "quick: suggestion=\"quickly\" message=302 ruleId=3897"}},
      {quick,
       {"quick/38{pos=-1} y/66 ./48", "quick", 6, "quick: suggestion=\"quickly/(Rephrase)\" message=301 ruleId=5897"}},
      {short_, {"a/40 short/38 output/10 pulse/10 ./48", "short", 2,
                "short: suggestion=\"(Give time ref.)\" message=305 entryWords=2 ruleId=8627"}},
      {short_, {"a/40 short/38 amount/10{mark=1} of/67 time/10 ./48", "short", 4,
                "short: suggestion=\"(Give time Ref.)\" message=305 entryWords=4 ruleId=7629"}},
      {short_, {"a/40 short/38 y/66 ./48", "short", -1, ""}},
      {your, {"a/40 your/38 testing/23 ./48", "your", 1,
              "your: classCode=\"A****\" message=302 ruleId=6795\ntesting: wordClass=30"}},
      {your, {"see/20 your/38 y/66 ./48", "your", 4,
              "see: suggestion=\"make contact with.../(Give email or URL)\" message=313 entryWords=2 ruleId=2931"}},
      {your, {"a/40 your/38 y/66{code=P****} ./48", "your", 7, "your: message=320 ruleId=2931"}},
      {SameRows(), {"x/40 same/38 red/30{code=A****} ./48", "same", -1, ""}},
      {BestRows(), {"x/40 best/38 if/70 ./48", "best", 4, "best: message=324 entryWords=2 ruleId=7797"}},
      {PossibleRows(), {"the/64 earliest/35 possible/38 y/30 ./48", "possible", 4,
                        "earliest: suggestion=\"(Give time or date ref.)\" message=324 entryWords=2 ruleId=7897"}},
      {PossibleRows(), {"x/40 is/24 possible/38 ./48", "possible", 6, "possible: message=302 ruleId=3897"}},
  };
  RunTableCases(kCases);
}

TEST(DeterminerWordRules, FindingsByWord) {
  static const BodyCase kCases[] = {
      // The gates: a name, a number or an article after it, a preposition before it.
      {"in/60 all/38 x/30 ./48", "all", "", "all"},
      {"do/20 it/66 all/38 ways/11 ./48", "all",
       "all: suggestion=\"always\" message=324 entryWords=2 ruleId=7877\nways: wordClass=40", "ways", PluralSubject,
       "subjectNumber=0"},
      {"do/20 it/66 several/38 times/11 ./48", "several",
       "several: suggestion=\"(Give reference or quantity)\" message=305 entryWords=2 ruleId=5627\n"
       "times: wordClass=40", "times"},
      {"do/20 it/66 every/38 time/10 ./48", "every",
       "every: suggestion=\"(Give time interval)\" message=324 entryWords=2 ruleId=4795", "every"},
      // The advice and the finding go on "lucky" together.
      {"he/66 was/24 lucky/30 enough/38 ./48", "enough",
       "lucky: suggestion=\"(Found KESta Easter Egg)\" message=313 entryWords=2 ruleId=2787", "enough"},
      // "any" before a noun ends there; before other words it covers them with advice alone.
      {"x/40 any/38 further/34 y/30 ./48", "any",
       "any: suggestion=\"(Be specific or give range)\" entryWords=2\nfurther: wordClass=40", "further"},
      {"x/40 more/38 then/73 y/30 ./48", "more",
       "more: separatorFlag=s\nthen: suggestion=\"than\" tag=\"<AR>\" message=311 ruleId=3931", "then"},
      {"a/40 short/38 break/10 ./48", "short",
       "short: suggestion=\"(Give time ref.)\" message=305 entryWords=2 ruleId=8627\nbreak: wordClass=40", "break"},
      {"as/54 short/38 as/54 ./48", "short", "as: wordClass=40", "short"},
      // "short" before its sentence start: the compound row alone.
      {"short/38{pos=-1} pipe/10 hose/10 ./48", "short", "short: message=317 entryWords=2 ruleId=3627", "pipe"},
      {"short/38{pos=-1} amount/10 ./48", "short", "", "short"},
      {"meet/20 your/38 needs/11 x/30 ./48", "your",
       "your: message=313 entryWords=2 ruleId=2931\nneeds: wordClass=40", "needs"},
      {"the/64 small/38{sub=12} time/10 ./48", "small",
       "small: subClass=0 message=305 entryWords=2 ruleId=3627\ntime: wordClass=40", "time"},
      {"a/40 zany/38 x/30 ./48", "zany", "", "zany"},
  };
  RunBodyCases(ApplyDeterminerWordRules, kCases);
}

}  // namespace
