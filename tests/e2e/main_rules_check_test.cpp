// `kesta check` with the sample dictionaries of the build, on sentences that
// the main rule pass judges: the repeated word, inner punctuation, the comma
// after "is" and "max" before a noun.
#include <gtest/gtest.h>

#include <regex>

#include "check_fixture.h"

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
      // A comma after "is" covers the word after it.
      {"Make sure that the valve is, closed.", "is" + marker("37", "NONE", "FF99FF", ",") + " closed"},
      // "max" is spelled out: the correction goes into the text.
      {"Set the max pressure.", "Set the maximum pressure."},
  };
  for (const Case& k : cases) {
    ProgramRun run = CheckSample(std::string("<topic><body><p>") + k.sentence + "</p></body></topic>");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::regex_search(Body(run.out), std::regex(k.expected))) << k.expected << "\n" << run.out;
  }
}

}  // namespace
