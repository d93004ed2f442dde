// `kesta check` with the sample dictionaries: the findings of "which",
// "that" and "who", of the time conjunctions, of "so" and of "about",
// "above", "around" and "then" come out as markers on the words they cover.
#include "tests/e2e/sample_check.h"

namespace {

using ClauseWordCheck = SampleCheck;

TEST_F(ClauseWordCheck, WhichThatWho) {
  const std::string doc = Check({
      "Note that the valve is open.",
      "Ensure that no oil flows.",
      "Make sure that they are clean.",
      "Make sure that the part that results from the test is clean.",
      "The part is not to be used which is damaged.",
      "Check that the valve is closed.",
  });
  ExpectMarkers(doc, {
                         {"00", "make sure/(Observe(operational verb))", "Note that"},
                         {"02", "Make sure that there are no", "Ensure that no"},
                         {"13", "(Insert noun subject)", "that they"},
                         {"02", "are caused/is caused/causes", "that results from"},
                         {"32", "that", "which"},
                         {"13", "Make sure that", "Check that"},
                     });
}

TEST_F(ClauseWordCheck, TimeConjunctions) {
  const std::string doc = Check({
      "Do the test before.",
      "Close the valve after installing the pump.",
      "Stop the pump when not necessary.",
      "Open the valve when the light comes on.",
      "If no oil flows, stop the pump.",
      "Stop the engine during this time.",
      "Stop the pump soon after the test.",
  });
  ExpectMarkers(doc, {
                         {"02", "(Rephrase for time clarity)", "before"},
                         {"38", "after you install", "after installing"},
                         {"20", "NONE", "when not"},
                         {"02", "(Move when to main clause.)", "when"},
                         {"02", " If there is no/ If there are no", "If no"},
                         {"05", "(Give a time ref.)", "during this time"},
                     });
  // *soon after*: advice without a finding is not shown.
  EXPECT_TRUE(Unmarked(doc, "soon")) << doc;
  EXPECT_TRUE(Unmarked(doc, "after")) << doc;
}

TEST_F(ClauseWordCheck, So) {
  const std::string doc = Check({
      "Turn the handle so as to open the valve.",
      "Install the pump so it is level.",
      "The pump runs so fast.",
  });
  ExpectMarkers(doc, {
                         {"21", "NONE", "so as to"},
                         {"13", "so that the xxx", "so it"},
                         {"05", "NONE", "so fast"},
                     });
}

TEST_F(ClauseWordCheck, AboutAboveAroundThen) {
  const std::string doc = Check({
      "Wait about 5 minutes.",
      "Turn the handle around 5 times.",
      "The temperature is above normal.",
      "Then it stops.",
      "The pressure is more then 5 bar.",
      "Open the valve, then install the pump.",
  });
  ExpectMarkers(doc, {
                         {"24", "approximately", "about"},
                         {"05", "approximately/(Give Range)", "around"},
                         {"13", "(Give range)", "above normal"},
                         {"33", "NONE", "Then"},
                     });
  // After a comparative, "then" is put right in place.
  EXPECT_NE(doc.find("is more than 5"), std::string::npos) << doc;
  EXPECT_EQ(doc.find("?>then<?Pub /_touchup?> install"), std::string::npos) << doc;
}

}  // namespace
