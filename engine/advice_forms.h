#pragma once
// Advice a writer can take as given. The rules write their advice in the
// base form ("remove/clean"); put in place of "cleans up" or after "is", it
// would not read. The verb that begins an alternative takes the form of the
// flagged verb ("removes", "aligned to"), or of the "be" it replaces for its
// subject ("are running": "operate"); an alternative in another form is not
// offered; one that cannot take the form (a modal after "is" or after
// "cannot", a verb the dictionaries give no such form, "let" before the
// verb that "to" stood before) is a hint. So is an alternative holding a
// placeholder ("so that the xxx"). Nor is an alternative offered that would
// stand beside the same word it begins or ends with. Where the words open
// the sentence, the alternative opens with a capital.
#include <string>
#include <string_view>

#include "engine/advice_slot.h"
#include "engine/word_rec.h"

// `advice`, the advice of the finding on `w`, as a writer can take it in
// place of the words: fitted to the slot of the words `w` covers (a verb's
// form, not for a gerund's finding, whose advice takes the -ing form away;
// the "be" or modal before them); placeholders as hints; all hints on a
// part of a hyphenated word; and without an alternative that would stand
// beside the same word ("more" after "more", "left side" before "side"),
// against the words on either side.
std::string AdviceInPlace(const WordRec& w, std::string_view advice);

// The fitting alone: `advice` put into `slot`.
std::string FitAdvice(std::string_view advice, const AdviceSlot& slot);

// The dropping of repeated words alone: `advice` between the words
// `before` and `after` of the text.
std::string DropRepeats(std::string_view advice, std::string_view before, std::string_view after);
