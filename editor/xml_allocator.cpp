#include "editor/xml_allocator.h"

#include <libxml/xmlmemory.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>

namespace editor {

namespace {

// Each block keeps its size in front of what libxml2 gets, for realloc.
// What follows is aligned for a double, as libxml2's own debugging
// allocator aligns it: libxml2 keeps nothing that needs more.
constexpr std::size_t kFront = alignof(double);
static_assert(sizeof(std::size_t) <= kFront);

std::atomic<unsigned long> g_refused{0};

unsigned char* FrontOf(void* p) { return static_cast<unsigned char*>(p) - kFront; }

std::size_t SizeOf(void* p) {
  std::size_t size;
  std::memcpy(&size, FrontOf(p), sizeof size);
  return size;
}

void* Allocate(std::size_t size) {
  if (size > static_cast<std::size_t>(-1) - kFront) {
    g_refused.fetch_add(1, std::memory_order_relaxed);
    return nullptr;
  }
  auto* block = static_cast<unsigned char*>(::operator new(size + kFront, std::nothrow));
  if (!block) {
    g_refused.fetch_add(1, std::memory_order_relaxed);
    return nullptr;
  }
  std::memcpy(block, &size, sizeof size);
  return block + kFront;
}

void Free(void* p) {
  if (p) ::operator delete(FrontOf(p));
}

void* Reallocate(void* p, std::size_t size) {
  if (!p) return Allocate(size);
  void* moved = Allocate(size);
  if (!moved) return nullptr;  // the old block stays, as realloc leaves it
  const std::size_t old = SizeOf(p);
  std::memcpy(moved, p, old < size ? old : size);
  Free(p);
  return moved;
}

char* Duplicate(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  void* copy = Allocate(size);
  if (copy) std::memcpy(copy, text, size);
  return static_cast<char*>(copy);
}

}  // namespace

void UseXmlAllocator() { xmlMemSetup(Free, Allocate, Reallocate, Duplicate); }

unsigned long XmlAllocationsRefused() { return g_refused.load(std::memory_order_relaxed); }

}  // namespace editor
