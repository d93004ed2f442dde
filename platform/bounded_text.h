#pragma once
// BoundedText<N>: a fixed-size, always terminated character field of N bytes
// (at most N-1 characters). Every write is bounded; a write that does not fit
// is cut at the field's size and the call says so by returning false.
// Writing a single character past the field is a programming fault and stops
// the program: an overrun never passes silently.
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

[[noreturn]] void BoundedTextOverrun(std::size_t index, std::size_t size);

// Bounded copy and format into a raw buffer of `size` bytes (size >= 1);
// false when the text was cut.
bool CopyBounded(char* dst, std::size_t size, std::string_view src);
bool FormatBoundedV(char* dst, std::size_t size, const char* fmt, va_list ap);
bool FormatBounded(char* dst, std::size_t size, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));

template <std::size_t N>
class BoundedText {
  static_assert(N >= 1, "a text field holds at least its terminator");

 public:
  static constexpr std::size_t kSize = N;          // bytes, terminator included
  static constexpr std::size_t kMaxLength = N - 1;  // characters

  BoundedText() { clear(); }
  BoundedText(std::string_view s) { clear(); assign(s); }  // NOLINT: implicit by design
  BoundedText(const char* s) { clear(); assign(s ? std::string_view(s) : std::string_view()); }  // NOLINT

  // Clears all N bytes: the rules read letters at fixed positions, and one
  // read past the end of a fresh field's text must be a zero.
  void clear() { std::memset(buf_, 0, N); }

  bool assign(std::string_view s) { return CopyBounded(buf_, N, s); }
  BoundedText& operator=(std::string_view s) { assign(s); return *this; }
  BoundedText& operator=(const char* s) { assign(s ? std::string_view(s) : std::string_view()); return *this; }
  template <std::size_t M>
  BoundedText& operator=(const BoundedText<M>& o) { assign(o.view()); return *this; }

  bool append(std::string_view s) {
    std::size_t len = length();
    return CopyBounded(buf_ + len, N - len, s);
  }
  bool append(char c) { return append(std::string_view(&c, 1)); }

  // Formats into a scratch copy first, so the field may be one of the
  // arguments ("%s-inch" of its own text).
  bool format(const char* fmt, ...) __attribute__((format(printf, 2, 3))) {
    char tmp[N];
    va_list ap;
    va_start(ap, fmt);
    bool ok = FormatBoundedV(tmp, N, fmt, ap);
    va_end(ap);
    std::memcpy(buf_, tmp, N);
    truncate(strnlen(buf_, N));
    return ok;
  }

  // Length up to the first NUL (never beyond the field).
  std::size_t length() const { return strnlen(buf_, N); }
  bool empty() const { return buf_[0] == '\0'; }
  const char* c_str() const { return buf_; }
  std::string_view view() const { return std::string_view(buf_, length()); }
  std::string str() const { return std::string(view()); }

  // Reading past the field yields NUL, so neighbour reads stay safe.
  char operator[](std::size_t i) const { return i < N ? buf_[i] : '\0'; }
  char first() const { return buf_[0]; }
  char last() const { std::size_t len = length(); return len ? buf_[len - 1] : '\0'; }

  // Writes one character; the terminator position N-1 is never written.
  void set(std::size_t i, char c) {
    if (i >= N - 1) BoundedTextOverrun(i, N);
    buf_[i] = c;
  }
  // Cuts the text to `len` characters (no effect when it is shorter).
  void truncate(std::size_t len) {
    if (len < N) std::memset(buf_ + len, 0, N - len);
  }

  bool operator==(std::string_view s) const { return view() == s; }
  template <std::size_t M>
  bool operator==(const BoundedText<M>& o) const { return view() == o.view(); }
  bool startsWith(std::string_view s) const { return view().substr(0, s.size()) == s; }
  bool endsWith(std::string_view s) const {
    std::string_view v = view();
    return v.size() >= s.size() && v.substr(v.size() - s.size()) == s;
  }

  // Raw access for legacy-style code that writes through a pointer; the
  // caller must respect kSize.
  char* data() { return buf_; }
  const char* data() const { return buf_; }

 private:
  char buf_[N];
};

template <std::size_t N>
std::ostream& operator<<(std::ostream& os, const BoundedText<N>& t) {
  return os << '"' << t.view() << '"';
}
