#include "engine/neighbour_tests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/word_list_fixture.h"

namespace {

// A test run on one word of a list (null: on a missing record): its answer
// and what it changed in the list.
struct Case {
  int (*test)(WordRec*);
  std::vector<WordSpec> words;
  const char* target;
  int answer;
  const char* changes = "";
  bool sentinel = true;
};

void RunCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    TestWords words(c.words, c.sentinel);
    const std::string what = words.Written() + " / " + (c.target ? c.target : "null");
    EXPECT_EQ(c.test(c.target ? words[c.target] : nullptr), c.answer) << what;
    EXPECT_EQ(words.Changes(), c.changes) << what;
  }
}

// "Use <word> <next>." with the next word of class 10 unless given.
std::vector<WordSpec> Use(const char* word, const char* next, int nextClass = 10, const char* flags = "") {
  return {{"Use", 20}, {word, 30}, {next, nextClass, nullptr, flags}, {".", 48}};
}

TEST(NeighbourTests, Cases) {
  const auto noArticle = NextNounTakesNoArticle;
  RunCases({
      // Uncountable and label nouns by stem ("button", "gas"); after a word ending in 's' the next word's last
      // letter is dropped first; multi-word entries are cut at their first blank.
      {noArticle, Use("clean", "water"), "clean", 99},
      {noArticle, Use("clean", "buttons"), "clean", 99},
      {noArticle, Use("clean", "gasket"), "clean", 99},
      {noArticle, Use("clean", "valve"), "clean", -1},
      {noArticle, Use("clean", "waters"), "clean", -1},
      {noArticle, Use("its", "waters"), "its", 99},
      {noArticle, Use("its", "water"), "its", -1},
      {noArticle, Use("clean", "heat shield"), "clean", 99},
      {noArticle, Use("clean", "Boeing", 15), "clean", 99},
      {noArticle, Use("clean", "oil", 16), "clean", 99},
      {noArticle, Use("clean", "tube", 10, "split=4"), "clean", 99},
      // A tag takes no article only after the third word.
      {noArticle, Use("clean", "<ph>"), "clean", -1},
      {noArticle, {{"a", 20}, {"b", 20}, {"c", 20}, {"d", 30}, {"<ph>", 10}}, "d", 99},
      {noArticle, {{"a", 20}}, "a", -1, "", false},
      {noArticle, {}, nullptr, -1},
      // Control nouns: "window" and "relay" are exact, "key" a stem; indicator words.
      {NextIsControlNoun, {{"the", 64}, {"windows", 10}}, "the", -1},
      {NextIsControlNoun, {{"press", 20}, {"keyboard", 10}}, "press", 1},
      {NextIsControlNoun, {{"set", 20}, {"relays", 11}}, "set", -1},
      {NextIsControlNoun, {{"press", 20}}, "press", -1},
      {NextIsControlNoun, {{"press", 20}}, "press", -1, "", false},
      {IsIndicatorWord, {{"red light", 10}}, "red light", 1},
      {IsIndicatorWord, {{"panel", 10}}, "panel", 1},
      {IsIndicatorWord, {{"lit", 31}}, "lit", -1},
      {IsIndicatorWord, {}, nullptr, -1},
      // A comma before the sentence ends; the sentinel after the comma; no sentinel.
      {ScanAheadForClass47, {{"If", 70}, {"hot", 30}, {",", 47}, {"stop", 20}, {".", 48}}, "If", 1},
      {ScanAheadForClass47, {{"stop", 20}, {".", 48}, {"Then", 50}, {",", 47}, {".", 48}}, "stop", -1},
      {ScanAheadForClass47, {{"Then", 50}, {"go", 20}, {".", 48}}, "Then", -1},
      {ScanAheadForClass47, {{"If", 70}, {"hot", 30}, {",", 47}}, "If", -1},
      {ScanAheadForClass47, {{"If", 70}, {"hot", 30}}, "If", -1, "", false},
      // Question marks: within the sentence only; a '?' written for an apostrophe is none.
      {FindQuestionMark, {{"Is", 25}, {"it", 66}, {"hot", 30}, {"?", 48}}, "Is", 1, "?: wordClass=40"},
      {FindQuestionMark, {{"Is", 25}, {"it", 66}, {".", 48}, {"hot", 30, nullptr, "pos=1"}, {"?", 48}}, "Is", -1},
      {MarkQuestionMark, {{"Is", 25}, {"it", 66}, {".", 48}, {"hot", 30, nullptr, "pos=1"}, {"?", 48}}, "Is", -1},
      {FindQuestionMark, {{"Do", 28}, {"not", 29}, {"can?t", 28}, {";", 42}, {"?", 48}}, "Do", -1},
      {MarkQuestionMark, {{"Do", 28}, {"not", 29}, {"can?t", 28}, {";", 42}, {"?", 48}}, "Do", -1},
      {MarkQuestionMark, {{"Why", 50}, {",", 47}, {"x", 40}, {"?", 48}}, "Why", 1, "?: extraFlag=*"},
      {MarkQuestionMark, {{"Why", 50}, {"x", 40}}, "Why", -1, "", false},
      {FindQuestionMark, {{"Why", 50}, {"x", 40}}, "Why", -1, "", false},
  });
}

// Month names and their abbreviations of three or more letters, as the next
// word or after a number.
TEST(NeighbourTests, NextIsMonth) {
  const struct {
    const char* next;
    const char* after;
    int answer;
  } cases[] = {
      {"jan", "2020", 99}, {"January", "2020", 99}, {"sept", "2020", 99}, {"dec", ".", 99}, {"12", "mar", 99},
      {"12", "may", 99},   {"j", "2020", -1},       {"ja", "2020", -1},   {"a", "valve", -1}, {"no", "means", -1},
      {"d", "x", -1},      {"ma", "x", -1},         {"janx", "x", -1},    {"12", "ma", -1},   {"12", "hours", -1},
      {"jane", "x", -1},
  };
  for (const auto& k : cases) {
    TestWords words({{"by", 65}, {k.next, 40}, {k.after, 40}});
    EXPECT_EQ(NextIsMonth(words["by"]), k.answer) << k.next << ' ' << k.after;
  }
  RunCases({
      {NextIsMonth, {{"by", 65}}, "by", -1},                          // the sentinel follows
      {NextIsMonth, {{"on", 60}, {"12", 49}}, "on", -1, "", false},  // the number is the last record
  });
}

}  // namespace
