// The rules of the determiners inside their sentence, by word.
#include "rules/main/determiner_word_rules.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyDeterminerWordRules(RuleContext&) { return Walk::Next; }
