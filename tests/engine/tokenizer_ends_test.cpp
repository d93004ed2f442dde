// Texts that end in the middle of something the tokenizer looks ahead for:
// each is held in a buffer exactly its size, so that a read past the
// terminator is caught by the address sanitizer.
#include "tests/engine/tokenize_helper.h"

namespace {

TEST_F(TokenizerTest, EveryLookAheadStopsAtTheEndOfTheText) {
  const char* const endings[] = {
      "&", "&a", "&amp", "&#", "&#x2", "\"", "\"A", "\"AB CD", "\x84", "\x84Q", "\x94", "'", "'s", "\x92",
      "\x91", "\x91s", "\xAA", "<", "<!", "<!-", "<!--", "<!-- x -", "<?", "<?Pub", "<?Pub _touchup",
      "<?Pubref x?>", "<xref", "<xref>", "<xref>x</xr", "<warning>", "<b", "</para", "<term>x",
      "in", "in.", "sq.", "e.g", "e.g.", "Dr.", "10-", "10-m", "Ab-", "pre-", "anti", "(s", "(", "(1", "(12",
      "[", "[a", "{", "{a", "a(s", "a(es", "the", "the ", "the the", "The the ", ",", ", ", "1,", ":", "http:",
      "CAGE:", ";", "a;", "/", "a/", "+", "1+", "\xB0", "1\xB0", "1\xB0" "C", "\xBD", "\xB5", "\xAD", "a\xAD",
      "\x97", "\xA4", "?", " ?", "!", ".", "..", "a.", "1.", "1. ", "1. A", "o", "o ", "|", "a|", "#",
      "--", "-->", "\\", "@", "@@", "@@E", "@@EN",
  };
  for (const char* e : endings) {
    for (const std::string& text : {std::string(e), "Open " + std::string(e), "Open the " + std::string(e)}) {
      for (int warnings : {0, 1}) {
        Settings.app.showWarnings = warnings;
        std::vector<Token> tokens = TokenizeRaw(text);
        for (const Token& t : tokens) EXPECT_LE(t.written.size(), 83u) << text;
      }
    }
  }
}

}  // namespace
