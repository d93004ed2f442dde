// The rules of the determiners inside their sentence: the gates of the
// class, the findings of each word, and the rows of the shorter tables.
#include <gtest/gtest.h>

#include "rules/main/determiner_word_rules.h"
#include "rules/main/determiner_word_tables.h"
#include "tests/rules/table_cases.h"

namespace {

void PluralSubject(SentenceStateRec& s) { s.subjectNumber = 1; }

TEST(DeterminerWordRules, RowsOfShortTables) {
  static const TableCase kCases[] = {
      // Row 3 (a number next) is closed by the gate of the class.
      {EveryRows(), {"x/40 every/38 one/49 ./48", "every", 0, nullptr}},
      {EveryRows(),
       {"x/40 every/38 type/10 ./48", "every", 1, "every: suggestion=\"all\" message=324 entryWords=2 ruleId=4795"}},
      {EveryRows(),
       {"x/40 every/38 valve/10 ./48", "every", 4, "every: suggestion=\"all/each\" message=324 ruleId=6797"}},
      {SameRows(),
       {"x/40 same/38 means/10 ./48", "same", 0, "same: suggestion=\"same type of\" message=324 entryWords=2 ruleId=7628"}},
      {SameRows(), {"x/40 same/38 valve/10 ./48", "same", 4, ""}},
      {SameRows(), {"x/40 same/38 red/30{code=A****} ./48", "same", -1, ""}},
      {BestRows(),
       {"x/40 best/38 place/10 ./48", "best", 0, "best: suggestion=\"best position\" message=324 entryWords=2 ruleId=7797"}},
      {BestRows(), {"x/40 best/38 if/70 ./48", "best", 4, "best: message=324 entryWords=2 ruleId=7797"}},
      {PossibleRows(), {"possible/38 x/40 ./48", "possible", 0, ""}},
      {PossibleRows(), {"if/70 possible/38 x/40 ./48", "possible", 1, ""}},
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
      {"for/40 any/38 rights/11 ./48", "any", "", "any"},
      {"x/40 any/38 further/34 y/30 ./48", "any",
       "any: suggestion=\"(Be specific or give range)\" entryWords=2\nfurther: wordClass=40", "further"},
      {"x/40 more/38 then/73 y/30 ./48", "more",
       "more: separatorFlag=s\nthen: suggestion=\"than\" tag=\"<AR>\" message=311 ruleId=3931", "then"},
      // "short" before its sentence start: the compound row alone.
      {"short/38{pos=-1} pipe/10 hose/10 ./48", "short", "short: message=317 entryWords=2 ruleId=3627", "pipe"},
      {"meet/20 your/38 needs/11 x/30 ./48", "your",
       "your: message=313 entryWords=2 ruleId=2931\nneeds: wordClass=40", "needs"},
      {"the/64 small/38{sub=12} time/10 ./48", "small",
       "small: subClass=0 message=305 entryWords=2 ruleId=3627\ntime: wordClass=40", "time"},
      {"a/40 zany/38 x/30 ./48", "zany", "", "zany"},
  };
  RunBodyCases(ApplyDeterminerWordRules, kCases);
}

}  // namespace
