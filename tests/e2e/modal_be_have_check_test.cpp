// `kesta check` with the sample dictionaries on sentences with modal verbs
// and with "be" and "have" at the start of a sentence: each gets its marker.
#include "tests/e2e/sample_check.h"

namespace {

using ModalCheck = SampleCheck;

TEST_F(ModalCheck, FindingsOfModalsAndOpeningForms) {
  const FoundCase cases[] = {
      // "can" and "do".
      {"The valve can be done now.", Marker("3501you can do", "FF99FF", "can be done")},
      {"The pump could open the valve.", Marker("0001can", "CCCCCC", "could")},
      {"The pump does never stop.", Marker("3501do not/does not", "FF99FF", "does never")},
      {"Can pumps turn the valve.", Marker("0200(Avoid question format)", "66FFFF", "Can")},
      // "may", "might" and "must".
      {"The valve may open.", Marker("0001can/possibly/(Rephrase)", "CCCCCC", "may")},
      {"The valve might be used again.", Marker("0001can be used/is used", "CCCCCC", "might be used")},
      {"The pump must be able to turn the valve.", Marker("3001must/can", "66FFFF", "must be able")},
      {"The pump must have been removed.", Marker("3001NONE", "66FFFF", "must have been")},
      {"Caution must be exercised when you open the valve.",
       Marker("1300Be careful", "FF99FF", "Caution must be exercised") + " " +
           Marker("0204(Move when to main clause.)", "66FFFF", "when")},
      // "shall", "should", "will" and "would".
      {"The valve should open.", Marker("3501can/must", "FF99FF", "should")},
      {"The valve shall result in a leak.", Marker("3501can cause", "FF99FF", "shall result in")},
      {"The pump will be at least 5 mm from the valve.",
       Marker("3501(Give value range)", "FF99FF", "will be at least")},
      {"The pump would stop.", Marker("3501stops", "FF99FF", "would stop")},
      // "be" and "have" at the start of a sentence and at the end of a clause.
      {"Be careful when you open the valve.", Marker("0700Make sure/(Rephrase for meaning)", "FF6699", "Be careful")},
      {"Be aware of the pressure.", Marker("2100 Make sure/ Be careful", "6699FF", "Be aware")},
      {"Have you opened the valve?", Marker("2100(Rephrase without a question)", "6699FF", "Have")},
      {"The valve is can.", Marker("3501NONE", "FF99FF", "is")},
  };
  ExpectFound(cases);
}

// A question that opens with a form of "be" and an article after the form
// get no finding.
TEST_F(ModalCheck, QuestionsWithoutFindings) { ExpectNoMarkers({"Is the valve open?", "Can the valve turn?"}); }

}  // namespace
