// `kesta check` with the sample dictionaries of the build on procedural
// sentences that the verb rules judge: the checks and openers of a verb,
// and its trigger rows by first letter.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class VerbRulesCheck : public ::testing::Test {
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

TEST_F(VerbRulesCheck, FindingsOfEachPart) {
  struct Case {
    const char* paragraph;
    std::string marker;
  } cases[] = {
      // The verb's checks and the sentence openers.
      {"<p>Use care when you open the valve.</p>",
       Marker("0000 Be careful/Make sure that", "CCCCCC", "Use care")},
      {"<p>Break off the cover.</p>", Marker("1500 Break/(Select another verb)", "66CC99", "Break")},
      {"<p>You need not remove the valve.</p>", Marker("3401NONE", "66FFFF", "need not")},
      // The article check joined "remove" to "tension"; the trigger's finding
      // is still marked on the verb as the text holds it.
      {"<p>You must remove tension from the spring.</p>", Marker("0002release", "CCCCCC", "remove") + " "},
      {"<p>Each crew must follow instructions.</p>", Marker("0003obey/read", "CCCCCC", "follow") + " instructions"},
      // First letters l to p.
      {"<p>You must look at the valve.</p>", Marker("1302examine/examines", "FF99FF", "look at")},
      {"<p>You must make up the difference.</p>", Marker("1502(Rephrase)", "66CC99", "make up")},
      {"<p>You must need to be careful.</p>", Marker("3502must be", "FF99FF", "need to be")},
      {"<p>You must open up the cover.</p>", Marker("1502open/expand/increase", "66CC99", "open up")},
      // r to u.
      {"<p>The parts take place in the box.</p>", Marker("0001occur/occurs", "CCCCCC", "take place")},
      {"<p>You must set point the valve.</p>", Marker("1502(Use the setting(n))", "66CC99", "set point")},
      {"<p>The pump turns red.</p>", Marker("0001becomes", "CCCCCC", "turns")},
      // a, b, c and k.
      {"<p>You must keep away from the pump.</p>", Marker("1502do not let/does not let", "66CC99", "keep away")},
      {"<p>You must check pressure.</p>",
       Marker("0002make sure that/measure/make a check/check(n)/examine", "CCCCCC", "check")},
      // d to i.
      {"<p>You must dry up the oil.</p>", Marker("1502decrease/(Rephrase)", "66CC99", "dry up")},
      {"<p>You must get off the pump.</p>", Marker("2302not illuminate/disconnect", "66CC99", "get off")},
  };
  for (const Case& k : cases) {
    const std::string out = Check(k.paragraph);
    EXPECT_NE(out.find(k.marker), std::string::npos) << k.paragraph << "\n" << out;
  }
}

}  // namespace
