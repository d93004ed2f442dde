#include "engine/neighbours.h"

#include <gtest/gtest.h>

#include "engine/tokenizer.h"
#include "tests/support/word_list_fixture.h"

namespace {

TEST(Neighbours, StopAtTheEndsOfTheList) {
  TestWords words({"open", "the", "valve"});
  WordRec* first = words.head();
  EXPECT_EQ(Next(first, 2)->text, "valve");
  EXPECT_EQ(Next(first, 4), nullptr);
  EXPECT_EQ(Prev(first), nullptr);
  EXPECT_TRUE(IsSentinel(Next(first, 3)));
  EXPECT_TRUE(AtEnd(Next(first, 3)));
  EXPECT_TRUE(AtEnd(Next(first, 9)));
  EXPECT_FALSE(AtEnd(first));
  EXPECT_EQ(NextOr(first, 9).text, "");
  EXPECT_EQ(PrevOr(first).wordClass, 0);
  EXPECT_EQ(PrevOr(Next(first), 1).text, "open");
  EXPECT_EQ(Next(nullptr), nullptr);
}

// A word's neighbours lie in its own block: the mark that ends a block is
// read, the words past it are not, but one step from any record reaches the
// record beside it.
TEST(Neighbours, StopAtABlocksEnd) {
  TestWords words({"open", "it", ".", "Key", "switch"});
  WordRec* it = Next(words.head());
  WordRec* end = Next(it);
  end->endsBlock = true;
  EXPECT_EQ(Next(it), end);
  EXPECT_EQ(Next(it, 2), nullptr);
  EXPECT_EQ(NextOr(words.head(), 3).text, "");
  EXPECT_EQ(Next(end)->text, "key");
  EXPECT_EQ(Next(end, 2)->text, "switch");
  WordRec* key = Next(end);
  EXPECT_EQ(Prev(key), end);
  EXPECT_EQ(Prev(key, 2), nullptr);
  EXPECT_EQ(PrevOr(Next(key), 3).text, "");
  EXPECT_EQ(Prev(end)->text, "it");
}

// A word begins apart after white space, a start tag, or a bracket or
// quotation mark that stands apart itself, and after an index entry that
// does; not as the rest of a word that markup or a sign began. The word is
// the one at '|' in the checked text.
TEST(Neighbours, StandsApart) {
  const struct {
    const char* text;
    bool apart;
  } cases[] = {
      {"Use (|verbose) now", true},  {"a \"(|default)\"", true},    {"&ldquo;|Stop&rdquo;", true},
      {"<b>|Stop</b>", true},        {"x <indexterm>i</indexterm>|gives", true},
      {"--user=[|DOMAIN", false},    {"<tag>x</tag>'|s", false},   {"x&quot;|word", false},
      {"<tag>row</tag>|s", false},   {"x<indexterm>i</indexterm>|gives", false},
  };
  for (const auto& c : cases) {
    const std::string text = c.text;
    const std::size_t at = text.find('|');
    CheckedText.text = text.substr(0, at) + text.substr(at + 1);
    WordRec w;
    w.place = static_cast<std::int32_t>(at);
    EXPECT_EQ(StandsApart(w), c.apart) << c.text;
  }
  CheckedText.Reset();
}

// The rest of a word the tokenizer or the compound check cut right after
// the word at '|', whose written form is the text up to '^'.
TEST(Neighbours, RestOfWordAfter) {
  const struct {
    const char* text;
    const char* rest;
  } cases[] = {
      {"|They^'ll go", "'ll"},  {"|That^'s it", "'s"},     {"|O^\x92Reilly", "\x92Reilly"},
      {"|PLUG^-IN units", "-IN"}, {"|valves^' caps", ""},  {"|pump^ now", ""},
      {"a |pump^-", ""},         {"|it^", ""},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    const std::size_t at = text.find('|');
    text.erase(at, 1);
    const std::size_t end = text.find('^');
    text.erase(end, 1);
    CheckedText.text = text;
    WordRec w;
    w.place = static_cast<std::int32_t>(at);
    w.written = text.substr(at, end - at);
    EXPECT_EQ(RestOfWordAfter(w), c.rest) << c.text;
  }
  WordRec nowhere;
  nowhere.written = "They";
  EXPECT_EQ(RestOfWordAfter(nowhere), "");
  CheckedText.Reset();
}

}  // namespace
