// `kesta check` with the sample dictionaries: the findings of the rules of
// "for" and "by", of the class-60 prepositions, of "but" and "because", of
// the particles "up", "down" and "out", of "as", "as ... as", "and", "or"
// and the articles come out as markers on the words they cover.
#include "tests/e2e/sample_check.h"

namespace {

using FunctionWordCheck = SampleCheck;

TEST_F(FunctionWordCheck, ForAndBy) {
  const std::string doc = Check({
      "Make sure that the unit is ready for use.",
      "Tighten the bolt by hand.",
      "Install the pumps in a side by side position.",
      "Clean the filter for a time.",
      "By turning the valve, stop the flow.",
  });
  ExpectMarkers(doc, {
                         {"31", "available/prepared for", "ready for"},
                         {"24", "manually", "by hand"},
                         {"17", "side-by-side", "side by side"},
                         {"04", "NONE", "for a time"},
                         {"38", "(Use infin. verb on list)", "By turning"},
                     });
}

TEST_F(FunctionWordCheck, Prepositions) {
  const std::string doc = Check({
      "Put the filter into service.",
      "Keep the pump under temperature.",
      "Remove the filter under heat.",
      "The pump has been in operation since the start.",
      "Under the cover, find the filter.",
      "Push the valve into position.",
  });
  ExpectMarkers(doc, {
                         {"24", "into operation/operate", "into service"},
                         {"24", "less than/(Give limit)", "under"},
                         {"24", "has a temperature of less than", "under heat"},
                         {"24", "because/time between/after/(Rephrase)", "since"},
                         {"31", "NONE", "Under"},
                     });
  EXPECT_TRUE(Unmarked(doc, "into")) << doc;
  EXPECT_TRUE(Unmarked(doc, "position")) << doc;
}

TEST_F(FunctionWordCheck, ButAndBecause) {
  const std::string doc = Check({
      "But the pump stops.",
      "The pump stops because.",
      "The pump is ready but the valve is closed.",
      "Remove the cover, but do not remove the filter.",
      "The pump stops, because of the heat.",
  });
  ExpectMarkers(doc, {
                         {"02", "NONE", "But"},
                         {"31", "NONE", "because"},
                         {"18", ", but", "but"},
                     });
  // After a comma and before a modal, and before "of", no finding.
  EXPECT_NE(doc.find("cover, but do not"), std::string::npos) << doc;
  EXPECT_NE(doc.find("stops, because of"), std::string::npos) << doc;
}

TEST_F(FunctionWordCheck, ParticleUp) {
  const std::string doc = Check({
      "Then open up the cover.",
      "Make sure that the light is up.",
      "Run the engine up to 2000 rpm.",
  });
  ExpectMarkers(doc, {
                         {"15", "open/expand/increase", "open up"},
                         {"31", "NONE", "up"},
                         {"31", "until/thru/maximum of", "up to"},
                     });
}

TEST_F(FunctionWordCheck, ParticleDown) {
  const std::string doc = Check({
      "Then turn down the heat.",
      "Then lower down the cover.",
      "Make sure that the pump is down.",
      "Push the lever down to 5 mm.",
      "The arrow points down to the floor.",
      "Put the valve in the down position.",
  });
  ExpectMarkers(doc, {
                         {"13", "decreased", "turn down"},
                         {"15", "(Give position ref.)", "lower down"},
                         {"23", "DOWN position", "down"},
                         {"04", "NONE", "down"},
                         {"04", "toward the bottom", "points down"},
                     });
  // The label before "position" is written in capitals in place.
  EXPECT_NE(doc.find("in the DOWN position."), std::string::npos) << doc;
}

TEST_F(FunctionWordCheck, ParticleOut) {
  const std::string doc = Check({
      "The value is out of range.",
      "Move the cart out of the way.",
      "The pump is out of service.",
      "Then pull out the filter.",
  });
  ExpectMarkers(doc, {
                         {"05", "(Give range or limits)", "out of range"},
                         {"24", "away from", "way"},
                         {"31", "not in operation", "out of service"},
                         {"15", "remove/do/pull/move xxx to", "pull out"},
                     });
  // The full stop after "out of the way" still ends its sentence.
  EXPECT_NE(doc.find("way<?Pub /_touchup?>.</p>"), std::string::npos) << doc;
  EXPECT_TRUE(Unmarked(doc, "cart")) << doc;
}

using FunctionWordParagraphCheck = SampleCheck;

TEST_F(FunctionWordParagraphCheck, As) {
  ExpectParagraphs({
      {"Install the valve as soon as possible.",
       "Install the valve " + Marker("3102(Give time ref.)", "66FFFF", "as soon as possible") + "."},
      {"As a result, the pump stops.", Marker("3100Because/(Rephrase)", "66FFFF", "As a result") + ", the pump stops."},
      {"Install the seal as indicated.", "Install the seal " + Marker("3102as shown", "66FFFF", "as indicated") + "."},
      {"Tighten the bolts as well.", "Tighten the bolts " + Marker("0402NONE", "66CC99", "as well") + "."},
      {"Remove the cover as shown.", "Remove the cover as shown."},
  });
}

TEST_F(FunctionWordParagraphCheck, AsAs) {
  ExpectParagraphs({
      {"Install as many as six bolts.", "Install " + Marker("3101a maximum", "66FFFF", "as many as") + " six bolts."},
      {"Start the pump as early as possible.",
       "Start the pump " + Marker("0202(Give measurement)", "66FFFF", "as early as") + " possible."},
  });
}

TEST_F(FunctionWordParagraphCheck, AndOr) {
  ExpectParagraphs({
      {"Remove the bolts and nuts and washers.",
       "Remove the bolts and nuts " + Marker("0204(Repeated word -and-)", "66FFFF", "and") + " washers."},
      // A second clause is no repeat; the same conjunction is still
      // one to rephrase.
      {"Remove the bolts and install the nuts and washers.",
       "Remove the bolts and install the nuts " + Marker("2105NONE", "6699FF", "and") + " washers."},
      {"Use a pump or higher.", "Use a pump " + Marker("0503or more than", "FF6699", "or higher") + "."},
      {"Remove the cover and then the seal.",
       "Remove the cover " + Marker("0202, then", "66FFFF", "and then") + " the seal."},
  });
}

TEST_F(FunctionWordParagraphCheck, Articles) {
  ExpectParagraphs({
      {"Install a oil seal and an bolt.",
       "Install " + Marker("1101an", "FF6699", "a") + " oil seal and " + Marker("1105a", "FF6699", "an") + " bolt."},
      {"Use a lot of oil.", "Use " + Marker("0201(Give range or qty.)", "66FFFF", "a lot") + " of oil."},
      // A label letter, also before a vowel, and a right article.
      {"Use the type A oil.", "Use the type A oil."},
      {"Install a seal.", "Install a seal."},
  });
}

}  // namespace
