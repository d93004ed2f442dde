#pragma once
// The function-word rules: the rules of the closed word classes 50 to 80,
// applied to one word on behalf of the main rule pass.
#include "engine/word_rec.h"
#include "rules/common/rule_context.h"

// Applies the rules of the word's class to `word` (not the end record, no
// finding yet) and returns the resume word: the word after which the main
// pass goes on, never beyond the end record. `head` is the first record of
// the text. Reads and writes the module-wide SentenceState.
WordRec* ApplyFunctionWordRules(WordRec* word, WordRec* head);

// The same on a context of the caller's (its state and settings); the
// context's word becomes the resume word.
WordRec* ApplyFunctionWordRules(RuleContext& c);

// The body the dispatch picks for a class, for tests: null for the classes
// that end at once or become neutral.
using FunctionWordBody = Walk (*)(RuleContext&);
FunctionWordBody FunctionWordBodyFor(int wordClass);
