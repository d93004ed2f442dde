#include "commands/mark_cursor.h"

#include <algorithm>

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
  for (std::size_t i = from; i <= lastBegin && i < text_.Size(); ++i) {
    std::optional<TextRange> m = text_.MatchAt(i, pattern, flags);
    if (m && m->end > place) return m;
  }
  return std::nullopt;
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
