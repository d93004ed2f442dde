// `kesta check` with the sample dictionaries: the findings of the adverb
// rules come out as markers on the words they cover, for every letter
// group, the sentence start and "there".
#include "tests/e2e/sample_check.h"

namespace {

using AdverbCheck = SampleCheck;

TEST_F(AdverbCheck, FrameStartAndThere) {
  ExpectParagraphs({
      {"Only use the new seal.", Marker("0400NONE", "66CC99", "Only") + " use the new seal."},
      {"Remove there valve.", "Remove " + Marker("1101their", "FF6699", "there") + " valve."},
      {"There may be oil in the pump.", Marker("3500NONE", "FF99FF", "There may be") + " oil in the pump."},
      // "very" takes the chain of "too".
      {"The pump is very useful.",
       "The pump is " + Marker("2402applicable/serviceable", "FF6699", "very useful") + "."},
  });
}

TEST_F(AdverbCheck, LettersLAndA) {
  ExpectParagraphs({
      {"Now you must lightly tighten the bolts.",
       "Now you must " + Marker("0203NONE", "66FFFF", "lightly") + " tighten the bolts."},
      {"Make sure that the valve is later installed.",
       "Make sure that the valve is " +
           Marker("1304subsequent operation/(Rephrase)", "FF99FF", "later installed") + "."},
      {"Use the seal only if it is new.", "Use the seal " + Marker("0202NONE", "66FFFF", "only if") + " it is new."},
      {"Now also need to remove the pump.",
       "Now " + Marker("3501must", "FF99FF", "also need to") + " remove the pump."},
      {"Keep the pump away from the oil.", "Keep the pump away from the oil."},
  });
}

TEST_F(AdverbCheck, LetterB) {
  ExpectParagraphs({
      {"Go back to the start.", Marker("1500Go to/Goes to", "66CC99", "Go back") + " to the start."},
      {"Clean both sides of the valve.", "Clean " + Marker("0101the two", "6699FF", "both") + " sides of the valve."},
      // A number after "below": corrected in place.
      {"The pressure goes below zero.", "The pressure goes less than zero."},
      // "on" is a place preposition: "back" is a noun before it.
      {"Push back on the cover.", "Push back on the cover."},
  });
}

TEST_F(AdverbCheck, LettersDToJ) {
  ExpectParagraphs({
      {"Now fully tighten the bolts.",
       "Now " + Marker("0501(Tighten to a torque of xxx N.m)", "FF6699", "fully tighten") + " the bolts."},
      {"The switch is in the forward position.",
       "The switch is in the " + Marker("2303the FORWARD position", "66CC99", "forward") + " position."},
  });
}

TEST_F(AdverbCheck, LettersNToW) {
  ExpectParagraphs({
      {"The valve is normally closed.",
       "The valve is " + Marker("1702normally-closed", "66CC99", "normally closed") + "."},
      // (An opening "It is" would take the word after it too.)
      {"The bolt is too tight.",
       "The bolt is " + Marker("0502(Give torque value or range)", "FF6699", "too tight") + "."},
      {"Use a tool such as a wrench.", "Use a tool " + Marker("3103for example", "66FFFF", "such as") + " a wrench."},
  });
}

}  // namespace
