#include "engine/message_codes.h"

#include <cstring>

const char* const MessageClassNames[kMessageClassCount] = {
    "WRONG VERB",        "WRONG CHOICE",   "AWKWARD",           "AGREEMENT",
    "DELETE",            "MEASUREMENT",    "CHANGE-TO-VERB",    "PRODUCT LIABILITY",
    "NUMBER",            "ABBREVIATION",   "APOSTROPHE",        "SPELLING",
    "PRONOUN",           "TRANSLATION",    "TERMINOLOGY",       "PHRASAL VERB",
    "CAPITALIZATION",    "HYPHENATION",    "COMMA",             "PREFIX-SUFFIX",
    "MISSING REFERENCE", "REPHRASE",       "CHANGE-TO-NOUN",    "NAME-LABEL",
    "WRONG MEANING",     "NOT-IN-DICTIONARY", "STYLE",          "ADJECTIVE",
    "SENTENCE LENGTH",   "PARALLEL",       "PASSIVE VOICE",     "PREPOSITION",
    "THAT-WHICH",        "ADVERB",         "NEGATIVE",          "VERB TENSE",
    "WORD CLUSTER",      "PUNCTUATION",    "GERUND",            "(NOT USED)",
    "       ",
};

const char* MessageClassName(MessageCode code) {
  if (code < Msg::First || code > Msg::Last) return nullptr;
  return MessageClassNames[code - Msg::First];
}

// A sentence-length finding is not hung on numbers, references or markup.
bool RefusesSentenceLength(const WordRec& word) {
  static constexpr const char* kRefused = "$0123456789:+{}[]()=%_\"';^#!";
  for (char c : word.text.view())
    if (std::strchr(kRefused, c) != nullptr) return true;
  return false;
}

void SetWordMessage(WordRec* word, int code, int ruleId) {
  if (word == nullptr) return;
  if (code != Msg::SentenceLength) {
    word->subClass = 0;
    word->message = 0;
    word->message2 = 0;
  }
  if (word->verbForm == 'q') return;
  word->ruleId = ruleId;
  if (code < Msg::First || code > Msg::Last) return;
  if (code == Msg::SentenceLength) {
    if (RefusesSentenceLength(*word)) return;
    if (word->message > 299) word->message2 = word->message;
    word->message = Msg::SentenceLength;
    return;
  }
  word->message = code;
}
