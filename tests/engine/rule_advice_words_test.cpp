// Every word that the advice of the rules names is approved by the bundled
// dictionaries, as the words of the dictionaries' own advice are
// (bundled_forms_test.cpp): the check must not offer a word it then flags. A
// word the dictionaries refuse (the left-out block of
// scripts/dictionaries/ste_general.tsv gives why, and mostly what to write
// instead) is no advice either; a row that has nothing else to offer shows
// a hint. The advice texts are read from the sources of the rules and the
// engine (tests/engine/advice_scan.h says which texts count).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dict_file.h"
#include "tests/engine/advice_scan.h"
#include "tests/engine/bundled_lookup.h"
#include "tests/support/corpus.h"
#include "tests/support/source_advice.h"

namespace {

namespace fs = std::filesystem;

bool HasLetter(const std::string& s) {
  return std::any_of(s.begin(), s.end(), [](unsigned char c) { return std::isalpha(c); });
}

// A piece of advice the check takes as written, never as a word of the
// vocabulary: a label or abbreviation in capitals ("OFF", "NOSE"), a name
// with a capital inside ("CANbus"), an abbreviation or symbol with a full
// stop inside ("a.m.", "N.m"), and "the", which the tokenizer reads as a mark
// on the next word.
bool TakenAsWritten(const std::string& piece) {
  const std::size_t inner = piece.find('.');
  if (inner != std::string::npos && inner + 1 < piece.size()) return true;
  const bool capitalInside =
      std::any_of(piece.begin() + 1, piece.end(), [](unsigned char c) { return std::isupper(c); });
  return capitalInside || Lower(piece) == "the";
}

// The placeholders for the writer's own words: "x", "xx", "xxx", "yyy".
bool Placeholder(const std::string& piece) {
  const std::string low = Lower(piece);
  return low.find_first_not_of(low[0]) == std::string::npos && (low[0] == 'x' || (low[0] == 'y' && low.size() > 1));
}

// The words an advice text names, alternative by alternative. An advice
// holds alternatives separated by '/'; what stands in parentheses is a hint
// to the writer ("(Rephrase)", "contact(n)"), not a word to write, and
// markup ("<uicontrol>") is no word either; a piece that holds "%s" or the
// like is the writer's own word ("%s-%s", "%ss"), and so are placeholders
// and "..."; "&deg;" stands for a sign. What is left is split at blanks
// and commas, with the punctuation at each piece's ends dropped, after the
// pieces the check takes as written; a piece without a letter (a number, a
// sign) is no word.
std::vector<std::vector<std::string>> AdviceWords(const std::string& advice) {
  std::string text;
  int depth = 0;
  bool tag = false;
  for (const char c : advice) {
    depth += c == '(';
    tag = tag ? c != '>' : c == '<' && depth == 0;
    if (depth == 0 && !tag && c != '>') text += c;
    if (c == ')' && depth > 0) --depth;
  }
  std::vector<std::vector<std::string>> out;
  std::istringstream alternatives(text);
  for (std::string alternative; std::getline(alternatives, alternative, '/');) {
    std::string plain;
    for (std::size_t i = 0; i < alternative.size(); ++i) {
      const char c = alternative[i];
      if (c == '&' && alternative.find(';', i) != std::string::npos)
        i = alternative.find(';', i);
      else
        plain += c == ',' ? ' ' : c;
    }
    std::vector<std::string> words;
    std::istringstream pieces(plain);
    for (std::string piece; pieces >> piece;) {
      if (piece.find('%') != std::string::npos) continue;
      constexpr const char* kEnds = ".,:;!?\"'<>[]";
      const std::size_t from = piece.find_first_not_of(kEnds);
      if (from == std::string::npos) continue;
      piece = piece.substr(from, piece.find_last_not_of(kEnds) - from + 1);
      if (!TakenAsWritten(piece) && HasLetter(piece) && !Placeholder(piece)) words.push_back(piece);
    }
    if (!words.empty()) out.push_back(words);
  }
  return out;
}

// The parts of a compound ("pop-up", "X-axis"), which the check accepts
// when each is approved.
std::vector<std::string> CompoundParts(const std::string& word) {
  std::vector<std::string> parts;
  std::istringstream split(word);
  for (std::string part; std::getline(split, part, '-');)
    if (HasLetter(part) && !Placeholder(part)) parts.push_back(part);
  return parts;
}

std::vector<SourceFile> RuleSources() {
  std::vector<SourceFile> files;
  const fs::path root(KESTA_SOURCE_DIR);
  for (const char* folder : {"rules", "engine"}) {
    for (const fs::path& p : FilesBelow(root / folder)) {
      if (p.extension() != ".cpp" && p.extension() != ".h") continue;
      std::ifstream in(p, std::ios::binary);
      files.push_back({fs::relative(p, root).generic_string(),
                       std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())});
    }
  }
  std::sort(files.begin(), files.end(), [](const SourceFile& a, const SourceFile& b) { return a.name < b.name; });
  return files;
}

// Advice that gives back the writer's own word, on which its row is keyed:
// the finding is on the words around it ("sign off": "sign"), and the word
// itself gets its own finding where the dictionaries refuse it. These rows
// alone may name a word the dictionaries do not approve.
struct WritersOwnWord {
  const char* file;
  const char* advice;
  const char* word;
};
constexpr WritersOwnWord kWritersOwnWords[] = {
    {"rules/function_words/as_tables.cpp", "bank(n)/at a bank angle of", "bank"},        // "banked as"
    {"rules/function_words/in_tables.cpp", "wrong value", "wrong"},                      // "wrong in"
    {"rules/function_words/particle_out_tables.cpp", "(Give age ref.)/at age", "age"},   // "aged out"
    {"rules/function_words/preposition_tables.cpp", "available from", "available"},      // "available through"
    {"rules/function_words/preposition_under.cpp", "age less than/(Give age range)", "age"},  // "age under"
    {"rules/function_words/with_tables.cpp", "related to", "related"},                   // "related with"
    {"rules/main/adjective_rows_b_h.cpp", "free movement", "free"},                      // "free fall"
    {"rules/main/adjective_rows_b_h.cpp", "easy rotation", "rotation"},                  // "free rotation"
    {"rules/main/adjective_rows_b_h.cpp", "has free movement/not tight", "free"},        // "stays free"
    {"rules/main/left_right_table.cpp", "correct amount/correct quantity", "amount"},    // "right amount"
    {"rules/main/verb_triggers_c.cpp", "decrease emissions", "emissions"},               // "cut emissions"
    {"rules/main/verb_triggers_t_u.cpp", "adjust/tune", "tune"},                         // "tune up", "fine tune"
    {"rules/phrases/phrase_off.cpp", "sign", "sign"},                                    // "sign off"
    {"rules/phrases/phrase_on.cpp", "go up/climb", "climb"},                             // "climb on"
};

TEST(RuleAdvice, EveryAdvisedWordIsApprovedByTheDictionaries) {
  ASSERT_NO_FATAL_FAILURE(LoadBundled());
  const std::vector<AdviceText> texts = ScanAdviceTexts(RuleSources());
  int faults = 0;
  std::set<std::ptrdiff_t> ownUsed;
  for (const AdviceText& advice : texts) {
    for (const std::vector<std::string>& words : AdviceWords(advice.text)) {
      std::vector<UnapprovedWord> unapproved;
      for (const UnapprovedWord& w : UnapprovedWords(words)) {
        const std::vector<std::string> parts = CompoundParts(w.written);
        if (w.written.find('-') == std::string::npos || parts.empty()) {
          unapproved.push_back(w);
          continue;
        }
        for (const UnapprovedWord& part : UnapprovedWords(parts)) unapproved.push_back(part);
      }
      for (const UnapprovedWord& w : unapproved) {
        const std::string file = advice.place.substr(0, advice.place.rfind(':'));
        const auto own =
            std::find_if(std::begin(kWritersOwnWords), std::end(kWritersOwnWords), [&](const WritersOwnWord& o) {
              return file == o.file && advice.text == o.advice && Lower(w.written) == o.word;
            });
        if (own != std::end(kWritersOwnWords)) {
          ownUsed.insert(own - std::begin(kWritersOwnWords));
          continue;
        }
        ++faults;
        ADD_FAILURE() << advice.place << ": the advice \"" << advice.text << "\" names \"" << w.written << "\", which "
                      << Why(w) << ": offer an approved word, or a hint in parentheses";
      }
    }
  }
  // The scan must still see the rows: a change of how they are written
  // would otherwise pass unseen.
  EXPECT_GT(texts.size(), 1500u);
  EXPECT_EQ(faults, 0) << "in " << texts.size() << " advice texts";
  // An exception no row needs any more goes, so that it cannot let another
  // such word through later.
  for (std::ptrdiff_t i = 0; i < std::ssize(kWritersOwnWords); ++i)
    EXPECT_TRUE(ownUsed.count(i)) << kWritersOwnWords[i].file << ": no advice \"" << kWritersOwnWords[i].advice
                                  << "\" names \"" << kWritersOwnWords[i].word << "\" any more";
  Dictionaries.Reset();
}

TEST(RuleAdvice, AdviceWordsLeaveHintsAndPlaceholders) {
  using Words = std::vector<std::vector<std::string>>;
  const struct {
    const char* advice;
    Words words;
  } cases[] = {
      {"can/will/(Rephrase)", {{"can"}, {"will"}}},
      {"(Callout - (99) or circles)", {}},
      {"touch/contact(operational verb)/contact(n)", {{"touch"}, {"contact"}, {"contact"}}},
      {"put xxx in position", {{"put", "in", "position"}}},
      {"use a screw to .../turn", {{"use", "a", "screw", "to"}, {"turn"}}},
      {"%s-%s side/X-axis", {{"side"}, {"X-axis"}}},
      {"(Move %s to main clause.)", {}},
      {"%s&deg;%c/%s/%ss/0%s inch", {{"inch"}}},
      {"<uicontrol>%s</uicontrol>/in the <b>OFF</b> position", {{"in", "position"}}},
      {" Make sure/ Be careful", {{"Make", "sure"}, {"Be", "careful"}}},
      {"Give reference.", {{"Give", "reference"}}},
      {"pop-up menu/from xx to xxx", {{"pop-up", "menu"}, {"from", "to"}}},
      {"1", {}},
      {"shown on the screen/in the OFF position", {{"shown", "on", "screen"}, {"in", "position"}}},
      {"a.m./CANbus/in.-lb/same type,size,color", {{"same", "type", "size", "color"}}},
      {"do not xxxx/from xxx to yyy", {{"do", "not"}, {"from", "to"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(AdviceWords(c.advice), c.words) << c.advice;
  // A compound the dictionaries do not hold is looked up part by part.
  EXPECT_EQ(CompoundParts("X-axis"), std::vector<std::string>({"axis"}));
  EXPECT_EQ(CompoundParts("short-circuit"), std::vector<std::string>({"short", "circuit"}));
}

std::vector<std::string> Scanned(const std::string& code) {
  std::vector<std::string> texts;
  for (const AdviceText& t : ScanAdviceTexts({{"x.cpp", code}})) texts.push_back(t.text);
  return texts;
}

TEST(RuleAdvice, ScanFollowsTheTextToTheAdvice) {
  using Texts = std::vector<std::string>;
  const struct {
    const char* code;
    Texts texts;
  } cases[] = {
      // A row's column, and never its word columns or tag.
      {R"c(constexpr RuleRow kRows[] = {{.n1 = "one|two", .suggestion = "a" "b", .tag = "<AR>"}};)c", {"ab"}},
      // A builder's parameter: the argument of each call.
      {R"c(constexpr RuleRow Before(Words p, const char* text) { return {.p1 = p, .suggestion = text}; }
          constexpr RuleRow kRows[] = {Before("w*", "first"), Before("v", "second")};)c",
       {"first", "second"}},
      // A macro's parameter, a constant and a builder that sets a row's member.
      {R"c(#define MEANS(next, advice) \
            {.n1 = next, .suggestion = advice}
          constexpr const char* kRange = "range";
          RuleRow Duration(RuleRow row, const char* text) { row.suggestion = text; return row; }
          constexpr RuleRow kRows[] = {MEANS("set", "one"), Duration({.n1 = "time"}, kRange)};)c",
       {"one", "range"}},
      // Both results of a conditional, not the texts of its condition.
      {R"c(void F(WordRec* w) { WriteSuggestion(w, n.written == "mins" ? "minutes" : x ? "inch" : "foot"); })c",
       {"minutes", "inch", "foot"}},
      // A function's returns, through a variable.
      {R"c(const char* Pick(char c) { if (c == 'a') return "can"; return "(Rephrase)"; }
          void F(WordRec* w) { if (const char* advice = Pick(w->text[0])) WriteSuggestion(w, advice); })c",
       {"can", "(Rephrase)"}},
      // A member of a plain table; a format; a text formatted into a buffer.
      {R"c(struct Pair { const char* key; const char* suggestion; };
          const Pair kPairs[] = {{"display", "show"}, {"press", "push"}};
          void F(WordRec* w, const Pair* hit) {
            w->suggestion = hit->suggestion;
            FormatSuggestion(w, "the %s", w->written.c_str());
            char text[40];
            FormatBounded(text, sizeof text, "%s/for example", w->suggestion.c_str());
            WriteSuggestion(w, text);
          })c",
       {"show", "push", "the %s", "%s/for example"}},
      // A text formatted into a variable; a method that sets its own member.
      {R"c(struct Work { std::string advice; void SetAdvice(std::string_view a) { advice = std::string(a.substr(0, 83)); } };
          void F(WordRec* w, Work& work) {
            BoundedText<85> both;
            both.format("%s of/%s for", a, b);
            w->suggestion = both.view();
            work.SetAdvice("it is");
            BoundedText<84> verb(w->written.view());
            verb.append(x ? "es" : " the");
            WriteSuggestion(w, verb.view());
          })c",
       {"%s of/%s for", "it is", " the"}},
      // Texts that never reach advice.
      {R"c(void F(WordRec* w) { w->tag = "<AR>"; if (w->text == "over") w->classCode = "D***"; })c", {}},
  };
  for (const auto& c : cases) {
    Texts got = Scanned(c.code), want = c.texts;
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    EXPECT_EQ(got, want) << c.code;
  }
}

}  // namespace
