#include "engine/dict_run_index.h"

#include <algorithm>
#include <new>

#include "engine/ascii_text.h"

namespace {

// Marks that begin the entry of a two-letter stem; the lookups try such an
// entry with every word of the run.
constexpr const char* kEntryMarks = "!#$&?@^";

unsigned char First(const char* entry) { return static_cast<unsigned char>(entry[0]); }

void ListRun(RunIndex& r, const char* run, int count) {
  r.run = run;
  r.count = count;
  const char* p = run;
  for (int i = 0; p != nullptr && i < count; ++i, p = NextDictEntry(p)) {
    if (*p == '\0') break;  // the end of the dictionary text
    r.entries.push_back(p);
  }
  const std::size_t n = r.entries.size();  // at most 32767: counts are positive 16-bit numbers
  r.byFirst.resize(n);
  for (std::size_t i = 0; i < n; ++i) r.byFirst[i] = static_cast<std::uint16_t>(i);
  std::stable_sort(r.byFirst.begin(), r.byFirst.end(), [&](std::uint16_t a, std::uint16_t b) {
    return First(r.entries[a]) < First(r.entries[b]);
  });
  for (std::size_t i = 0; i < n;) {
    const unsigned char c = First(r.entries[r.byFirst[i]]);
    std::size_t end = i;
    while (end < n && First(r.entries[r.byFirst[end]]) == c) ++end;
    r.groups.push_back({c, static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(end)});
    i = end;
  }
  for (std::size_t i = 0; i < n; ++i)
    if (CharIn(r.entries[i][0], kEntryMarks)) r.marked.push_back(static_cast<std::uint16_t>(i));
}

}  // namespace

const char* NextDictEntry(const char* p) {
  while (*p != '\0' && *p != '|') ++p;
  return *p == '|' ? p + 1 : nullptr;
}

void FreeRunIndexes(int slot) {
  if (slot < 0 || slot >= kDictCount) return;
  for (DigramNode* node = Dictionaries.DigramIndex; node; node = node->next) node->runIndex[slot] = nullptr;
  std::vector<RunIndex>().swap(Dictionaries.runIndexes[slot]);
}

void BuildRunIndexes(int slot) {
  FreeRunIndexes(slot);
  if (slot < 0 || slot >= kDictCount) return;
  std::vector<RunIndex>& lists = Dictionaries.runIndexes[slot];
  try {
    std::size_t runs = 0;
    for (const DigramNode* node = Dictionaries.DigramIndex; node; node = node->next)
      if (DictRun(node, slot) != nullptr) ++runs;
    lists.reserve(runs);  // the nodes point into it: it must not move
    for (DigramNode* node = Dictionaries.DigramIndex; node; node = node->next) {
      const char* run = DictRun(node, slot);
      if (run == nullptr) continue;
      lists.emplace_back();
      ListRun(lists.back(), run, RunEntryCount(node, slot));
    }
  } catch (const std::bad_alloc&) {
    FreeRunIndexes(slot);
    return;
  }
  std::size_t i = 0;
  for (DigramNode* node = Dictionaries.DigramIndex; node; node = node->next)
    if (DictRun(node, slot) != nullptr) node->runIndex[slot] = &lists[i++];
}

const RunIndex* RunIndexFor(const DigramNode* node, int slot, const char* run, int count) {
  if (node == nullptr || slot < 0 || slot >= kDictCount) return nullptr;
  const RunIndex* index = node->runIndex[slot];
  if (index == nullptr || index->run != run || index->count != count) return nullptr;
  return index;
}

RunCandidates::RunCandidates(const RunIndex& index, char third, bool all, const char* marks)
    : index_(index), marks_(marks), third_(third), all_(all) {
  if (all_) return;
  const auto c = static_cast<unsigned char>(third);
  auto g = std::lower_bound(index.groups.begin(), index.groups.end(), c,
                            [](const RunIndex::Group& group, unsigned char k) { return group.first < k; });
  if (g != index.groups.end() && g->first == c) {
    next_ = g->begin;
    groupEnd_ = g->end;
  }
}

const char* RunCandidates::Next() {
  const RunIndex& r = index_;
  if (all_) return next_ < r.entries.size() ? r.entries[next_++] : nullptr;
  // A marked entry that begins with the word's own letter is in the group.
  while (nextMarked_ < r.marked.size()) {
    const char f = r.entries[r.marked[nextMarked_]][0];
    if (f != third_ && CharIn(f, marks_)) break;
    ++nextMarked_;
  }
  const bool inGroup = next_ < groupEnd_;
  const bool marked = nextMarked_ < r.marked.size();
  if (inGroup && (!marked || r.byFirst[next_] < r.marked[nextMarked_])) return r.entries[r.byFirst[next_++]];
  if (marked) return r.entries[r.marked[nextMarked_++]];
  return nullptr;
}
