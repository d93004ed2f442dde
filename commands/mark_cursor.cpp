#include "commands/mark_cursor.h"

#include <algorithm>

#include "engine/ascii_text.h"

std::size_t MarkCursor::NextPlaceOf(const MarkInput& in) const {
  return in.nextPlace < 0 ? text_.Size() : text_.CharAt(in.nextPlace);
}

std::optional<TextRange> MarkCursor::Aim(const MarkInput& in, std::string_view pattern, SearchFlags flags) const {
  const std::size_t place = PlaceOf(in);
  if (place >= text_.Size() || pattern.empty()) return std::nullopt;
  const std::size_t from = std::max(caret_, text_.ReachBack(place, caret_, pattern));
  // The words begin within the finding's word (a mark the scan read with
  // the character before it is placed there), before the word after it;
  // only the colon finding's mark stands after it, as the word that follows.
  const std::size_t next = NextPlaceOf(in);
  const std::size_t lastBegin = pattern == ":" ? std::max(place, next) : next > place ? next - 1 : place;
  if (auto m = text_.Forward(from, lastBegin, pattern, flags, place)) return m;
  // The words as the check read them: marks between them it passed over,
  // a sign it read as a letter.
  flags.asRead = true;
  return text_.Forward(from, lastBegin, pattern, flags, place);
}

namespace {
constexpr std::string_view kWordEnds = ".,;:!?)\"'";
bool EndsWord(const TextPlaces& text, std::size_t i) {
  return kWordEnds.find(static_cast<char>(text.CodeAt(i))) != std::string_view::npos;
}
}  // namespace

std::optional<TextRange> MarkCursor::WordThere(const MarkInput& in) const {
  const std::size_t place = PlaceOf(in);
  if (place >= text_.Size() || place < caret_ || text_.IsSpaceAt(place)) return std::nullopt;
  std::size_t end = place + 1;
  // Up to the next word where the check read that apart ("30°Fpre-set").
  const std::size_t next = NextPlaceOf(in);
  const std::size_t limit = next > place ? std::min(next, text_.Size()) : text_.Size();
  while (end < limit && !text_.IsSpaceAt(end) && !text_.MarkupBefore(end)) ++end;
  while (end > place + 1 && EndsWord(text_, end - 1)) --end;
  return TextRange{place, end};
}

std::optional<TextRange> MarkCursor::WordAtPlace(const MarkInput& in, std::string_view pattern) const {
  std::optional<TextRange> word = WordThere(in);
  if (!word || EndsWord(text_, word->begin)) return std::nullopt;
  const std::size_t place = word->begin, end = word->end;
  // The pattern's first character at the place, the others in order after.
  std::size_t at = place;
  for (std::size_t i = 0; i < pattern.size(); ++i, ++at) {
    auto holds = [&](std::size_t j) {
      return pattern[i] == '.' || pattern[i] == kWordCharWildcard ||
             text_.CodeAt(j) == static_cast<unsigned char>(pattern[i]);
    };
    if (i > 0)
      while (at < end && !holds(at)) ++at;
    if (at >= end || !holds(at)) return std::nullopt;
  }
  return word;
}

std::optional<TextRange> MarkCursor::WordAsWritten(const MarkInput& in, std::string_view pattern) const {
  std::optional<TextRange> word = WordThere(in);
  if (!word) return std::nullopt;
  // A word of plain letters and digits is read as it stands: where it does
  // not even begin as the finding's words do, it is another word.
  if (pattern.empty() || pattern[0] == '.' || pattern[0] == kWordCharWildcard || AsciiLower(text_.CodeAt(word->begin)) == AsciiLower(pattern[0]))
    return word;
  for (std::size_t i = word->begin; i < word->end; ++i)
    if (!text_.IsWordAt(i) || text_.CodeAt(i) >= 0x80) return word;
  return std::nullopt;
}

bool MarkCursor::Anchor() {
  // The first words, searched as written ('.' for what a search cannot
  // name: references, characters the code page could not hold, '@'), from
  // the first character the search names as itself, up to markup, at most
  // 40 characters. A '.' first would also take the white space or the
  // reference before it (" <b>&Ctrl;</b> selects"): the words would be
  // found early, and every marker after them would stand as many
  // characters off.
  constexpr std::size_t kAnchorLength = 40;
  auto named = [&](std::size_t i) {
    const unsigned char c = text_.CodeAt(i);
    return !text_.IsSpaceAt(i) && c != '@' && c != '.' && text_.PlainText({i, i + 1}).has_value();
  };
  std::size_t first = 0;
  while (first < text_.Size() && text_.IsSpaceAt(first)) ++first;
  std::size_t begin = first;
  while (begin < text_.Size() && !named(begin)) ++begin;
  if (begin >= text_.Size()) return false;
  std::size_t end = begin + 1;
  while (end < text_.Size() && end - begin < kAnchorLength && !text_.MarkupBefore(end)) ++end;
  while (end > begin + 1 && text_.IsSpaceAt(end - 1)) --end;
  std::string pattern;
  for (std::size_t i = begin; i < end; ++i) {
    const unsigned char c = text_.CodeAt(i);
    const bool plain = text_.PlainText({i, i + 1}).has_value() && c != '@';
    pattern += text_.IsSpaceAt(i) ? ' ' : plain ? static_cast<char>(c) : '.';
  }
  if (!host_.TryExecute("clm; find -f -e -q -noselect @" + pattern + "@", nullptr)) return false;
  // Back to where the text's first words begin: the first findings may lie
  // among them, and before the words found.
  const std::size_t found = text_.MatchAt(begin, pattern, {})->end;
  host_.Execute(Format("car edit 0,-%zu", found - first));
  caret_ = first;
  lead_ = 0;
  return true;
}

void MarkCursor::MoveTo(std::size_t pos) {
  if (pos < caret_ || (pos == caret_ && lead_ == 0)) return;
  host_.Execute(Format("car edit 0,%zu", pos - caret_ + lead_));
  caret_ = pos;
  lead_ = 0;
}

bool MarkCursor::Select(TextRange range, std::string* failure) {
  MoveTo(range.begin);
  return host_.TryExecute("clm; find -f -e -q -select @" + text_.Shape(range) + "@", failure);
}
