// `kesta check` with the sample dictionaries of the build, on sentences that
// the main rule pass judges: the repeated word, inner punctuation, the comma
// after "is" and "max" before a noun; then the findings of the rules of
// "not", adjectives, comparatives and quantifiers, verbs in -ing and "been".
#include <gtest/gtest.h>

#include <regex>

#include "check_fixture.h"
#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class MainRulesCheck : public CheckFixture {
 protected:
  ProgramRun CheckSample(const std::string& xml) {
    return RunProgram(KESTA_PROGRAM, {"check", dir_.Write("doc.xml", xml)},
                      {{"APTCUSTOM", std::string(KESTA_BUILD_DIR) + "/custom"},
                       {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
  }
};

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
    ProgramRun run = CheckSample(std::string("<topic><body><p>") + k.sentence + "</p></body></topic>");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_search(Body(run.out), std::regex(k.expected))) << k.expected << "\n" << run.out;
  }
}

class MainRuleBodiesCheck : public ::testing::Test {
 protected:
  // The build's default custom folder holds the sample dictionaries.
  std::string Check(const std::string& paragraphs) {
    const std::string file = dir_.Write("doc.xml", "<topic><body>" + paragraphs + "</body></topic>");
    ProgramRun run = RunProgram(KESTA_PROGRAM, {"check", file},
                                {{"APTCUSTOM", std::nullopt},
                                 {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
    EXPECT_LE(run.status, 1) << run.err;
    return run.out;
  }
  static std::string Marker(const std::string& value, const std::string& colour, const std::string& text) {
    return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour + "\"?>" + text + "<?Pub /_touchup?>";
  }
  TempDir dir_;
};

TEST_F(MainRuleBodiesCheck, FindingsOfEachPart) {
  struct Case {
    const char* paragraph;
    std::string marker;
  } cases[] = {
      // Negation.
      {"<p>Not all valves are open now.</p>", Marker("3400NONE", "66FFFF", "Not")},
      // (After a form of "be" the form's rules take "not" first; after an
      // opening "If" it gets no rules of its own.)
      {"<p>The operator, not able to turn the valve, stops the pump.</p>",
       Marker("3402can not", "66FFFF", "not able to")},
      // Adjectives.
      {"<p>General procedures apply to the pump.</p>",
       Marker("1300information about/(Rephrase)", "FF99FF", "General procedures")},
      // Comparatives, superlatives and quantifiers.
      {"<p>The voltage is higher then 5 V at the pump.</p>",
       Marker("0502(Give range or measure.)", "FF6699", "higher") + " " + Marker("1103than", "FF6699", "then")},
      {"<p>Turn the valve to the lowest pressure.</p>", Marker("0503(Give Range)", "FF6699", "lowest pressure")},
      {"<p>Clean each.</p>", Marker("2701NONE", "66FFFF", "each")},
      // Verbs in -ing.
      {"<p>A fault taking place in the pump stops the valve.</p>",
       Marker("3802occurs/occur", "66CC99", "taking place")},
      {"<p>Removing the cover is easy.</p>", Marker("3800How to remove/To remove", "66CC99", "Removing")},
      // "been".
      {"<p>It has been able to turn the valve.</p>", Marker("3502can", "FF99FF", "been able to")},
      {"<p>The pump has been around the valve.</p>", Marker("3001(Rephrase)", "66FFFF", "has been around")},
  };
  for (const Case& k : cases) {
    const std::string out = Check(k.paragraph);
    EXPECT_NE(out.find(k.marker), std::string::npos) << k.paragraph << "\n" << out;
  }
}

// Units, numbers, "left" and "right" and class 46: markers on the words
// the rules judge, and the numbers corrected in place.
TEST_F(MainRuleBodiesCheck, UnitsNumbersSidesAndClass46) {
  struct Case {
    const char* paragraph;
    std::string expected;  // a marker or a corrected text
  } cases[] = {
      // Neutral tokens and units.
      {"<p>Use 10 valves per day.</p>", Marker("2403each day", "FF6699", "per day")},
      {"<p>Stop at 25C now.</p>", "<p>Stop at 25&deg;C now.</p>"},
      // Numbers in words before a unit are corrected in place.
      {"<p>Stop the pump for five minutes.</p>", "for 5 minutes."},
      {"<p>Stop the pump for twenty minutes.</p>", "for 20 minutes."},
      {"<p>Stop the pump for ten hours.</p>", "for 10 hours."},
      // Numbers in digits.
      {"<p>Install 5 valves.</p>", Marker("0801five", "FF99FF", "5")},
      {"<p>Set 10mm bolts.</p>", Marker("080110 mm", "FF99FF", "10mm")},
      // "left" and "right".
      {"<p>Use the left hand side.</p>", Marker("0101left side", "6699FF", "left hand side")},
      {"<p>Set right value now.</p>", Marker("2401correct value", "FF6699", "right value")},
      {"<p>The pump is left open.</p>", Marker("0002in the OPEN position/(Rephrase)", "CCCCCC", "left open")},
      // Class 46.
      {"<p>Use it like you would.</p>", Marker("2402want/(You can use verb - want)", "FF6699", "like")},
  };
  for (const Case& k : cases) {
    const std::string out = Check(k.paragraph);
    EXPECT_NE(out.find(k.expected), std::string::npos) << k.paragraph << "\n" << out;
  }
}

// A verb in -ed after a form of "be" is read as an adjective: no finding.
TEST_F(MainRuleBodiesCheck, ParticipleAfterBeIsClean) {
  const std::string out = Check("<p>The pump has kept off the valve.</p>");
  EXPECT_EQ(out.find("_touchup"), std::string::npos) << out;
}

}  // namespace
