// `kesta check` with the sample dictionaries on sentences with "be",
// "being", "has", "had", "is", "are", "was" and "were" inside a sentence:
// passive voice, agreement, verb tense and the wordy phrases get markers.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class BeHaveIsCheck : public ::testing::Test {
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

TEST_F(BeHaveIsCheck, FindingsOfTheForms) {
  struct Case {
    const char* paragraph;
    std::string marker;
  } cases[] = {
      // "be" and "being".
      {"<p>The valve can be based on the pump.</p>", Marker("0002has a base/from", "CCCCCC", "be based on")},
      {"<p>The valve can be equal to the pump.</p>",
       Marker("2402has an equal value/(Rephrase to show values)", "FF6699", "be equal to")},
      {"<p>You tell the operator to be removed.</p>", Marker("3003NONE", "66FFFF", "to be removed")},
      {"<p>The operator is being careful.</p>", Marker("3502NONE", "FF99FF", "being careful")},
      // "has" and "had".
      {"<p>The valve has been replaced.</p>", Marker("3001NONE", "66FFFF", "has been replaced")},
      {"<p>The valve has not been removed.</p>", Marker("3001NONE", "66FFFF", "has not been")},
      {"<p>The pump has to be removed.</p>", Marker("3501must be", "FF99FF", "has to be")},
      {"<p>The valves had been to the shop.</p>", Marker("3001were", "66FFFF", "had been to")},
      // "am", "is", "are", "was" and "were".
      {"<p>The valve is to be removed.</p>", Marker("3501must be", "FF99FF", "is to be")},
      {"<p>The pumps are running.</p>", Marker("3501operates/operate/in operation", "FF99FF", "are running")},
      {"<p>The pumps are cutting the cable.</p>", Marker("3801(Change to infin.)", "66CC99", "are cutting")},
      {"<p>The tank is emptied.</p>", Marker("0001is empty", "CCCCCC", "is emptied")},
      {"<p>The tanks were emptied.</p>", Marker("0001are empty", "CCCCCC", "were emptied")},
      {"<p>Then these is open.</p>", Marker("0302NONE", "6699FF", "is")},
      {"<p>Then the valves is empty.</p>", Marker("0302NONE", "6699FF", "is")},
      {"<p>The valve was removed by the operator.</p>", Marker("3001NONE", "66FFFF", "was removed by")},
      {"<p>The pumps were in contact with the valve.</p>", Marker("0001touch", "CCCCCC", "were in contact with")},
      {"<p>The pump is large.</p>", Marker("0502(Give range or Ref.)", "FF6699", "large")},
      {"<p>The valve is also correct.</p>", Marker("0201NONE", "66FFFF", "is also")},
  };
  for (const Case& k : cases) {
    const std::string out = Check(k.paragraph);
    EXPECT_NE(out.find(k.marker), std::string::npos) << k.paragraph << "\n" << out;
  }
}

// A form right after the first word of its sentence gets no agreement test
// (the article before the noun is not a word of the list), "are" and "were"
// never disagree through the rules of the form, and an adjective in "ng"
// is no gerund.
TEST_F(BeHaveIsCheck, SentencesWithoutFindings) {
  for (const char* paragraph :
       {"<p>The valves is open.</p>", "<p>The valve are open.</p>", "<p>The cable is long.</p>"}) {
    const std::string out = Check(paragraph);
    EXPECT_EQ(out.find("_touchup"), std::string::npos) << paragraph << "\n" << out;
  }
}

}  // namespace
