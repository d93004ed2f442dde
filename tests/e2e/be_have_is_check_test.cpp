// `kesta check` with the sample dictionaries on sentences with "be",
// "being", "has", "had", "is", "are", "was" and "were" inside a sentence:
// passive voice, agreement, verb tense and the wordy phrases get markers.
#include "tests/e2e/sample_check.h"

namespace {

using BeHaveIsCheck = SampleCheck;

TEST_F(BeHaveIsCheck, FindingsOfTheForms) {
  const FoundCase cases[] = {
      // "be" and "being".
      {"The valve can be based on the pump.", Marker("0002has a base/from", "CCCCCC", "be based on")},
      {"The valve can be equal to the pump.",
       Marker("2402has an equal value/(Rephrase to show values)", "FF6699", "be equal to")},
      {"You tell the operator to be removed.", Marker("3003NONE", "66FFFF", "to be removed")},
      {"The operator is being careful.", Marker("3502NONE", "FF99FF", "being careful")},
      // "has" and "had".
      {"The valve has been replaced.", Marker("3001NONE", "66FFFF", "has been replaced")},
      {"The valve has not been removed.", Marker("3001NONE", "66FFFF", "has not been")},
      {"The pump has to be removed.", Marker("3501must be", "FF99FF", "has to be")},
      {"The valves had been to the shop.", Marker("3001were", "66FFFF", "had been to")},
      // "am", "is", "are", "was" and "were".
      {"The valve is to be removed.", Marker("3501must be", "FF99FF", "is to be")},
      {"The pumps are running.", Marker("3501operates/operate/in operation", "FF99FF", "are running")},
      {"The pumps are cutting the cable.", Marker("3801(Change to infin.)", "66CC99", "are cutting")},
      {"The tank is emptied.", Marker("0001is empty", "CCCCCC", "is emptied")},
      {"The tanks were emptied.", Marker("0001are empty", "CCCCCC", "were emptied")},
      {"Then these is open.", Marker("0302NONE", "6699FF", "is")},
      {"Then the valves is empty.", Marker("0302NONE", "6699FF", "is")},
      {"The valve was removed by the operator.", Marker("3001NONE", "66FFFF", "was removed by")},
      {"The pumps were in contact with the valve.", Marker("0001touch", "CCCCCC", "were in contact with")},
      {"The pump is large.", Marker("0502(Give range or Ref.)", "FF6699", "large")},
      {"The valve is also correct.", Marker("0201NONE", "66FFFF", "is also")},
  };
  ExpectFound(cases);
}

// A form right after the first word of its sentence gets no agreement test
// (the article before the noun is not a word of the list), "are" and "were"
// never disagree through the rules of the form, and an adjective in "ng"
// is no gerund.
TEST_F(BeHaveIsCheck, SentencesWithoutFindings) {
  ExpectNoMarkers({"The valves is open.", "The valve are open.", "The cable is long."});
}

}  // namespace
