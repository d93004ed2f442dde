#pragma once
// Yes-or-no tests on the words around a word. Each answers with the value
// its callers compare with: 99 or 1 for yes, -1 for no. A missing neighbour
// or the sentinel answers no.
#include "engine/word_rec.h"

// 99 when the next word takes no article (uncountable and label nouns,
// names, materials...), else -1.
int NextNounTakesNoArticle(WordRec* word);

// 1 when the next word names a control or a user-interface item, else -1.
int NextIsControlNoun(WordRec* word);

// 1 when the word names an indicator (light, lamp, panel, LED, button), else -1.
int IsIndicatorWord(WordRec* word);

// 99 when the next word is a month name or an abbreviation of three or more
// of its letters, or a number followed by one; else -1.
int NextIsMonth(WordRec* word);

// 1 when a comma follows before the end of the sentence, else -1.
int ScanAheadForClass47(WordRec* word);

// Looks ahead in the sentence for a '?'; a '?' found becomes class 40 with
// subClass 0 and the answer is 1; otherwise -1.
int FindQuestionMark(WordRec* word);

// Looks ahead for a '?' before a full stop, colon, semicolon or the end; a
// '?' found gets extraFlag '*' and the answer is 1; otherwise -1.
int MarkQuestionMark(WordRec* word);
