#include "platform/text_pool.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/sanitizer.h"

// No destructor: texts in records that outlive everything else may still
// give their chunks back at the very end.
TextPoolState TextPool;

namespace {
// Under the address sanitizer every chunk is an allocation of its own, so
// that a read past a text or of a text given back is still caught.
constexpr bool kOwnAllocations = KESTA_ADDRESS_SANITIZER;

std::size_t ClassOf(std::size_t bytes) { return bytes / TextPoolState::kStep - 1; }
}  // namespace

char* TextPoolState::Take(std::size_t bytes) {
  if (bytes == 0 || bytes > kLargest || bytes % kStep != 0) std::abort();
  if (kOwnAllocations) return static_cast<char*>(::operator new(bytes));
  char*& head = free[ClassOf(bytes)];
  if (head) {
    char* chunk = head;
    std::memcpy(&head, chunk, sizeof head);
    return chunk;
  }
  if (static_cast<std::size_t>(end - next) < bytes) {
    char* block = static_cast<char*>(::operator new(kBlockBytes));
    std::memcpy(block, &blocks, sizeof blocks);
    blocks = block;
    next = block + kStep;  // past the link, keeping chunks aligned
    end = block + kBlockBytes;
  }
  char* chunk = next;
  next += bytes;
  return chunk;
}

void TextPoolState::Give(char* chunk, std::size_t bytes) {
  if (!chunk) return;
  if (kOwnAllocations) {
    ::operator delete(chunk);
    return;
  }
  char*& head = free[ClassOf(bytes)];
  std::memcpy(chunk, &head, sizeof head);
  head = chunk;
}
