// `kesta check` with the tests' dictionaries on sentences each rule family
// judges: the findings come out as markers on the words they cover, and the
// corrections go into the text. The sentences of a table are checked in one run.
#include <fstream>
#include <sstream>

#include "tests/e2e/paragraph_table.h"
#include "tests/support/dict_fixture.h"

namespace {

using RuleSentences = ParagraphTable;

// The main pass: the repeated word, inner punctuation, the comma after "is",
// "max"; negation, adjectives, comparatives, -ing verbs, "been"; units,
// numbers in words and digits, "left" and "right", class 46.
TEST_F(RuleSentences, MainPass) {
  const SentenceCase cases[] = {
      // DELETE on the first of two equal words.
      {"Close the valve and and open the drain.", {{"04", "NONE", "and"}}, "and<?Pub /_touchup?> and open the drain."},
      {"Open the valve; close the drain.", {{"37", ".", ";"}}, "valve<?Pub _touchup"},
      // A comma after "is" covers the word after it; "is" itself ends its clause too early.
      {"Make sure that the valve is, closed.", {{"35", "NONE", "is"}, {"37", "NONE", ","}},
       "is<?Pub /_touchup?><?Pub _touchup Kesta=\"37"},
      {"Set the max pressure.", {}, P("Set the maximum pressure.")},
      {"Not all valves are open now.", {}, Marker("3400NONE", "66FFFF", "Not")},
      // (After a form of "be" the form's rules take "not" first.)
      {"The operator, not able to turn the valve, stops the pump.", {}, Marker("3402can not", "66FFFF", "not able to")},
      {"General procedures apply to the pump.", {},
       Marker("1300information about/(Rephrase)", "FF99FF", "General procedures")},
      {"The voltage is higher then 5 V at the pump.", {},
       Marker("0502(Give range or measure.)", "FF6699", "higher") + " " + Marker("1103than", "FF6699", "then")},
      {"Clean each.", {}, Marker("2701NONE", "66FFFF", "each")},
      {"A fault taking place in the pump stops the valve.", {}, Marker("3802occurs/occur", "66CC99", "taking place")},
      {"Removing the cover is easy.", {}, Marker("3800How to remove/To remove", "66CC99", "Removing")},
      {"It has been able to turn the valve.", {}, Marker("3502can", "FF99FF", "been able to")},
      {"The pump has been around the valve.", {}, Marker("3001(Rephrase)", "66FFFF", "has been around")},
      // A verb in -ed after a form of "be" is read as an adjective.
      {"The pump has kept off the valve.", {}, "", "", true},
      {"Use 10 valves per day.", {}, Marker("2403each day", "FF6699", "per day")},
      {"Stop at 25C now.", {}, P("Stop at 25&deg;C now.")},
      // Numbers in words before a unit are corrected in place.
      {"Stop the pump for five minutes.", {}, "for 5 minutes."},
      {"Stop the pump for twenty minutes.", {}, "for 20 minutes."},
      {"Stop the pump for ten hours.", {}, "for 10 hours."},
      {"Install 5 valves.", {}, Marker("0801five", "FF99FF", "5")},
      {"Set 10mm bolts.", {}, Marker("080110 mm", "FF99FF", "10mm")},
      {"Use the left hand side.", {}, Marker("0101left side", "6699FF", "left hand side")},
      {"Set right value now.", {}, Marker("2401correct value", "FF6699", "right value")},
      {"The pump is left open.", {}, Marker("0002in the OPEN position/(Rephrase)", "CCCCCC", "left open")},
      {"Use it like you would.", {}, Marker("2402want/(You can use verb - want)", "FF6699", "like")},
  };
  ExpectInOneRun(cases);
}

// Nouns, determiners and adjectives inside a sentence.
TEST_F(RuleSentences, NounsDeterminersAdjectives) {
  const SentenceCase cases[] = {
      // Four nouns (the advice with a blank before "for").
      {"Replace the fuel pump pressure switch.", {},
       Marker("3601(Suggest &lt;- switch ... for)", "CCCCCC", "fuel pump pressure switch")},
      // Three nouns: one marker over the three, none of their own inside it.
      {"Replace the fuel filter element switch.", {},
       P("Replace the " + Marker("3601(Suggest &lt;- switch ...for)", "CCCCCC", "fuel filter element switch") + ".")},
      {"Do the test several times.", {}, Marker("0502(Give reference or quantity)", "FF6699", "several times")},
      {"Wait one full hour.", {}, Marker("050260 minutes", "FF6699", "full hour")},
      {"The bolt is a little loose.", {}, Marker("0103not tight/(Give torque range)", "6699FF", "little loose")},
      {"Find a major leak.", {}, Marker("2402(Give Measure or ref.)", "FF6699", "major")},
  };
  ExpectInOneRun(cases);
}

// The verb's checks and openers, and its trigger rows by first letter.
TEST_F(RuleSentences, Verbs) {
  const SentenceCase cases[] = {
      // An unflagged "remove" stands between the previous finding and the
      // flagged one: the marker goes on the flagged word, not the earlier one.
      {"You need not remove the valve.", {}, Marker("3401NONE", "66FFFF", "need not") + " remove"},
      // The article check joined "remove" to "tension"; the trigger's finding
      // is still marked on the verb as the text holds it.
      {"You must remove tension from the spring.", {}, Marker("0002release", "CCCCCC", "remove") + " "},
      {"Use care when you open the valve.", {}, Marker("0000 Be careful/Make sure that", "CCCCCC", "Use care")},
      {"Break off the cover.", {}, Marker("1500 Break/(Select another verb)", "66CC99", "Break")},
      {"Each crew must follow instructions.", {}, Marker("0003obey/read", "CCCCCC", "follow") + " instructions"},
      {"You must look at the valve.", {}, Marker("1302examine/examines", "FF99FF", "look at")},
      {"You must need to be careful.", {}, Marker("3502must be", "FF99FF", "need to be")},
      {"You must open up the cover.", {}, Marker("1502open/expand/increase", "66CC99", "open up")},
      {"The parts take place in the box.", {}, Marker("0001occur/occurs", "CCCCCC", "take place")},
      {"You must set point the valve.", {}, Marker("1502(Use the setting(n))", "66CC99", "set point")},
      {"The pump turns red.", {}, Marker("0001becomes", "CCCCCC", "turns")},
      {"You must keep away from the pump.", {}, Marker("1502do not let/does not let", "66CC99", "keep away")},
      {"You must check pressure.", {},
       Marker("0002make sure that/measure/make a check/check(n)/examine", "CCCCCC", "check")},
      {"You must dry up the oil.", {}, Marker("1502decrease/(Rephrase)", "66CC99", "dry up")},
      {"You must get off the pump.", {}, Marker("2302not illuminate/disconnect", "66CC99", "get off")},
  };
  ExpectInOneRun(cases);
}

// Modal verbs, and "be" and "have" at the start of a sentence.
TEST_F(RuleSentences, ModalsAndOpeningForms) {
  const SentenceCase cases[] = {
      {"The valve can be done now.", {}, Marker("3501you can do", "FF99FF", "can be done")},
      {"The pump could open the valve.", {}, Marker("0001can", "CCCCCC", "could")},
      {"The pump does never stop.", {}, Marker("3501do not/does not", "FF99FF", "does never")},
      {"Can pumps turn the valve.", {}, Marker("0200(Avoid question format)", "66FFFF", "Can")},
      {"The valve may open.", {}, Marker("0001can/possibly/(Rephrase)", "CCCCCC", "may")},
      {"The valve might be used again.", {}, Marker("0001can be used/is used", "CCCCCC", "might be used")},
      {"The pump must be able to turn the valve.", {}, Marker("3001must/can", "66FFFF", "must be able")},
      {"The pump must have been removed.", {}, Marker("3001NONE", "66FFFF", "must have been")},
      {"Caution must be exercised when you open the valve.", {},
       Marker("1300Be careful", "FF99FF", "Caution must be exercised") + " " +
           Marker("0204(Move when to main clause.)", "66FFFF", "when")},
      {"The valve should open.", {}, Marker("3501can/must", "FF99FF", "should")},
      {"The valve shall result in a leak.", {}, Marker("3501can cause", "FF99FF", "shall result in")},
      {"The pump will be at least 5 mm from the valve.", {},
       Marker("3501(Give value range)", "FF99FF", "will be at least")},
      {"The pump would stop.", {}, Marker("3501stops", "FF99FF", "would stop")},
      {"Be careful when you open the valve.", {},
       Marker("0700Make sure/(Rephrase for meaning)", "FF6699", "Be careful")},
      {"Be aware of the pressure.", {}, Marker("2100 Make sure/ Be careful", "6699FF", "Be aware")},
      {"Have you opened the valve?", {}, Marker("2100(Rephrase without a question)", "6699FF", "Have")},
      {"The valve is can.", {}, Marker("3501NONE", "FF99FF", "is")},
      // A question that opens with a form of "be", and an article after the form.
      {"Is the valve open?", {}, "", "", true},
      {"Can the valve turn?", {}, "", "", true},
  };
  ExpectInOneRun(cases);
}

// "be", "being", "has", "had", "is", "are", "was", "were" in a sentence.
TEST_F(RuleSentences, BeHaveIs) {
  const SentenceCase cases[] = {
      {"The valve can be based on the pump.", {}, Marker("0002has a base/from", "CCCCCC", "be based on")},
      {"The valve can be equal to the pump.", {},
       Marker("2402has an equal value/(Rephrase to show values)", "FF6699", "be equal to")},
      {"You tell the operator to be removed.", {}, Marker("3003NONE", "66FFFF", "to be removed")},
      {"The operator is being careful.", {}, Marker("3502NONE", "FF99FF", "being careful")},
      {"The valve has been replaced.", {}, Marker("3001NONE", "66FFFF", "has been replaced")},
      {"The valve has not been removed.", {}, Marker("3001NONE", "66FFFF", "has not been")},
      {"The pump has to be removed.", {}, Marker("3501must be", "FF99FF", "has to be")},
      {"The valves had been to the shop.", {}, Marker("3001were", "66FFFF", "had been to")},
      {"The valve is to be removed.", {}, Marker("3501must be", "FF99FF", "is to be")},
      {"The pumps are running.", {}, Marker("3501operates/operate/in operation", "FF99FF", "are running")},
      {"The pumps are cutting the cable.", {}, Marker("3801(Change to infin.)", "66CC99", "are cutting")},
      {"The tank is emptied.", {}, Marker("0001is empty", "CCCCCC", "is emptied")},
      {"The tanks were emptied.", {}, Marker("0001are empty", "CCCCCC", "were emptied")},
      {"Then these is open.", {}, Marker("0302NONE", "6699FF", "is")},
      {"Then the valves is empty.", {}, Marker("0302NONE", "6699FF", "is")},
      {"The valve was removed by the operator.", {}, Marker("3001NONE", "66FFFF", "was removed by")},
      {"The pumps were in contact with the valve.", {}, Marker("0001touch", "CCCCCC", "were in contact with")},
      {"The pump is large.", {}, Marker("0502(Give range or Ref.)", "FF6699", "large")},
      {"The valve is also correct.", {}, Marker("0201NONE", "66FFFF", "is also")},
      // Right after the first word no agreement test (the article is no word
      // of the list); "are" never disagrees; an adjective in "ng" is no gerund.
      {"The valves is open.", {}, "", "", true},
      {"The valve are open.", {}, "", "", true},
      {"The cable is long.", {}, "", "", true},
  };
  ExpectInOneRun(cases);
}

// The adverb frame, the sentence start, "there" and the letter groups.
TEST_F(RuleSentences, Adverbs) {
  const SentenceCase cases[] = {
      {"Only use the new seal.", {}, P(Marker("0400NONE", "66CC99", "Only") + " use the new seal.")},
      {"Remove there valve.", {}, P("Remove " + Marker("1101their", "FF6699", "there") + " valve.")},
      {"There may be oil in the pump.", {}, P(Marker("3500NONE", "FF99FF", "There may be") + " oil in the pump.")},
      // "very" takes the chain of "too".
      {"The pump is very useful.", {},
       P("The pump is " + Marker("2402applicable/serviceable", "FF6699", "very useful") + ".")},
      {"Now you must lightly tighten the bolts.", {},
       P("Now you must " + Marker("0203NONE", "66FFFF", "lightly") + " tighten the bolts.")},
      {"Make sure that the valve is later installed.", {},
       P("Make sure that the valve is " + Marker("1304subsequent operation/(Rephrase)", "FF99FF", "later installed") +
         ".")},
      {"Use the seal only if it is new.", {}, P("Use the seal " + Marker("0202NONE", "66FFFF", "only if") + " it is new.")},
      {"Now also need to remove the pump.", {},
       P("Now " + Marker("3501must", "FF99FF", "also need to") + " remove the pump.")},
      {"Keep the pump away from the oil.", {}, "", "", true},
      {"Go back to the start.", {}, P(Marker("1500Go to/Goes to", "66CC99", "Go back") + " to the start.")},
      {"Clean both sides of the valve.", {}, P("Clean " + Marker("0101the two", "6699FF", "both") + " sides of the valve.")},
      // A number after "below": corrected in place.
      {"The pressure goes below zero.", {}, P("The pressure goes less than zero.")},
      // "on" is a place preposition: "back" is a noun before it.
      {"Push back on the cover.", {}, "", "", true},
      {"Now fully tighten the bolts.", {},
       P("Now " + Marker("0501(Tighten to a torque of xxx N.m)", "FF6699", "fully tighten") + " the bolts.")},
      {"The switch is in the forward position.", {},
       P("The switch is in the " + Marker("2303the FORWARD position", "66CC99", "forward") + " position.")},
      {"The valve is normally closed.", {},
       P("The valve is " + Marker("1702normally-closed", "66CC99", "normally closed") + ".")},
      // (An opening "It is" would take the word after it too.)
      {"The bolt is too tight.", {},
       P("The bolt is " + Marker("0502(Give torque value or range)", "FF6699", "too tight") + ".")},
      {"Use a tool such as a wrench.", {}, P("Use a tool " + Marker("3103for example", "66FFFF", "such as") + " a wrench.")},
  };
  ExpectInOneRun(cases);
}

// "for" and "by", the class-60 prepositions, "but" and "because".
TEST_F(RuleSentences, ForByPrepositionsBut) {
  const SentenceCase cases[] = {
      {"Make sure that the unit is ready for use.", {{"31", "available/prepared for", "ready for"}}},
      {"Tighten the bolt by hand.", {{"24", "manually", "by hand"}}},
      {"Install the pumps in a side by side position.", {{"17", "side-by-side", "side by side"}}},
      {"Clean the filter for a time.", {{"04", "NONE", "for a time"}}},
      {"By turning the valve, stop the flow.", {{"38", "(Use infin. verb on list)", "By turning"}}},
      {"Put the filter into service.", {{"24", "into operation/operate", "into service"}}},
      {"Keep the pump under temperature.", {{"24", "less than/(Give limit)", "under"}}},
      {"Remove the filter under heat.", {{"24", "has a temperature of less than", "under heat"}}},
      {"The pump has been in operation since the start.", {{"24", "because/time between/after/(Rephrase)", "since"}}},
      {"Under the cover, find the filter.", {{"31", "NONE", "Under"}}},
      {"Push the valve into position.", {}, "", "into"},
      {"But the pump stops.", {{"02", "NONE", "But"}}},
      {"The pump stops because.", {{"31", "NONE", "because"}}},
      {"The pump is ready but the valve is closed.", {{"18", ", but", "but"}}},
      // After a comma and before a modal, and before "of", no finding.
      {"Remove the cover, but do not remove the filter.", {}, "cover, but do not"},
      {"The pump stops, because of the heat.", {}, "stops, because of"},
  };
  ExpectInOneRun(cases);
}

// The particles "up", "down" and "out".
TEST_F(RuleSentences, Particles) {
  const SentenceCase cases[] = {
      {"Then open up the cover.", {{"15", "open/expand/increase", "open up"}}},
      {"Make sure that the light is up.", {{"31", "NONE", "up"}}},
      {"Run the engine up to 2000 rpm.", {{"31", "until/thru/maximum of", "up to"}}},
      {"Then turn down the heat.", {{"13", "decreased", "turn down"}}},
      {"Then lower down the cover.", {{"15", "(Give position ref.)", "lower down"}}},
      {"Make sure that the pump is down.", {{"23", "DOWN position", "down"}}},
      {"Push the lever down to 5 mm.", {{"04", "NONE", "down"}}},
      {"The arrow points down to the floor.", {{"04", "toward the bottom", "points down"}}},
      // The label before "position" is written in capitals in place.
      {"Put the valve in the down position.", {}, "in the DOWN position."},
      {"The value is out of range.", {{"05", "(Give range or limits)", "out of range"}}},
      // The full stop after "out of the way" still ends its sentence.
      {"Move the cart out of the way.", {{"24", "away from", "way"}}, "way<?Pub /_touchup?>.</p>", "cart"},
      {"The pump is out of service.", {{"31", "not in operation", "out of service"}}},
      {"Then pull out the filter.", {{"15", "remove/do/pull/move xxx to", "pull out"}}},
  };
  ExpectInOneRun(cases);
}

// "as", "as ... as", "and", "or" and the articles.
TEST_F(RuleSentences, AsAndOrArticles) {
  const SentenceCase cases[] = {
      {"Install the valve as soon as possible.", {},
       P("Install the valve " + Marker("3102(Give time ref.)", "66FFFF", "as soon as possible") + ".")},
      {"As a result, the pump stops.", {},
       P(Marker("3100Because/(Rephrase)", "66FFFF", "As a result") + ", the pump stops.")},
      {"Tighten the bolts as well.", {}, P("Tighten the bolts " + Marker("0402NONE", "66CC99", "as well") + ".")},
      {"Remove the cover as shown.", {}, "", "", true},
      {"Install as many as six bolts.", {}, P("Install " + Marker("3101a maximum", "66FFFF", "as many as") + " six bolts.")},
      {"Start the pump as early as possible.", {},
       P("Start the pump " + Marker("0202(Give measurement)", "66FFFF", "as early as") + " possible.")},
      {"Remove the bolts and nuts and washers.", {},
       P("Remove the bolts and nuts " + Marker("0204(Repeated word -and-)", "66FFFF", "and") + " washers.")},
      // A second clause is no repeat; the same conjunction is still one to rephrase.
      {"Remove the bolts and install the nuts and washers.", {},
       P("Remove the bolts and install the nuts " + Marker("2105NONE", "6699FF", "and") + " washers.")},
      {"Use a pump or higher.", {}, P("Use a pump " + Marker("0503or more than", "FF6699", "or higher") + ".")},
      {"Remove the cover and then the seal.", {},
       P("Remove the cover " + Marker("0202, then", "66FFFF", "and then") + " the seal.")},
      {"Install a oil seal and an bolt.", {},
       P("Install " + Marker("1101an", "FF6699", "a") + " oil seal and " + Marker("1105a", "FF6699", "an") + " bolt.")},
      {"Use a lot of oil.", {}, P("Use " + Marker("0201(Give range or qty.)", "66FFFF", "a lot") + " of oil.")},
      // A label letter, also before a vowel, and a right article.
      {"Use the type A oil.", {}, "", "", true},
      {"Install a seal.", {}, "", "", true},
  };
  ExpectInOneRun(cases);
}

// Personal pronouns, demonstratives, "no" and "never", first and second person.
TEST_F(RuleSentences, Pronouns) {
  const SentenceCase cases[] = {
      {"It is necessary to close the valve.", {{"02", "make sure that/you must/(Rephrase)", "It is necessary to"}}},
      {"It is open.", {{"02", "(Insert a noun subj.)", "It is"}}},
      {"Close it.", {{"20", "(Insert noun subject)", "it"}}},
      {"She turn the valve.", {{"01", "the person/the operator/the technician", "She"}, {"35", "NONE", "turn"}}},
      {"Then they might stop.", {{"00", "can", "might"}}},
      {"This is.", {{"20", "NONE", "This is"}}},
      {"This could stop the pump.", {{"20", "(Insert noun subj.)", "This"}}},
      {"Remove these pump.", {{"20", "NONE", "these"}}},
      {"Remove them.", {{"20", "NONE", "them"}}},
      {"No smoking.", {{"07", " DO NOT SMOKE IN THIS AREA", "No smoking"}}},
      // A sign in capitals is left as it is written.
      {"NO SMOKING.", {}, "<p>NO "},
      {"Never do that.", {{"34", " Do not", "Never do"}}},
      {"NEVER DO THAT.", {{"34", " DO NOT", "NEVER DO"}}},
      {"The pump never stops.", {{"34", "do not/not", "never"}}},
      {"Make sure that no signs of damage show.", {{"24", "no indications/(Rephrase)", "no signs of"}}},
      {"If you wish to stop the pump, close the valve.", {{"04", "NONE", "you wish to"}}},
      {"Remove my filter.", {{"12", "NONE", "my"}}},
      {"We remove the valve.", {{"12", "manufacturer/(Company name or agency)", "We"}}},
      {"The pump is for us.", {{"12", "manufacturer/(Company name)/agency", "us"}}},
      {"Do not touch his tools.", {{"12", "NONE", "his"}}},
  };
  ExpectInOneRun(cases);
}

// "which", "that" and "who", the time conjunctions, "so", "about", "above",
// "around" and "then".
TEST_F(RuleSentences, ClauseAndTimeWords) {
  const SentenceCase cases[] = {
      {"Note that the valve is open.", {{"00", "make sure/(Observe(operational verb))", "Note that"}}},
      {"Ensure that no oil flows.", {{"02", "Make sure that there are no", "Ensure that no"}}},
      {"Make sure that they are clean.", {{"13", "(Insert noun subject)", "that they"}}},
      {"Make sure that the part that results from the test is clean.",
       {{"02", "are caused/is caused/causes", "that results from"}}},
      {"The part is not to be used which is damaged.", {{"32", "that", "which"}}},
      {"Check that the valve is closed.", {{"13", "Make sure that", "Check that"}}},
      {"Do the test before.", {{"02", "(Rephrase for time clarity)", "before"}}},
      {"Close the valve after installing the pump.", {{"38", "after you install", "after installing"}}},
      {"Stop the pump when not necessary.", {{"20", "NONE", "when not"}}},
      {"Open the valve when the light comes on.", {{"02", "(Move when to main clause.)", "when"}}},
      {"If no oil flows, stop the pump.", {{"02", " If there is no/ If there are no", "If no"}}},
      {"Stop the engine during this time.", {{"05", "(Give a time ref.)", "during this time"}}},
      // *soon after*: advice without a finding is not shown.
      {"Stop the pump soon after the test.", {}, "", "", true},
      {"Turn the handle so as to open the valve.", {{"21", "NONE", "so as to"}}},
      {"Install the pump so it is level.", {{"13", "so that the xxx", "so it"}}},
      {"The pump runs so fast.", {{"05", "NONE", "so fast"}}},
      {"Wait about 5 minutes.", {{"24", "approximately", "about"}}},
      {"Turn the handle around 5 times.", {{"05", "approximately/(Give Range)", "around"}}},
      {"Then it stops.", {{"33", "NONE", "Then"}}},
      // After a comparative, "then" is put right in place.
      {"The pressure is more then 5 bar.", {}, "is more than 5"},
      {"Open the valve, then install the pump.", {}, "", "then"},
  };
  ExpectInOneRun(cases);
}

// "to", the place prepositions and "in".
TEST_F(RuleSentences, ToPlaceIn) {
  const SentenceCase cases[] = {
      {"The valves need to be clean.", {{"35", "must be", "need to be"}}},
      {"Adjust the pressure to be less than the limit.", {{"02", "is less than/are less than", "to be less"}}},
      {"At night the lamp is on.", {{"18", "NONE", "At"}}},
      // With the comma after the phrase, "At" opening a sentence is accepted.
      {"At night, the lamp is on.", {}, "", "At"},
      {"Turn the valve at least once.", {{"13", "one or more times", "at least once"}}},
      {"Turn the valve at most twice.", {{"13", "not more than two times", "at most twice"}}},
      {"Clean the filter without removing the seal.", {{"38", "NONE", "removing"}}},
      {"Install the filter in accordance with the procedure.", {{"01", "according to", "in accordance with"}}},
      {"The seal is kept in place.", {{"31", "held in position/stays in position", "kept in"}}},
  };
  ExpectInOneRun(cases);
}

// "with", "over", "of", "from", "their" and "some".
TEST_F(RuleSentences, WithOverOfFrom) {
  const SentenceCase cases[] = {
      {"With the valve open, stop the pump.", {{"24", "When/(Rephrase)", "With"}}},
      {"Remove the filter with caution.", {{"24", "be careful", "with caution"}}},
      {"Remove the filter with oil.", {}, "", "with"},
      {"Tighten the bolt over 5 times.", {{"05", "NONE", "over"}}},
      {"Stop the pump for some period.", {{"02", "(Give range or measure)", "some period"}}},
      {"From each pump, remove the filter.", {{"31", "NONE", "From"}}},
      {"Some valves are open.", {}, "", "Some"},
  };
  ExpectInOneRun(cases);
}

std::string Source(const char* name) {
  std::ifstream in(std::string(KESTA_SOURCE_DIR) + "/tests/data/dictionaries/" + name);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The tests' dictionaries give "which" the class of the relative words; a
// dictionary that gives it the preposition class runs that class's rules.
TEST_F(RuleSentences, WhichAsAPreposition) {
  std::string core = Source("STE.txt");
  const std::size_t at = core.find("\nwhich 69\n");
  ASSERT_NE(at, std::string::npos);
  core.replace(at, 10, "\nwhich 60\n");
  WriteTestDict(dir_, "custom/dictionaries/TEC.cmp", Source("TEC.txt"));
  WriteTestDict(dir_, "custom/dictionaries/STE.cmp", core);
  WriteTestDict(dir_, "custom/dictionaries/SYN.cmp", Source("SYN.txt"));
  dir_.Write("custom/editinit/KestaArbortext.ini",
             "KESta|TEC(technical),STE(core),SYN(synonym)|wDEF1|Writer|Kesta Project|SHO|end\n");
  const SentenceCase cases[] = {
      {"Tell the operator which installs the pump.", {{"12", "who", "which"}}},
  };
  ExpectInOneRun(cases, (dir_.path() / "custom").string());
}

}  // namespace
