// `kesta check` with the dictionaries the build bundles (data/dictionaries,
// written into the default custom folder): the findings a writer meets first
// on correct text.
#include "tests/e2e/sample_check.h"

namespace {

class BundledDictionaries : public SampleCheck {
 protected:
  std::string CheckBundled(const std::string& text) {
    return CheckParagraph(text, std::string(KESTA_BUILD_DIR) + "/custom");
  }
};

TEST_F(BundledDictionaries, CorrectTextKeepsItsWords) {
  const char* clean[] = {
      // Units of measure are approved technical words.
      "Set the pressure to 25 mm, 250 psi, 1500 rpm, 12 volts, 2 hours and 40 kg to the pump.",
      "Stop for 1 hour or 5 minutes at 1 volt, 1 degree, 5 percent, 2 litres, 40 kPa and 30 Nm.",
      // A unit symbol that ends a sentence: its full stop ends the sentence.
      "Lift the pump of 40 kg. Set the pressure to 5 psi. Cut the hose to 25 mm.",
      "Hours are shown on the pump.",
      // A compound that its form classes needs no dictionary entry.
      "The lead-free seal is on the pump.",
      "Set the kg/m value.",
      // Technical names and their plurals from the generated part.
      "Put the funnel and the anvil on the pallet in the hangar.",
      "Put the template file in the folder.",
      "Apply kerosene to the drill and the sockets.",
      // The core's general words of size, condition, temperature, position
      // and people, in their plain sense.
      "The technician must examine the area around the pump.",
      "Use a small brush on the dirty filter.",
      "The filter is wet and the pump is hot.",
      "Use a different tool.",
      "Examine the inner and outer seals for corrosion.",
      "Measure the depth of the groove at the end of the tube.",
      "Discard unserviceable parts.",
      "Two persons must lift the heavy pump.",
  };
  for (const char* text : clean) EXPECT_EQ(CheckBundled(text), text);
}

// A unit's short form is advice on the unit's word; the text stays as
// written.
TEST_F(BundledDictionaries, CorrectionsAsAdvice) {
  const struct {
    const char* text;
    std::vector<Expected> markers;
  } rows[] = {
      {"Use a millimetre or 2 metres.", {{"11", "mm", "millimetre"}, {"11", "m", "metres"}}},
      {"Set 25 MM.", {{"11", "mm", "MM"}}},
      {"Set the pressure to 5 PSI. Turn the pump.", {{"11", "psi", "PSI"}}},
      // Other capitals are a unit only after a number: a date pattern stays.
      {"Set the YYYY-MM-DD valve.", {}},
      // A decimal without its leading zero before the inch mark.
      {"Use a .5&rdquo; and a 5&rdquo; bolt.", {{"05", "0.5 inch", ".5&rdquo;"}, {"05", "5 inch", "5&rdquo;"}}},
      // A unit of two words is never half shortened.
      {"Tighten the bolt to 20 newton metres.", {}},
      // Numbers in words in any case; degrees of several words.
      {"WAIT TWENTY-FIVE MINUTES.", {{"11", "25", "TWENTY-FIVE"}}},
      {"Turn the knob 90 degrees now.", {{"11", "90\xC2\xB0", "90 degrees"}}},
      // A temperature with its scale letter, but not where the number ends
      // its sentence or stands before a comma, nor after "to".
      {"Keep the oil at 25C during the test.", {{"11", "25\xC2\xB0" "C", "25C"}}},
      {"Keep the oil at 25C.", {}},
      {"Keep the oil at 25C, then stop.", {}},
      {"Heat the oil to 25C now.", {}},
      // The article a noun after a verb needs, where a word follows the
      // noun and the noun is read as one ("cover slowly" reads as a verb).
      {"Remove valve from the pump.", {{"11", "Remove the", "Remove"}}},
      {"Remove valve.", {}},
      {"Remove cover slowly.", {}},
  };
  for (const auto& row : rows) {
    const std::string marked = CheckBundled(row.text);
    for (const Expected& m : row.markers) EXPECT_TRUE(Marked(marked, m.category, m.advice, m.text)) << m.text << marked;
    EXPECT_EQ(marked.find("_touchup") == std::string::npos, row.markers.empty()) << marked;
  }
}

// Advice is in the form of the word it is for: the past after a subject,
// the participle after "be" or "have", irregular verbs included; a gerund's
// advice names the verb in its base form as a hint, since the check flags
// the -ing form too; never with the dictionaries' code letters.
TEST_F(BundledDictionaries, AdviceInTheFormOfTheWord) {
  const struct {
    const char* text;
    Expected marker;
  } rows[] = {
      {"Setting up the pump is easy.", {"38", "(Prepare)/(Install)", "Setting up"}},
      {"Installing and setting up the catalog is easy.", {"38", "(prepare)/(install)", "setting up"}},
      {"The technician sets up the pump.", {"15", "prepares/installs", "sets up"}},
      {"The pump was set up.", {"15", "prepared/installed", "set up"}},
      {"Carrying out the test is easy.", {"38", "(Do)", "Carrying out"}},
      {"The result was established during the test.", {"00", "made", "established"}},
      {"The file is created as a sub-element.", {"00", "made", "created"}},
      {"Validation is performed on the document.", {"00", "done", "performed"}},
      {"The size cannot be obtained.", {"01", "got", "obtained"}},
      {"The technician performed the test.", {"00", "did", "performed"}},
      {"The technician began the test.", {"00", "started", "began"}},
      {"This creates the file.", {"00", "makes", "creates"}},
      {"The validation performed by the tool is good.", {"00", "done", "performed"}},
      {"The zqxa furnished by the maker is correct.", {"00", "given/supplied", "furnished"}},
      {"The data disclosed by the test is correct.", {"00", "shown", "disclosed"}},
  };
  std::string together;
  for (const auto& row : rows) {
    const std::string marked = CheckBundled(row.text);
    EXPECT_TRUE(Marked(marked, row.marker.category, row.marker.advice, row.marker.text)) << marked;
    together += std::string(together.empty() ? "" : "</p><p>") + row.text;
  }
  // Each paragraph the same after the others: nothing of a sentence before
  // decides the advice.
  const std::string marked = CheckBundled(together);
  for (const auto& row : rows)
    EXPECT_TRUE(Marked(marked, row.marker.category, row.marker.advice, row.marker.text)) << row.text << marked;
}

}  // namespace
