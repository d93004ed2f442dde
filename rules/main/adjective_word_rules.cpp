// The rules of the adjectives inside their sentence, by word.
#include "rules/main/adjective_word_rules.h"

// Not built yet: the walk goes on with the next word.
Walk ApplyAdjectiveWordRules(RuleContext&) { return Walk::Next; }
