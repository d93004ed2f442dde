// The trigger rows of the verbs that begin with 'a' to 'i' and 'k'.
#include <gtest/gtest.h>

#include "rules/main/verb_rule_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void S(SentenceStateRec& s) { s.verbIsSForm = 1; }

TEST(VerbTriggers, LettersABCK) {
  RunRowCases(VerbRowsK(), {
      {"a/40 keep/20 running/23{sug=run} b/10", "keep", 0,
       "keep: suggestion=\"run\" message=335 entryWords=2 ruleId=3213"},
      {"a/40 keep/20 b/10", "keep", 11, ""},
      {"a/40 know/20 why/52", "know", 12, nullptr},
  });

  RunRowCases(VerbRowsA(), {
      {"a/40 adjust/20 to/68", "adjust", 1, "adjust: suggestion=\"make an adjustment\" message=322 entryWords=2 ruleId=5673"},
      {"a/40 apply/20 to/68 you/78", "apply", 5, "apply: suggestion=\"refer to\" message=324 entryWords=3 ruleId=6673"},
      {"a/40 add/20 together/52", "add", 9, nullptr},
  });

  RunRowCases(VerbRowsB(), {
      {"a/40 break/20 up/61", "break", 3,
       "break: suggestion=\"divide/disassemble/show\" message=300 entryWords=2 ruleId=5667"},
      {"a/40 breaks/21 in/75", "breaks", 4, "breaks: wordClass=11 message=322 ruleId=5173", S},
      {"a/40 bleeds/21 b/10", "bleeds", 14,
       "bleeds: suggestion=\"releases/bleeds\" message=300 entryWords=2 ruleId=5667", S},
      // Only a message code in the subclass is copied.
      {"a/40 become/20 hot/30{sub=305}", "become", 26, "hot: message=305 message2=305"},
      {"a/40 become/20 hot/30{sub=2}", "become", 26, ""},
  });

  RunRowCases(VerbRowsC(), {
      {"good/30 cause/20 b/10", "cause", 0, "good: wordClass=10 message=324 entryWords=2 ruleId=4012"},
      {"a/40 cut/20 has/25", "cut", 4, "cut: wordClass=10 message=306 ruleId=4666\nhas: wordClass=40"},
      {"a/40 clear/20 ./48", "clear", 24, "clear: message=300 ruleId=3512"},
      {"manual/10 contains/21 b/10", "contains", 35, "contains: suggestion=\"shows/includes\" message=313 ruleId=5666", S},
      {"text/10 contain/20 b/10", "contain", 36, "contain: suggestion=\"show/include\" message=313 ruleId=5666"},
      // The word before gets the finding and the covered words.
      {"color/10 change/20 b/10", "change", 40, "color: suggestion=\"becomes\" message=313 entryWords=2 ruleId=4666"},
      {"oil/16 changes/21 b/10", "changes", 41, nullptr},
      {"a/40 come/20 out/61 from/67", "come", 74, nullptr},
      {"a/40 come/20 b/10", "come", -1, ""},
  });
}

TEST(VerbTriggers, LettersDToI) {
  RunRowCases(VerbRowsD(), {
      {"a/40 divides/21 ./48", "divides", 2, "divides: suggestion=\"(Add a noun object)\" message=300 ruleId=3319", S},
      {"a/40 divide/20 b/10", "divide", 4, ""},
      {"a/40 dry/20 up/61", "dry", 8, "dry: suggestion=\"decrease/(Rephrase)\" message=315 entryWords=2 ruleId=3319"},
      {"a/40 disable/20 b/10", "disable", 16, "disable: suggestion=\"remove XXX from service\" message=300 ruleId=3319"},
  });

  RunRowCases(VerbRowsE(), {
      {"lights/11 extinguish/20{msg=311} b/10", "extinguish", 0,
       "extinguish: suggestion=\"are not illuminated\" message=300 ruleId=3319"},
      {"lamp/10 extinguishes/21 b/10", "extinguishes", 1, nullptr},
      {"a/40 energize/20 motor/10", "energize", -1, ""},
      {"a/40 enable/20 operation/10", "enable", 9, "enable: suggestion=\"let\" message=300 ruleId=5673"},
      {"a/40 enable/20 b/10", "enable", -1, ""},
  });

  RunRowCases(VerbRowsF(), {
      {"a/40 fall/20 apart/52", "fall", 3, "fall: suggestion=\"break/(Rephrase)\" message=313 entryWords=2 ruleId=5666"},
      {"a/40 b/40 c/40 follow/20 instructions/11", "follow", 29, "follow: suggestion=\"obey/read\" message=300 ruleId=3618"},
      {"a/40 b/40 follow/20 instructions/11", "follow", -1, ""},
      // Advice alone, no message.
      {"a/40 flow/20{last=w} out/61", "flow", 32, "flow: suggestion=\"flow from/flow into\""},
  });

  RunRowCases(VerbRowsG(), {
      {"a/40 get/20 off/61", "get", 5,
       "get: suggestion=\"not illuminate/disconnect\" message=323 entryWords=2 ruleId=3319 verbForm=X"},
      {"a/40 get/20 below/52", "get", 9, "get: suggestion=\"(Use Verb Selector)\" message=300 ruleId=4319"},
      {"a/40 get/20 b/10", "get", 13, ""},
      {"a/40 go/20 b/10", "go", -1, ""},
  });

  RunRowCases(VerbRowsH(), {
      {"a/40 b/40 helps/21 maintain/20", "helps", 4, nullptr, S},
      {"a/40 b/40 help/20 maintain/20", "help", 5, nullptr},
      {"a/40 b/40 help/20 Start/20", "help", 7, "help: suggestion=\"help to Start\" message=313 entryWords=2 ruleId=3319"},
      {"a/40 help/20 start/20", "help", -1, ""},
  });
  RunRowCases(VerbRowsI(), {
      {"a/40 install/20 ./48", "install", 0, "install: suggestion=\"installation of\" message=322 ruleId=2320"},
      {"valve/10 installs/21 b/10", "installs", 1, nullptr},
      {"a/40 install/20 b/10", "install", -1, ""},
  });
}

}  // namespace
