// `kesta check` with the tests' dictionaries on sentences each rule family
// judges: the findings come out as markers on the words they cover, the
// corrections too, with the corrected text as their advice. The sentences of
// a table are checked in one run.
#include <span>

#include "tests/e2e/sample_check.h"
#include "tests/support/dict_fixture.h"

namespace {

struct SentenceCase {
  const char* text;
  std::vector<Expected> markers;  // each in the paragraph, any number and colour
  std::string part = "";          // a part of the paragraph's result, "<p>" and "</p>" included
  std::string unmarked = "";      // no marker holds exactly this text
  bool clean = false;             // the paragraph gets no marker at all
};

// The paragraph `text` as the check gives it back.
std::string P(const std::string& text) { return "<p>" + text + "</p>"; }

class RuleSentences : public SampleCheck {
 protected:
  // Every case is a paragraph of one document, checked once with the
  // tests' custom folder (or `custom`); no search is lost, no box shown.
  void ExpectInOneRun(std::span<const SentenceCase> cases, const std::string& custom = "") {
    std::string xml = "<topic><body>";
    for (const SentenceCase& c : cases) xml += P(c.text);
    run_ = Kesta({"check", dir_.Write("doc.xml", xml + "</body></topic>")}, custom);
    ASSERT_EQ(run_.status, 0) << run_.err;
    EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
    EXPECT_EQ(run_.err.find("[box"), std::string::npos) << run_.err;
    std::size_t at = run_.out.find("<body>");
    for (const SentenceCase& c : cases) {
      const std::size_t open = run_.out.find("<p>", at);
      const std::size_t close = run_.out.find("</p>", open);
      ASSERT_NE(close, std::string::npos) << c.text << "\n" << run_.out;
      at = close + 4;
      const std::string para = run_.out.substr(open, at - open);
      for (const Expected& m : c.markers) EXPECT_TRUE(Marked(para, m.category, m.advice, m.text)) << m.text << para;
      EXPECT_TRUE(c.part.empty() || para.find(c.part) != std::string::npos) << c.part << "\n" << para;
      EXPECT_TRUE(c.unmarked.empty() || Unmarked(para, c.unmarked)) << c.unmarked << "\n" << para;
      EXPECT_TRUE(!c.clean || para.find("_touchup") == std::string::npos) << para;
    }
  }
};

// Each rule family's sentences; the comment before a group names its family.
TEST_F(RuleSentences, EachFamily) {
  const SentenceCase cases[] = {
      // Family: Main pass: repeated word, punctuation, negation, comparatives, -ing, units, numbers.
      // DELETE on the first of two equal words.
      {"Close the valve and and open the drain.", {{"04", "NONE", "and"}}, "and<?Pub /_touchup?> and open the drain."},
      {"Open the valve; close the drain.", {{"37", ".", ";"}}, "valve<?Pub _touchup"},
      // A comma after "is" covers the word after it; "is" itself ends its clause too early.
      {"Make sure that the valve is, closed.", {{"35", "NONE", "is"}, {"37", "NONE", ","}},
       "is<?Pub /_touchup?><?Pub _touchup Kesta=\"37"},
      // (After a form of "be" the form's rules take "not" first.)
      {"The operator, not able to turn the valve, stops the pump.", {}, Marker("3402can not", "66FFFF", "not able to")},
      {"The voltage is higher then 5 V at the pump.", {},
       Marker("0502(Give range or measure.)", "FF6699", "higher") + " " + Marker("1103than", "FF6699", "then")},
      // A verb in -ed after a form of "be" is read as an adjective.
      {"The pump has kept off the valve.", {}, "", "", true},
      {"Stop at 25C now.", {{"11", "25\xC2\xB0" "C", "25C"}}},
      // Numbers in words before a unit get their digits as advice.
      {"Stop the pump for five minutes.", {{"11", "5", "five"}}},
      // Family: Nouns, determiners and adjectives.
      // Four nouns (the advice with a blank before "for").
      {"Replace the fuel pump pressure switch.", {},
       Marker("3601(Suggest &lt;- switch ... for)", "CCCCCC", "fuel pump pressure switch")},
      // Three nouns: one marker over the three, none of their own inside it.
      {"Replace the fuel filter element switch.", {},
       P("Replace the " + Marker("3601(Suggest &lt;- switch ...for)", "CCCCCC", "fuel filter element switch") + ".")},
      // Family: Verbs: checks, openers and trigger rows.
      // An unflagged "remove" stands between the previous finding and the
      // flagged one: the marker goes on the flagged word, not the earlier one.
      {"You need not remove the valve.", {}, Marker("3401NONE", "66FFFF", "need not") + " remove"},
      // The article check joined "remove" to "tension"; the trigger's finding
      // is still marked on the verb as the text holds it.
      {"You must remove tension from the spring.", {}, Marker("0002release", "CCCCCC", "remove") + " "},
      // Family: Modals; "be" and "have" opening a sentence.
      {"Caution must be exercised when you open the valve.", {},
       Marker("1300Be careful", "FF99FF", "Caution must be exercised") + " " +
           Marker("0204(Move when to main clause.)", "66FFFF", "when")},
      // A question that opens with a form of "be", and an article after the form.
      {"Is the valve open?", {}, "", "", true},
      {"Can the valve turn?", {}, "", "", true},
      // Family: "be", "has", "had", "is", "are", "was", "were" in a sentence.
      {"The valve has been replaced.", {}, Marker("3001NONE", "66FFFF", "has been replaced")},
      {"Then these is open.", {}, Marker("0302NONE", "6699FF", "is")},
      // Right after the first word no agreement test (the article is no word
      // of the list); "are" never disagrees; an adjective in "ng" is no gerund.
      {"The valves is open.", {}, "", "", true},
      {"The valve are open.", {}, "", "", true},
      {"The cable is long.", {}, "", "", true},
      // Family: Adverbs, the sentence start and "there".
      // "very" takes the chain of "too".
      {"The pump is very useful.", {},
       P("The pump is " + Marker("2402applicable/serviceable", "FF6699", "very useful") + ".")},
      // A number after "below": corrected in place.
      {"The pressure goes below zero.", {{"11", "less than", "below"}}},
      // "on" is a place preposition: "back" is a noun before it.
      {"Push back on the cover.", {}, "", "", true},
      // (An opening "It is" would take the word after it too.)
      {"The bolt is too tight.", {},
       P("The bolt is " + Marker("0502(Give torque value or range)", "FF6699", "too tight") + ".")},
      // Family: "for", "by", place prepositions, "but", "because".
      {"Make sure that the unit is ready for use.", {{"31", "prepared for", "ready for"}}},
      {"Push the valve into position.", {}, "", "into"},
      // After a comma and before a modal, and before "of", no finding.
      {"Remove the cover, but do not remove the filter.", {}, "cover, but do not"},
      {"The pump stops, because of the heat.", {}, "stops, because of"},
      // Family: Particles "up", "down", "out".
      {"Then open up the cover.", {{"15", "open/expand/increase", "open up"}}},
      // The label before "position" is written in capitals in place.
      {"Put the valve in the down position.", {{"23", "DOWN", "down"}}},
      // The full stop after "out of the way" still ends its sentence.
      {"Move the cart out of the way.", {{"24", "(away from)", "way"}}, "way<?Pub /_touchup?>.</p>", "cart"},
      // Family: "as", "and", "or", the articles.
      {"Remove the bolts and nuts and washers.", {},
       P("Remove the bolts and nuts " + Marker("0204(Repeated word -and-)", "66FFFF", "and") + " washers.")},
      // A second clause is no repeat; the same conjunction is still one to rephrase.
      {"Remove the bolts and install the nuts and washers.", {},
       P("Remove the bolts and install the nuts " + Marker("2105NONE", "6699FF", "and") + " washers.")},
      {"Install a oil seal and an bolt.", {},
       P("Install " + Marker("1101an", "FF6699", "a") + " oil seal and " + Marker("1105a", "FF6699", "an") + " bolt.")},
      // A label letter, also before a vowel, and a right article.
      {"Use the type A oil.", {}, "", "", true},
      {"Install a seal.", {}, "", "", true},
      // Family: Pronouns, demonstratives, "no", "never".
      {"She turn the valve.", {{"01", "The person/The operator/The technician", "She"}, {"35", "NONE", "turn"}}},
      {"No smoking.", {{"07", " DO NOT SMOKE IN THIS AREA", "No smoking"}}},
      // A sign in capitals is left as it is written.
      {"NO SMOKING.", {}, "<p>NO "},
      // Family: "which", "that", time conjunctions, "so", "about", "around", "then".
      {"The part is not to be used which is damaged.", {{"32", "that", "which"}}},
      // *soon after*: advice without a finding is not shown.
      {"Stop the pump soon after the test.", {}, "", "", true},
      // After a comparative, "then" is put right in place.
      {"The pressure is more then 5 bar.", {{"11", "than", "then"}}},
      {"Open the valve, then install the pump.", {}, "", "then"},
      // Family: "to", the place prepositions, "in".
      {"At night the lamp is on.", {{"18", "NONE", "At"}}},
      // With the comma after the phrase, "At" opening a sentence is accepted.
      {"At night, the lamp is on.", {}, "", "At"},
      // Family: "with", "over", "of", "from", "some".
      {"With the valve open, stop the pump.", {{"24", "(When)/(Rephrase)", "With"}}},
      {"Remove the filter with oil.", {}, "", "with"},
  };
  ExpectInOneRun(cases);
}

// Every sentence over 21 weighted words gets SENTENCE LENGTH on its first
// word, not only the first sentence of the document.
TEST_F(RuleSentences, EveryLongSentence) {
  // 33 words (28 weighted: the tokenizer sets "the" aside).
  const std::string step =
      " the four bolts and the washers from the cover of the pump housing and put them in a clean container so that "
      "you can install them again after you install the seal.";
  const std::string afterShort = "Stop the pump. Remove" + step;
  // Several long sentences, a short one between them.
  const std::string several = "Put" + step + " Close the valve. Install" + step + " Remove" + step;
  // The marker of an opening article holds the article alone, and the next
  // word keeps its own ("placeholder" is in no dictionary of the tests).
  const std::string article = "Stop the pump. A placeholder" + step;
  // An index entry before the sentence is no part of it.
  const std::string indexed = "<indexterm>glorp<indexterm>seal</indexterm></indexterm>Remove" + step;
  const SentenceCase cases[] = {
      {"Stop the pump.", {}, "", "", true},
      {afterShort.c_str(), {{"28", "NONE", "Remove"}}, "", "Stop"},
      {article.c_str(), {{"28", "NONE", "A"}, {"25", "NONE", "placeholder"}}},
      {several.c_str(), {{"28", "NONE", "Put"}, {"28", "NONE", "Install"}, {"28", "NONE", "Remove"}}, "", "Close"},
      {indexed.c_str(), {{"28", "NONE", "Remove"}}, "<indexterm>glorp<indexterm>seal</indexterm></indexterm>", "glorp"},
  };
  ExpectInOneRun(cases);
}

std::string Source(const char* name) {
  return ReadAll(std::string(KESTA_SOURCE_DIR) + "/tests/data/dictionaries/" + name);
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
