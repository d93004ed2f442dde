#include "engine/dict_store.h"

#include <cstring>
#include <new>

#include "engine/dict_run_index.h"

DictionaryStore Dictionaries;

namespace {
int g_failAllocationAt = 0;

constexpr std::size_t kKeyPlaces = 256 * 256;

std::size_t KeyPlace(char first, char second) {
  return static_cast<std::size_t>(static_cast<unsigned char>(first)) << 8 | static_cast<unsigned char>(second);
}

void FreeKeyTable() {
  Dictionaries.nodeByKey.reset();
  Dictionaries.nodeByKeyHead = nullptr;
}

// Enters a new node in the key table unless an earlier node has its key. A
// table that cannot be had leaves the lookups to walk the list.
void EnterKey(DigramNode* node) {
  if (Dictionaries.nodeByKey == nullptr) {
    if (Dictionaries.DigramIndex != node) return;  // the table was lost earlier in this list
    Dictionaries.nodeByKey.reset(new (std::nothrow) DigramNode*[kKeyPlaces]());
    if (Dictionaries.nodeByKey == nullptr) return;
    Dictionaries.nodeByKeyHead = node;
  }
  DigramNode*& place = Dictionaries.nodeByKey[KeyPlace(node->key[0], node->key[1])];
  if (place == nullptr) place = node;
}

bool KeyTableValid() {
  return Dictionaries.nodeByKey != nullptr && Dictionaries.DigramIndex != nullptr &&
         Dictionaries.nodeByKeyHead == Dictionaries.DigramIndex;
}

}  // namespace

void* AllocDictMemory(std::size_t size) {
  if (g_failAllocationAt > 0 && --g_failAllocationAt == 0) return nullptr;
  // Through operator new, as every other allocation, so that a refusal here
  // goes where every other one goes; zeroed, as the store's blocks are.
  void* block = ::operator new(size, std::nothrow);
  if (block) std::memset(block, 0, size);
  return block;
}

void FreeDictMemory(void* block) { ::operator delete(block); }

void FailDictAllocationForTesting(int n) { g_failAllocationAt = n > 0 ? n : 0; }

void DictionaryStore::Reset() {
  FreeDictBlocks();
  FreeDigramIndex();
  DictDescriptors = {};
  SynonymDictIndex = 0;
}

void FreeDictBlocks() {
  for (int slot = 0; slot < kDictCount; ++slot) {
    FreeRunIndexes(slot);
    FreeDictMemory(Dictionaries.DictTextBlocks[slot]);
    Dictionaries.DictTextBlocks[slot] = nullptr;
    Dictionaries.blockSize[slot] = 0;
    Dictionaries.textLength[slot] = 0;
  }
}

void FreeDigramIndex() {
  DigramNode* node = Dictionaries.DigramIndex;
  while (node) {
    DigramNode* next = node->next;
    FreeDictMemory(node);
    node = next;
  }
  Dictionaries.DigramIndex = nullptr;
  Dictionaries.indexTail = nullptr;
  FreeKeyTable();
}

int AddDigramNode(const char* key, std::uint32_t runOffset, std::uint16_t entryCount, int slot,
                  std::uint32_t thirdNumber) {
  if (key && key[0] == '@' && key[1] == '@') return 0;
  if (slot < 0 || slot >= kDictCount) return -1;
  auto* node = static_cast<DigramNode*>(AllocDictMemory(sizeof(DigramNode)));
  if (!node) return -1;
  // A new list: whatever the table said belonged to one that is gone.
  if (Dictionaries.DigramIndex == nullptr) FreeKeyTable();
  if (key) {
    node->key[0] = key[0];
    if (key[0]) node->key[1] = key[1];
  }
  for (int d = 0; d < kDictCount; ++d) {
    node->runOffset[d] = kAbsentRun;
    node->thirdNumber[d] = kAbsentRun;
    node->entryCount[d] = kAbsentCount;
  }
  node->runOffset[slot] = runOffset;
  node->thirdNumber[slot] = thirdNumber;
  node->entryCount[slot] = entryCount;
  node->prev = Dictionaries.indexTail;
  if (Dictionaries.indexTail)
    Dictionaries.indexTail->next = node;
  else
    Dictionaries.DigramIndex = node;
  Dictionaries.indexTail = node;
  EnterKey(node);
  return 1;
}

DigramNode* FindKeyNode(char first, char second) {
  if (KeyTableValid()) return Dictionaries.nodeByKey[KeyPlace(first, second)];
  for (DigramNode* node = Dictionaries.DigramIndex; node; node = node->next)
    if (node->key[0] == first && node->key[1] == second) return node;
  return nullptr;
}

const DigramNode* FindDigramNode(const char* word) {
  if (!word || !word[0] || !word[1]) return nullptr;
  return FindKeyNode(word[0], word[1]);
}

const char* DictRun(const DigramNode* node, int slot) {
  if (!node || slot < 0 || slot >= kDictCount) return nullptr;
  const char* block = Dictionaries.DictTextBlocks[slot];
  if (!block || RunEntryCount(node, slot) <= 0) return nullptr;
  // The loader only keeps runs that lie inside the text; a node filled by
  // hand (tests) is checked here too.
  if (node->runOffset[slot] >= Dictionaries.textLength[slot]) return nullptr;
  return block + node->runOffset[slot];
}
