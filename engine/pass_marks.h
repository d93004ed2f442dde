#pragma once
// Small record edits that the rule passes share.
#include "engine/word_rec.h"

namespace pass {

// subClass, message and message2 become 0 (a missing record is left alone).
inline void ClearCodes(WordRec* w) {
  if (w) w->subClass = w->message = w->message2 = 0;
}
// The word class and the class code, set together.
inline void SetClass(WordRec* w, int wordClass, const char* classCode) {
  w->wordClass = wordClass;
  w->classCode = classCode;
}
// Codes cleared, then a new word class and class code.
inline void Reclass(WordRec* w, int wordClass, const char* classCode) {
  ClearCodes(w);
  SetClass(w, wordClass, classCode);
}
// subClass, message and message2 all become `code` (set directly, rule id kept).
inline void SetCodes(WordRec* w, int code) { w->subClass = w->message = w->message2 = code; }
// Overwrites the first character of the class code (the word family).
inline void SetFamily(WordRec* w, char c) { w->classCode.set(0, c); }
// Class 10, or 11 for a word whose text ends in 's'.
inline void NounForm(WordRec* w) { w->wordClass = w->lastLetter == 's' ? 11 : 10; }

}  // namespace pass
