#pragma once
// The longer rules of the second-rule pass, one function per subclass.
#include "engine/word_rec.h"

namespace second_rules {

void NounUsedAsVerb(WordRec* w);   // subclass 12
void ClusterNoun(WordRec* w);      // subclass 14
void NeedsOfOrFor(WordRec* w);     // subclass 72
void HeightAndSide(WordRec* w);    // subclass 75

}  // namespace second_rules
