#include "engine/dict_store.h"

#include <cstdlib>
#include <cstring>

DictionaryStore Dictionaries;

namespace {
int g_failAllocationAt = 0;
}  // namespace

void* AllocDictMemory(std::size_t size) {
  if (g_failAllocationAt > 0 && --g_failAllocationAt == 0) return nullptr;
  return std::calloc(1, size);
}

void FailDictAllocationForTesting(int n) { g_failAllocationAt = n > 0 ? n : 0; }

void DictionaryStore::Reset() {
  FreeDictBlocks();
  FreeDigramIndex();
  DictDescriptors = {};
  SynonymDictIndex = 0;
}

void FreeDictBlocks() {
  for (int slot = 0; slot < kDictCount; ++slot) {
    std::free(Dictionaries.DictTextBlocks[slot]);
    Dictionaries.DictTextBlocks[slot] = nullptr;
    Dictionaries.blockSize[slot] = 0;
    Dictionaries.textLength[slot] = 0;
  }
}

void FreeDigramIndex() {
  DigramNode* node = Dictionaries.DigramIndex;
  while (node) {
    DigramNode* next = node->next;
    std::free(node);
    node = next;
  }
  Dictionaries.DigramIndex = nullptr;
  Dictionaries.indexTail = nullptr;
}

int AddDigramNode(const char* key, std::uint32_t runOffset, std::uint16_t entryCount, int slot,
                  std::uint32_t thirdNumber) {
  if (key && key[0] == '@' && key[1] == '@') return 0;
  if (slot < 0 || slot >= kDictCount) return -1;
  auto* node = static_cast<DigramNode*>(AllocDictMemory(sizeof(DigramNode)));
  if (!node) return -1;
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
  return 1;
}

const DigramNode* FindDigramNode(const char* word) {
  if (!word || !word[0] || !word[1]) return nullptr;
  for (const DigramNode* node = Dictionaries.DigramIndex; node; node = node->next)
    if (node->key[0] == word[0] && node->key[1] == word[1]) return node;
  return nullptr;
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
