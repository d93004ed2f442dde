#pragma once
// Runs the tokenizer on a short text and copies the word list out, so that
// tests compare plain values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"

struct Token {
  std::string text;
  std::string written;
  std::string tag;
  std::string suggestion;
  int tokenKind = 0;
  int wordClass = 0;
  int subClass = 0;
  int message = 0;
  int sentencePos = 0;
  int sentenceLength = 0;
  char markFlag = '0';
  char separatorFlag = ' ';
  char verbForm = ' ';
  char extraFlag = ' ';
  char splitKind = '0';
  bool markupBefore = false;
};

class TokenizerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WordList.Reset();
    Tokenizer.Reset();
    Settings.Reset();
  }
  void TearDown() override {
    WordList.Reset();
    Settings.Reset();
  }

  // The text exactly as given.
  std::vector<Token> TokenizeRaw(const std::string& text) {
    std::vector<char> buf(text.begin(), text.end());
    buf.push_back('\0');
    TokenizeText(buf.data(), 0, 1);
    std::vector<Token> out;
    const WordRec* prev = nullptr;
    for (const WordRec* w = WordList.head; w; prev = w, w = w->next) {
      EXPECT_EQ(w->prev, prev);
      out.push_back(Token{w->text.str(), w->written.str(), w->tag.str(), w->suggestion.str(),
                          w->tokenKind, w->wordClass, w->subClass, w->message, w->sentencePos,
                          w->sentenceLength, w->markFlag, w->separatorFlag, w->verbForm,
                          w->extraFlag, w->splitKind, w->markupBefore});
    }
    WordList.Reset();
    return out;
  }
  // The text as the reading commands pass it: ". @@END" appended.
  std::vector<Token> Tokenize(const std::string& body) { return TokenizeRaw(body + ". @@END"); }

  // The written texts of the records, sentinel included.
  std::vector<std::string> Written(const std::string& body) { return WrittenOf(Tokenize(body)); }
  static std::vector<std::string> WrittenOf(const std::vector<Token>& tokens) {
    std::vector<std::string> out;
    for (const Token& t : tokens) out.push_back(t.written);
    return out;
  }

  // The first record written `written`; fails the test when there is none.
  static Token Find(const std::vector<Token>& tokens, const std::string& written) {
    for (const Token& t : tokens)
      if (t.written == written) return t;
    ADD_FAILURE() << "no record written \"" << written << "\"";
    return Token{};
  }
};

using Words = std::vector<std::string>;
