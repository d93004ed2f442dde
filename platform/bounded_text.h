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
#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/text_pool.h"

[[noreturn]] void BoundedTextOverrun(std::size_t index, std::size_t size);

// Bounded copy and format into a raw buffer of `size` bytes (size >= 1);
// false when the text was cut.
bool CopyBounded(char* dst, std::size_t size, std::string_view src);
bool FormatBoundedV(char* dst, std::size_t size, const char* fmt, va_list ap);
bool FormatBounded(char* dst, std::size_t size, const char* fmt, ...)
    __attribute__((format(printf, 3, 4)));

// Where a field's N bytes live.
//
// InlineChars: in the field itself (the default).
// PooledChars: only the leading bytes a text has used, in a chunk of the
// shared text pool (text_pool.h); every byte past the chunk reads as NUL, as
// in a freshly cleared inline field. For the fields of records made by the
// hundred thousand, most of whose texts are short or empty. The field's
// size stays its limit exactly as inline.
//
// Both keep the byte at capacity()-1 a NUL, so data() is always terminated.
template <std::size_t N>
class InlineChars {
 public:
  InlineChars() { Clear(); }
  std::size_t capacity() const { return N; }
  const char* data() const { return buf_; }
  char* data() { return buf_; }
  // At least `bytes` bytes (at most N) to write into.
  char* Writable(std::size_t) { return buf_; }
  void Clear() { std::memset(buf_, 0, N); }
  // Whether `p` points into the field's bytes (then a longer write may move them).
  bool Holds(const char*) const { return false; }

 private:
  char buf_[N];
};

template <std::size_t N>
class PooledChars {
  static_assert(N < TextPoolState::kLargest, "a pooled field fits one chunk of the pool");

 public:
  PooledChars() = default;
  PooledChars(const PooledChars& o) { CopyFrom(o); }
  PooledChars(PooledChars&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
  PooledChars& operator=(const PooledChars& o) {
    if (this != &o) {
      Clear();
      CopyFrom(o);
    }
    return *this;
  }
  PooledChars& operator=(PooledChars&& o) noexcept {
    if (this != &o) {
      Clear();
      p_ = o.p_;
      o.p_ = nullptr;
    }
    return *this;
  }
  ~PooledChars() { Clear(); }

  // The chunk's first byte holds the number of bytes after it that the
  // field uses, so that the field itself is one pointer.
  std::size_t capacity() const { return p_ ? static_cast<unsigned char>(p_[-1]) : 0; }
  const char* data() const { return p_ ? p_ : ""; }
  char* data() { return p_; }
  char* Writable(std::size_t bytes) {
    if (bytes > N) bytes = N;
    if (bytes > capacity()) Grow(bytes);
    return p_;
  }
  void Clear() {
    if (p_) TextPool.Give(p_ - 1, PoolChunkBytes(capacity() + 1));
    p_ = nullptr;
  }
  bool Holds(const char* p) const {
    return p_ && std::less_equal<const char*>()(p_, p) && std::less<const char*>()(p, p_ + capacity());
  }

 private:
  void Grow(std::size_t bytes) {
    const std::size_t chunk = PoolChunkBytes(bytes + 1);
    const std::size_t cap = chunk - 1 < N ? chunk - 1 : N;
    const std::size_t old = capacity();
    char* p = TextPool.Take(chunk) + 1;
    p[-1] = static_cast<char>(static_cast<unsigned char>(cap));
    if (old) std::memcpy(p, p_, old);
    std::memset(p + old, 0, chunk - 1 - old);
    Clear();
    p_ = p;
  }
  void CopyFrom(const PooledChars& o) {
    const std::size_t cap = o.capacity();
    if (!cap) return;
    Grow(cap);
    std::memcpy(p_, o.p_, cap);
  }

  char* p_ = nullptr;  // just past the chunk's first byte; null for an empty field
};

template <std::size_t N, class Chars = InlineChars<N>>
class BoundedText {
  static_assert(N >= 1, "a text field holds at least its terminator");

 public:
  static constexpr std::size_t kSize = N;          // bytes, terminator included
  static constexpr std::size_t kMaxLength = N - 1;  // characters

  // A fresh field is cleared in all N bytes: the rules read letters at fixed
  // positions, and one read past the end of a fresh field's text must be a zero.
  BoundedText() = default;
  BoundedText(std::string_view s) { assign(s); }  // NOLINT: implicit by design
  BoundedText(const char* s) { assign(s ? std::string_view(s) : std::string_view()); }  // NOLINT
  // The same field kept elsewhere: every one of the N bytes is taken over.
  template <class C>
  BoundedText(const BoundedText<N, C>& o) {  // NOLINT: implicit by design
    CopyAllBytes(o);
  }

  void clear() { chars_.Clear(); }

  bool assign(std::string_view s) {
    const std::size_t n = s.size() < N - 1 ? s.size() : N - 1;
    char tmp[N];
    const bool whole = n == s.size();
    if (chars_.Holds(s.data())) {
      std::memcpy(tmp, s.data(), n);
      s = std::string_view(tmp, n);
    }
    CopyBounded(chars_.Writable(n + 1), n + 1, s);
    return whole;
  }
  BoundedText& operator=(std::string_view s) { assign(s); return *this; }
  BoundedText& operator=(const char* s) { assign(s ? std::string_view(s) : std::string_view()); return *this; }
  // The same field kept elsewhere: every one of the N bytes is taken over.
  template <class C>
  BoundedText& operator=(const BoundedText<N, C>& o) {
    CopyAllBytes(o);
    return *this;
  }
  template <std::size_t M, class C>
  BoundedText& operator=(const BoundedText<M, C>& o) { assign(o.view()); return *this; }

  bool append(std::string_view s) {
    const std::size_t len = length();
    const std::size_t room = N - 1 - len;
    const std::size_t n = s.size() < room ? s.size() : room;
    char tmp[N];
    const bool whole = n == s.size();
    if (chars_.Holds(s.data())) {
      std::memcpy(tmp, s.data(), n);
      s = std::string_view(tmp, n);
    }
    CopyBounded(chars_.Writable(len + n + 1) + len, n + 1, s);
    return whole;
  }
  bool append(char c) { return append(std::string_view(&c, 1)); }

  // Formats into a scratch copy first, so the field may be one of the
  // arguments ("%s-inch" of its own text). The bytes after the text are cleared.
  bool format(const char* fmt, ...) __attribute__((format(printf, 2, 3))) {
    char tmp[N];
    va_list ap;
    va_start(ap, fmt);
    bool ok = FormatBoundedV(tmp, N, fmt, ap);
    va_end(ap);
    const std::size_t len = strnlen(tmp, N);
    char* dst = chars_.Writable(len + 1);
    std::memcpy(dst, tmp, len);
    std::memset(dst + len, 0, chars_.capacity() - len);
    return ok;
  }

  // Length up to the first NUL (never beyond the field).
  std::size_t length() const { return strnlen(chars_.data(), chars_.capacity()); }
  bool empty() const { return chars_.data()[0] == '\0'; }
  const char* c_str() const { return chars_.data(); }
  std::string_view view() const { return std::string_view(chars_.data(), length()); }
  std::string str() const { return std::string(view()); }

  // Reading past the field yields NUL, so neighbour reads stay safe.
  char operator[](std::size_t i) const { return i < chars_.capacity() ? chars_.data()[i] : '\0'; }
  char first() const { return chars_.data()[0]; }
  char last() const { std::size_t len = length(); return len ? chars_.data()[len - 1] : '\0'; }

  // Writes one character; the terminator position N-1 is never written.
  void set(std::size_t i, char c) {
    if (i >= N - 1) BoundedTextOverrun(i, N);
    if (c == '\0' && i >= chars_.capacity()) return;  // already a NUL
    chars_.Writable(i + 2)[i] = c;
  }
  // Cuts the text to `len` characters (no effect when it is shorter).
  void truncate(std::size_t len) {
    if (len < chars_.capacity()) std::memset(chars_.data() + len, 0, chars_.capacity() - len);
  }

  bool operator==(std::string_view s) const { return view() == s; }
  template <std::size_t M, class C>
  bool operator==(const BoundedText<M, C>& o) const { return view() == o.view(); }
  bool startsWith(std::string_view s) const { return view().substr(0, s.size()) == s; }
  bool endsWith(std::string_view s) const {
    std::string_view v = view();
    return v.size() >= s.size() && v.substr(v.size() - s.size()) == s;
  }

  // Raw access for legacy-style code that writes through a pointer; the
  // caller must respect kSize.
  char* data() { return chars_.Writable(N); }
  const char* data() const { return chars_.data(); }

  // The bytes held (see InlineChars, PooledChars): those from capacity() on are NUL.
  std::size_t capacity() const { return chars_.capacity(); }

 private:
  template <class C>
  void CopyAllBytes(const BoundedText<N, C>& o) {
    // The bytes up to the last that is not a NUL, and one NUL after them.
    const char* src = o.c_str();
    std::size_t used = o.capacity();
    while (used > 0 && src[used - 1] == '\0') --used;
    if (used == 0) {
      clear();
      return;
    }
    char tmp[N];
    if (chars_.Holds(src)) {
      std::memcpy(tmp, src, used);
      src = tmp;
    }
    char* dst = chars_.Writable(used + 1);
    std::memmove(dst, src, used);
    std::memset(dst + used, 0, chars_.capacity() - used);
  }

  Chars chars_;
};

template <std::size_t N, class C>
std::ostream& operator<<(std::ostream& os, const BoundedText<N, C>& t) {
  return os << '"' << t.view() << '"';
}
