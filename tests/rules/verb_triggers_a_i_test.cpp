// The trigger rows of the verbs that begin with 'a' to 'i' and 'k'.
#include <gtest/gtest.h>

#include "rules/main/verb_rule_tables.h"
#include "tests/rules/rule_cases.h"

namespace {

void S(SentenceStateRec& s) { s.verbIsSForm = 1; }

TEST(VerbTriggers, LettersABCK) {
  static const RowCase kK[] = {
      {"a/40 keep/20 running/23{sug=run} b/10", "keep", 0,
       "keep: suggestion=\"run\" message=335 entryWords=2 ruleId=3213"},
      {"a/40 keep/20 in/75 mind/10", "keep", 1, "keep: message=300 entryWords=3 ruleId=3213"},
      {"a/40 keep/20 hands/11", "keep", 2, nullptr},
      {"a/40 keep/20 away/52", "keep", 3, nullptr},
      {"a/40 keep/20 back/52", "keep", 4, nullptr},
      {"a/40 keep/20 clear/30", "keep", 5, nullptr},
      {"a/40 keep/20 in/75 b/10", "keep", 6, nullptr},
      {"a/40 keep/20 off/61", "keep", 7, nullptr},
      {"a/40 keep/20 pace/10", "keep", 8, nullptr},
      {"a/40 keep/20 time/10", "keep", 9, nullptr},
      {"a/40 keeps/21 up/61", "keeps", 10, nullptr},
      {"a/40 keep/20 b/10", "keep", 11, ""},
      {"a/40 know/20 why/52", "know", 12, nullptr},
  };
  RunRowCases(VerbRowsK(), kK);

  static const RowCase kA[] = {
      {"a/40 adjusts/21 to/68", "adjusts", 0, nullptr, S},
      {"a/40 adjust/20 to/68", "adjust", 1, "adjust: suggestion=\"make an adjustment\" message=322 entryWords=2 ruleId=5673"},
      {"a/40 applies/21 to/68 it/66", "applies", 4, nullptr, S},
      {"a/40 apply/20 to/68 you/78", "apply", 5, "apply: suggestion=\"refer to\" message=324 entryWords=3 ruleId=6673"},
      {"a/40 apply/20 to/68 b/10", "apply", 6, ""},
      {"can/28 add/20 b/10", "add", 7, nullptr},
      {"a/40 adds/21 up/61", "adds", 8, nullptr, S},
      {"a/40 add/20 together/52", "add", 9, nullptr},
  };
  // "all" is a determiner and ends the verb's processing.
  RunRowCases(VerbRowsA(), kA);

  static const RowCase kB[] = {
      {"a/40 break/20{mark=1} b/10", "break", 0, "break: message=300 ruleId=5667"},
      {"this/76 break/20 b/10", "break", 1, nullptr},
      {"a/40 break/20 off/61", "break", 2, nullptr},
      {"a/40 break/20 up/61", "break", 3,
       "break: suggestion=\"divide/disassemble/show\" message=300 entryWords=2 ruleId=5667"},
      {"a/40 breaks/21 in/75", "breaks", 4, "breaks: wordClass=11 message=322 ruleId=5173", S},
      {"a/40 break/20 b/10", "break", 5, ""},
      {"a/40 burn/20{mark=1} b/10", "burn", 6, nullptr},
      {"oil/16 burn/20 b/10", "burn", 7, nullptr},
      {"a/40 burn/20 out/61", "burn", 8, nullptr},
      {"a/40 burn/20 down/61", "burn", 9, nullptr},
      {"a/40 burn/20 b/10", "burn", 10, ""},
      {"b/10{mark=1} bleed/20 c/10", "bleed", 11, "b: message=314 entryWords=2 ruleId=5667"},
      {"a/40 bleed/20 back/52", "bleed", 12, nullptr},
      {"a/40 bleed/20 off/61", "bleed", 13, nullptr},
      {"a/40 bleeds/21 b/10", "bleeds", 14,
       "bleeds: suggestion=\"releases/bleeds\" message=300 entryWords=2 ruleId=5667", S},
      {"a/40 bleed/20", "bleed", 15, nullptr},
      {"a/40 blow/20{mark=1} b/10", "blow", 16, nullptr},
      {"the/64 blow/20 b/10", "blow", 17, nullptr},
      {"a/40 blows/21 up/61", "blows", 18, nullptr, S},
      {"a/40 blow/20 up/61", "blow", 19, nullptr},
      {"a/40 blows/21 out/61", "blows", 20, nullptr, S},
      {"a/40 blow/20 out/61", "blow", 21, nullptr},
      {"a/40 blow/20 dry/30", "blow", 22, nullptr},
      {"a/40 blows/21 off/61", "blows", 23, nullptr, S},
      {"a/40 blow/20 off/61", "blow", 24, "blow: suggestion=\"clean/release\" message=300 entryWords=2 ruleId=5667"},
      {"a/40 blow/20 b/10", "blow", 25, ""},
      // Only a message code in the subclass is copied.
      {"a/40 become/20 hot/30{sub=305}", "become", 26, "hot: message=305 message2=305"},
      {"a/40 become/20 hot/30{sub=2}", "become", 26, ""},
      {"a/40 become/20 caught/31", "become", 29, nullptr},
      {"a/40 becomes/21 familiar/30 with/74", "becomes", 30, nullptr, S},
      {"a/40 become/20 familiar/30 with/74", "become", 31, nullptr},
  };
  // "more" and "less" are determiners and end the verb's processing.
  RunRowCases(VerbRowsB(), kB);

  static const RowCase kC[] = {
      {"good/30 cause/20 b/10", "cause", 0, "good: wordClass=10 message=324 entryWords=2 ruleId=4012"},
      {"a/40 cause/20 b/10", "cause", 1, ""},
      {"a/40 cuts/21{mark=1} b/10", "cuts", 2, "cuts: wordClass=10 message=306 ruleId=4666"},
      {"the/64 cut/20 b/10", "cut", 3, nullptr},
      {"a/40 cut/20 has/25", "cut", 4, "cut: wordClass=10 message=306 ruleId=4666\nhas: wordClass=40"},
      {"a/40 cut/20 across/60", "cut", 5, nullptr},
      {"a/40 cut/20 away/52", "cut", 6, nullptr},
      {"a/40 cut/20 back/52", "cut", 7, nullptr},
      {"a/40 cut/20 down/61", "cut", 8, nullptr},
      {"a/40 cut/20 emissions/11", "cut", 9, nullptr},
      {"a/40 cut/20 in/75", "cut", 10, nullptr},
      {"a/40 cut/20 out/61", "cut", 11, nullptr},
      {"a/40 cut/20 time/10", "cut", 12, nullptr},
      {"a/40 cut/20 b/10", "cut", 13, ""},
      {"service/10 call/20 b/10", "call", 14, "call: wordClass=10"},
      {"a/40 call/20 up/61", "call", 15, nullptr},
      {"a/40 call/20 b/10", "call", 16, ""},
      {"a/40 checks/21 b/10", "checks", 17, nullptr},
      {"push/20 clear/20 b/10", "clear", 18, "push: message=300 entryWords=2 ruleId=4012"},
      {"a/40 clears/21 this/76", "clears", 21, nullptr, S},
      {"a/40 clear/20 these/76", "clear", 22, "clear: suggestion=\"remove/make\" message=300 ruleId=8012"},
      {"is/24 clear/20 ./48", "clear", 23, nullptr},
      {"a/40 clear/20 ./48", "clear", 24, "clear: message=300 ruleId=3512"},
      {"a/40 clear/20 fault/10", "clear", 25, nullptr},
      {"a/40 clear/20 off/61", "clear", 27, nullptr},
      {"a/40 clear/20 b/10", "clear", 28, ""},
      {"a/40 continues/21 to/68", "continues", 29, ""},
      {"a/40 continues/21 ./48", "continues", 30, nullptr},
      {"a/40 continues/21 b/10", "continues", 32, ""},
      {"a/40 clean/20 off/61", "clean", 33, nullptr},
      {"a/40 clean/20 b/10", "clean", 34, ""},
      {"manual/10 contains/21 b/10", "contains", 35, "contains: suggestion=\"shows/includes\" message=313 ruleId=5666", S},
      {"text/10 contain/20 b/10", "contain", 36, "contain: suggestion=\"show/include\" message=313 ruleId=5666"},
      {"a/40 contains/21 b/10 document/10", "contains", 37, nullptr, S},
      {"a/40 contain/20 b/10 document/10", "contain", 38, nullptr},
      {"a/40 contain/20 b/10", "contain", 39, ""},
      // The word before gets the finding and the covered words.
      {"color/10 change/20 b/10", "change", 40, "color: suggestion=\"becomes\" message=313 entryWords=2 ruleId=4666"},
      {"oil/16 changes/21 b/10", "changes", 41, nullptr},
      {"a/40 change/20 over/60", "change", 42, nullptr},
      {"a/40 change/20 b/10", "change", 43, ""},
      {"a/40 close/20 up/61", "close", 44, nullptr},
      {"a/40 close/20 b/10", "close", 45, ""},
      {"a/40 comes/21 into/60 contact/10 with/74", "comes", 46, "comes: suggestion=\"touches\" message=313 entryWords=4 ruleId=4566"},
      {"a/40 come/20 in/75 contact/10 with/74", "come", 47, nullptr},
      {"a/40 comes/21 in/75 contact/10", "comes", 48, nullptr},
      {"a/40 come/20 in/75 contact/10", "come", 49, nullptr},
      {"a/40 comes/21 to/68 rest/10", "comes", 50, nullptr},
      {"a/40 come/20 to/68 rest/10", "come", 51, nullptr},
      {"oil/16 comes/21 b/10", "comes", 52, nullptr},
      {"water/16 come/20 b/10", "come", 53, nullptr},
      {"a/40 comes/21 back/52 on/75", "comes", 54, nullptr},
      {"a/40 come/20 back/52 on/75", "come", 55, nullptr},
      {"a/40 come/20 after/70", "come", 56, nullptr},
      {"a/40 come/20 about/73", "come", 57, nullptr},
      {"a/40 come/20 across/60", "come", 58, nullptr},
      {"a/40 come/20 amid/60", "come", 59, nullptr},
      {"a/40 come/20 assembled/31", "come", 60, nullptr},
      {"a/40 come/20 before/70", "come", 61, nullptr},
      {"a/40 come/20 by/65", "come", 62, nullptr},
      {"a/40 come/20 days/11", "come", 63, nullptr},
      {"a/40 comes/21 down/61", "comes", 64, "comes: suggestion=\"lowers/touches\" message=315 entryWords=2 ruleId=3673"},
      {"a/40 come/20 down/61", "come", 65, nullptr},
      {"a/40 come/20 last/30", "come", 66, nullptr},
      {"a/40 comes/21 loose/30", "comes", 67, nullptr},
      {"a/40 come/20 loose/30", "come", 68, nullptr},
      {"a/40 come/20 off/61", "come", 69, nullptr},
      {"a/40 come/20 on/75", "come", 70, nullptr},
      {"a/40 comes/21 up/61", "comes", 71, nullptr},
      {"a/40 come/20 up/61", "come", 72, nullptr},
      {"a/40 comes/21 out/61 of/67", "comes", 73, nullptr},
      {"a/40 come/20 out/61 from/67", "come", 74, nullptr},
      {"a/40 come/20 b/10", "come", -1, ""},
  };
  // A marked next word and a number or an article after "clear", "of" after
  // it and an -ing word after "continue" end the verb's processing first.
  RunRowCases(VerbRowsC(), kC);
}

TEST(VerbTriggers, LettersDToI) {
  static const RowCase kD[] = {
      {"a/40 divides/21 up/61", "divides", 0, nullptr, S},
      {"a/40 divide/20 into/60", "divide", 1, nullptr},
      {"a/40 divides/21 ./48", "divides", 2, "divides: suggestion=\"(Add a noun object)\" message=300 ruleId=3319", S},
      {"a/40 divide/20 ,/47", "divide", 3, "divide: message=300 ruleId=3319"},
      {"a/40 divide/20 b/10", "divide", 4, ""},
      {"a/40 dry/20 quickly/52", "dry", 5, nullptr},
      {"a/40 dries/21 off/61", "dries", 6, nullptr},
      {"a/40 dry/20 out/61", "dry", 7, nullptr},
      {"a/40 dry/20 up/61", "dry", 8, "dry: suggestion=\"decrease/(Rephrase)\" message=315 entryWords=2 ruleId=3319"},
      {"a/40 dry/20 b/10", "dry", 9, ""},
      {"a/40 drills/21 out/61", "drills", 10, nullptr, S},
      {"a/40 drill/20 under/60", "drill", 11, nullptr},
      {"a/40 drill/20 b/10", "drill", 12, ""},
      {"a/40 disable/20{mark=1} b/10", "disable", 13, "disable: suggestion=\"disabled\" message=327 ruleId=3319"},
      {"a/40 disable/20 circuits/11", "disable", 14, ""},
      {"a/40 disable/21 b/10", "disable", 15, "disable: suggestion=\"removes XXXX from service\" message=300 ruleId=3319", S},
      {"a/40 disable/20 b/10", "disable", 16, "disable: suggestion=\"remove XXX from service\" message=300 ruleId=3319"},
  };
  RunRowCases(VerbRowsD(), kD);

  static const RowCase kE[] = {
      {"lights/11 extinguish/20{msg=311} b/10", "extinguish", 0,
       "extinguish: suggestion=\"are not illuminated\" message=300 ruleId=3319"},
      {"lamp/10 extinguishes/21 b/10", "extinguishes", 1, nullptr},
      {"a/40 b/40 c/40 energize/20 motor/10", "energize", 2, nullptr},
      {"a/40 energize/20 motor/10", "energize", -1, ""},
      {"a/40 engage/20 b/10 with/74", "engage", 3, "with: suggestion=\"when/(Rephrase)\" wordClass=40 message=331 ruleId=3319"},
      {"a/40 engage/20 b/10", "engage", 4, ""},
      {"a/40 enable/20{mark=1} b/10", "enable", 5, nullptr},
      {"a/40 enable/20 flow/10", "enable", 7, nullptr},
      {"a/40 enables/21 operators/11", "enables", 8, nullptr, S},
      {"a/40 enable/20 operation/10", "enable", 9, "enable: suggestion=\"let\" message=300 ruleId=5673"},
      {"a/40 enables/21 b/10{msg=325}", "enables", 10, nullptr, S},
      {"a/40 enable/20 b/10{msg=325}", "enable", 11, nullptr},
      {"a/40 enables/21 it/66", "enables", 12, nullptr, S},
      {"a/40 enable/20 you/78", "enable", 13, nullptr},
      {"a/40 enable/20 b/10", "enable", -1, ""},
  };
  RunRowCases(VerbRowsE(), kE);

  static const RowCase kF[] = {
      {"a/40 feed/20 off/61", "feed", 0, nullptr},
      {"a/40 feed/20 b/10", "feed", 1, ""},
      {"a/40 falls/21 outside/75", "falls", 2, nullptr},
      {"a/40 fall/20 apart/52", "fall", 3, "fall: suggestion=\"break/(Rephrase)\" message=313 entryWords=2 ruleId=5666"},
      {"a/40 fall/20 behind/75", "fall", 4, nullptr},
      {"a/40 fall/20 below/52", "fall", 5, nullptr},
      {"a/40 fall/20 into/60", "fall", 6, "fall: message=313 entryWords=2 ruleId=5666"},
      {"free/30 fall/20 b/10", "fall", 7, nullptr},
      {"a/40 fall/20 b/10", "fall", 8, ""},
      {"a/40 fold/20 back/52", "fold", 9, nullptr},
      {"a/40 fold/20 b/10", "fold", 10, ""},
      {"a/40 feel/20 good/30", "feel", 11, nullptr},
      {"a/40 feel/20 b/10", "feel", 12, ""},
      {"a/40 flush/20 away/52", "flush", 13, nullptr},
      {"is/24 flush/20 b/10", "flush", 14, nullptr},
      {"a/40 flush/20{mark=1} b/10", "flush", 15, nullptr},
      {"a/40 flush/20 b/10", "flush", 17, ""},
      {"any/38 fill/20 b/10", "fill", 18, nullptr},
      {"the/64 fill/20 b/10", "fill", 19, nullptr},
      {"a/40 fill/20{mark=1} b/10", "fill", 20, nullptr},
      {"a/40 fill/20 in/75", "fill", 21, nullptr},
      {"a/40 fill/20 up/61", "fill", 22, nullptr},
      {"a/40 fill/20 time/10", "fill", 23, nullptr},
      {"a/40 fill/20 b/10", "fill", 24, ""},
      {"a/40 personnel/11 c/40 follow/20 b/10", "follow", 25, nullptr},
      {"a/40 b/40 always/52 follow/20 b/10", "follow", 25, nullptr},
      {"a/40 b/40 c/40 follow/20 rules/19", "follow", 26, "follow: suggestion=\"obey\" message=300 ruleId=3012"},
      {"a/40 b/40 c/40 follow/20 up/61", "follow", 27, nullptr},
      {"a/40 b/40 c/40 follow/21 warnings/11", "follow", 28, nullptr},
      {"a/40 b/40 c/40 follow/20 instructions/11", "follow", 29, "follow: suggestion=\"obey/read\" message=300 ruleId=3618"},
      {"a/40 b/40 c/40 follow/20 b/10", "follow", 30, ""},
      {"a/40 b/40 follow/20 instructions/11", "follow", -1, ""},
      // Advice alone, no message.
      {"a/40 flows/21{last=s} in/75", "flows", 31, "flows: suggestion=\"flows from/flows into\""},
      {"a/40 flow/20{last=w} out/61", "flow", 32, "flow: suggestion=\"flow from/flow into\""},
  };
  // An "and" or "or" after the verb ends its processing first.
  RunRowCases(VerbRowsF(), kF);

  static const RowCase kG[] = {
      {"a/40 get/20 light/10", "get", 0, nullptr},
      {"a/40 get/20 to/68 5/49", "get", 1, nullptr},
      {"a/40 get/20 supplied/31", "get", 2, nullptr},
      {"a/40 get/20 pulled/22", "get", 3, nullptr},
      {"a/40 get/20 out/61", "get", 4, nullptr},
      {"a/40 get/20 off/61", "get", 5,
       "get: suggestion=\"not illuminate/disconnect\" message=323 entryWords=2 ruleId=3319 verbForm=X"},
      {"a/40 get/20 up/61 to/68", "get", 6, nullptr},
      {"a/40 get/20 rid/30", "get", 7, nullptr},
      {"a/40 get/20 started/22", "get", 8, nullptr},
      {"a/40 get/20 below/52", "get", 9, "get: suggestion=\"(Use Verb Selector)\" message=300 ruleId=4319"},
      {"a/40 get/20 under/60", "get", 10, nullptr},
      {"just/52 get/20 b/10", "get", 11, nullptr},
      {"a/40 get/20 slowly/52", "get", 12, nullptr},
      {"a/40 get/20 b/10", "get", 13, ""},
      {"a/40 ground/20 off/61", "ground", 14, nullptr},
      {"a/40 ground/20 strap/10", "ground", 15, nullptr},
      {"a/40 ground/20 b/10", "ground", 16, ""},
      {"a/40 give/20 you/78", "give", 17, nullptr},
      {"tables/11 gives/21 b/10", "gives", 18, nullptr, S},
      {"page/10 give/20 b/10", "give", 19, nullptr},
      {"a/40 gives/21 rise/10", "gives", 20, nullptr, S},
      {"a/40 give/20 rise/10", "give", 21, nullptr},
      {"a/40 gives/21 off/61", "gives", 22, nullptr, S},
      {"a/40 give/20 off/61", "give", 23, nullptr},
      {"a/40 give/20 up/61", "give", 24, nullptr},
      {"a/40 gives/21 result/10", "gives", 25, "gives: suggestion=\"shows the result of\" message=300 entryWords=2 ruleId=4112", S},
      {"a/40 give/20 result/10", "give", 26, nullptr},
      {"a/40 gives/21 doubt/10", "gives", 27, nullptr, S},
      {"a/40 give/20 concern/10", "give", 28, nullptr},
      {"a/40 give/20 b/10", "give", 29, ""},
      {"a/40 go/20 wrong/30", "go", 30, nullptr},
      {"a/40 goes/21 off/61", "goes", 31, nullptr},
      {"a/40 go/20 in/75", "go", 32, ""},
      {"signal/10 goes/21 b/10", "goes", 33, nullptr},
      {"fuel/16 goes/21 b/10", "goes", 34, nullptr},
      {"a/40 go/20 b/10", "go", -1, ""},
  };
  RunRowCases(VerbRowsG(), kG);

  static const RowCase kH[] = {
      {"a/40 hold/20 up/61", "hold", 0, nullptr},
      {"a/40 hold/20 down/61", "hold", 1, nullptr},
      {"a/40 hold/20 b/10", "hold", 2, ""},
      {"a/40 b/40 help/20 you/78", "help", 3, ""},
      {"a/40 b/40 helps/21 maintain/20", "helps", 4, nullptr, S},
      {"a/40 b/40 help/20 maintain/20", "help", 5, nullptr},
      {"a/40 b/40 help/20 out/61", "help", 6, nullptr},
      {"a/40 b/40 help/20 Start/20", "help", 7, "help: suggestion=\"help to Start\" message=313 entryWords=2 ruleId=3319"},
      {"a/40 help/20 start/20", "help", -1, ""},
  };
  RunRowCases(VerbRowsH(), kH);

  static const RowCase kI[] = {
      {"a/40 install/20 ./48", "install", 0, "install: suggestion=\"installation of\" message=322 ruleId=2320"},
      {"valve/10 installs/21 b/10", "installs", 1, nullptr},
      {"a/40 install/20 b/10", "install", -1, ""},
  };
  RunRowCases(VerbRowsI(), kI);
}

}  // namespace
