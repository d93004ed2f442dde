// Feeds arbitrary bytes, with the sentinel appended, to the tokenizer. The
// first byte chooses whether warnings are shown, as the settings file does.
// Besides the sanitizers' checks: the list is linked both ways, and a text
// without a NUL of its own ends in the sentinel record.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  Settings.app.showWarnings = data[0] & 1;
  std::vector<char> text(data + 1, data + size);
  const bool hasNul = !text.empty() && std::memchr(text.data(), '\0', text.size()) != nullptr;
  static const char kEnd[] = ". @@END";
  text.insert(text.end(), kEnd, kEnd + sizeof kEnd);  // terminator included
  TokenizeText(text.data(), 0, 1);

  const WordRec* last = nullptr;
  for (const WordRec* w = WordList.head; w; w = w->next) {
    if (w->prev != last) __builtin_trap();
    last = w;
  }
  if (!hasNul && (!last || !(last->written == kSentinel))) __builtin_trap();
  WordList.Reset();
  return 0;
}
