#include "engine/entry_match.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/lookup_state.h"
#include "tests/support/word_list_fixture.h"

namespace {

class EntryMatch : public ::testing::Test {
 protected:
  // Matches `entry` against the first word of the list.
  int Match(std::initializer_list<const char*> written, const char* entry, int mode = 2, int flags = 0) {
    words.emplace(written);
    return MatchInflectedWord(WordList.head, entry, mode, flags, 0);
  }
  // The list under test: emplace() frees the last one and builds anew.
  std::optional<TestWords> words;
  WordRec& W() { return *WordList.head; }
};

TEST_F(EntryMatch, PlainEntries) {
  EXPECT_EQ(Match({"valve"}, "lve 31521 use this|"), 99);
  EXPECT_EQ(W().classCode, "31521 ");
  EXPECT_EQ(W().suggestion, "use this");
  EXPECT_EQ(W().verbForm, '=');

  // A shorter code ends at its blank: the suggestion is not cut into.
  EXPECT_EQ(Match({"valve"}, "lve 1014 pipe|"), 99);
  EXPECT_EQ(W().classCode, "1014 ");
  EXPECT_EQ(W().suggestion, "pipe");

  EXPECT_EQ(Match({"valve"}, "lve 1014|"), 99);
  EXPECT_EQ(W().classCode, "1014");
  EXPECT_EQ(W().suggestion, "");

  EXPECT_EQ(Match({"valves"}, "lve 1014|"), -1);  // not fully compared
  EXPECT_EQ(Match({"valv"}, "lve 1014|"), -1);
  EXPECT_EQ(Match({"vanes"}, "lve 1014|"), -1);
  EXPECT_EQ(Match({"valve"}, "lve|"), -1);      // no data part
  EXPECT_EQ(Match({"valve"}, "lve"), -1);       // the text ends inside the entry
  EXPECT_EQ(Match({"up"}, "up 52|"), 99);      // a two-letter word is spelt whole
  EXPECT_EQ(W().classCode, "52");
}

TEST_F(EntryMatch, PlainVariantsAndExtraData) {
  EXPECT_EQ(Match({"valve"}, "lve 1014>|"), 6);
  EXPECT_EQ(W().classCode, "1014");
  words.emplace({"valve"});
  W().splitKind = '-';
  EXPECT_EQ(MatchInflectedWord(&W(), "lve 1014>|", 2, 0, 0), 99);

  EXPECT_EQ(Match({"valve"}, "lve 30127 pipe%%seen in 2019|"), 99);
  EXPECT_EQ(W().suggestion, "pipe");
  // A single '%' after a fourth character '7' brings the suggestion.
  EXPECT_EQ(Match({"valve"}, "lve 3017%pipe|"), 99);
  EXPECT_EQ(W().classCode, "3017");
  EXPECT_EQ(W().suggestion, "pipe");
  EXPECT_EQ(Match({"valve"}, "lve 10%pipe|"), 99);
  EXPECT_EQ(W().classCode, "10");
  EXPECT_EQ(W().suggestion, "");
}

TEST_F(EntryMatch, PluralStems) {
  EXPECT_EQ(Match({"battery"}, "tter! 1014|"), 99);
  EXPECT_EQ(W().classCode, "1014");
  EXPECT_EQ(W().lastLetter, 'y');
  EXPECT_EQ(Match({"batteries"}, "tter! 1014|"), 99);
  EXPECT_EQ(W().classCode, "1114");
  EXPECT_EQ(W().lastLetter, 's');
  EXPECT_EQ(W().pluralMarker, '$');
  EXPECT_EQ(Match({"batter"}, "tter! 1014|"), -1);
  EXPECT_EQ(Match({"batterys"}, "tter! 1014|"), -1);

  EXPECT_EQ(Match({"box"}, "x! 1014|"), 99);
  EXPECT_EQ(W().lastLetter, 'x');
  EXPECT_EQ(Match({"boxes"}, "x! 1814|"), 99);
  EXPECT_EQ(W().classCode, "1914");
  EXPECT_EQ(Match({"boxs"}, "x! 1014|"), -1);
  EXPECT_EQ(Match({"bus"}, "s! 1014|"), 99);
  EXPECT_EQ(W().lastLetter, ' ');  // a singular that ends in 's'
  EXPECT_EQ(Match({"buses"}, "s! 1014|"), 99);
  EXPECT_EQ(W().lastLetter, 's');

  EXPECT_EQ(Match({"batteries"}, "tter! NMS>|"), 6);
  EXPECT_EQ(W().classCode, "NMP");
  EXPECT_EQ(Match({"battery"}, "tter! NMP pack|"), 99);
  EXPECT_EQ(W().classCode, "NMS");
  EXPECT_EQ(W().suggestion, "pack");
  EXPECT_EQ(Match({"batteries"}, "tter! 30110|"), 99);
  EXPECT_EQ(W().classCode, "30111");
  EXPECT_EQ(Match({"batteries"}, "tter! NMS|", 2, 1), 99);
  EXPECT_EQ(W().classCode, "NM1");
}

TEST_F(EntryMatch, PluralStemContinuesIntoTheNextWordInCheckMode) {
  EXPECT_EQ(Match({"batteries", "cover"}, "tter!+cover 1014|"), 99);
  EXPECT_EQ(Lookup.MatchExtraWords, 1);
  EXPECT_EQ(W().classCode, "1014");
  EXPECT_EQ(W().pluralMarker, '$');
  EXPECT_EQ(Match({"battery", "cover"}, "tter!+cover 1014|"), 99);
  EXPECT_EQ(W().pluralMarker, '0');
  // Outside the check's mode the continuation is no match.
  EXPECT_EQ(Match({"battery", "cover"}, "tter!+cover 1014|", 3), -1);
  EXPECT_EQ(Lookup.MatchExtraWords, 0);
}

TEST_F(EntryMatch, OptionalS) {
  EXPECT_EQ(Match({"valve"}, "lve$ 1014|"), 99);
  EXPECT_EQ(W().classCode, "1014");
  EXPECT_EQ(W().verbForm, '=');
  EXPECT_EQ(Match({"valves"}, "lve$ 1014|"), 99);
  EXPECT_EQ(W().classCode, "1114");
  EXPECT_EQ(Match({"valvess"}, "lve$ 1014|"), -1);
  EXPECT_EQ(Match({"valvex"}, "lve$ 1014|"), -1);

  EXPECT_EQ(Match({"valves"}, "lve$ 1814|"), 99);
  EXPECT_EQ(W().classCode, "1914");
  EXPECT_EQ(Match({"valves"}, "lve$ 16|"), 99);
  EXPECT_EQ(W().classCode, "11");
  EXPECT_EQ(W().pluralMarker, '$');
  EXPECT_EQ(Match({"valves"}, "lve$ 05|"), 99);
  EXPECT_EQ(W().classCode, "11");
  EXPECT_EQ(Match({"valves"}, "lve$ JMS|"), 99);
  EXPECT_EQ(W().classCode, "JM1");
  EXPECT_EQ(Match({"valves"}, "lve$ 30110 pipes|"), 99);
  EXPECT_EQ(W().classCode, "30111");
  EXPECT_EQ(W().suggestion, "pipes");
  EXPECT_EQ(Match({"valve"}, "lve$ NM1|"), 99);
  EXPECT_EQ(W().classCode, "NMS");

  // A stem that ends in 's' or 'x' reads as a plural, unless it ends "ss".
  EXPECT_EQ(Match({"gas"}, "s$ 1014|"), 99);
  EXPECT_EQ(W().pluralMarker, '$');
  EXPECT_EQ(W().classCode, "1014");  // three letters: no plural class
  EXPECT_EQ(Match({"glass"}, "ass$ 16|"), 99);
  EXPECT_EQ(W().lastLetter, ' ');
  EXPECT_EQ(W().pluralMarker, ' ');
  EXPECT_EQ(W().classCode, "16");

  EXPECT_EQ(Match({"valve"}, "lve$ 1014> pipe|"), 6);
  EXPECT_EQ(W().verbForm, '*');
  EXPECT_EQ(W().suggestion, "pipe");
  words.emplace({"valve"});
  W().splitKind = '4';
  EXPECT_EQ(MatchInflectedWord(&W(), "lve$ 1014> pipe|", 2, 0, 0), 99);
  EXPECT_EQ(W().verbForm, '=');
}

TEST_F(EntryMatch, AdjectiveStems) {
  EXPECT_EQ(Match({"clean"}, "ean@ 30|"), 99);
  EXPECT_EQ(W().classCode, "30");
  EXPECT_EQ(W().dictMarker, '@');
  EXPECT_EQ(Match({"cleaner"}, "ean@ 30|"), 99);
  EXPECT_EQ(W().classCode, "34");
  EXPECT_EQ(Match({"cleanest"}, "ean@ 30|"), 99);
  EXPECT_EQ(W().classCode, "35");
  EXPECT_EQ(Match({"cleanly"}, "ean@ 30|"), 99);
  EXPECT_EQ(W().classCode, "50");
  EXPECT_EQ(Match({"cleans"}, "ean@ 30|"), -1);
  EXPECT_EQ(Match({"cleaning"}, "ean@ 30|"), -1);

  EXPECT_EQ(Match({"clean"}, "ean@ 30> tidy|"), 6);
  EXPECT_EQ(W().suggestion, "tidy");
  EXPECT_EQ(Match({"cleaner"}, "ean@ 30> tidy|"), 99);
  // The form is the ending after the stem: "proper" is no comparative.
  EXPECT_EQ(Match({"proper"}, "oper@ 30|"), 99);
  EXPECT_EQ(W().classCode, "30");
}

struct StemCase {
  const char* word;
  const char* code;
  int wordClass;
  char verbForm;
};

TEST_F(EntryMatch, VerbStemsByMark) {
  const char* entries[] = {"en&20|", "en?20|", "en^20|"};
  const StemCase expected[3][4] = {
      {{"open", "X0", 20, '0'}, {"opens", "Z1", 21, '1'}, {"opened", "P2", 22, '2'}, {"opening", "G3", 23, '3'}},
      {{"open", "Y0", 20, '0'}, {"opens", "Z1", 20, '1'}, {"opened", "P2", 20, '2'}, {"opening", "G3", 20, '3'}},
      {{"open", "V0", 20, '0'}, {"opens", "V1", 21, '1'}, {"opened", "P2", 22, '2'}, {"opening", "G3", 23, '3'}},
  };
  for (int m = 0; m < 3; ++m)
    for (const StemCase& c : expected[m]) {
      EXPECT_EQ(Match({c.word}, entries[m]), 99) << entries[m] << " " << c.word;
      EXPECT_EQ(W().classCode, c.code) << entries[m] << " " << c.word;
      EXPECT_EQ(W().wordClass, c.wordClass) << entries[m] << " " << c.word;
      EXPECT_EQ(W().verbForm, c.verbForm) << entries[m] << " " << c.word;
      EXPECT_EQ(W().pluralMarker, '0');  // the code letter
    }
  Match({"opened"}, "en&20|");
  EXPECT_EQ(W().dictMarker, '^');
  Match({"opens"}, "en&20|");
  EXPECT_EQ(W().dictMarker, '&');
  EXPECT_EQ(Match({"opener"}, "en^20|"), -1);
  EXPECT_EQ(Match({"open"}, "en^2|"), -1);  // no code letter
}

TEST_F(EntryMatch, VerbStemDataForms) {
  // 3MM2C: the code letter is the fifth character and takes the form digit.
  EXPECT_EQ(Match({"utilizes"}, "iliz^30021 use|"), 99);
  EXPECT_EQ(W().classCode, "30021");
  EXPECT_EQ(W().suggestion, "use");
  EXPECT_EQ(Match({"utilized"}, "iliz^30021 use|"), 99);
  EXPECT_EQ(W().classCode, "30022");
  EXPECT_EQ(Match({"utilizing"}, "iliz^30021 use|"), 99);
  EXPECT_EQ(W().classCode, "30023");
  // A 'G' code in the -s form of an '&' stem: 'V', the suggestion cut at '/'.
  EXPECT_EQ(Match({"opens"}, "en&G0 unlock/free|"), 99);
  EXPECT_EQ(W().classCode, "V1");
  EXPECT_EQ(W().suggestion, "unlock");
  EXPECT_EQ(Match({"opens"}, "en^20> free|"), 6);
  EXPECT_EQ(W().suggestion, "free");
  EXPECT_EQ(Match({"open"}, "en^30420 x|"), 99);
  EXPECT_EQ(W().subClass, 304);
  EXPECT_EQ(Match({"opens"}, "en^20%%seen|"), 99);
  EXPECT_EQ(W().suggestion, "");
}

TEST_F(EntryMatch, TwoLetterStemsStartAtTheirMark) {
  // Run "us", stem "us" with code '1'.
  EXPECT_EQ(Match({"use"}, "^21|"), 99);
  EXPECT_EQ(W().verbForm, '0');
  EXPECT_EQ(Match({"uses"}, "^21|"), 99);
  EXPECT_EQ(W().verbForm, '1');
  EXPECT_EQ(Match({"used"}, "^21|"), 99);
  EXPECT_EQ(W().verbForm, '2');
  EXPECT_EQ(Match({"using"}, "^21|"), 99);
  EXPECT_EQ(W().verbForm, '3');
  EXPECT_EQ(Match({"user"}, "^21|"), -1);
  // Run "go", stem "go" with code '8': the two-letter word itself matches.
  EXPECT_EQ(Match({"go"}, "^28|"), 99);
  EXPECT_EQ(Match({"goes"}, "^28|"), 99);
  EXPECT_EQ(Match({"going"}, "^28|"), 99);
}

TEST_F(EntryMatch, MultiWordEntries) {
  EXPECT_EQ(Match({"valve", "seat", "."}, "lve+seat 1014|"), 99);
  EXPECT_EQ(Lookup.MatchExtraWords, 1);
  EXPECT_EQ(words->Size(), 4u);  // the merge is the lookup's
  EXPECT_EQ(Match({"in", "front", "of", "it"}, "in+front+of 52|"), 99);
  EXPECT_EQ(Lookup.MatchExtraWords, 2);
  // A one-letter last word is left to the comparison; a one-letter word
  // cannot be passed through.
  EXPECT_EQ(Match({"type", "b"}, "pe+b 1014|"), 99);
  EXPECT_EQ(Lookup.MatchExtraWords, 1);
  EXPECT_EQ(Match({"as", "a", "rule"}, "as+a+rule 52|"), -1);
  EXPECT_EQ(Match({"set", "up"}, "t+up 20|"), 99);

  EXPECT_EQ(Match({"valve", "seal"}, "lve+seat 1014|"), -1);
  EXPECT_EQ(Lookup.MatchExtraWords, 0);
  EXPECT_EQ(Match({"valves", "seat"}, "lve+seat 1014|"), -1);
  EXPECT_EQ(Match({"valve", "9"}, "lve+seat 1014|"), -1);
  EXPECT_EQ(Match({"valve"}, "lve+seat 1014|"), -1);  // the sentinel is no word
  words.emplace({"valve", "seat"});
  words->Nth(1)->splitKind = '1';
  EXPECT_EQ(MatchInflectedWord(&W(), "lve+seat 1014|", 2, 0, 0), -1);
  words.emplace({"valve", "seat"});
  words->Nth(1)->markFlag = '1';
  EXPECT_EQ(MatchInflectedWord(&W(), "lve+seat 1014|", 2, 0, 0), -1);
  // A list without the sentinel (the word finder's) ends the entry.
  words.emplace({"valve"}, false);
  EXPECT_EQ(MatchInflectedWord(&W(), "lve+seat 1014|", 2, 0, 0), -1);
}

TEST_F(EntryMatch, PhrasalVerbsMergeTheirParticles) {
  EXPECT_EQ(Match({"carries", "out", "the", "test", "."}, "rr^+out 35 do|"), 99);
  EXPECT_EQ(W().classCode, "31521");
  EXPECT_EQ(W().suggestion, "do");
  EXPECT_EQ(W().written, "carries out");
  EXPECT_EQ(W().text, "carries out");
  EXPECT_EQ(W().length, 11);
  EXPECT_EQ(W().weight, 2);
  EXPECT_EQ(W().pluralMarker, '5');
  EXPECT_EQ(Lookup.MatchExtraWords, 0);
  EXPECT_EQ(words->Size(), 5u);
  EXPECT_EQ(words->Nth(1)->written, "the");
  EXPECT_EQ(words->Nth(1)->sentencePos, 1);
  EXPECT_EQ(words->Nth(2)->sentencePos, 2);

  EXPECT_EQ(Match({"carried", "out"}, "rr^+out 35 do|"), 99);
  EXPECT_EQ(W().classCode, "31522");
  EXPECT_EQ(Match({"carrying", "out"}, "rr^+out 35 do|"), 99);
  EXPECT_EQ(W().classCode, "31523");
  EXPECT_EQ(Match({"carry", "out"}, "rr^+out 35 do|"), 99);
  EXPECT_EQ(W().classCode, "31520");

  // An approved phrasal verb: a verb class and no message.
  words.emplace({"setting", "up"});
  W().message = 301;
  EXPECT_EQ(MatchInflectedWord(&W(), "t^+up 2G|", 2, 0, 0), 99);
  EXPECT_EQ(W().classCode, "23");
  EXPECT_EQ(W().message, 0);
  EXPECT_EQ(W().verbForm, ' ');

  EXPECT_EQ(Match({"looks", "out", "for", "leaks"}, "ok^+out+for 30 monitor|"), 99);
  EXPECT_EQ(W().written, "looks out for");
  EXPECT_EQ(W().weight, 3);
  EXPECT_EQ(words->Size(), 3u);

  EXPECT_EQ(Match({"carry", "outside"}, "rr^+out 35 do|"), -1);
  EXPECT_EQ(Match({"looks", "out", "of"}, "ok^+out+for 30 monitor|"), -1);
  EXPECT_EQ(Match({"carry", "o"}, "rr^+o 35 do|"), -1);
  words.emplace({"carry", "out"}, false);
  EXPECT_EQ(MatchInflectedWord(&W(), "rr^+out+of 35 do|", 2, 0, 0), -1);
  EXPECT_EQ(MatchInflectedWord(&W(), "rr^+out 35 do|", 2, 0, 0), 99);
  EXPECT_EQ(W().next, nullptr);
}

// The words after the merged ones move up within their sentence only: the
// next sentence (which the tokenizer numbered from 0) keeps its numbers,
// though its full stop is not yet of class 48.
TEST_F(EntryMatch, PhrasalMergeRenumbersItsOwnSentence) {
  words.emplace({"carry", "out", "the", "test", ".", "open", "the", "valve", "."});
  words->Nth(5)->sentencePos = 0;  // as the tokenizer numbers a new sentence
  words->Nth(6)->sentencePos = 1;
  words->Nth(7)->sentencePos = 2;
  words->Nth(8)->sentencePos = 3;
  EXPECT_EQ(MatchInflectedWord(&W(), "rr^+out 35 do|", 2, 0, 0), 99);
  ASSERT_EQ(words->Nth(4)->written, "open");
  EXPECT_EQ(words->Nth(1)->sentencePos, 1);
  EXPECT_EQ(words->Nth(2)->sentencePos, 2);
  EXPECT_EQ(words->Nth(3)->sentencePos, 3);
  EXPECT_EQ(words->Nth(4)->sentencePos, 0);
  EXPECT_EQ(words->Nth(5)->sentencePos, 1);
  EXPECT_EQ(words->Nth(7)->sentencePos, 3);
}

TEST_F(EntryMatch, PhrasalMergeStaysInItsFields) {
  std::string longVerb(79, 'x');
  std::string entry = std::string(77, 'x') + "^+out 30 do|";  // stem: the word less its digram
  words.emplace({longVerb.c_str(), "out"});
  EXPECT_EQ(MatchInflectedWord(&W(), entry.c_str(), 2, 0, 0), 99);
  EXPECT_EQ(W().written.length(), 83u);
  EXPECT_EQ(W().length, static_cast<int>(W().text.length()));
}

TEST_F(EntryMatch, CodesAreCutToTheirField) {
  EXPECT_EQ(Match({"battery"}, "tter! 1234567890 x|"), 99);
  EXPECT_EQ(W().classCode, "1234567");
  EXPECT_EQ(Match({"valve"}, "lve$ 1234567890|"), 99);
  EXPECT_EQ(W().classCode.length(), 7u);
}

}  // namespace
