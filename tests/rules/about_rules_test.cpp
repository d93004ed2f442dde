// The rules of "about", "above", "around" and "then" (class 73).
#include <gtest/gtest.h>

#include "rules/function_words/about_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(AboutRules, Gates) {
  static const RowCase kCases[] = {
      {"x/10 about/73 @x/41", "about", 0, ""},
      {"x/10 above/73 :/40", "above", 0, ""},
      {"x/10 around/73 ;/42", "around", 1, ""},
      {"figure/10 above/73 y/10", "above", 2, ""},
      {"x/10 refer/20 above/73 y/10", "above", 2, ""},
      {"Data/10 about/73 y/10", "about", 2, ""},
      {"Above/73 y/10", "Above", -1, ""},
  };
  RunRowCases(about_rules::kGates, kCases);
}

TEST(AboutRules, About) {
  static const RowCase kInside[] = {
      {"x/10 instructions/11 about/73 5/49", "about", 0, ""},
      {"x/10 wait/20 about/73 5mm/40", "about", 1, "about: suggestion=\"approximately\" message=324 ruleId=6203"},
      {"x/10 wait/20 about/73 five/49", "about", 2, "about: suggestion=\"approximately\" message=324 ruleId=6203"},
      {"x/10 wait/20 about/73 y/10 five/49", "about", 3, "about: suggestion=\"approximately\" message=324 ruleId=6203"},
      {"x/10 about/73 ways/11 to/68", "about", 4, "about: suggestion=\"procedures to\" message=324 entryWords=3 ruleId=4202"},
      {"x/10 about/73 why/40", "about", 5, ""},
      {"x/10 about/73 how/40", "about", 6, "about: message=324 ruleId=6203"},
      {"x/10 ask/20 about/73 y/10", "about", 7, "ask: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=3142"},
      {"x/10 came/22 about/73 y/10", "about", 8, "came: suggestion=\"occur/occurs\" message=324 entryWords=2 ruleId=3142"},
      {"x/10 just/52 about/73 y/10", "about", 9, "just: suggestion=\"(Give measurement)\" message=324 entryWords=2 ruleId=3142"},
      {"x/10 thought/22 about/73 y/10", "about", 10, "thought: suggestion=\"think/know\" message=324 entryWords=2 ruleId=3142"},
      {"x/10 weighs/21 about/73 y/10", "about", 11,
       "weighs: suggestion=\"has a weight of approximately\" message=324 entryWords=2 ruleId=3142"},
      {"x/10 about/73 y/10", "about", -1, ""},
  };
  RunRowCases(about_rules::kAboutInside, kInside);
  static const RowCase kCases[] = {
      {"About/73 5/49 units/11", "About", 0, "About: suggestion=\"approximately\" message=324 ruleId=6203"},
      {"About/73 five/49 units/11", "About", 1, "About: suggestion=\"approximately\" message=324 ruleId=6203"},
      {"x/10 about/73 doing/23", "about", 2, "doing: suggestion=\"(Insert a noun subj.)\" message=338 ruleId=6203"},
      {"x/10 about/73 to/68 be/25", "about", 3, "about: suggestion=\"can/will\" message=324 entryWords=3 ruleId=5202"},
      {"x/10 about/73 to/68 go/20", "about", 4, "about: suggestion=\"will/(Rephrase)\" message=324 entryWords=2 ruleId=2203"},
      {"x/10 about/73 pump/10{mark=1}", "about", 5, ""},
      {"x/10 about/73 this/76", "about", 6, ""},
      {"x/10 about/73 y/10{split=4}", "about", 7, ""},
      {"x/10 about/73 very/50", "about", 8, "about: message=313 ruleId=203"},
      {"x/10 about/73 ./48", "about", 8, "about: message=313 ruleId=203"},
      {"x/10 turns/21 about/73 y/10", "about", 9, "about: message=324 ruleId=6203"},
      {"x/10 turns/21{token=9} about/73 y/10", "about", -1, ""},
  };
  RunRowCases(about_rules::kAbout, kCases);
}

TEST(AboutRules, Above) {
  static const RowCase kCases[] = {
      {"Above/73 y/10", "Above", 0, "Above: message=324 ruleId=3245"},
      {"x/10 above/73 ./48", "above", 1, "above: message=324 ruleId=3245"},
      {"x/10 above/73{mark=1} y/10", "above", 2, "above: message=324 ruleId=3245"},
      {"x/10 above/73 max/45", "above", 3, "above: message=324 ruleId=3245"},
      {"x/10 above/73 or/63 lesser/34", "above", 4, "above: suggestion=\"more than\" message=324 ruleId=9257"},
      {"x/10 or/63 above/73 y/10", "above", 5, "above: suggestion=\"higher\" message=324 ruleId=9257"},
      {"x/10 listed/22 above/73 y/10", "above", 6,
       "listed: suggestion=\"shown in the list above/shown above\" message=324 entryWords=2 ruleId=9257"},
      {"x/10 stays/21 above/73 y/10", "above", 7, "stays: suggestion=\"is above\" message=300 entryWords=2 ruleId=3245"},
      {"x/10 stay/20 above/73 y/10", "above", 8, "stay: suggestion=\"are above\" message=300 entryWords=2 ruleId=3245"},
      {"x/10 see/20 above/73 y/10", "above", 9, "see: message=302 entryWords=2 ruleId=3245"},
      {"x/10 mentioned/22 above/73 y/10", "above", 10, "mentioned: message=302 entryWords=2 ruleId=3245"},
      {"x/10 well/50 above/73 y/10", "above", 10, "well: message=302 entryWords=2 ruleId=3245"},
      {"x/10 above/73 y/10", "above", 11, ""},
      {"x/10 y/10 above/73 ground/10", "above", 12, ""},
      {"x/10 y/10 above/73 psu/18", "above", 13, ""},
      {"x/10 y/10 above/73 normal/30", "above", 14, "above: suggestion=\"(Give range)\" message=313 entryWords=2 ruleId=3245"},
      {"x/10 y/10 above/73 all/38", "above", 15, "above: message=313 entryWords=2 ruleId=3245"},
      {"x/10 y/10 above/73 for/65", "above", 16, "above: message=324 ruleId=1364"},
      {"x/10 described/22 above/73 y/10", "above", 17, "described: suggestion=\"shown above\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 if/70 above/73 y/10", "above", 18, "if: suggestion=\"if xxx is more than\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 far/30 above/73 y/10", "above", 20, "far: suggestion=\"(Rephrase)\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 outlined/22 above/73 y/10", "above", 22, "outlined: suggestion=\"(Give reference)\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 still/50 above/73 y/10", "above", 24, "still: suggestion=\"set at more than\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 time/10 above/73 y/10", "above", 25, "time: suggestion=\"time is set at more than\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 temperature/10 above/73 y/10", "above", 26,
       "temperature: suggestion=\"temperature is set at more than\" message=324 entryWords=2 ruleId=1245"},
      {"x/10 voltage/10 above/73 y/10", "above", 28, "voltage: message=324 entryWords=2 ruleId=1245"},
      {"x/10 y/10 above/73 z/10", "above", -1, ""},
  };
  // "flush", "just", "peak" and "well" before "above" are taken by row 10.
  RunRowCases(about_rules::kAbove, kCases);
}

TEST(AboutRules, AroundAndThen) {
  static const RowCase kAround[] = {
      {"Around/73 y/10", "Around", 0, "Around: message=324 ruleId=5257"},
      {"x/10 around/73 50/49", "around", 1, "around: suggestion=\"approximately/(Give Range)\" message=305 ruleId=1157"},
      {"x/10 around/73 fifty/49", "around", 2, "around: suggestion=\"approximately/(Give Range)\" message=305 ruleId=1157"},
      {"x/10 around/73 ./48", "around", 3, "around: message=331 ruleId=1447"},
      {"x/10 around/73 about/73", "around", 4, "around: message=313 entryWords=2 ruleId=4341"},
      {"x/10 just/52 around/73 y/10", "around", 5, "just: suggestion=\"near/(Give range)\" message=313 entryWords=2 ruleId=34245"},
      {"x/10 packed/22 around/73 y/10", "around", 6, "packed: suggestion=\"around/(Rephrase)\" message=313 entryWords=2 ruleId=34245"},
      {"x/10 work/10 around/73 y/10", "around", 7, "work: suggestion=\"maintenance procedure\" message=313 entryWords=2 ruleId=34245"},
      {"x/10 wind/20 around/73 y/10", "around", 8,
       "wind: suggestion=\"wind xxx around/xxx goes around\" message=313 entryWords=2 ruleId=34245"},
      {"x/10 around/73 y/10", "around", -1, ""},
  };
  RunRowCases(about_rules::kAround, kAround);
  static const RowCase kThen[] = {
      {"Then/73 ,/47 y/10", "Then", 0, ""},
      {"Then/73 install/20 y/10", "Then", 1, "Then: message=333 ruleId=1340"},
      {"x/10 then/73 install/20", "then", 2, ""},
      {"x/10 ;/42 then/73 y/30", "then", 3, "then: message=333 ruleId=1340"},
      {"x/10 then/73 it/66", "then", 4, "then: message=302 ruleId=2440"},
      {"x/10 then/73 pump/10", "then", 5, "then: message=302 ruleId=2440"},
      {"x/10 then/73 ;/42", "then", 6, "then: message=302 ruleId=2440"},
      {"x/10 then/73 ./48", "then", 7, "then: message=302 ruleId=2340"},
      {"x/10 then/73 only/52", "then", 8, "then: message=313 entryWords=2 ruleId=3340"},
      {"x/10 more/34 then/73 y/30", "then", 9, "then: suggestion=\"than\" message=311 ruleId=2346"},
      {"x/10 then/73 five/49", "then", 10, "then: suggestion=\"than\" message=311 ruleId=2346"},
      {"x/10 other/38 then/73 y/30", "then", 11, "then: suggestion=\"than\" message=311 ruleId=2346"},
      {"x/10 even/52 then/73 y/30", "then", 12, "then: message=304 ruleId=1340"},
      {"x/10 can/28 then/73 y/30", "then", 13, "then: message=304 ruleId=1340"},
      {"x/10 then/73 y/30", "then", -1, ""},
  };
  RunRowCases(about_rules::kThen, kThen);
}

TEST(AboutRules, Body) {
  static const BodyCase kCases[] = {
      {"Wait/20 about/73 5/49 minutes/11 ./48", "about", "about: suggestion=\"approximately\" message=324 ruleId=6203", "about"},
      {"figure/10 about/73 5/49", "about", "", "about"},
      {"x/10 about/73 ways/11 to/68 y/10", "about",
       "about: suggestion=\"procedures to\" message=324 entryWords=3 ruleId=4202\nways: wordClass=40\nto: wordClass=40", "to"},
      {"x/10 about/73 which/69 y/10", "about", "", "which"},
      {"About/73 how/40 y/10", "About", "", "About"},  // not the first-word rows
      {"x/10 around/73 50/49 mm/17", "around", "around: suggestion=\"approximately/(Give Range)\" message=305 ruleId=1157",
       "50"},
      {"x/10 just/52 around/73{sub=14} y/10", "around",
       "just: suggestion=\"near/(Give range)\" message=313 entryWords=2 ruleId=34245\naround: subClass=0", "around"},
      {"x/10 then/73 there/50 y/10", "then", "then: message=313 entryWords=2 ruleId=3340\nthere: wordClass=40", "there"},
      {"x/10 beyond/73 y/10", "beyond", "", "beyond"},
  };
  RunBodyCases(ApplyAboutRules, kCases);
}

}  // namespace
