#pragma once
// Advice a writer can take as given. The rules write their advice in the
// base form ("remove/clean"); put in place of "cleans up" or after "is", it
// would not read. The verb that begins an alternative takes the form of the
// flagged verb ("removes", "aligned to"), or of the "be" it replaces for its
// subject ("are running": "operate"); an alternative in another form is not
// offered; one that cannot take the form (a modal after "is" or after
// "cannot", a verb the dictionaries give no such form, "let" before the
// verb that "to" stood before, an -ing form where the check flags it) is a
// hint. So is an alternative holding a placeholder ("so that the xxx"). Nor
// is an alternative offered that would stand beside the same word it
// begins or ends with, or that the check would flag where it stands. Where
// the words open the sentence, the alternative opens with a capital.
#include <string>
#include <string_view>

#include "engine/advice_slot.h"
#include "engine/word_rec.h"

// `advice`, the advice of the finding on `w`, as a writer can take it in
// place of the words: fitted to the slot of the words `w` covers (a verb's
// form, not for a gerund's finding, whose advice takes the -ing form away;
// the "be" or modal before them); for a gerund's finding, and in place of
// any -ing word, an -ing alternative is a hint in its base form ("(make)"
// for "creating"); at a sentence's opening, an alternative whose first word
// the rules flag there ("Before" for "Prior to") is a hint; placeholders as
// hints; all hints on a part of a hyphenated word; and without an
// alternative that would stand beside the same word ("more" after "more",
// "left side" before "side") or that the rules refuse beside the words
// round it ("the this"), against the words on either side.
std::string AdviceInPlace(const WordRec& w, std::string_view advice);

// The fitting alone: `advice` put into `slot`, with the alternatives that
// the rules flag where they open the sentence as hints.
std::string FitAdvice(std::string_view advice, const AdviceSlot& slot);

// `advice`, which a rule wrote for a finding that would take in the finite
// "be" `be` and the words after it (`covers` words in all: "can" for "is
// able to", "is at" for "is kept at"), put over the words after the "be"
// alone, where the "be" stays (a finding of its own holds it): an
// alternative that keeps the "be" is offered without it ("at"); one that
// would take its place ("can", "you must") does not read after it, and is
// at most a hint.
std::string AdviceAfterKeptBe(const WordRec& be, int covers, std::string_view advice);

// The dropping of repeated words alone: `advice` between the words
// `before` and `after` of the text; with them, the alternatives the rules
// refuse beside those words ("the this", "an" before "reference", "must"
// after "they").
std::string DropRepeats(std::string_view advice, std::string_view before, std::string_view after,
                        std::string_view twoBefore = {});
