// `kesta check` with the sample dictionaries of the build on procedural
// sentences that the verb rules judge: the checks and openers of a verb,
// and its trigger rows by first letter.
#include "tests/e2e/sample_check.h"

namespace {

using VerbRulesCheck = SampleCheck;

TEST_F(VerbRulesCheck, FindingsOfEachPart) {
  const FoundCase cases[] = {
      // The verb's checks and the sentence openers.
      {"Use care when you open the valve.",
       Marker("0000 Be careful/Make sure that", "CCCCCC", "Use care")},
      {"Break off the cover.", Marker("1500 Break/(Select another verb)", "66CC99", "Break")},
      {"You need not remove the valve.", Marker("3401NONE", "66FFFF", "need not")},
      // The article check joined "remove" to "tension"; the trigger's finding
      // is still marked on the verb as the text holds it.
      {"You must remove tension from the spring.", Marker("0002release", "CCCCCC", "remove") + " "},
      {"Each crew must follow instructions.", Marker("0003obey/read", "CCCCCC", "follow") + " instructions"},
      // First letters l to p.
      {"You must look at the valve.", Marker("1302examine/examines", "FF99FF", "look at")},
      {"You must make up the difference.", Marker("1502(Rephrase)", "66CC99", "make up")},
      {"You must need to be careful.", Marker("3502must be", "FF99FF", "need to be")},
      {"You must open up the cover.", Marker("1502open/expand/increase", "66CC99", "open up")},
      // r to u.
      {"The parts take place in the box.", Marker("0001occur/occurs", "CCCCCC", "take place")},
      {"You must set point the valve.", Marker("1502(Use the setting(n))", "66CC99", "set point")},
      {"The pump turns red.", Marker("0001becomes", "CCCCCC", "turns")},
      // a, b, c and k.
      {"You must keep away from the pump.", Marker("1502do not let/does not let", "66CC99", "keep away")},
      {"You must check pressure.",
       Marker("0002make sure that/measure/make a check/check(n)/examine", "CCCCCC", "check")},
      // d to i.
      {"You must dry up the oil.", Marker("1502decrease/(Rephrase)", "66CC99", "dry up")},
      {"You must get off the pump.", Marker("2302not illuminate/disconnect", "66CC99", "get off")},
  };
  ExpectFound(cases);
}

}  // namespace
