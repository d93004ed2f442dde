#pragma once
// Advice for a verb in the form of its place. The rules write their advice
// in the base form ("remove/clean"); put in place of "cleans up" or after
// "is", it would not read. The verb that begins an alternative takes the
// form of the flagged verb ("removes", "aligned to"); an alternative in
// another form than that is not offered; one that cannot take the form (a
// modal after "is", a verb the dictionaries give no such form) is a hint.
#include <string>
#include <string_view>

#include "engine/word_rec.h"

// The advice of `w`, a verb of the classes 20 to 23 or a participle (31),
// fitted to its form: the suggestion is rewritten in place. Nothing changes
// for a word of another class, for a verb in its base form and for advice
// that names no verb.
void FitAdviceToForm(WordRec* w);

// The same on an advice text for a verb in `form` (kForm... of
// inflection.h), `afterBe` when a form of "be" stands right before the
// verb: the fitted advice.
std::string FitAdvice(std::string_view advice, int form, bool afterBe);
