#pragma once
// Memory that ran out, noted where the allocator refused. The module and the
// editor catch an allocation failure in many places and go on (a box, a call
// that fails, a lookup without its index), so that the program that ends a
// run cannot tell from their results whether the run did the whole of its
// work; this note tells it.
#include <new>

// Notes that an allocation was refused.
void NoteOutOfMemory() noexcept;

// True when an allocation was refused since the watch began.
bool MemoryRanOut() noexcept;

// Watches one run: forgets an earlier note, and makes operator new note each
// refusal before it throws std::bad_alloc (nothrow new goes through it too,
// and so does whatever allocates through either); the earlier new handler is
// back at the end.
class MemoryWatch {
 public:
  MemoryWatch();
  ~MemoryWatch();
  MemoryWatch(const MemoryWatch&) = delete;
  MemoryWatch& operator=(const MemoryWatch&) = delete;

 private:
  std::new_handler previous_;
};
