// `kesta check` with the sample dictionaries on sentences with modal verbs
// and with "be" and "have" at the start of a sentence: each gets its marker.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class ModalCheck : public ::testing::Test {
 protected:
  // The build's default custom folder holds the sample dictionaries.
  std::string Check(const std::string& paragraph) {
    const std::string file = dir_.Write("doc.xml", "<topic><body>" + paragraph + "</body></topic>");
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

TEST_F(ModalCheck, FindingsOfModalsAndOpeningForms) {
  struct Case {
    const char* paragraph;
    std::string marker;
  } cases[] = {
      // "can" and "do".
      {"<p>The valve can be done now.</p>", Marker("3501you can do", "FF99FF", "can be done")},
      {"<p>The pump could open the valve.</p>", Marker("0001can", "CCCCCC", "could")},
      {"<p>The pump does never stop.</p>", Marker("3501do not/does not", "FF99FF", "does never")},
      {"<p>Can pumps turn the valve.</p>", Marker("0200(Avoid question format)", "66FFFF", "Can")},
      // "may", "might" and "must".
      {"<p>The valve may open.</p>", Marker("0001can/possibly/(Rephrase)", "CCCCCC", "may")},
      {"<p>The valve might be used again.</p>", Marker("0001can be used/is used", "CCCCCC", "might be used")},
      {"<p>The pump must be able to turn the valve.</p>", Marker("3001must/can", "66FFFF", "must be able")},
      {"<p>The pump must have been removed.</p>", Marker("3001NONE", "66FFFF", "must have been")},
      {"<p>Caution must be exercised when you open the valve.</p>",
       Marker("1300Be careful", "FF99FF", "Caution must be exercised") + " " +
           Marker("0204(Move when to main clause.)", "66FFFF", "when")},
      // "shall", "should", "will" and "would".
      {"<p>The valve should open.</p>", Marker("3501can/must", "FF99FF", "should")},
      {"<p>The valve shall result in a leak.</p>", Marker("3501can cause", "FF99FF", "shall result in")},
      {"<p>The pump will be at least 5 mm from the valve.</p>",
       Marker("3501(Give value range)", "FF99FF", "will be at least")},
      {"<p>The pump would stop.</p>", Marker("3501stops", "FF99FF", "would stop")},
      // "be" and "have" at the start of a sentence and at the end of a clause.
      {"<p>Be careful when you open the valve.</p>",
       Marker("0700Make sure/(Rephrase for meaning)", "FF6699", "Be careful")},
      {"<p>Be aware of the pressure.</p>", Marker("2100 Make sure/ Be careful", "6699FF", "Be aware")},
      {"<p>Have you opened the valve?</p>", Marker("2100(Rephrase without a question)", "6699FF", "Have")},
      {"<p>The valve is can.</p>", Marker("3501NONE", "FF99FF", "is")},
  };
  for (const Case& k : cases) {
    const std::string out = Check(k.paragraph);
    EXPECT_NE(out.find(k.marker), std::string::npos) << k.paragraph << "\n" << out;
  }
}

// A question that opens with a form of "be" and an article after the form
// get no finding.
TEST_F(ModalCheck, QuestionsWithoutFindings) {
  for (const char* paragraph : {"<p>Is the valve open?</p>", "<p>Can the valve turn?</p>"}) {
    const std::string out = Check(paragraph);
    EXPECT_EQ(out.find("_touchup"), std::string::npos) << paragraph << "\n" << out;
  }
}

}  // namespace
