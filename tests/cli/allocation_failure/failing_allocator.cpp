#include "tests/cli/allocation_failure/failing_allocator.h"

#include <cstdlib>
#include <new>

namespace {
bool g_open = false;
long g_count = 0;
long g_refuse = 0;
bool g_refused = false;

// True for the request to refuse.
bool RefuseThis() {
  if (!g_open || ++g_count != g_refuse) return false;
  g_refused = true;
  return true;
}

void* Allocate(std::size_t n) {
  for (;;) {
    if (!RefuseThis())
      if (void* p = std::malloc(n ? n : 1)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!handler) throw std::bad_alloc();
    handler();
  }
}

void* AllocateOrNull(std::size_t n) noexcept {
  try {
    return Allocate(n);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
}  // namespace

namespace failing_allocator {
void Open(long refuse) {
  g_count = 0;
  g_refuse = refuse;
  g_refused = false;
  g_open = true;
}

long Close() {
  g_open = false;
  return g_count;
}

bool Refused() { return g_refused; }
}  // namespace failing_allocator

void* operator new(std::size_t n) { return Allocate(n); }
void* operator new[](std::size_t n) { return Allocate(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return AllocateOrNull(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return AllocateOrNull(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
