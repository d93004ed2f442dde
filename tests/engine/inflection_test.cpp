#include "engine/inflection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

// The form an ending makes with a stem: word under check = stem + ending.
int FormOf(const std::string& stem, char code, const std::string& ending) {
  WordRec w = LoneWord((stem + ending).c_str());
  return StripInflection(&w, code, ending.c_str());
}

struct StripCase {
  const char* stem;
  char code;
  const char* ending;
  int form;
};

TEST(StripInflection, EveryCodeLetter) {
  // clang-format off
  const StripCase cases[] = {
      {"open", '0', "", 0}, {"open", '0', "s", 1}, {"open", '0', "ed", 2}, {"open", '0', "ing", 4},
      {"open", '0', "eds", -1}, {"open", '0', "er", -1},
      {"us", '1', "e", 0}, {"us", '1', "es", 1}, {"us", '1', "ed", 2}, {"us", '1', "ing", 4},
      {"us", '1', "er", -1},
      {"push", '2', "", 0}, {"push", '2', "es", 1}, {"push", '2', "ed", 2}, {"push", '2', "ing", 4},
      {"push", '2', "s", -1},
      {"hold", '3', "", 0}, {"hold", '3', "s", 1}, {"hold", '3', "ed", -1}, {"hold", '3', "ing", 4},
      {"keep", '4', "s", 1}, {"keep", '4', "ed", -1}, {"keep", '4', "ing", 4},
      {"carr", '5', "y", 0}, {"carr", '5', "ies", 1}, {"carr", '5', "ied", 2}, {"carr", '5', "ying", 4},
      {"carr", '5', "", -1},
      {"show", '6', "", 0}, {"show", '6', "s", 1}, {"show", '6', "n", 2}, {"show", '6', "ing", 4},
      {"tak", '7', "e", 0}, {"tak", '7', "es", 1}, {"tak", '7', "en", 2}, {"tak", '7', "ing", 4},
      {"do", '8', "", 0}, {"do", '8', "es", 1}, {"do", '8', "ed", -1}, {"do", '8', "ing", 4},
      {"stop", '9', "", 0}, {"stop", '9', "s", 1}, {"stop", '9', "ped", 2}, {"stop", '9', "ping", 4},
      {"stop", '9', "ing", -1}, {"stop", '9', "ted", -1}, {"cut", '9', "ting", 4},
      {"cu", '9', "tted", -1},  // "cutted": the doubled letter must be the stem's
      {"remove", 'A', "", 0}, {"remove", 'A', "s", 1}, {"remove", 'A', "d", 2}, {"remove", 'A', "ed", -1},
      {"writ", 'B', "e", 0}, {"writ", 'B', "es", 1}, {"writ", 'B', "ten", 2}, {"writ", 'B', "ing", 4},
      {"bit", 'B', "ten", -1},  // "bitten": 6 characters, too short
      {"burn", 'C', "", 0}, {"burn", 'C', "t", 2}, {"burn", 'C', "s", 1},
      {"ha", 'D', "ve", 0}, {"ha", 'D', "s", 1}, {"ha", 'D', "d", 2}, {"ha", 'D', "ving", 4},
      {"cut", 'E', "e", 0}, {"cut", 'E', "", 2}, {"cut", 'E', "es", 1},
      {"fix", 'F', "", 0}, {"fix", 'F', "es", 1}, {"fix", 'F', "s", -1},
      {"set", 'G', "", 0}, {"set", 'G', "s", 1}, {"set", 'G', "ting", 4}, {"set", 'G', "ing", -1},
      {"put", 'G', "ting", 4},
      {"a", 'G', "ting", -1},  // 6 characters needed
      {"ship", 'H', "ing", 4}, {"ship", 'H', "ping", 4}, {"dig", 'H', "ging", 4}, {"ag", 'H', "ging", -1},
      {"mak", 'I', "e", 0}, {"mak", 'I', "es", 1}, {"mak", 'I', "ing", 4}, {"mak", 'I', "ed", -1},
      {"fall", 'J', "", 0}, {"fall", 'J', "en", 2},
      {"appl", 'K', "y", 0}, {"appl", 'K', "ies", 1}, {"appl", 'K', "ied", -1}, {"appl", 'K', "ying", 4},
      {"any", 'L', "whatever", 0},
      {"open", 'M', "", -1}, {"open", 'N', "", -1}, {"open", '\0', "", -1},
  };
  // clang-format on
  for (const StripCase& c : cases)
    EXPECT_EQ(FormOf(c.stem, c.code, c.ending), c.form) << c.stem << " + '" << c.ending << "' code " << c.code;
  EXPECT_EQ(StripInflection(nullptr, '0', ""), -1);
}

struct InflectCase {
  const char* alternative;
  char code;
  const char* checked;  // the word under check; its last letter picks the form
  const char* result;
  int returned;
};

TEST(InflectByCode, EveryCodeLetterForTheSAndPastForms) {
  // clang-format off
  const InflectCase cases[] = {
      {"test", '0', "opens", "tests", 1}, {"test", '0', "opened", "tested", 1}, {"test", '0', "open", "test", 1},
      {"remove", '1', "opens", "removes", 1}, {"remove", '1', "opened", "removed", 1},
      {"remove", 'A', "opened", "removed", 1},
      {"push", '2', "opens", "pushes", 1}, {"push", '2', "opened", "pushed", 1},
      {"hold", '3', "opens", "holds", 1}, {"lend", '3', "opened", "lend", -1},
      {"sleep", '4', "opened", "sleep", 1}, {"keep", 'G', "opens", "keeps", 1},
      {"apply", '5', "opens", "applies", 1}, {"apply", '5', "opened", "applied", 1}, {"apply", '5', "open", "apply", 1},
      {"go", '5', "opens", "go", 1},
      {"sew", '6', "opened", "sewn", 1}, {"shake", '7', "opened", "shaken", 1},
      {"fix", '8', "opens", "fixes", 1}, {"fix", '8', "opened", "fix", -1},
      {"stop", '9', "opens", "stops", 1}, {"stop", '9', "opened", "stopped", 1},
      {"rewrite", 'B', "opened", "rewritten", 1}, {"bite", 'B', "opened", "bite", 1},
      {"burn", 'C', "opened", "burnt", 1},
      {"have", 'D', "opens", "has", 1}, {"have", 'D', "opened", "had", 1},
      {"close", 'E', "opened", "clos", 1}, {"shake", 'E', "opened", "shade", 1}, {"cut", 'E', "opened", "cut", 1},
      {"fix", 'F', "opens", "fixes", 1}, {"fix", 'F', "opened", "fix", 1},
      {"copy", 'K', "opens", "copies", 1}, {"copy", 'K', "opened", "copy", 1},
      {"shake out", '7', "opened", "shaken out", 1},
      {"lend out", '3', "opened", "lend out", -1},
      // Verbs whose past no code letter gives, and those whose past it
      // would give wrong, take their own.
      {"hold", '3', "opened", "held", 1}, {"keep", '4', "opened", "kept", 1},
      {"show", '6', "opened", "showed", 1}, {"take", '7', "opened", "took", 1},
      {"write", 'B', "opened", "wrote", 1}, {"make", 'I', "opened", "made", 1},
      {"do", '8', "opened", "did", 1}, {"get", 'G', "opened", "got", 1},
      {"take out", '7', "opened", "took out", 1}, {"hold on", '3', "opened", "held on", 1},
      {"open", 'Z', "opens", "open", -1},
  };
  // clang-format on
  for (const InflectCase& c : cases) {
    WordRec w = LoneWord(c.checked);
    Alternative alt(c.alternative);
    EXPECT_EQ(InflectByCode(alt, &w, c.code, '0'), c.returned) << c.alternative << " " << c.code;
    EXPECT_EQ(alt, c.result) << c.alternative << " " << c.code << " for " << c.checked;
    if (c.returned == 1) {
      EXPECT_EQ(w.suggestion, c.result);
    }
  }
}

// The -ing form of an alternative by its code letter, the past and the
// participle of the verbs whose forms differ.
TEST(InflectAlternative, IngPastAndParticipleForms) {
  const struct {
    const char* alternative;
    char code;
    int form;
    const char* result;
  } rows[] = {
      {"install", '0', kFormIng, "installing"}, {"prepare", 'A', kFormIng, "preparing"},
      {"use", 'A', kFormIng, "using"},          {"stop", '9', kFormIng, "stopping"},
      {"get", 'G', kFormIng, "getting"},        {"let", 'I', kFormIng, "letting"},
      {"see", 'I', kFormIng, "seeing"},         {"tie", '0', kFormIng, "tying"},
      {"apply", '5', kFormIng, "applying"},     {"do", '8', kFormIng, "doing"},
      {"have", 'D', kFormIng, "having"},        {"make sure", 'I', kFormIng, "making sure"},
      {"be", '0', kFormIng, "being"},
      {"do", '8', kFormPast, "did"},            {"do", '8', kFormParticiple, "done"},
      {"show", '0', kFormPast, "showed"},       {"show", '0', kFormParticiple, "shown"},
      {"get", 'G', kFormParticiple, "got"},     {"take part", 'I', kFormParticiple, "taken part"},
      {"install", '0', kFormParticiple, "installed"}, {"prepare", 'A', kFormBase, "prepare"},
  };
  for (const auto& r : rows) {
    Alternative alt(r.alternative);
    EXPECT_TRUE(InflectAlternative(alt, r.code, r.form)) << r.alternative;
    EXPECT_EQ(alt, r.result) << r.alternative << " code " << r.code << " form " << r.form;
  }
  Alternative noun("valve");
  EXPECT_FALSE(InflectAlternative(noun, 'N', kFormS));
  EXPECT_FALSE(InflectAlternative(noun, 'Z', kFormBase));
  EXPECT_EQ(noun, "valve");
}

// The form comes from the class the lookup gave the checked word, and from
// the words before it: "be" or "have" make a participle, a past stands
// after its subject. The checked word is the last of each row but the
// words after it that a row names.
TEST(InflectByCode, FormOfTheCheckedWordInItsSentence) {
  const struct {
    std::vector<WordSpec> words;
    const char* alternative;
    char code;
    const char* result;
    char verbForm;
    std::size_t wordsAfter = 0;  // words after the checked one
  } rows[] = {
      {{{"setting", 23}}, "prepare", 'A', "preparing", '3'},
      {{{"Installing", 23}, {"and", 63}, {"setting", 23}}, "install", '0', "installing", '3'},
      {{{"sets", 21}}, "prepare", 'A', "prepares", '1'},
      {{{"began", 22}}, "start", '0', "started", '2'},
      {{{"the", 64}, {"pump", 10}, {"was", 24}, {"set", 20}}, "prepare", 'A', "prepared", '2'},
      {{{"you", 78}, {"set", 20}}, "prepare", 'A', "prepare", '0'},
      {{{"is", 24}, {"to", 68}, {"set", 20}}, "prepare", 'A', "prepare", '0'},
      {{{"validation", 10}, {"is", 24}, {"performed", 22}}, "do", '8', "done", '2'},
      {{{"it", 66}, {"performed", 22}}, "do", '8', "did", '2'},
      {{{"it", 66}, {"then", 73}, {"performed", 22}}, "do", '8', "did", '2'},
      // Before its agent a past is the participle, even after a noun.
      {{{"validation", 10}, {"performed", 22}, {"by", 60}}, "do", '8', "done", '2', 1},
      {{{"it", 66}, {"performed", 22}, {".", 48}, {"by", 60}}, "do", '8', "did", '2', 2},
      {{{"the", 64}, {"performed", 22}}, "do", '8', "done", '2'},
      {{{"performed", 22}}, "do", '8', "done", '2'},
      {{{"is", 24}, {"not", 29}, {"performed", 22}}, "do", '8', "done", '2'},
      {{{"has", 24}, {"been", 27}, {"obtained", 22}}, "get", 'G', "got", '2'},
      {{{"was", 24}, {"established", 22}}, "make", 'I', "made", '2'},
      // A sentence ends between "be" and the verb.
      {{{"is", 24}, {".", 48}, {"it", 66}, {"performed", 22}}, "do", '8', "did", '2'},
      // No verb class: the last letter.
      {{{"opened"}}, "do", '8', "did", '2'},
  };
  for (const auto& r : rows) {
    TestWords words(r.words);
    WordRec* w = words.at(r.words.size() - 1 - r.wordsAfter);
    Alternative alt(r.alternative);
    EXPECT_EQ(InflectByCode(alt, w, r.code, '0'), 1);
    EXPECT_EQ(alt, r.result) << words.Written();
    EXPECT_EQ(w->verbForm, r.verbForm) << words.Written();
  }
}

TEST(InflectByCode, SetsTheCheckedWordsVerbFormAndCase) {
  WordRec w = LoneWord("tested");
  Alternative alt("test");
  InflectByCode(alt, &w, '0', '0');
  EXPECT_EQ(w.verbForm, '2');
  w = LoneWord("tests");
  alt = "test";
  InflectByCode(alt, &w, '0', '1');
  EXPECT_EQ(w.verbForm, '1');
  EXPECT_EQ(alt, "Tests");
  w = LoneWord("test");
  alt = "take out";
  InflectByCode(alt, &w, '7', '2');
  EXPECT_EQ(w.verbForm, '0');
  EXPECT_EQ(alt, "TAKE OUT");
}

TEST(InflectByCode, NounPluralOnlyForPluralWords) {
  struct {
    const char* alt;
    const char* plural;
  } rows[] = {
      {"battery", "batteries"}, {"torch", "torches"}, {"glass", "glasses"}, {"tooth", "tooths"},
      {"box", "boxs"}, {"valve", "valves"}, {"drain plug", "drain plugs"}, {"access door", "access doors"}, {"drain jetty", "drain jetties"},
      {"access box", "access boxes"}, {"test bench", "test benches"},
  };
  for (const auto& r : rows) {
    WordRec w = LoneWord("seals");
    w.pluralMarker = '$';
    Alternative alt(r.alt);
    EXPECT_EQ(InflectByCode(alt, &w, 'N', '0'), 1);
    EXPECT_EQ(alt, r.plural) << r.alt;
  }
  WordRec w = LoneWord("seals");
  Alternative alt("valve");
  InflectByCode(alt, &w, 'N', '0');
  EXPECT_EQ(alt, "valve");  // no '$': the word is no plural the dictionary knows
}

TEST(InflectByCode, LongAlternativesStayInTheirFields) {
  WordRec w = LoneWord("opens");
  std::string longest(46, 'y');
  Alternative alt(longest);
  EXPECT_EQ(InflectByCode(alt, &w, '5', '2'), 1);
  EXPECT_EQ(alt.length(), 48u);
  std::string phrase = "x " + std::string(90, 'a');
  alt = phrase;
  InflectByCode(alt, &w, '0', '0');
  EXPECT_EQ(alt, "xs " + std::string(63, 'a'));
  EXPECT_LE(w.suggestion.length(), 99u);
}

}  // namespace
