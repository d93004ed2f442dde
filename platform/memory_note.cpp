#include "platform/memory_note.h"

#include <atomic>

namespace {
std::atomic<bool> g_ranOut{false};

// Called by operator new when the system refuses: the refusal is noted, and
// the request fails as it would without a handler.
void NoteAndRefuse() {
  NoteOutOfMemory();
  throw std::bad_alloc();
}
}  // namespace

void NoteOutOfMemory() noexcept { g_ranOut.store(true, std::memory_order_relaxed); }

bool MemoryRanOut() noexcept { return g_ranOut.load(std::memory_order_relaxed); }

MemoryWatch::MemoryWatch() : previous_(std::set_new_handler(NoteAndRefuse)) {
  g_ranOut.store(false, std::memory_order_relaxed);
}

MemoryWatch::~MemoryWatch() { std::set_new_handler(previous_); }
