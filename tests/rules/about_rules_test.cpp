// The rules of "about", "above", "around" and "then" (class 73).
#include <gtest/gtest.h>

#include "rules/function_words/about_tables.h"
#include "rules/function_words/function_word_bodies.h"
#include "tests/rules/table_cases.h"

namespace {

using namespace about_rules;

TEST(AboutRules, Tables) {
  static const TableCase kCases[] = {
      {kGates, {"x/10 about/73 @x/41", "about", 0, ""}},
      {kGates, {"x/10 refer/20 above/73 y/10", "above", 2, ""}},
      {kGates, {"Above/73 y/10", "Above", -1, ""}},
      {kAboutInside, {"x/10 instructions/11 about/73 5/49", "about", 0, ""}},
      {kAboutInside, {"x/10 wait/20 about/73 5mm/40", "about", 1,
                      "about: suggestion=\"approximately\" message=324 ruleId=6203"}},
      {kAboutInside, {"x/10 weighs/21 about/73 y/10", "about", 11,
        "weighs: suggestion=\"has a weight of approximately\" message=324 entryWords=2 ruleId=3142"}},
      {kAboutInside, {"x/10 about/73 y/10", "about", -1, ""}},
      {kAbout, {"About/73 5/49 units/11", "About", 0, "About: suggestion=\"approximately\" message=324 ruleId=6203"}},
      {kAbout,
       {"x/10 about/73 doing/23", "about", 2, "doing: suggestion=\"(Insert a noun subj.)\" message=338 ruleId=6203"}},
      {kAbout, {"x/10 about/73 to/68 be/25", "about", 3,
                "about: suggestion=\"can/will\" message=324 entryWords=3 ruleId=5202"}},
      {kAbout, {"x/10 about/73 ./48", "about", 8, "about: message=313 ruleId=203"}},
      {kAbout, {"x/10 turns/21 about/73 y/10", "about", 9, "about: message=324 ruleId=6203"}},
      {kAbout, {"x/10 turns/21{token=9} about/73 y/10", "about", -1, ""}},
      // "flush", "just", "peak" and "well" before "above" are taken by row 10.
      {kAbove, {"Above/73 y/10", "Above", 0, "Above: message=324 ruleId=3245"}},
      {kAbove, {"x/10 stays/21 above/73 y/10", "above", 7,
                "stays: suggestion=\"is above\" message=300 entryWords=2 ruleId=3245"}},
      {kAbove, {"x/10 well/50 above/73 y/10", "above", 10, "well: message=302 entryWords=2 ruleId=3245"}},
      {kAbove, {"x/10 y/10 above/73 normal/30", "above", 14,
                "above: suggestion=\"(Give range)\" message=313 entryWords=2 ruleId=3245"}},
      {kAbove, {"x/10 y/10 above/73 z/10", "above", -1, ""}},
      {kAround, {"Around/73 y/10", "Around", 0, "Around: message=324 ruleId=5257"}},
      {kAround, {"x/10 wind/20 around/73 y/10", "around", 8,
        "wind: suggestion=\"xxx goes around\" message=313 entryWords=2 ruleId=34245"}},
      {kAround, {"x/10 around/73 y/10", "around", -1, ""}},
      {kThen, {"Then/73 ,/47 y/10", "Then", 0, ""}},
      {kThen, {"Then/73 install/20 y/10", "Then", 1, "Then: message=333 ruleId=1340"}},
      {kThen, {"x/10 then/73 ./48", "then", 7, "then: message=302 ruleId=2340"}},
      {kThen, {"x/10 more/34 then/73 y/30", "then", 9, "then: suggestion=\"than\" message=311 ruleId=2346"}},
      {kThen, {"x/10 then/73 y/30", "then", -1, ""}},
  };
  RunTableCases(kCases);
}

TEST(AboutRules, Body) {
  static const BodyCase kCases[] = {
      {"Wait/20 about/73 5/49 minutes/11 ./48", "about", "about: suggestion=\"approximately\" message=324 ruleId=6203", "about"},
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
