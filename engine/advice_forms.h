#pragma once
// Advice a writer can take as given. The rules write their advice in the
// base form ("remove/clean"); put in place of "cleans up" or after "is", it
// would not read. The verb that begins an alternative takes the form of the
// flagged verb ("removes", "aligned to"); an alternative in another form is
// not offered; one that cannot take the form (a modal after "is", a verb the
// dictionaries give no such form) is a hint. Nor is an alternative offered
// that would stand beside the same word it begins or ends with, or that the
// check would flag where it stands.
#include <string>
#include <string_view>

#include "engine/word_rec.h"

// `advice`, the advice of the finding on `w`, as a writer can take it in
// place of the words: where `w` is a verb of the classes 20 to 23 or a
// participle (31), fitted to its form; for a gerund's finding, whose advice
// is there to take the -ing form away, an -ing alternative is a hint in its
// base form ("(make)" for "creating"), as for any -ing word; at a
// sentence's opening, an alternative whose first word the rules flag there
// ("Before" for "Prior to") is a hint; and without an alternative that
// would stand beside the same word ("more" after "more", "left side" before
// "side") or that the rules refuse beside the words round it ("the this"),
// against the words on either side of the words `w` covers.
std::string AdviceInPlace(const WordRec& w, std::string_view advice);

// The fitting to a verb's form alone: `advice` for a verb in `form`
// (kForm... of inflection.h), `afterBe` when a form of "be" stands right
// before the verb.
std::string FitAdvice(std::string_view advice, int form, bool afterBe);

// The dropping of repeated words alone: `advice` between the words
// `before` and `after` of the text; with them, the alternatives the rules
// refuse beside those words ("the this", "an" before "reference", "must"
// after "they").
std::string DropRepeats(std::string_view advice, std::string_view before, std::string_view after);

// `advice` with every plain alternative shown as a hint, for a marker that
// no longer holds all the words the advice replaces.
std::string AdviceAsHints(std::string_view advice);
