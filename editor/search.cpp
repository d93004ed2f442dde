#include "editor/search.h"

#include <algorithm>
#include <string>
#include <vector>

#include "editor/render.h"
#include "editor/text_chars.h"

namespace editor {

namespace {

struct Unit {
  enum Kind { Literal, Space, Any } kind;
  char32_t c;
};

std::vector<Unit> Compile(std::u32string_view pattern, const SearchOptions& options) {
  std::vector<Unit> units;
  units.reserve(pattern.size());
  for (char32_t c : pattern) {
    if (IsSpace(c)) {
      if (units.empty() || units.back().kind != Unit::Space) units.push_back({Unit::Space, 0});
    } else if (options.anyDot && c == '.') {
      units.push_back({Unit::Any, 0});
    } else {
      units.push_back({Unit::Literal, options.matchCase ? c : FoldCase(c)});
    }
  }
  return units;
}

bool IsSpaceItem(const Item& item) { return item.kind == ItemKind::Char && IsSpace(item.value); }

bool IsWordItem(const Item& item) { return item.kind == ItemKind::Char && IsWordChar(item.value); }

// A soft hyphen marks where a line may break; it is not part of the text
// searched for, so a search passes over it inside a match.
bool IsSoftHyphenItem(const Item& item) { return item.kind == ItemKind::Char && item.value == 0xAD; }

// The end of the match that starts at `pos`, or npos.
std::size_t MatchAt(const Document& doc, std::size_t pos, const std::vector<Unit>& units,
                    const SearchOptions& options) {
  std::size_t p = pos;
  std::size_t size = doc.Size();
  for (const Unit& unit : units) {
    if (p > pos)
      while (p < size && IsSoftHyphenItem(doc.At(p))) ++p;
    if (p >= size || !IsTextItem(doc.At(p))) return std::string::npos;
    const Item& item = doc.At(p);
    switch (unit.kind) {
      case Unit::Space:
      case Unit::Any:
        if (IsSpaceItem(item)) {
          while (p < size && IsSpaceItem(doc.At(p))) ++p;
        } else if (unit.kind == Unit::Any) {
          ++p;
        } else {
          return std::string::npos;
        }
        break;
      case Unit::Literal: {
        if (item.kind != ItemKind::Char) return std::string::npos;
        char32_t c = options.matchCase ? item.value : FoldCase(item.value);
        if (c != unit.c) return std::string::npos;
        ++p;
        break;
      }
    }
  }
  if (options.wholeWord) {
    if (pos > 0 && IsWordItem(doc.At(pos - 1)) && IsWordItem(doc.At(pos))) return std::string::npos;
    if (p < size && IsWordItem(doc.At(p)) && IsWordItem(doc.At(p - 1))) return std::string::npos;
  }
  return p;
}

// Whether the rendered start markup of an element holds the units.
bool MarkupHolds(const std::u32string& markup, const std::vector<Unit>& units, bool matchCase) {
  for (std::size_t start = 0; start < markup.size(); ++start) {
    std::size_t p = start;
    bool ok = true;
    for (const Unit& unit : units) {
      if (p >= markup.size()) {
        ok = false;
        break;
      }
      char32_t c = matchCase ? markup[p] : FoldCase(markup[p]);
      if (unit.kind == Unit::Space ? !IsSpace(c) : unit.kind == Unit::Literal && c != unit.c) {
        ok = false;
        break;
      }
      if (unit.kind == Unit::Space)
        while (p < markup.size() && IsSpace(markup[p])) ++p;
      else
        ++p;
    }
    if (ok) return true;
  }
  return false;
}

// Tries a match at one position: text there, or (tagscan) an element's
// start markup.
bool TryAt(const Document& doc, std::size_t pos, const std::vector<Unit>& units,
           const SearchOptions& options, Match* match) {
  const Item& item = doc.At(pos);
  if (IsTextItem(item)) {
    std::size_t end = MatchAt(doc, pos, units, options);
    if (end == std::string::npos) return false;
    *match = {pos, end, kNoNode};
    return true;
  }
  if (options.inTags && item.kind == ItemKind::StartTag) {
    std::u32string markup = DecodeUtf8(StartMarkup(doc, item.value, MarkupStyle::Selection));
    if (!MarkupHolds(markup, units, options.matchCase)) return false;
    *match = {pos, doc.EndOf(item.value) + 1, item.value};
    return true;
  }
  return false;
}

// The characters a literal unit matches: its own and those that fold to it
// (at most two more: the capital and a Windows-1252 letter).
struct FirstChars {
  char32_t c[3];
};

FirstChars CharsMatching(const Unit& unit, bool matchCase) {
  FirstChars f{{unit.c, unit.c, unit.c}};
  if (matchCase) return f;
  int n = 1;
  const char32_t capital = unit.c >= 32 ? static_cast<char32_t>(unit.c - 32) : unit.c;
  for (char32_t v : {capital, char32_t{0x160}, char32_t{0x152}, char32_t{0x17D}, char32_t{0x178}})
    if (n < 3 && v != unit.c && FoldCase(v) == unit.c) f.c[n++] = v;
  return f;
}

// The first position in [from, to) that holds one of the characters, or
// `to`: a tight walk over the stretches of the buffer, so that a search that
// finds nothing costs little more than reading the document once.
std::size_t NextCandidate(const Document& doc, std::size_t from, std::size_t to, const FirstChars& f) {
  while (from < to) {
    std::size_t count = 0;
    const Item* run = doc.RunFrom(from, &count);
    if (count > to - from) count = to - from;
    for (std::size_t k = 0; k < count; ++k) {
      const Item& item = run[k];
      if (item.kind == ItemKind::Char && (item.value == f.c[0] || item.value == f.c[1] || item.value == f.c[2]))
        return from + k;
    }
    from += count;
  }
  return to;
}

// Forward search for text that begins with a literal character: only the
// positions holding that character are tried.
bool FindForwardFromLiteral(const Document& doc, std::size_t from, const std::vector<Unit>& units,
                            const SearchOptions& options, Match* match) {
  const FirstChars first = CharsMatching(units.front(), options.matchCase);
  auto scan = [&](std::size_t lo, std::size_t hi) {
    for (std::size_t i = NextCandidate(doc, lo, hi, first); i < hi; i = NextCandidate(doc, i + 1, hi, first)) {
      std::size_t end = MatchAt(doc, i, units, options);
      if (end != std::string::npos) {
        *match = {i, end, kNoNode};
        return true;
      }
    }
    return false;
  };
  if (scan(from, doc.Size())) return true;
  return options.wrap && scan(0, from);
}

template <class Try>
bool Scan(const Document& doc, std::size_t from, const SearchOptions& options, Try tryAt) {
  std::size_t size = doc.Size();
  if (from > size) from = size;
  if (options.forward) {
    for (std::size_t i = from; i < size; ++i)
      if (tryAt(i, size)) return true;
    if (options.wrap)
      for (std::size_t i = 0; i < from; ++i)
        if (tryAt(i, size)) return true;
  } else {
    for (std::size_t i = from; i-- > 0;)
      if (tryAt(i, from)) return true;
    if (options.wrap)
      for (std::size_t i = size; i-- > from;)
        if (tryAt(i, size)) return true;
  }
  return false;
}

bool NameEquals(const std::string& name, std::u32string_view wanted, bool matchCase) {
  std::u32string have = DecodeUtf8(name);
  if (have.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < have.size(); ++i) {
    char32_t a = matchCase ? have[i] : FoldCase(have[i]);
    char32_t b = matchCase ? wanted[i] : FoldCase(wanted[i]);
    if (a != b) return false;
  }
  return true;
}

}  // namespace

bool FindText(const Document& doc, std::size_t from, std::u32string_view pattern,
              const SearchOptions& options, Match* match) {
  std::vector<Unit> units = Compile(pattern, options);
  if (units.empty()) return false;
  if (options.forward && !options.inTags && units.front().kind == Unit::Literal)
    return FindForwardFromLiteral(doc, std::min(from, doc.Size()), units, options, match);
  return Scan(doc, from, options, [&](std::size_t i, std::size_t limit) {
    Match m;
    if (!TryAt(doc, i, units, options, &m) || m.end > limit) return false;
    *match = m;
    return true;
  });
}

bool FindTag(const Document& doc, std::size_t from, std::u32string_view pattern,
             const SearchOptions& options, Match* match) {
  std::u32string_view p = pattern;
  bool endTag = false;
  if (!p.empty() && p.front() == U'<') p.remove_prefix(1);
  if (!p.empty() && p.front() == U'/') {
    endTag = true;
    p.remove_prefix(1);
  }
  std::size_t len = 0;
  while (len < p.size() && p[len] != U'>' && !IsSpace(p[len])) ++len;
  std::u32string_view name = p.substr(0, len);
  if (name.empty()) return false;
  ItemKind kind = endTag ? ItemKind::EndTag : ItemKind::StartTag;
  return Scan(doc, from, options, [&](std::size_t i, std::size_t /*limit*/) {
    const Item& item = doc.At(i);
    if (item.kind != kind || !NameEquals(doc.NodeAt(item.value).name, name, options.matchCase)) return false;
    *match = {doc.StartOf(item.value), doc.EndOf(item.value) + 1, item.value};
    return true;
  });
}

NodeIndex FindStartMarkup(const Document& doc, std::size_t from, std::u32string_view text, bool matchCase) {
  SearchOptions options;
  options.matchCase = matchCase;
  std::vector<Unit> units = Compile(text, options);
  if (units.empty()) return kNoNode;
  for (std::size_t i = from; i < doc.Size(); ++i) {
    const Item& item = doc.At(i);
    if (item.kind != ItemKind::StartTag) continue;
    std::u32string markup = DecodeUtf8(StartMarkup(doc, item.value, MarkupStyle::Selection));
    if (MarkupHolds(markup, units, matchCase)) return item.value;
  }
  return kNoNode;
}

}  // namespace editor
