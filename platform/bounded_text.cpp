#include "platform/bounded_text.h"

void BoundedTextOverrun(std::size_t index, std::size_t size) {
  std::fprintf(stderr, "fatal: write at index %zu of a %zu-byte text field\n", index, size);
  std::abort();
}

bool CopyBounded(char* dst, std::size_t size, std::string_view src) {
  if (size == 0) return src.empty();
  std::size_t n = src.size() < size - 1 ? src.size() : size - 1;
  std::memmove(dst, src.data(), n);
  dst[n] = '\0';
  return n == src.size();
}

bool FormatBoundedV(char* dst, std::size_t size, const char* fmt, va_list ap) {
  if (size == 0) return false;
  int n = std::vsnprintf(dst, size, fmt, ap);
  if (n < 0) {
    dst[0] = '\0';
    return false;
  }
  return static_cast<std::size_t>(n) < size;
}

bool FormatBounded(char* dst, std::size_t size, const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  bool ok = FormatBoundedV(dst, size, fmt, ap);
  va_end(ap);
  return ok;
}
