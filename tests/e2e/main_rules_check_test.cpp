// `kesta check` with the sample dictionaries of the build, on sentences that
// the main rule pass judges: the repeated word, inner punctuation, the comma
// after "is" and "max" before a noun; then the findings of the rules of
// "not", adjectives, comparatives and quantifiers, verbs in -ing and "been".
#include <regex>

#include "tests/e2e/sample_check.h"

namespace {

using MainRulesCheck = SampleCheck;

TEST_F(MainRulesCheck, FindingsOfTheSmallClasses) {
  // The marker of category CC with advice ADVICE around TEXT, any number.
  auto marker = [](const char* cc, const char* advice, const char* colour, const char* text) {
    return std::string("<\\?Pub _touchup Kesta=\"") + cc + "[0-9][0-9]" + advice + "\" HighltBckclr=\"" + colour +
           "\"\\?>" + text + "<\\?Pub /_touchup\\?>";
  };
  struct Case {
    const char* sentence;
    std::string expected;  // a pattern of the marked document
  } cases[] = {
      // DELETE on the first of two equal words.
      {"Close the valve and and open the drain.",
       "Close the valve " + marker("04", "NONE", "66CC99", "and") + " and open the drain."},
      {"Open the valve; close the drain.", "Open the valve" + marker("37", "\\.", "FF99FF", ";") + " close the drain."},
      // A comma after "is" covers the word after it; "is" itself ends its clause too early.
      {"Make sure that the valve is, closed.",
       marker("35", "NONE", "FF99FF", "is") + marker("37", "NONE", "FF99FF", ",") + " closed"},
      // "max" is spelled out: the correction goes into the text.
      {"Set the max pressure.", "Set the maximum pressure."},
  };
  for (const Case& k : cases) {
    const std::string out = Check({k.sentence});
    EXPECT_TRUE(std::regex_search(out, std::regex(k.expected))) << k.expected << "\n" << out;
  }
}

using MainRuleBodiesCheck = SampleCheck;

TEST_F(MainRuleBodiesCheck, FindingsOfEachPart) {
  const FoundCase cases[] = {
      // Negation.
      {"Not all valves are open now.", Marker("3400NONE", "66FFFF", "Not")},
      // (After a form of "be" the form's rules take "not" first; after an
      // opening "If" it gets no rules of its own.)
      {"The operator, not able to turn the valve, stops the pump.", Marker("3402can not", "66FFFF", "not able to")},
      // Adjectives.
      {"General procedures apply to the pump.",
       Marker("1300information about/(Rephrase)", "FF99FF", "General procedures")},
      // Comparatives, superlatives and quantifiers.
      {"The voltage is higher then 5 V at the pump.",
       Marker("0502(Give range or measure.)", "FF6699", "higher") + " " + Marker("1103than", "FF6699", "then")},
      {"Turn the valve to the lowest pressure.", Marker("0503(Give Range)", "FF6699", "lowest pressure")},
      {"Clean each.", Marker("2701NONE", "66FFFF", "each")},
      // Verbs in -ing.
      {"A fault taking place in the pump stops the valve.", Marker("3802occurs/occur", "66CC99", "taking place")},
      {"Removing the cover is easy.", Marker("3800How to remove/To remove", "66CC99", "Removing")},
      // "been".
      {"It has been able to turn the valve.", Marker("3502can", "FF99FF", "been able to")},
      {"The pump has been around the valve.", Marker("3001(Rephrase)", "66FFFF", "has been around")},
  };
  ExpectFound(cases);
}

// Units, numbers, "left" and "right" and class 46: markers on the words
// the rules judge, and the numbers corrected in place.
TEST_F(MainRuleBodiesCheck, UnitsNumbersSidesAndClass46) {
  const FoundCase cases[] = {
      // Neutral tokens and units.
      {"Use 10 valves per day.", Marker("2403each day", "FF6699", "per day")},
      {"Stop at 25C now.", "<p>Stop at 25&deg;C now.</p>"},
      // Numbers in words before a unit are corrected in place.
      {"Stop the pump for five minutes.", "for 5 minutes."},
      {"Stop the pump for twenty minutes.", "for 20 minutes."},
      {"Stop the pump for ten hours.", "for 10 hours."},
      // Numbers in digits.
      {"Install 5 valves.", Marker("0801five", "FF99FF", "5")},
      {"Set 10mm bolts.", Marker("080110 mm", "FF99FF", "10mm")},
      // "left" and "right".
      {"Use the left hand side.", Marker("0101left side", "6699FF", "left hand side")},
      {"Set right value now.", Marker("2401correct value", "FF6699", "right value")},
      {"The pump is left open.", Marker("0002in the OPEN position/(Rephrase)", "CCCCCC", "left open")},
      // Class 46.
      {"Use it like you would.", Marker("2402want/(You can use verb - want)", "FF6699", "like")},
  };
  ExpectFound(cases);
}

// A verb in -ed after a form of "be" is read as an adjective: no finding.
TEST_F(MainRuleBodiesCheck, ParticipleAfterBeIsClean) { ExpectNoMarkers({"The pump has kept off the valve."}); }

}  // namespace
