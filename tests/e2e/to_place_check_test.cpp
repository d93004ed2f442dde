// `kesta check` with the sample dictionaries: the findings of the rules of
// "to", of the place prepositions and of "in" come out as markers on the
// words they cover.
#include "tests/e2e/sample_check.h"

namespace {

using ToPlaceCheck = SampleCheck;

TEST_F(ToPlaceCheck, To) {
  const std::string doc = Check({
      "The valves need to be clean.",
      "Use the key to be able to open the valve.",
      "The unit is ready to operate.",
      "Adjust the pressure to be less than the limit.",
  });
  ExpectMarkers(doc, {
                         {"35", "must be", "need to be"},
                         {"35", "can", "to be able to"},
                         {"01", "prepared to/available/set", "ready to"},
                         {"02", "is less than/are less than", "to be less"},
                     });
}

TEST_F(ToPlaceCheck, PlacePrepositions) {
  const std::string doc = Check({
      "At night the lamp is on.",
      "Turn the valve at least once.",
      "Turn the valve at most twice.",
      "The lamp is located within the panel.",
      "Clean the filter without removing the seal.",
  });
  ExpectMarkers(doc, {
                         {"18", "NONE", "At"},
                         {"13", "one or more times", "at least once"},
                         {"13", "not more than two times", "at most twice"},
                         {"24", "in", "located within"},
                         {"38", "NONE", "removing"},
                     });
  // With the comma after the phrase, "At" opening a sentence is accepted.
  EXPECT_TRUE(Unmarked(Check({"At night, the lamp is on."}), "At"));
}

TEST_F(ToPlaceCheck, In) {
  const std::string doc = Check({
      "Install the filter in accordance with the procedure.",
      "The seal is kept in place.",
  });
  ExpectMarkers(doc, {
                         {"01", "according to", "in accordance with"},
                         {"31", "held in position/stays in position", "kept in"},
                     });
}

}  // namespace
