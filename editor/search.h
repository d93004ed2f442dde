#pragma once
// The editor's searches: text (the find command), tags (find -t / -m) and
// start markup (fps). Text matches lie in the characters between tags and
// never hold a tag. A run of white space in the document matches one blank
// of the search text, or one '.' when '.' stands for any one character. A
// soft hyphen inside the text matched is passed over.
#include <cstddef>
#include <string_view>

#include "editor/document.h"

namespace editor {

struct SearchOptions {
  bool forward = true;
  bool anyDot = false;     // -e: '.' matches any one character
  bool matchCase = false;  // set case=on
  bool wholeWord = false;  // set wordscan=on
  bool wrap = false;       // set wrapscan=on
  bool inTags = false;     // set tagscan=on: start markup is searched too
};

struct Match {
  std::size_t begin = 0;
  std::size_t end = 0;
  NodeIndex element = kNoNode;  // set when the match is an element's tag
};

// Forward: the first match starting at or after `from`. Backward: the
// nearest match that starts before `from` and ends at or before it.
bool FindText(const Document& doc, std::size_t from, std::u32string_view pattern,
              const SearchOptions& options, Match* match);
// "<name>", "<name", "</name>" or a bare name: the element whose start (or
// end) tag that is, searched from `from` like FindText; the match covers
// the whole element.
bool FindTag(const Document& doc, std::size_t from, std::u32string_view pattern,
             const SearchOptions& options, Match* match);
// The first element starting at or after `from` whose start markup holds
// `text`.
NodeIndex FindStartMarkup(const Document& doc, std::size_t from, std::u32string_view text, bool matchCase);

}  // namespace editor
