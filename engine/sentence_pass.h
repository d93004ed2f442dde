#pragma once
// The first rule pass of a check: numbers the words of each sentence,
// counts the words each token stands for, and settles the words that the
// lookup left open (words outside the dictionaries, nouns used as verbs,
// wrong choices, and codes that the context makes wrong).

// Walks the module-wide word list from its head to the sentinel (or to the
// end of a list without one).
void RunSentencePass();
