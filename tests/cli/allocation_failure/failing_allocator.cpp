#include "tests/cli/allocation_failure/failing_allocator.h"

#include <cstdlib>

namespace {
bool g_open = false;
long g_count = 0;
long g_refuse = 0;
bool g_refused = false;
bool g_exceptions = true;

// The first few new handlers of the window, each with the number of
// requests made before its first.
struct Handler {
  std::new_handler handler;
  long before;
};
Handler g_handlers[4];
int g_handlerCount = 0;

void NoteHandler() {
  const std::new_handler handler = std::get_new_handler();
  for (int i = 0; i < g_handlerCount; ++i)
    if (g_handlers[i].handler == handler) return;
  if (g_handlerCount < 4) g_handlers[g_handlerCount++] = {handler, g_count - 1};
}

// True for the request to refuse.
bool RefuseThis() {
  if (!g_open) return false;
  ++g_count;
  NoteHandler();
  if (g_count != g_refuse) return false;
  g_refused = true;
  return true;
}

// The request ends in the handler, or nowhere.
[[noreturn]] void RefuseWithoutException(std::new_handler handler) noexcept {
  if (handler) handler();
  std::abort();
}

void* Allocate(std::size_t n) {
  for (;;) {
    if (!RefuseThis())
      if (void* p = std::malloc(n ? n : 1)) return p;
    std::new_handler handler = std::get_new_handler();
    if (!g_exceptions) RefuseWithoutException(handler);
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
void Open(long refuse, bool exceptions) {
  g_count = 0;
  g_refuse = refuse;
  g_refused = false;
  g_exceptions = exceptions;
  g_handlerCount = 0;
  g_open = true;
}

long Close() {
  g_open = false;
  g_exceptions = true;
  return g_count;
}

bool Refused() { return g_refused; }

long RequestsBefore(std::new_handler handler) {
  for (int i = 0; i < g_handlerCount; ++i)
    if (g_handlers[i].handler == handler) return g_handlers[i].before;
  return g_count;
}
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
