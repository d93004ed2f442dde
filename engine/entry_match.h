#pragma once
// Matching one dictionary entry against the word under check (and, for
// multi-word entries, the words after it).
//
// An entry, as it stands in its run (the digram's two letters dropped; a
// two-letter word spelt whole), is a word part and a data part, ended by '|':
//
//   lve 1014                 plain word: blank, code, optional suggestion
//   lve 31521 use this       a suggestion follows a five-character code
//   lve 1014>                '>' marks a variant that has a preferred synonym
//   tter! 1014               '!' stem: -y/-ies, or -h/-o/-s/-x with -es
//   lve$ 1014                '$': the word, or the word + "s"
//   ean@ 30                  '@' adjective stem: -er, -est, -ly (code replaced)
//   mov^21 remove            verb stem: mark '&', '?' or '^', then the class
//                            digit and the inflection code letter; or a
//                            five-character form 3MM2C followed by a blank
//   rr^+out 35 do            phrasal verb: stem "^+", the particle words
//                            joined by '+', a blank, '2' (approved) or '3'
//                            (PHRASAL VERB) and the stem's code letter, then
//                            an optional blank and suggestion
//   lve+seat 1014            '+' continues with the next word of the text
//   ...%%extra               what follows "%%" up to '|' is not read
//
// An entry whose word part begins with a mark ("!$&?^@") is the stem of a
// two-letter digram: the digram itself is the stem.
#include "engine/word_rec.h"

// 99 when the entry matches, 6 when it matches and is a variant, -1 when it
// does not. Mode 2 lets a '!' stem continue into the next word; `flags`
// non-zero marks a plural noun code with '1' in its third place. Sets
// Lookup.MatchExtraWords to the number of following words consumed; a
// phrasal verb merges its particle records itself and leaves it at 0.
int MatchInflectedWord(WordRec* word, const char* entry, int mode, int flags, int slot);
