#include <cstring>

#include "engine/dict_store.h"
#include "module/kesta_app.h"

void FreeBlockList(void* first) {
  void* block = first;
  while (block) {
    void* next;
    std::memcpy(&next, block, sizeof next);
    FreeDictMemory(block);
    block = next;
  }
}
