// `kesta check` with the sample dictionaries on sentences that the rules of
// the nouns, the determiners and the adjectives inside a sentence judge.
#include <gtest/gtest.h>

#include <string>

#include "check_fixture.h"
#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class NounAdjectiveCheck : public ::testing::Test {
 protected:
  // The build's default custom folder holds the sample dictionaries.
  std::string Check(const std::string& sentence) {
    const std::string file = dir_.Write("doc.xml", "<topic><body><p>" + sentence + "</p></body></topic>");
    ProgramRun run = RunProgram(KESTA_PROGRAM, {"check", file},
                                {{"APTCUSTOM", std::nullopt},
                                 {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
    EXPECT_LE(run.status, 1) << run.err;
    return run.out;
  }
  static std::string Marker(const std::string& value, const std::string& colour, const std::string& text) {
    return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour + "\"?>" + text + "<?Pub /_touchup?>";
  }
  static int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  TempDir dir_;
};

TEST_F(NounAdjectiveCheck, FindingsOfEachWord) {
  struct Case {
    const char* sentence;
    std::string marker;
  } cases[] = {
      // Noun clusters of four words (the advice with a blank before "for").
      {"Replace the fuel pump pressure switch.",
       Marker("3601(Suggest &lt;- switch ... for)", "CCCCCC", "fuel pump pressure switch")},
      // Determiners.
      {"Turn the valve all ways.", Marker("2402always", "FF6699", "all ways")},
      {"Do the test several times.", Marker("0502(Give reference or quantity)", "FF6699", "several times")},
      // Adjectives.
      {"Wait one full hour.", Marker("050260 minutes", "FF6699", "full hour")},
      {"The bolt is a little loose.", Marker("0103not tight/(Give torque range)", "6699FF", "little loose")},
      {"Find a major leak.", Marker("2402(Give Measure or ref.)", "FF6699", "major")},
  };
  for (const Case& k : cases) {
    const std::string out = Check(k.sentence);
    EXPECT_NE(out.find(k.marker), std::string::npos) << k.sentence << "\n" << out;
  }
}

// Three nouns: one marker over the three; the walk goes on inside it, and
// no word of the cluster gets a marker of its own.
TEST_F(NounAdjectiveCheck, ThreeNounClusterHasOneMarker) {
  const std::string out = Check("Replace the fuel filter element switch.");
  EXPECT_NE(out.find(Marker("3601(Suggest &lt;- switch ...for)", "CCCCCC", "fuel filter element switch")),
            std::string::npos)
      << out;
  EXPECT_EQ(Count(out, "<?Pub _touchup "), 1) << out;
  EXPECT_EQ(Count(out, "<?Pub /_touchup?>"), 1) << out;
}

}  // namespace
