#pragma once
// The current finding: the marker at the caret as showing a finding read it
// back, kept for its context menu. Nothing else reads or writes it.
#include <string>

#include "platform/bounded_text.h"

struct CurrentFindingState {
  // The host's selection after the element at the caret was selected (its
  // first 380 characters); the menu reuses it for one command.
  BoundedText<384> CurrentSelectionText;
  BoundedText<128> CurrentMarkedWord;  // the flagged text
  BoundedText<256> CurrentAdvice;      // the advice, a fixed hint, or empty
  int CurrentCategory = 0;             // message code - 300
  int CurrentMarkerNumber = 0;
  // The menu's first line, composed from the finding.
  BoundedText<256> ContextMenuText;
  void Reset() { *this = CurrentFindingState{}; }
};
extern CurrentFindingState Finding;

// How many characters of the selection the finding keeps.
inline constexpr std::size_t kSelectionTextKept = 380;
