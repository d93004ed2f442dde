#pragma once
// The two kinds of set a rule tests a word against: a word list in the
// notation "a|b|stem*" (whole words, or stems that a '*' ends) and a set of
// word classes. Both are built when the program is compiled: a malformed
// list does not compile, and a list keeps a mask of its first letters so
// that most words are turned away before any text is compared.
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "engine/word_rec.h"

namespace words_detail {
// Called only where a list breaks the notation: a constant-expression
// error names it at compile time.
void WordListNotationError(const char* reason);
}  // namespace words_detail

class Words {
 public:
  constexpr Words() = default;
  // "a|b|stem*": items are not empty, hold no capital (the rules compare
  // the lower-cased text), and a '*' may only end an item that has letters
  // before it.
  consteval Words(const char* list) : list_(list) {  // NOLINT: a literal reads as a list
    std::string_view rest = list_;
    if (rest.empty()) words_detail::WordListNotationError("empty word list");
    while (true) {
      const std::size_t bar = rest.find('|');
      const std::string_view item = rest.substr(0, bar);
      if (item.empty() || item == "*") words_detail::WordListNotationError("empty item");
      for (std::size_t i = 0; i < item.size(); ++i) {
        if (item[i] == '*' && i + 1 != item.size()) words_detail::WordListNotationError("'*' inside an item");
        if (item[i] >= 'A' && item[i] <= 'Z') words_detail::WordListNotationError("capital letter");
      }
      AddFirst(item[0]);
      ++count_;
      if (bar == std::string_view::npos) break;
      rest = rest.substr(bar + 1);
    }
  }

  constexpr bool Empty() const { return list_.empty(); }
  constexpr std::string_view List() const { return list_; }
  // The number of items.
  constexpr int Count() const { return count_; }
  // Whether some item may begin `text` at all (the cheap first test).
  constexpr bool MayHold(char first) const {
    const unsigned bit = static_cast<unsigned char>(first) & 127u;
    return (mask_[bit >> 6] >> (bit & 63u)) & 1u;
  }
  // A whole item equal to `text`, or a stem item that begins it.
  bool Has(std::string_view text) const;
  bool Has(const WordRec& w) const { return Has(w.text.view()); }

 private:
  constexpr void AddFirst(char c) {
    const unsigned bit = static_cast<unsigned char>(c) & 127u;
    mask_[bit >> 6] |= std::uint64_t{1} << (bit & 63u);
  }
  std::string_view list_;
  std::uint64_t mask_[2] = {0, 0};
  int count_ = 0;
};

// A set of word classes (0 to 127).
class Classes {
 public:
  constexpr Classes() = default;
  consteval Classes(std::initializer_list<int> classes) {
    for (int c : classes) Add(c);
  }
  // Every class from `from` to `to`, both included.
  static consteval Classes Range(int from, int to) {
    Classes s;
    for (int c = from; c <= to; ++c) s.Add(c);
    return s;
  }
  constexpr bool Empty() const { return bits_[0] == 0 && bits_[1] == 0; }
  constexpr bool Has(int c) const {
    return c >= 0 && c < 128 && ((bits_[c >> 6] >> (c & 63)) & 1u);
  }

 private:
  constexpr void Add(int c) {
    if (c < 0 || c >= 128) words_detail::WordListNotationError("class outside 0..127");
    bits_[c >> 6] |= std::uint64_t{1} << (c & 63);
  }
  std::uint64_t bits_[2] = {0, 0};
};

// The noun classes: every class below 20.
inline constexpr Classes kNounClasses = Classes::Range(0, 19);
