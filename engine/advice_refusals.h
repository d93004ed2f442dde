#pragma once
// Alternatives that the rules would flag where they are put in: beside the
// words round them ("the this", "an" before "reference"), or where they
// open the sentence ("Before" for "Prior to"). Such an alternative is not
// offered, or is shown as a hint.
#include <string_view>

// Whether the check flags the alternative `alt` where it opens a sentence,
// `next` the word of the text after it: "but", "because", "so" and "with"
// there, a time conjunction but before a pronoun ("If you", "When it"),
// and a preposition of class 60 but one in "b" ("Below the cover, ...").
bool FlaggedOpening(std::string_view alt, std::string_view next);

// Whether the rules refuse the alternative `alt` between the words
// `before` and `after` (`twoBefore` the word before `before`): a second
// determiner ("the this", "any these") or a plural after "a" or "each";
// "a" before a vowel and "an" before a consonant (but a name spelled out:
// "an NVM"); "may", "might" or "must" after "they", which the rules of
// "they" make "can"; a noun or an adjective after a "You" that opens the
// sentence (`twoBefore` empty); a quantity without its noun ("more," or "many and");
// "again" before a comma, which the rules delete; "be" with "of" or "from"
// and "a" ("are from a"); a pair that a rule flags wherever it stands ("any
// other", "to check", "start with"); and a preposition that ends the
// sentence.
bool RefusedBeside(std::string_view alt, std::string_view before, std::string_view after,
                   std::string_view twoBefore = {});
