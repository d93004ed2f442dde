#include "engine/entry_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/lookup_state.h"
#include "tests/support/word_list_fixture.h"

namespace {

// One dictionary entry matched against the first word of a list: the result,
// the words the entry took beyond the first, and every field the match
// changed in the list ("word: field=value ...", merged words "-word").
struct Case {
  std::vector<const char*> words;
  const char* entry;
  int result;
  const char* changes;
  int extraWords = 0;
  int mode = 2;  // 2: the check's mode
  int flags = 0;
  bool sentinel = true;
  const char* flags1 = nullptr;  // "N:flags": the fixture's flags for word N
};

void RunCases(const char* group, const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    std::vector<WordSpec> specs;
    for (const char* w : c.words) specs.push_back({.written = w});
    if (c.flags1) specs[c.flags1[0] - '0'].flags = c.flags1 + 2;
    TestWords words(specs, c.sentinel);
    std::string label = std::string(group) + ": " + c.words.front() + " / " + c.entry;
    EXPECT_EQ(MatchInflectedWord(WordList.head, c.entry, c.mode, c.flags, 0), c.result) << label;
    EXPECT_EQ(words.Changes(), c.changes) << label;
    EXPECT_EQ(Lookup.MatchExtraWords, c.extraWords) << label;
  }
}

// Each group: the entries of one kind.
TEST(EntryMatch, Entries) {
  RunCases("plain", {
      {{"valve"}, "lve 31521 use this|", 99, "valve: suggestion=\"use this\" classCode=\"31521 \" verbForm=="},
      // A shorter code ends at its blank: the suggestion is not cut into.
      {{"valve"}, "lve 1014 pipe|", 99, "valve: suggestion=\"pipe\" classCode=\"1014 \" verbForm=="},
      {{"valve"}, "lve 1014|", 99, "valve: classCode=\"1014\" verbForm=="},
      {{"valves"}, "lve 1014|", -1, "valves: classCode=\"\""},  // not fully compared
      {{"vanes"}, "lve 1014|", -1, "vanes: classCode=\"\""},
      {{"valve"}, "lve|", -1, "valve: classCode=\"\""},  // no data part
      {{"valve"}, "lve", -1, "valve: classCode=\"\""},   // the text ends inside the entry
      {{"up"}, "up 52|", 99, "up: classCode=\"52\" verbForm=="},   // a two-letter word is spelt whole
      // Variants and extra data.
      {{"valve"}, "lve 1014>|", 6, "valve: classCode=\"1014\" verbForm=="},
      {{"valve"}, "lve 1014>|", 99, "valve: classCode=\"1014\" verbForm==", 0, 2, 0, true, "0:split=-"},
      {{"valve"}, "lve 30127 pipe%%seen in 2019|", 99, "valve: suggestion=\"pipe\" classCode=\"30127 \" verbForm=="},
      // A single '%' after a fourth character '7' brings the suggestion.
      {{"valve"}, "lve 3017%pipe|", 99, "valve: suggestion=\"pipe\" classCode=\"3017\""},
      {{"valve"}, "lve 10%pipe|", 99, "valve: classCode=\"10\""},
      // Codes are cut to their field.
      {{"battery"}, "tter! 1234567890 x|", 99, "battery: suggestion=\"x\" classCode=\"1234567\""},
      {{"valve"}, "lve$ 1234567890|", 99, "valve: classCode=\"1234567\" verbForm=="},
  });
  RunCases("plural", {
      {{"battery"}, "tter! 1014|", 99, "battery: classCode=\"1014\""},
      {{"batteries"}, "tter! 1014|", 99, "batteries: classCode=\"1114\" pluralMarker=$"},
      {{"batter"}, "tter! 1014|", -1, "batter: classCode=\"\""},
      {{"batterys"}, "tter! 1014|", -1, "batterys: classCode=\"\""},
      {{"boxes"}, "x! 1814|", 99, "boxes: classCode=\"1914\" pluralMarker=$"},
      {{"bus"}, "s! 1014|", 99, "bus: classCode=\"1014\" lastLetter=' '"},  // a singular that ends in 's'
      {{"buses"}, "s! 1014|", 99, "buses: classCode=\"1114\" pluralMarker=$"},
      {{"batteries"}, "tter! NMS>|", 6, "batteries: classCode=\"NMP\" pluralMarker=$"},
      {{"battery"}, "tter! NMP pack|", 99, "battery: suggestion=\"pack\" classCode=\"NMS\""},
      {{"batteries"}, "tter! 30110|", 99, "batteries: classCode=\"30111\" pluralMarker=$"},
      {{"batteries"}, "tter! NMS|", 99, "batteries: classCode=\"NM1\" pluralMarker=$", 0, 2, 1},
      // In the check's mode the stem continues into the next word; outside
      // it the continuation is no match.
      {{"batteries", "cover"}, "tter!+cover 1014|", 99, "batteries: classCode=\"1014\" verbForm== pluralMarker=$", 1},
      {{"battery", "cover"}, "tter!+cover 1014|", 99, "battery: classCode=\"1014\" verbForm==", 1},
      {{"battery", "cover"}, "tter!+cover 1014|", -1, "battery: classCode=\"\"", 0, 3},
  });
  RunCases("optional s", {
      {{"valve"}, "lve$ 1014|", 99, "valve: classCode=\"1014\" verbForm=="},
      {{"valves"}, "lve$ 1014|", 99, "valves: classCode=\"1114\" verbForm=="},
      {{"valvess"}, "lve$ 1014|", -1, "valvess: classCode=\"\""},
      {{"valves"}, "lve$ 1814|", 99, "valves: classCode=\"1914\" verbForm=="},
      {{"valves"}, "lve$ 16|", 99, "valves: classCode=\"11\" verbForm== pluralMarker=$"},
      {{"valves"}, "lve$ 05|", 99, "valves: classCode=\"11\" verbForm== pluralMarker=$"},
      {{"valves"}, "lve$ JMS|", 99, "valves: classCode=\"JM1\" verbForm=="},
      {{"valves"}, "lve$ 30110 pipes|", 99, "valves: suggestion=\"pipes\" classCode=\"30111\" verbForm== pluralMarker=$"},
      {{"valve"}, "lve$ NM1|", 99, "valve: classCode=\"NMS\" verbForm=="},
      // A stem that ends in 's' or 'x' reads as a plural, unless it ends
      // "ss"; three letters take no plural class.
      {{"gas"}, "s$ 1014|", 99, "gas: classCode=\"1014\" verbForm== pluralMarker=$"},
      {{"glass"}, "ass$ 16|", 99, "glass: classCode=\"16\" lastLetter=' ' verbForm== pluralMarker=' '"},
      {{"valve"}, "lve$ 1014> pipe|", 6, "valve: suggestion=\"pipe\" classCode=\"1014\" verbForm=*"},
      {{"valve"}, "lve$ 1014> pipe|", 99, "valve: suggestion=\"pipe\" classCode=\"1014\" verbForm==", 0, 2, 0, true,
       "0:split=4"},
  });
  RunCases("adjective", {
      {{"clean"}, "ean@ 30|", 99, "clean: classCode=\"30\" dictMarker=@"},
      {{"cleaner"}, "ean@ 30|", 99, "cleaner: classCode=\"34\" dictMarker=@"},
      {{"cleanest"}, "ean@ 30|", 99, "cleanest: classCode=\"35\" dictMarker=@"},
      {{"cleanly"}, "ean@ 30|", 99, "cleanly: classCode=\"50\" dictMarker=@"},
      {{"cleans"}, "ean@ 30|", -1, "cleans: classCode=\"\""},
      {{"clean"}, "ean@ 30> tidy|", 6, "clean: suggestion=\"tidy\" classCode=\"30\" dictMarker=@"},
      // The form is the ending after the stem: "proper" is no comparative.
      {{"proper"}, "oper@ 30|", 99, "proper: classCode=\"30\" dictMarker=@"},
  });
  RunCases("verb", {
      {{"open"}, "en&20|", 99, "open: classCode=\"X0\" wordClass=20 dictMarker=& verbForm=0"},
      {{"opens"}, "en&20|", 99, "opens: classCode=\"Z1\" wordClass=21 dictMarker=& verbForm=1"},
      {{"opened"}, "en&20|", 99, "opened: classCode=\"P2\" wordClass=22 dictMarker=^ verbForm=2"},
      {{"opening"}, "en&20|", 99, "opening: classCode=\"G3\" wordClass=23 dictMarker=& verbForm=3"},
      {{"open"}, "en?20|", 99, "open: classCode=\"Y0\" wordClass=20 dictMarker=? verbForm=0"},
      {{"opened"}, "en?20|", 99, "opened: classCode=\"P2\" wordClass=20 dictMarker=? verbForm=2"},
      {{"open"}, "en^20|", 99, "open: classCode=\"V0\" wordClass=20 dictMarker=^ verbForm=0"},
      {{"opens"}, "en^20|", 99, "opens: classCode=\"V1\" wordClass=21 dictMarker=^ verbForm=1"},
      {{"opened"}, "en^20|", 99, "opened: classCode=\"P2\" wordClass=22 dictMarker=^ verbForm=2"},
      {{"opening"}, "en^20|", 99, "opening: classCode=\"G3\" wordClass=23 dictMarker=^ verbForm=3"},
      {{"opener"}, "en^20|", -1, "opener: classCode=\"\""},
      {{"open"}, "en^2|", -1, "open: classCode=\"\""},  // no code letter
      // 3MM2C: the code letter is the fifth character and takes the form digit.
      {{"utilizes"}, "iliz^30021 use|", 99, "utilizes: suggestion=\"use\" classCode=\"30021\" wordClass=21 dictMarker=^ verbForm=1 pluralMarker=1"},
      {{"utilized"}, "iliz^30021 use|", 99, "utilized: suggestion=\"use\" classCode=\"30022\" wordClass=22 dictMarker=^ verbForm=2 pluralMarker=1"},
      // A 'G' code in the -s form of an '&' stem: 'V', the suggestion cut at '/'.
      {{"opens"}, "en&G0 unlock/free|", 99, "opens: suggestion=\"unlock\" classCode=\"V1\" wordClass=21 dictMarker=& verbForm=1"},
      {{"opens"}, "en^20> free|", 6, "opens: suggestion=\"free\" classCode=\"V1\" wordClass=21 dictMarker=^ verbForm=1"},
      {{"open"}, "en^30420 x|", 99, "open: suggestion=\"x\" classCode=\"30420\" wordClass=20 subClass=304 dictMarker=^ verbForm=0"},
      {{"opens"}, "en^20%%seen|", 99, "opens: classCode=\"V1\" wordClass=21 dictMarker=^ verbForm=1"},
      // Two-letter stems start at their mark: run "us", stem "us", code '1';
      // run "go", stem "go", code '8', where the word itself matches.
      {{"use"}, "^21|", 99, "use: classCode=\"V0\" wordClass=20 dictMarker=^ verbForm=0 pluralMarker=1"},
      {{"used"}, "^21|", 99, "used: classCode=\"P2\" wordClass=22 dictMarker=^ verbForm=2 pluralMarker=1"},
      {{"user"}, "^21|", -1, "user: classCode=\"\""},
      {{"goes"}, "^28|", 99, "goes: classCode=\"V1\" wordClass=21 dictMarker=^ verbForm=1 pluralMarker=8"},
  });
  RunCases("multi-word", {
      // The merge is the lookup's: the words stay.
      {{"valve", "seat", "."}, "lve+seat 1014|", 99, "valve: classCode=\"1014\" verbForm==", 1},
      {{"in", "front", "of", "it"}, "in+front+of 52|", 99, "in: classCode=\"52\" verbForm==", 2},
      // A one-letter last word is left to the comparison; a one-letter word
      // cannot be passed through.
      {{"type", "b"}, "pe+b 1014|", 99, "type: classCode=\"1014\" verbForm==", 1},
      {{"as", "a", "rule"}, "as+a+rule 52|", -1, "as: classCode=\"\""},
      {{"set", "up"}, "t+up 20|", 99, "set: classCode=\"20\" verbForm==", 1},
      {{"valve", "seal"}, "lve+seat 1014|", -1, "valve: classCode=\"\""},
      {{"valves", "seat"}, "lve+seat 1014|", -1, "valves: classCode=\"\""},
      {{"valve", "9"}, "lve+seat 1014|", -1, "valve: classCode=\"\""},
      {{"valve"}, "lve+seat 1014|", -1, "valve: classCode=\"\""},  // the sentinel is no word
      {{"valve", "seat"}, "lve+seat 1014|", -1, "valve: classCode=\"\"", 0, 2, 0, true, "1:split=1"},
      {{"valve", "seat"}, "lve+seat 1014|", -1, "valve: classCode=\"\"", 0, 2, 0, true, "1:mark=1"},
      // A list without the sentinel (the word finder's) ends the entry.
      {{"valve"}, "lve+seat 1014|", -1, "valve: classCode=\"\"", 0, 2, 0, false},
  });
  RunCases("phrasal", {
      {{"carries", "out", "the", "test", "."}, "rr^+out 35 do|", 99, "carries: text=\"carries out\" written=\"carries out\" suggestion=\"do\" classCode=\"31521\" length=11 weight=2 pluralMarker=5\nthe: sentencePos=1\ntest: sentencePos=2\n.: sentencePos=3\n-out"},
      {{"carried", "out"}, "rr^+out 35 do|", 99, "carried: text=\"carried out\" written=\"carried out\" suggestion=\"do\" classCode=\"31522\" length=11 weight=2 pluralMarker=5\n-out"},
      {{"carrying", "out"}, "rr^+out 35 do|", 99, "carrying: text=\"carrying out\" written=\"carrying out\" suggestion=\"do\" classCode=\"31523\" length=12 weight=2 pluralMarker=5\n-out"},
      // An approved phrasal verb: a verb class and no message.
      {{"setting", "up"}, "t^+up 2G|", 99, "setting: text=\"setting up\" written=\"setting up\" classCode=\"23\" message=0 length=10 weight=2 pluralMarker=G\n-up", 0, 2, 0, true,
       "0:msg=301"},
      {{"looks", "out", "for", "leaks"}, "ok^+out+for 30 monitor|", 99, "looks: text=\"looks out for\" written=\"looks out for\" suggestion=\"monitor\" classCode=\"31521\" length=13 weight=3\nleaks: sentencePos=1\n-out\n-for"},
      {{"carry", "outside"}, "rr^+out 35 do|", -1, "carry: classCode=\"\""},
      {{"looks", "out", "of"}, "ok^+out+for 30 monitor|", -1, "looks: classCode=\"\""},
      {{"carry", "o"}, "rr^+o 35 do|", -1, "carry: classCode=\"\""},
      {{"carry", "out"}, "rr^+out+of 35 do|", -1, "carry: classCode=\"\"", 0, 2, 0, false},
      {{"carry", "out"}, "rr^+out 35 do|", 99, "carry: text=\"carry out\" written=\"carry out\" suggestion=\"do\" classCode=\"31520\" length=9 weight=2 pluralMarker=5\n-out", 0, 2, 0, false},
  });
}

// The words after the merged ones move up within their sentence only: the
// next sentence keeps its numbers, though its full stop is not yet of class
// 48, whether the tokenizer numbered it from 0 or, after a paragraph's end,
// from 1.
TEST(EntryMatch, PhrasalMergeRenumbersItsOwnSentence) {
  for (const int first : {0, 1}) {
    TestWords words({"carry", "out", "the", "test", ".", "open", "the", "valve", "."});
    for (int i = 5; i <= 8; ++i) words.Nth(i)->sentencePos = i - 5 + first;  // as the tokenizer numbers it
    EXPECT_EQ(MatchInflectedWord(WordList.head, "rr^+out 35 do|", 2, 0, 0), 99);
    ASSERT_EQ(words.Nth(4)->written, "open");
    const int expected[] = {0, 1, 2, 3, 0, 1, 2, 3};
    for (int i = 1; i < 8; ++i) EXPECT_EQ(words.Nth(i)->sentencePos, expected[i] + (i >= 4 ? first : 0)) << i;
  }
}

TEST(EntryMatch, PhrasalMergeStaysInItsFields) {
  std::string longVerb(79, 'x');
  std::string entry = std::string(77, 'x') + "^+out 30 do|";  // stem: the word less its digram
  TestWords words({longVerb.c_str(), "out"});
  EXPECT_EQ(MatchInflectedWord(WordList.head, entry.c_str(), 2, 0, 0), 99);
  EXPECT_EQ(WordList.head->written.length(), 83u);
  EXPECT_EQ(WordList.head->length, static_cast<int>(WordList.head->text.length()));
}

}  // namespace
