#pragma once
// Verbs whose past and past participle no inflection code letter gives
// ("make": "made"; "do": "did", "done"), for the advice that names them.
#include <string_view>

struct IrregularVerb {
  std::string_view base;
  std::string_view past;
  std::string_view participle;
  std::string_view ing;  // empty: the -ing form its code letter gives
};

// The forms of the verb whose base form is `base`, or null.
const IrregularVerb* FindIrregularVerb(std::string_view base);
