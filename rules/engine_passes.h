#pragma once
// The engine's passes over the word list of one check, in their fixed
// order, shared by the document check, the selection check and the quality
// score: the classification loop (dictionary lookup, numbers, tags and
// compound words), the sentence pass, the resolution of ambiguous classes,
// the main rules, the second rules, the finishing pass and the collection of
// the findings into MessageList.
#include "engine/word_rec.h"

// The two checks classify the words in slightly different ways before the
// passes proper.
enum class CheckScope {
  Document,   // the document check and the quality score
  Selection,  // the selection check
};

// The classification loop of a check over the list from `head` to the
// sentinel: every word is looked up; words that no dictionary holds are
// made neutral tokens, numbers, or handed to the compound-word check.
void ClassifyWords(WordRec* head, CheckScope scope);

// Runs every pass over the module-wide word list (built by the tokenizer)
// and fills MessageList, which it empties first. Returns the number of
// findings collected; 0 for an empty list.
int RunEnginePasses(CheckScope scope);

// The same passes without the collection: the findings stay on the word
// records as the finishing pass left them, for the quality score to count.
// MessageList is emptied.
void RunRulePasses(CheckScope scope);
