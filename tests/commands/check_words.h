#pragma once
// The small vocabulary of the document-check tests: enough words for a clean
// sentence, a word with a preferred synonym, and room for unknown words.
namespace check_words {

inline constexpr const char* kTechnical =
    "name: TECHNICAL\nsecond-name: tec\nversion: 1.0\n\n"
    "valve$ 1014\npump$ 1014\ncover$ 1014\n";
inline constexpr const char* kCore =
    "name: CORE\nsecond-name: ste\nversion: 1.0\n\n"
    "remov^21\nclos^21\nturn^21\nstop^21\nslowly 60\nthen 60\nand 80\nit 50\nis 10\nan 80\n";
inline constexpr const char* kSynonym =
    "name: SYNONYM\nsecond-name: syn\nversion: 1.0\n\n"
    "shut 30120 close\n";
inline constexpr const char* kSettings =
    "KESta|TEC(technical),STE(core),SYN(synonym)|wDEF1|Writer|Kesta Project|SHO|end\n";

}  // namespace check_words
