#pragma once
// The loaded dictionaries: each slot's entry text, the descriptors read from
// the file headers, and the digram index that maps the first two letters of a
// word to the run of its entries in each dictionary.
//
// Entry text of a slot (after unmasking) is one NUL-terminated block of
// entries separated by '|'. A run holds the entries of one digram; its entries
// are stored without the two letters of the digram (see dict_file.h).
//
// Lookup, in short:
//   const DigramNode* node = FindDigramNode(word.text.c_str());
//   for (int d = 0; node && d < kDictCount; ++d)
//     if (RunEntryCount(node, d) > 0) scan RunEntryCount(node, d) entries from DictRun(node, d);
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/bounded_text.h"

// Slots, searched in this order.
constexpr int kTechnicalDict = 0;
constexpr int kCoreDict = 1;
constexpr int kSynonymDict = 2;
constexpr int kDictCount = 3;

// What an element of a node holds when that dictionary has no run for the key.
constexpr std::uint32_t kAbsentRun = 0xFFFFFFFFu;
constexpr std::uint16_t kAbsentCount = 0xFFFF;

struct RunIndex;

// One key of the digram index. `next` comes first: the index is a list of
// separately allocated blocks that each begin with the pointer to the next,
// so shut-down can free it with FreeBlockList.
struct DigramNode {
  DigramNode* next;
  DigramNode* prev;
  char key[3];                                 // two letters and a NUL
  std::uint32_t runOffset[kDictCount];         // from the start of the slot's text
  std::uint32_t thirdNumber[kDictCount];       // kept, read by nothing
  std::uint16_t entryCount[kDictCount];        // 0xFFFF (-1 as signed) when absent
  // The slot's run listed at load (dict_run_index.h); null until then, and
  // for a node made by hand.
  const RunIndex* runIndex[kDictCount];
};

// A run's entries, listed once at load so that a lookup goes straight to the
// entries that can match a word instead of reading the run's text through.
// It holds for the run it was built from, with the entry count given then.
struct RunIndex {
  const char* run = nullptr;
  int count = 0;
  std::vector<const char*> entries;  // every entry of the run, in order
  // Entry numbers grouped by their first character, in run order within
  // each group; `groups` sorted by that character.
  struct Group {
    unsigned char first;
    std::uint16_t begin;  // into byFirst
    std::uint16_t end;
  };
  std::vector<std::uint16_t> byFirst;
  std::vector<Group> groups;
  // The entries that begin with a mark ("!#$&?@^"), in run order.
  std::vector<std::uint16_t> marked;
};

struct DictDescriptor {
  BoundedText<48> name;
  BoundedText<28> secondName;
  BoundedText<28> version;
};

// Module-wide: filled by LoadDict at start-up, freed at shut-down.
struct DictionaryStore {
  // Per slot: a zeroed block of the file's size holding the unmasked entry
  // text at its start; null while the slot is not loaded.
  std::array<char*, kDictCount> DictTextBlocks{};
  std::array<std::size_t, kDictCount> blockSize{};
  // Per slot: the length of the entry text (up to its first NUL). Every run
  // of the index lies inside it, with all of its entries.
  std::array<std::size_t, kDictCount> textLength{};
  DigramNode* DigramIndex = nullptr;  // head of the index
  DigramNode* indexTail = nullptr;
  // The first node of each key, by the key's two bytes (65536 places),
  // filled as nodes are added; it answers only for the list whose head it
  // was built with, so a list freed and forgotten elsewhere is never read
  // through it. Null when it could not be allocated: the list is walked.
  std::unique_ptr<DigramNode*[]> nodeByKey;
  const DigramNode* nodeByKeyHead = nullptr;
  // Per slot, the listed runs the nodes point to (see RunIndex).
  std::array<std::vector<RunIndex>, kDictCount> runIndexes{};
  std::array<DictDescriptor, kDictCount> DictDescriptors{};
  // 2 once the SYNONYM dictionary is loaded; selects its element of a node.
  int SynonymDictIndex = 0;

  // Frees every block and node and forgets them (tests, and a refused start).
  void Reset();
};
extern DictionaryStore Dictionaries;

// The entry count of a slot read as a signed 16-bit number: above 0 when the
// slot has a run for the node's key, -1 when absent.
inline int RunEntryCount(const DigramNode* node, int slot) {
  return static_cast<std::int16_t>(node->entryCount[slot]);
}

// The first entry of the slot's run for the node; null when the slot has no
// run for it or is not loaded.
const char* DictRun(const DigramNode* node, int slot);

// The first node (from the head) whose key equals the first two characters
// of `word`; null when there is none or `word` is shorter than two.
const DigramNode* FindDigramNode(const char* word);

// The first node whose stored key is `first`, `second` (the second may be
// NUL, as in a one-character key); null when there is none.
DigramNode* FindKeyNode(char first, char second);

// Appends a node for the first two characters of `key` with the three values
// in element `slot` and absent values in the others. 1; 0 and no node when
// the key begins "@@"; -1 when no memory is available or the slot is not 0..2.
int AddDigramNode(const char* key, std::uint32_t runOffset, std::uint16_t entryCount, int slot,
                  std::uint32_t thirdNumber);

// Frees the three text blocks and the run indexes over them (the nodes
// stay: shut-down frees them next).
void FreeDictBlocks();

// Frees every node of the index and forgets it.
void FreeDigramIndex();

// The store's allocations, zeroed, and their release (null does nothing);
// tests make the `n`th next one fail (1 = the very next, 0 = none).
void* AllocDictMemory(std::size_t size);
void FreeDictMemory(void* block);
void FailDictAllocationForTesting(int n);
