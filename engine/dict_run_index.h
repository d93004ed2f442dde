#pragma once
// Each dictionary run listed once at load, and the entries of a listed run
// that a word is tried with, read from that list in the run's order.
#include <cstddef>

#include "engine/dict_store.h"

// The entry after the next '|'; null at the end of the text, so a run whose
// last entry lacks its '|' ends there.
const char* NextDictEntry(const char* entry);

// Lists every run of `slot` (its text in place) and points the nodes at the
// lists, dropping an earlier listing of the slot. When memory runs out no
// run of the slot is listed and lookups read the runs' text.
void BuildRunIndexes(int slot);

// Drops the slot's listing and the nodes' pointers to it.
void FreeRunIndexes(int slot);

// The listing of the run that starts at `run` with `count` entries at the
// node's slot; null when that run was not listed so.
const RunIndex* RunIndexFor(const DigramNode* node, int slot, const char* run, int count);

// The entries of a listed run whose first character is `third` or one of
// `marks`, or every entry when `all`, in run order:
//   RunCandidates c(*index, word[2], twoLetters, "!$&?^");
//   while (const char* entry = c.Next()) ...
class RunCandidates {
 public:
  RunCandidates(const RunIndex& index, char third, bool all, const char* marks);
  const char* Next();  // null after the last

 private:
  const RunIndex& index_;
  const char* marks_;
  char third_;
  bool all_;
  std::size_t next_ = 0;      // every entry: the next one; else the next of the group
  std::size_t groupEnd_ = 0;
  std::size_t nextMarked_ = 0;
};
