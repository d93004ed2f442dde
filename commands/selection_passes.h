#pragma once
// The engine's passes of a selection check over ElementText: the word list
// built afresh from the text, the selection check's own classification of
// the words, every rule pass in the fixed order, and the findings collected.
// Returns the number of findings, or -1 when the text gave no word list.
int RunSelectionPasses();
