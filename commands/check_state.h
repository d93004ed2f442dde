#pragma once
// Module-wide state of the checking commands that outlives one call.
// Element ids, the walk cursor and the start tags live in `Cursor`
// (engine/word_rec.h); this holds the rest.
#include <string>

#include "platform/bounded_text.h"

struct CheckState {
  bool editTitleSet = false;          // the window title was extended once
  BoundedText<260> documentPath;      // doc_path() of the last check
  int trackChangesWasOn = 0;          // 1 while a check holds change tracking off
  BoundedText<16000> elementText;     // text of the element or selection under check
  int markersRemoved = 0;             // markers the last removal of all took out
  BoundedText<80> markScope;          // set: the marking stays inside this element
  int markedCount = 0;                // markers the last marking wrote into the document
  // The host's characters between where the marking starts (the start of
  // the element it goes to) and the start of the checked text.
  std::size_t checkedTextLead = 0;
  void Reset() { *this = CheckState{}; }
};
extern CheckState Check;
