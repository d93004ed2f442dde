#pragma once
// The label words a colon may follow without a finding ("Warning:",
// "Tel:", "as follows:").
#include "rules/common/words.h"
#include "rules/main_pass/sentence_state.h"

inline constexpr Words LabelWords =
    "warning|caution|danger|poison|follow|include|important|precaution|tel|fax|shown|below|"
    "question|answer|website|email|telephone|as follows|note|notice|mob|mobile|notes|contact";

// Whether `w` is a label word; the search leaves 99 in scratchIndex on a
// hit, else the number of label words.
bool IsLabelWord(const WordRec& w, SentenceStateRec& state);
