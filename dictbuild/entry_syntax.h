#pragma once
// The data part that each kind of entry must carry, checked as the writer
// reads a source line, so that an entry the matcher would misread is refused
// before it is written.
//
//   valve 1014                plain: a blank, the code, then optionally '>'
//   approximately 30150 about   (variant) and a blank and the suggestion
//   battery! 1014             '!' plural stem: a blank and the code (or '+'
//   battery!+cover 1014         and the next word of a multi-word entry)
//   valve$ 1014               '$': a blank and the code
//   clean@ 30                 '@' adjective: nothing, or a blank and the code
//   remov^21 remove           '&', '?', '^' verb stem: the class digit and the
//   utiliz^30021 use            inflection code letter, or a five-character
//                               code 3MM2C (message, class digit 2, letter)
//                               that a blank must follow
//   carr^+out 35 do           "^+" phrasal verb: the particle words joined by
//                               '+', a blank, '2' (approved) or '3' (PHRASAL
//                               VERB) and the stem's inflection code letter,
//                               then optionally a blank and the suggestion
#include <string>
#include <string_view>

// Empty when `entry` (a source line's entry, as typed) is well formed, else
// what is wrong with it.
std::string CheckEntrySyntax(std::string_view entry);
