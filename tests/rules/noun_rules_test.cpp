// The rules of the nouns, classes 10 to 19: the entry and its exits, the
// noun clusters, the sentence start, units and the narrower noun kinds.
#include <gtest/gtest.h>

#include "rules/main/class_bodies.h"
#include "tests/rules/rule_cases.h"

namespace {

TEST(NounRules, Clusters) {
  RunBodyCases(ApplyNounRules, {
      // Two nouns: one finding over both; the walk goes on after them.
      {"the/64 fuel/10{weight=2} pump/10{weight=2} leaks/21 ./48", "fuel",
       "fuel: suggestion=\"(Suggest <- pump ...for)\" message=336 entryWords=2 ruleId=37689\npump: wordClass=40",
       "pump"},
      // ... but not when the second noun is the heavy one.
      {"the/64 fuel/10 pump/10{weight=3} leaks/21 ./48", "fuel", "", "fuel"},
      // Three nouns: the finding covers three, the walk goes on inside it.
      {"the/64 relief/10{weight=2} valve/10 switch/10 leaks/21 ./48", "relief",
       "relief: suggestion=\"(Suggest <- switch ...for)\" message=336 entryWords=3 ruleId=3389", "relief"},
      // Inside the three, the next noun gets no finding of its own.
      {"the/64 relief/10{weight=2 msg=336 entry=3} valve/10{weight=2} switch/10{weight=2} leaks/21 ./48", "valve", "",
       "valve"},
      // Four nouns: the advice with a blank before "for"; after the covered words.
      {"the/64 fuel/10 pump/10 pressure/10 switch/10 leaks/21 ./48", "fuel",
       "fuel: suggestion=\"(Suggest <- switch ... for)\" message=336 entryWords=4 ruleId=3939\n"
       "pump: wordClass=40\npressure: wordClass=40\nswitch: wordClass=40", "switch"},
      // A single heavy noun before a marked word ends the word quietly.
      {"the/64 fuel/10 pump/10{weight=4 mark=1 sug=x} seal/10 gasket/10{mark=1} ./48", "pump",
       "pump: suggestion=\"\"", "pump"},
      // Classes 16, 18 and 19 give the single heavy noun its finding.
      {"the/64 oil/16{weight=4} tank/10 x/30{mark=1} ./48", "oil", "oil: message=336 ruleId=3289", "oil"},
      {"the/64 gear/18{weight=2} oil/16{weight=2} leaks/21 ./48", "gear",
       "gear: suggestion=\"(Suggest <- oil ...for)\" message=336 entryWords=2 ruleId=3299\noil: wordClass=40", "oil"},
      // Two capitalised words of weight 2 are a name.
      {"the/64 Acme/18{weight=2} Pumps/19{weight=2} leak/20 ./48", "Acme", "Acme: verbForm=NUL", "Acme"},
      {"the/64 valve/10{sep=8 tag=<AR>} x/30 ./48", "valve", "valve: tag=\"\" message=337 ruleId=3154", "valve"},
      {"the/64 valve/10{extra=Y} x/30 ./48", "valve", "valve: message=337 ruleId=4154", "valve"},
      {"the/64 valve/10{extra=5} x/30 ./48", "valve", "valve: message=310 ruleId=5156", "valve"},
      // The exits of the entry: the noun is counted and is the subject.
      {"the/64 valves/11 ./48", "valves", "", "valves", nullptr, "subjectSeen=1 subjectNumber=1 clauseState=1"},
      {"the/64 valve/10 the/64 x/30 ./48", "valve", "valve: subClass=12", "valve"},
      // A verb after the noun: nothing here, even where the form disagrees.
      {"Valve/10 are/25 open/30 ./48", "Valve", "", "Valve"},
      {"the/64 pump/10{weight=3} (see/30 ./48", "pump", "pump: subClass=4", "pump"},
      {"set/20 5/49 volts/10{mark=1} x/30 ./48", "volts", "volts: message=302 ruleId=2931", "volts"},
      {"it/66 can/28 service/10 x/30 ./48", "service", "service: message=300 ruleId=2931", "service"},
      {"the/64 step/10 5/30 ./48", "step", "5: wordClass=40", "step"},
      // The sentence start: a compound written apart before two nouns.
      {"Fuel_pump/10 valve/10 seat/10 ./48", "Fuel pump",
       "Fuel pump: suggestion=\"Fuel pump-valve\" message=317 entryWords=2 ruleId=2830\nvalve: wordClass=40", "valve"},
      {"Fuel_pump/10 valve/10{token=1} seat/10 ./48", "Fuel pump",
       "Fuel pump: suggestion=\"Fuel pump-valve\" message=317 ruleId=2830", "Fuel pump"},
      {"the/64 Acme/15 engine/10{weight=4} x/30 ./48", "Acme",
       "Acme: wordClass=10 message=336 entryWords=2 ruleId=3868 weight=5\nengine: wordClass=40", "engine"},
      {"Acme/15 engine/10{weight=4} x/30 ./48", "Acme", "", "Acme"},
      {"the/64 Acme/15{extra=5 sug=x} x/30 ./48", "Acme",
       "Acme: suggestion=\"\" message=310 ruleId=4156 verbForm=>", "Acme"},
      {"the/64 Acme/15{split=2 sug=x} x/30 ./48", "Acme", "Acme: suggestion=\"\" message=310 ruleId=2040", "Acme"},
      // Units.
      {"set/20 5/49 in./17 long/30 ./48", "in.",
       "in.: suggestion=\"inch\" tag=\"<AR>\" message=311 ruleId=3198", "in."},
      {"a/64 in./17 x/30 ./48", "in.", "in.: suggestion=\"inch\" tag=\"<AR>\" message=311 ruleId=1808", "in."},
      // "time" after a measure goes, and that ends the word.
      {"for/65 hours/17 time/10 x/30 ./48", "hours", "time: message=304 ruleId=4156", "time"},
      {"the/64 hour/17 the/64 x/30 ./48", "hour", "hour: message=306 ruleId=4156", "hour"},
      {"115/49 V/17 AC/40 ./48", "V", "V: suggestion=\"VAC\" tag=\"<AR>\" message=311 entryWords=2 ruleId=3156", "AC"},
      // The dotted form: the length follows the cut text.
      {"the/64 unit(s)/17{sep=8} x/30 ./48", "unit(s)",
       "unit(s): text=\"unit\" suggestion=\"the unit(s)\" message=337 length=4 ruleId=3156", "unit(s)"},
      {"the/64 oil/16{sep=8} x/30 ./48", "oil", "oil: suggestion=\"the oil\" message=337 ruleId=3156", "oil"},
      {"the/64 anti-ice/16{msg2=320} x/30 ./48", "anti-ice", "anti-ice: message2=0", "anti-ice"},
      {"the/64 oil/16 pump/10{code=V0****} ./48", "oil", "", "oil"},
      {"the/64 specs/19 docs/19 x/30 ./48", "specs", "specs: message=302 ruleId=8678 verbForm=NUL", "specs"},
      {"the/64 specs/19{token=1} docs/19 x/30 ./48", "specs", "specs: message=302 ruleId=8678 verbForm=NUL", "specs"},
      {"the/64 oil/16{extra=5 sug=x} x/30 ./48", "oil",
       "oil: suggestion=\"\" message=310 ruleId=3156 verbForm=NUL", "oil"},
      {"the/64 fuel_line/16{weight=4} x/30 ./48", "fuel line",
       "fuel line: suggestion=\"fuel-line\" message=317 ruleId=2058 verbForm=NUL", "fuel line"},
      {"the/64 testing/16{mark=1} of/67 x/30 ./48", "testing",
       "testing: suggestion=\"(Use an infin. verb)\" wordClass=23 message=338 ruleId=5141 verbForm=NUL", "testing"},
      // A label word that opens its line: a finding with its own rule id.
      {"Warning/18{sep=7} x/30 y/30 ./48", "Warning", "Warning: message=314 ruleId=3140 verbForm=NUL", "Warning"},
  });
}

}  // namespace
