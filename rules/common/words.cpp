#include "rules/common/words.h"

#include <cstdlib>

namespace words_detail {
void WordListNotationError(const char*) { std::abort(); }
}  // namespace words_detail

bool Words::Has(std::string_view text) const {
  if (text.empty() || !MayHold(text[0])) return false;
  std::string_view rest = list_;
  while (!rest.empty()) {
    const std::size_t bar = rest.find('|');
    std::string_view item = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    if (item[0] != text[0]) continue;
    if (item.back() == '*') {
      item.remove_suffix(1);
      if (text.starts_with(item)) return true;
    } else if (text == item) {
      return true;
    }
  }
  return false;
}
