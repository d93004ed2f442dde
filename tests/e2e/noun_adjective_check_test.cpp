// `kesta check` with the sample dictionaries on sentences that the rules of
// the nouns, the determiners and the adjectives inside a sentence judge.
#include "tests/e2e/sample_check.h"

namespace {

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

using NounAdjectiveCheck = SampleCheck;

TEST_F(NounAdjectiveCheck, FindingsOfEachWord) {
  const FoundCase cases[] = {
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
  ExpectFound(cases);
}

// Three nouns: one marker over the three; the walk goes on inside it, and
// no word of the cluster gets a marker of its own.
TEST_F(NounAdjectiveCheck, ThreeNounClusterHasOneMarker) {
  const std::string out = Check({"Replace the fuel filter element switch."});
  EXPECT_NE(out.find(Marker("3601(Suggest &lt;- switch ...for)", "CCCCCC", "fuel filter element switch")),
            std::string::npos)
      << out;
  EXPECT_EQ(Count(out, "<?Pub _touchup "), 1) << out;
  EXPECT_EQ(Count(out, "<?Pub /_touchup?>"), 1) << out;
}

}  // namespace
