#include "engine/word_class.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/list_cases.h"

namespace {

// One word alone (no neighbours), decoded.
ListCase One(WordSpec spec, const char* expected) { return {{spec}, expected, false}; }

// Each case: a word with its dictionary code (and weight 3 unless a unit
// keeps it), and what the decoding changes.
TEST(DecodeWordClass, Cases) {
  RunListCases(
      {
          // Nouns by singular and plural; an 's' that is no plural ending leaves the code.
          One({"valve", 40, "1014", "weight=3"}, "valve: classCode=\"N*S***\" wordClass=10 subClass=14 weight=1"),
          One({"valves", 40, "1014", "weight=3"}, "valves: classCode=\"NMP***\" wordClass=11 subClass=14 weight=1"),
          One({"gas", 40, "1014", "weight=3"}, "gas: classCode=\"N*S***\" wordClass=10 subClass=14 weight=1"),
          One({"bus", 40, "10", "weight=3"}, "bus: wordClass=10 weight=1"),
          One({"oils", 40, "16", "weight=3"}, "oils: classCode=\"N*P***\" wordClass=16 weight=1"),
          One({"oil", 40, "16", "weight=3"}, "oil: classCode=\"N*S***\" wordClass=16 weight=1"),
          // A '$' plural of a material noun becomes a plain plural noun.
          One({"greases", 40, "16", "plural=$"}, "greases: classCode=\"NMP***\" wordClass=11"),
          One({"seals", 40, "10", "plural=$"}, "seals: classCode=\"NMP***\" wordClass=11"),
          // Two-digit codes drop the suggestion, except adverbs.
          One({"valve", 40, "10", "weight=3 sug=pipe"}, "valve: suggestion=\"\" classCode=\"N*S***\" wordClass=10 weight=1"),
          One({"slowly", 40, "52", "weight=3 sug=(use_a_verb)"}, "slowly: classCode=\"B*****\" wordClass=50 weight=1"),
          One({"as", 40, "54", "weight=3 sug=x"}, "as: classCode=\"S54***\" wordClass=54 weight=1"),
          One({"fast", 40, "50", "mark=1"}, "fast: classCode=\"AF****\" wordClass=30"),
          // Empty and odd codes; a '3' code without its form is neutral.
          One({"x", 40, "", "weight=3"}, "x: classCode=\"D1****\" subClass=80 weight=1"),
          One({"x", 40, "4080>", "weight=3"}, "x: classCode=\"D1****\" subClass=80 weight=1"),
          One({"x", 40, "99", "weight=3"}, "x: wordClass=99 weight=1"),
          One({"x", 40, "301", "weight=3"}, "x: classCode=\"D*****\" weight=1"),
          One({"x", 40, "3012", "weight=3"}, "x: classCode=\"AF****\" wordClass=30 subClass=12 weight=1"),
          // The class table: its rules (be, have, kept, adverb, pronoun, plural), a fixed code, no row.
          One({"is", 40, "24"}, "is: classCode=\"H2****\" wordClass=24"), One({"has", 40, "24"}, "has: classCode=\"H1****\" wordClass=24"),
          One({"have", 40, "25"}, "have: classCode=\"H3****\" wordClass=25"), One({"was", 40, "25"}, "was: classCode=\"H2****\" wordClass=25"),
          One({"be", 40, "25"}, "be: classCode=\"H22***\" wordClass=25"), One({"done", 40, "26"}, "done: wordClass=26"),
          One({"can", 40, "28"}, "can: classCode=\"H6****\" wordClass=28"), One({"up", 40, "55"}, "up: classCode=\"B*****\" wordClass=50"),
          One({"it", 40, "66"}, "it: classCode=\"H51I\" wordClass=66"), One({"they", 40, "66"}, "they: classCode=\"H52I\" wordClass=66"),
          One({"you", 40, "78"}, "you: classCode=\"H51Y\" wordClass=78"), One({"very", 40, "72"}, "very: wordClass=72"),
          One({"a-b", 40, "18"}, "a-b: classCode=\"N*S***\" wordClass=18"), One({"a-bs", 40, "19"}, "a-bs: classCode=\"NMP***\" wordClass=19"),
          One({"x", 40, "13"}, "x: classCode=\"D*****\" wordClass=13"), One({"x", 40, "01"}, "x: classCode=\"G0****\" wordClass=1"),
          // Codes that begin with a letter keep the class the matcher gave.
          One({"open", 20, "X0"}, ""),
          One({"open", 20, "V0"}, "open: classCode=\"V0****\""),
          // Units keep their weight and get the unit code.
          One({"bar", 40, "1717", "weight=3"}, "bar: classCode=\"NM*S\" wordClass=17 subClass=17"),
          // Message codes; class 23 makes a gerund finding, -ly an adverb.
          One({"carries", 40, "31521", "weight=3"}, "carries: classCode=\"V1*3**\" wordClass=21 subClass=315 message=315 message2=315 weight=1 verbForm=1"),
          One({"utilized", 40, "30022", "weight=3 sug=use"}, "utilized: classCode=\"V2*3**\" wordClass=22 subClass=300 message=300 message2=300 weight=1 verbForm=2"),
          One({"utilizing", 40, "30023", "weight=3 sug=use"}, "utilizing: classCode=\"V3*3**\" wordClass=23 subClass=338 message=338 message2=338 weight=1"),
          // The gerund of a coded entry takes its advice in the -ing form.
          One({"utilizing", 40, "30023", "sug=Ause"},
              "utilizing: suggestion=\"using\" classCode=\"V3*3**\" wordClass=23 subClass=338 message=338 message2=338 verbForm=3"),
          One({"setting up", 40, "31523", "sug=Aprepare/0install"},
              "setting up: suggestion=\"preparing/installing\" classCode=\"V3*3**\" wordClass=23 subClass=338 message=338 message2=338 verbForm=3"),
          One({"approximately", 40, "30150", "weight=3 sug=about"}, "approximately: classCode=\"B**3**\" wordClass=50 subClass=301 message=301 message2=301 weight=1"),
          One({"approximately", 40, "30110", "weight=3 sug=about"}, "approximately: classCode=\"B**3**\" wordClass=50 subClass=301 message=301 message2=301 weight=1"),
          One({"checkup", 40, "31410", "weight=3 sug=inspection"}, "checkup: classCode=\"N*S3**\" wordClass=10 subClass=314 message=314 message2=314 weight=1 separatorFlag=~"),
          One({"gearbox", 40, "31312", "weight=3 sug=gear_box"}, "gearbox: classCode=\"N*S3N*\" wordClass=12 subClass=313 message=313 message2=313 weight=1 verbForm=0"),
          // A '^' verb and a WRONG CHOICE verb become WRONG VERB.
          One({"ensure", 40, "30120", "sug=make_sure"}, "ensure: classCode=\"V0*3**\" wordClass=20 subClass=300 message=300 message2=301 verbForm=0"),
          // A WRONG CHOICE word after "the" becomes a noun; class 30 is left alone.
          One({"main", 40, "30130", "mark=1"}, "main: classCode=\"AF*3**\" wordClass=30 subClass=301 message=301 message2=301"),
          One({"check", 40, "30110", "mark=1"}, "check: classCode=\"N*S3**\" wordClass=10 subClass=301 message=301 message2=301"),
          // Adjective stems with another message.
          One({"cleaner", 40, "32640", "dict=@"}, "cleaner: classCode=\"AF*3**\" wordClass=34 subClass=326 message=326 message2=326"),
          // Unapproved verbs and article marks.
          One({"opens", 40, "21", "verb=8"}, "opens: classCode=\"V1*3**\" wordClass=21 subClass=300 message=300 message2=300 verbForm=1"),
          One({"valve", 40, "10", "tag=<AR>"}, "valve: classCode=\"N*S***\" wordClass=10 message=311 message2=311"),
          // The suggestion gets the written word's capitals; the case flag is
          // recomputed from the written word.
          One({"Utilizes", 40, "30021", "case=1 sug=Ause/1employ"}, "Utilizes: suggestion=\"Uses/Employs\" classCode=\"V1*3**\" wordClass=21 subClass=300 message=300 message2=300 verbForm=1"),
          One({"VAlve", 40, "10", "case=x"}, "VAlve: classCode=\"N*S***\" wordClass=10 caseFlag=2"),
          // The verb form follows the previous modal; a first word reads no previous word.
          {{{"can", 28}, {"utilized", 40, "30022"}}, "utilized: classCode=\"V0*3**\" wordClass=20 subClass=300 message=300 message2=300 verbForm=0", false},
          One({"utilized", 40, "30022"}, "utilized: classCode=\"V2*3**\" wordClass=22 subClass=300 message=300 message2=300 verbForm=2"),
      },
      [](TestWords& words) {
        DecodeWordClass(words.Nth(words.Size() - 1));
        return words.Changes();
      });
}

TEST(ExpandSuggestion, InflectsCodedAlternatives) {
  const std::string longest = std::string(40, 'a') + "/" + std::string(40, 'b');
  const struct {
    const char* word;
    std::string suggestion, expected;
  } cases[] = {
      {"removes", "Aremove/Bdisconnect/take out", "removes/disconnects/take out"},
      {"removed", "0a/0b/0c/0d/0e/0f/0g", "aed/bed/ced/ded/eed/fed"},
      {"removed", "12 mm", "12 mm"},
      {"removes", "//Otake/O-ring//", "Otake/O-ring"},  // 'O' is no code letter
      // The joined text stays under 78 characters from the third alternative on.
      {"x", longest + "/c", longest},
  };
  for (const auto& c : cases) {
    WordRec w = LoneWord(c.word);
    w.suggestion = c.suggestion;
    ExpandSuggestion(&w);
    EXPECT_EQ(w.suggestion, c.expected) << c.suggestion;
  }
}

TEST(MatchSuggestionCase, FollowsTheWrittenWord) {
  const struct {
    const char* written;
    char caseFlag;
    const char* suggestion;
    const char* expected;
    int subClass = 0, message = 0, sentencePos = 3;
    char markFlag = '0', extraFlag = ' ';
  } cases[] = {
      {"VALVE", '2', "pipe/tube", "PIPE/TUBE"},
      {"Valve", '1', "pipe/tube", "Pipe/Tube"},
      {"Valve", '1', "(use a verb)", "(use a verb)"},
      // Left as it is: a subclass, a message, no capitals, a digit or mixed
      // capitals, the first word after "the", a '~' word in capitals.
      {"Valve", '1', "pipe", "pipe", 17},
      {"Valve", '1', "pipe", "pipe", -2},
      {"Valve", '1', "pipe", "pipe", 0, 323},
      {"Valve", '0', "pipe", "pipe"},
      {"4valve", '1', "pipe", "pipe"},
      {"VAlve", '1', "pipe", "pipe"},
      {"Valve", '1', "pipe", "pipe", 0, 0, 0, '1'},
      {"VALVE", '2', "pipe", "pipe", 0, 0, 3, '0', '~'},
  };
  for (const auto& c : cases) {
    WordRec w = LoneWord("valve");
    w.written = c.written;
    w.caseFlag = c.caseFlag;
    w.suggestion = c.suggestion;
    w.subClass = c.subClass;
    w.message = c.message;
    w.sentencePos = c.sentencePos;
    w.markFlag = c.markFlag;
    w.extraFlag = c.extraFlag;
    MatchSuggestionCase(&w);
    EXPECT_EQ(w.suggestion, c.expected) << c.written << " " << c.suggestion;
  }
}

}  // namespace
