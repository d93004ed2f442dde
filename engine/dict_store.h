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

#include "platform/bounded_text.h"

// Slots, searched in this order.
constexpr int kTechnicalDict = 0;
constexpr int kCoreDict = 1;
constexpr int kSynonymDict = 2;
constexpr int kDictCount = 3;

// What an element of a node holds when that dictionary has no run for the key.
constexpr std::uint32_t kAbsentRun = 0xFFFFFFFFu;
constexpr std::uint16_t kAbsentCount = 0xFFFF;

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

// Appends a node for the first two characters of `key` with the three values
// in element `slot` and absent values in the others. 1; 0 and no node when
// the key begins "@@"; -1 when no memory is available or the slot is not 0..2.
int AddDigramNode(const char* key, std::uint32_t runOffset, std::uint16_t entryCount, int slot,
                  std::uint32_t thirdNumber);

// Frees the three text blocks (the nodes stay: shut-down frees them next).
void FreeDictBlocks();

// Frees every node of the index and forgets it.
void FreeDigramIndex();

// The store's allocations; tests make the `n`th next one fail (1 = the very
// next, 0 = none).
void* AllocDictMemory(std::size_t size);
void FailDictAllocationForTesting(int n);
