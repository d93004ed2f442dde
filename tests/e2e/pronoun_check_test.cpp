// `kesta check` with the sample dictionaries: the findings of the personal
// pronouns, the demonstratives, "no" and "never", and the first- and
// second-person pronouns come out as markers on the words they cover.
#include "tests/e2e/sample_check.h"

namespace {

using PronounCheck = SampleCheck;

TEST_F(PronounCheck, PersonalPronouns) {
  const std::string doc = Check({
      "It is necessary to close the valve.",
      "It is open.",
      "Close it.",
      "She turn the valve.",
      "Then they might stop.",
  });
  ExpectMarkers(doc, {
                         {"02", "make sure that/you must/(Rephrase)", "It is necessary to"},
                         {"02", "(Insert a noun subj.)", "It is"},
                         {"20", "(Insert noun subject)", "it"},
                         {"01", "the person/the operator/the technician", "She"},
                         {"35", "NONE", "turn"},
                         {"00", "can", "might"},
                     });
}

TEST_F(PronounCheck, Demonstratives) {
  const std::string doc = Check({
      "This is.",
      "This could stop the pump.",
      "Remove these pump.",
      "Remove them.",
  });
  ExpectMarkers(doc, {
                         {"20", "NONE", "This is"},
                         {"20", "(Insert noun subj.)", "This"},
                         {"20", "NONE", "these"},
                         {"20", "NONE", "them"},
                     });
}

TEST_F(PronounCheck, NoAndNever) {
  const std::string doc = Check({
      "No smoking.",
      "NO SMOKING.",
      "Never do that.",
      "NEVER DO THAT.",
      "The pump never stops.",
      "Make sure that no signs of damage show.",
  });
  ExpectMarkers(doc, {
                         {"07", " DO NOT SMOKE IN THIS AREA", "No smoking"},
                         {"34", " Do not", "Never do"},
                         {"34", " DO NOT", "NEVER DO"},
                         {"34", "do not/not", "never"},
                         {"24", "no indications/(Rephrase)", "no signs of"},
                     });
  // A sign in capitals is left as it is written.
  EXPECT_NE(doc.find("<p>NO "), std::string::npos) << doc;
}

TEST_F(PronounCheck, FirstAndSecondPerson) {
  const std::string doc = Check({
      "If you wish to stop the pump, close the valve.",
      "The valve is open, you is ready.",
      "Remove my filter.",
      "We remove the valve.",
      "The pump is for us.",
      "Do not touch his tools.",
  });
  ExpectMarkers(doc, {
                         {"04", "NONE", "you wish to"},
                         {"03", "are", "is"},
                         {"12", "NONE", "my"},
                         {"12", "manufacturer/(Company name or agency)", "We"},
                         {"12", "manufacturer/(Company name)/agency", "us"},
                         {"12", "NONE", "his"},
                     });
}

}  // namespace
