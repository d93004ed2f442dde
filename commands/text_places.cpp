#include "commands/text_places.h"

#include <algorithm>

#include "commands/marker_text.h"
#include "engine/markup_end.h"
#include "engine/signs_read_as.h"
#include "platform/wide_text.h"

namespace {

constexpr unsigned char kSoftHyphen = 0xAD;

bool IsSpaceCode(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Letters and digits as the host's whole-word test takes them, for the
// characters of the code page: ASCII, Latin-1 letters and the code page's
// own letters beyond them.
bool IsWordCode(unsigned char c) {
  if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
  switch (c) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
      return true;
    default:
      return false;
  }
}

// The character a reference stands for, or 0 for one the host keeps as an
// entity of its own.
unsigned char ReferenceCode(std::string_view ref) {
  std::string_view name = ref.substr(1, ref.size() - 2);
  if (name == "amp") return '&';
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "quot") return '"';
  if (name == "apos") return '\'';
  if (name.empty() || name[0] != '#') return 0;
  const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
  unsigned long value = 0;
  for (char c : name.substr(hex ? 2 : 1)) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
    value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    if (value > 0x10FFFF) break;
  }
  // What the code page cannot hold reads as the reading's conversion writes it.
  return (value >= 0x20 && value < 0x80) || (value >= 0xA0 && value <= 0xFF) ? static_cast<unsigned char>(value)
                                                                            : static_cast<unsigned char>(kSubstituteChar);
}

// The text the reading appended ("... @@END") is not the host's.
std::size_t HostTextEnd(std::string_view t) {
  std::size_t end = t.find("@@END");
  if (end == std::string_view::npos) return t.size();
  if (end >= 2 && t.compare(end - 2, 2, ". ") == 0) return end - 2;
  if (end >= 1 && t[end - 1] == ' ') return end - 1;
  return end;
}

}  // namespace

std::vector<TextPlaces::Unit> TextPlaces::Compile(std::string_view pattern, bool anyDot) {
  std::vector<Unit> units;
  units.reserve(pattern.size());
  for (char ch : pattern) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsSpaceCode(c)) {
      if (units.empty() || units.back().kind != UnitKind::Space) units.push_back({UnitKind::Space, 0});
    } else if (anyDot && c == '.') {
      units.push_back({UnitKind::Any, 0});
    } else if (ch == kWordCharWildcard) {
      units.push_back({UnitKind::WordChar, 0});
    } else {
      units.push_back({UnitKind::Literal, c});
    }
  }
  return units;
}

TextPlaces::TextPlaces(std::string_view t) {
  t = t.substr(0, HostTextEnd(t));
  chars_.reserve(t.size());
  byteOf_.reserve(t.size());
  bool markup = false;
  for (std::size_t i = 0; i < t.size();) {
    if (t[i] == '<') {
      i = MarkupEnd(t, i);
      markup = true;
      continue;
    }
    Char c{static_cast<unsigned char>(t[i]), static_cast<unsigned char>(markup ? kMarkupBefore : 0)};
    std::size_t length = 1;
    if (t[i] == '&') {
      if (std::size_t ref = ReferenceLength(t.substr(i)); ref > 0) {
        length = ref;
        c.code = ReferenceCode(t.substr(i, ref));
        if (c.code == 0) c.flags |= kEntity;
      }
    }
    chars_.push_back(c);
    byteOf_.push_back(static_cast<std::uint32_t>(i));
    markup = false;
    i += length;
  }
}

std::size_t TextPlaces::CharAt(std::int64_t byteOffset) const {
  if (byteOffset < 0) return Size();
  auto at = std::lower_bound(byteOf_.begin(), byteOf_.end(), static_cast<std::uint64_t>(byteOffset),
                             [](std::uint32_t b, std::uint64_t offset) { return b < offset; });
  return static_cast<std::size_t>(at - byteOf_.begin());
}

bool TextPlaces::IsSpaceAt(std::size_t i) const {
  return (chars_[i].flags & kEntity) == 0 && IsSpaceCode(chars_[i].code);
}

bool TextPlaces::IsWordAt(std::size_t i) const {
  return (chars_[i].flags & kEntity) == 0 && IsWordCode(chars_[i].code);
}

bool TextPlaces::IsGapAt(std::size_t i) const {
  if ((chars_[i].flags & kEntity) != 0) return false;
  switch (chars_[i].code) {
    case ' ': case '\t': case '\n': case '\r': case 0xA0:
    case '"': case '\'': case '`': case ';':
    case 0x84: case 0x8B: case 0x91: case 0x92: case 0x93: case 0x94: case 0x9B: case 0xAB: case 0xBB:
      return true;
    default:
      return chars_[i].code == static_cast<unsigned char>(kSubstituteChar);
  }
}

std::size_t TextPlaces::PassGap(std::size_t p) const {
  while (p < Size() && !MarkupBefore(p) && IsGapAt(p)) ++p;
  return p;
}

bool TextPlaces::IsSoftHyphenAt(std::size_t i) const {
  return (chars_[i].flags & kEntity) == 0 && chars_[i].code == kSoftHyphen;
}

std::size_t TextPlaces::StepEnd(std::size_t p) const {
  if (!IsSpaceAt(p)) return p + 1;
  std::size_t q = p + 1;
  while (q < Size() && !MarkupBefore(q) && IsSpaceAt(q)) ++q;
  return q;
}

std::size_t TextPlaces::PassSoftHyphens(std::size_t p) const {
  while (p < Size() && !MarkupBefore(p) && IsSoftHyphenAt(p)) ++p;
  return p;
}

std::optional<TextRange> TextPlaces::MatchUnits(std::size_t pos, const std::vector<Unit>& units,
                                                SearchFlags flags) const {
  const bool wholeWord = flags.wholeWord;
  if (units.empty() || pos >= Size()) return std::nullopt;
  std::size_t p = pos;
  for (const Unit& unit : units) {
    if (p > pos) p = PassSoftHyphens(p);
    if (p >= Size() || (p > pos && MarkupBefore(p))) return std::nullopt;
    switch (unit.kind) {
      case UnitKind::Space:
        if (flags.asRead && IsGapAt(p)) {
          p = PassGap(p);
          break;
        }
        if (!IsSpaceAt(p)) return std::nullopt;
        p = StepEnd(p);
        break;
      case UnitKind::Any: {
        const bool gap = IsGapAt(p);
        p = StepEnd(p);
        if (flags.asRead && gap) p = PassGap(p);
        break;
      }
      case UnitKind::WordChar:
        if (IsSpaceAt(p)) return std::nullopt;
        ++p;
        break;
      case UnitKind::Literal:
        if ((chars_[p].flags & kEntity) != 0 ||
            (chars_[p].code != unit.code &&
             !(flags.asRead && static_cast<unsigned char>(SignReadAs(chars_[p].code)) == unit.code)))
          return std::nullopt;
        ++p;
        break;
    }
  }
  if (wholeWord) {
    if (pos > 0 && !MarkupBefore(pos) && IsWordAt(pos - 1) && IsWordAt(pos)) return std::nullopt;
    if (p < Size() && !MarkupBefore(p) && IsWordAt(p) && IsWordAt(p - 1)) return std::nullopt;
  }
  return TextRange{pos, p};
}

std::optional<TextRange> TextPlaces::MatchAt(std::size_t pos, std::string_view pattern, SearchFlags flags) const {
  return MatchUnits(pos, Compile(pattern, flags.anyDot), flags);
}

std::optional<TextRange> TextPlaces::Forward(std::size_t from, std::size_t lastBegin, std::string_view pattern,
                                             SearchFlags flags, std::size_t endsAfter) const {
  const std::vector<Unit> units = Compile(pattern, flags.anyDot);
  for (std::size_t i = from; i <= lastBegin && i < Size(); ++i) {
    auto m = MatchUnits(i, units, flags);
    if (m && m->end > endsAfter) return m;
  }
  return std::nullopt;
}

std::optional<TextRange> TextPlaces::Backward(std::size_t from, std::size_t floor, std::string_view pattern,
                                              SearchFlags flags) const {
  const std::vector<Unit> units = Compile(pattern, flags.anyDot);
  for (std::size_t i = std::min(from, Size()); i-- > floor;) {
    auto m = MatchUnits(i, units, flags);
    if (m && m->end <= from) return m;
  }
  return std::nullopt;
}

std::size_t TextPlaces::ReachBack(std::size_t pos, std::size_t floor, std::string_view pattern) const {
  std::size_t units = Compile(pattern, true).size();
  std::size_t p = std::min(pos, Size());
  while (units > 0 && p > floor && (p == Size() || !MarkupBefore(p))) {
    --p;
    if (IsSpaceAt(p))
      while (p > floor && !MarkupBefore(p) && IsSpaceAt(p - 1)) --p;
    if (!IsSoftHyphenAt(p)) --units;
  }
  return p;
}

std::string TextPlaces::Shape(TextRange range) const {
  std::string shape;
  for (std::size_t p = range.begin; p < range.end && p < Size();) {
    if (!shape.empty()) {
      p = PassSoftHyphens(p);
      if (p >= range.end) break;
    }
    shape += '.';
    p = StepEnd(p);
  }
  return shape;
}

std::optional<std::string> TextPlaces::PlainText(TextRange range) const {
  std::string text;
  for (std::size_t p = range.begin; p < range.end && p < Size(); ++p) {
    if ((chars_[p].flags & kEntity) != 0 || chars_[p].code == '?' ||
        chars_[p].code == static_cast<unsigned char>(kSubstituteChar))
      return std::nullopt;
    if (IsSpaceAt(p)) {
      if (text.empty() || text.back() != ' ') text += ' ';
    } else {
      text += static_cast<char>(chars_[p].code);
    }
  }
  return text;
}
