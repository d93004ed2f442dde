#pragma once
// Module-wide state of the dictionary lookup.

struct LookupState {
  // Number of words after the current one that a multi-word entry consumed
  // during the last match; -1 after the lookup merged them.
  int MatchExtraWords = 0;
  void Reset() { *this = LookupState{}; }
};
extern LookupState Lookup;
