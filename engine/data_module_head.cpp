#include "engine/data_module_head.h"

#include "engine/markup_end.h"
#include "engine/tag_tables.h"

namespace {

// The element a data module's text stands in, as S1000D writes it.
constexpr std::string_view kContentElement = "content";

}  // namespace

char* DataModuleTextStart(char* from, bool (*atEnd)(const char*)) {
  for (char* q = from; !atEnd(q); ++q) {
    if (*q != '<') continue;
    char* end = MarkupEnd(q, atEnd);
    const std::string_view tag(q, static_cast<std::size_t>(end - q));
    q = end - 1;
    if (tag.size() < 2 || tag[1] == '!' || tag[1] == '?') continue;
    if (ClosingTagName(tag) == kDataModuleElement) return nullptr;
    const std::string_view name = OpeningTagName(tag);
    // A module inside the front matter is no real module's shape: the outer
    // one keeps its reading, and each search ends at the next module.
    if (name == kDataModuleElement) return nullptr;
    if (name == kContentElement) return tag.back() == '>' ? end : nullptr;
  }
  return nullptr;
}
