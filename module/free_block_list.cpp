#include <cstdlib>
#include <cstring>

#include "module/kesta_app.h"

void FreeBlockList(void* first) {
  void* block = first;
  while (block) {
    void* next;
    std::memcpy(&next, block, sizeof next);
    std::free(block);
    block = next;
  }
}
