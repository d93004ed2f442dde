// Writes the findings of the last check into the document: one marker per
// finding. A correction the rules make is a marker too, with the corrected
// text as its advice: the check changes no character of the document.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "commands/check_state.h"
#include "commands/command_work.h"
#include "commands/findings_view.h"
#include "commands/mark_cursor.h"
#include "commands/mark_plan.h"
#include "commands/marker_text.h"
#include "engine/advice_hints.h"
#include "engine/ascii_text.h"
#include "engine/dict_lookup.h"
#include "engine/message_codes.h"
#include "engine/message_list.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "platform/wide_text.h"
#include "resources/string_table.h"

namespace {
// The marking stops: the method answers `code` (after any box).
struct StopMarking {
  HRESULT code;
};

void ShowEngineError(const std::string& text, const char* caption, unsigned style) {
  ShowMessageBox(text, caption, style);
}

// Runs one host call of the marking; any failure other than those the steps
// handle themselves shows string 108 and ends the method.
template <class Fn>
auto Guarded(Fn&& fn) -> decltype(fn()) {
  try {
    return fn();
  } catch (const _com_error&) {
    AfxMessageBox(LoadStringResource(IDS_ACL_FAILED), MB_ICONERROR);
    throw StopMarking{S_FALSE};
  }
}

// A selection check marks only inside the element it checked: a search that
// ran past that element found text that was not checked. The marking stops
// there; the findings after it lie further on still.
void StayInScope(HostChannel& host) {
  if (Check.markScope.empty()) return;
  constexpr int kMaxDepth = 512;
  bool inside = false;
  Guarded([&] {
    BoundedText<80> at(host.Evaluate("oid_caret()"));
    for (int depth = 0; depth < kMaxDepth && !inside; ++depth) {
      if (at == Check.markScope) {
        inside = true;
        break;
      }
      BoundedText<80> parent(host.Evaluate(Format("oid_parent('%s')", at.c_str())));
      if (parent.empty() || parent == at ||
          std::atoi(host.Evaluate(Format("oid_valid('%s')", parent.c_str())).c_str()) != 1)
        break;
      at = parent;
    }
    if (!inside) host.Execute("clear_mark all");
  });
  if (!inside) throw StopMarking{S_OK};
}

// A finding whose words do not stand at its place is lost alone: the
// writer is told which search failed, and the caret stays where the next
// finding's search begins.
void ReportNotFound(HostChannel& host, const std::string& description, const MarkWork& w, const MarkInput& in) {
  Guarded([&] { host.Execute("clear_mark all"); });
  ShowEngineError(description + " Report KESta error (86)." + "\n(KESta Search  -" + w.S + "- Key " +
                      std::string(KindLetters(w.kind)) + std::to_string(in.ruleId) + ") ",
                  "Report KESta problem", MB_ICONERROR);
}

void ReportMissing(HostChannel& host, std::string search, const MarkWork& w, const MarkInput& in) {
  std::ranges::replace(search, kWordCharWildcard, '.');
  Guarded([&] { SendStatus(host, "Not found: " + search); });
  ReportNotFound(host, "Not found: " + search, w, in);
}

// Selects the words in the host; false (and reported) when the host cannot.
bool SelectOrSkip(HostChannel& host, MarkCursor& cursor, TextRange range, const MarkWork& w, const MarkInput& in) {
  std::string failure;
  bool selected = Guarded([&] { return cursor.Select(range, &failure); });
  if (!selected) {
    ReportNotFound(host, failure, w, in);
    return false;
  }
  StayInScope(host);
  return true;
}

// A correction's words: found whole, never as the start or the end of a
// longer one the check read as another word ("Remove" in "RemoveFilter");
// or, where the check read them apart from a word they touch ("30°FRemove"),
// exactly at their place.
std::optional<TextRange> AimCorrection(const MarkCursor& cursor, const MarkInput& in, std::string_view pattern) {
  SearchFlags flags;
  flags.wholeWord = !pattern.empty() && std::isalnum(static_cast<unsigned char>(pattern.front())) &&
                    std::isalnum(static_cast<unsigned char>(pattern.back()));
  if (std::optional<TextRange> m = cursor.Aim(in, pattern, flags)) return m;
  if (!flags.wholeWord || cursor.PlaceOf(in) < cursor.Caret()) return std::nullopt;
  return cursor.Text().MatchAt(cursor.PlaceOf(in), pattern, {});
}

// The marker goes around the selected words: what the search's '.'
// matched (line ends, no-break spaces, typographic apostrophes, doubled
// blanks) stays as it was. The count of markers grows by one.
void PutMarker(HostChannel& host, const std::string& value, const char* colour, const MarkWork& w) {
  std::string text;
  try {
    text = ProtectAt(host.EvaluateMarkup("$selection"));
  } catch (const _com_error&) {
    text.clear();
  }
  if (text.empty()) text = EscapeContent(MarkerTextFromF(w));
  try {
    host.Execute(InsertMarkupCommand(MarkerMarkup(value, colour, text)));
  } catch (const _com_error& e) {
    ShowEngineError(e.Description() + " KESta error (89) possible alignment or document is READ ONLY.",
                    "Text Selection", MB_ICONERROR);
    throw StopMarking{S_FALSE};
  }
  Guarded([&] { host.Execute("clear_mark all"); });
  ++Check.markedCount;
}

// Whether the words were found only as the check read them: with a
// quotation mark or a semicolon among them, or a sign read as a letter
// ("10×10" as "10x10"). Advice for the words as read, put in, would take
// those characters away: it is then a hint.
bool FoundAsRead(const TextPlaces& text, TextRange m, std::string_view pattern) {
  const std::optional<TextRange> exact = text.MatchAt(m.begin, pattern, {});
  return !exact || exact->end != m.end;
}

// The end of the word that `end` stands inside of: past an apostrophe or
// a hyphen with letters or digits after it ("THERE" of "THERE'S"), where
// no markup divides them; `end` where the word ends there.
std::size_t WordEnd(const TextPlaces& text, std::size_t end) {
  while (end > 0 && end + 1 < text.Size() && text.IsWordAt(end - 1) && !text.MarkupBefore(end) &&
         !text.MarkupBefore(end + 1) && JoinsWordPieces(text.CodeAt(end)) && text.IsWordAt(end + 1)) {
    for (++end; end < text.Size() && !text.MarkupBefore(end) && text.IsWordAt(end);) ++end;
  }
  return end;
}

// Marks `range` with the finding's category and number and `advice`. The
// word of the next finding stays outside, for that finding's own marker
// ("formats’s like": the possessive's "s" begins the next finding): the
// advice, which is for all the words, is then a hint. A length finding
// holds whole words: over a piece of one, it takes in the rest, and the
// advice, which is for the piece, is a hint.
bool MarkRange(HostChannel& host, MarkCursor& cursor, TextRange range, std::string advice, const MarkWork& found,
               const MarkInput& in) {
  const TextPlaces& text = cursor.Text();
  MarkWork w = found;
  const bool length = in.sentenceLength > 0 || in.category == Msg::SentenceLength - Msg::First;
  if (const std::size_t end = WordEnd(text, range.end); length && end != range.end) {
    range.end = end;
    if (!advice.empty() && advice != "NONE") advice = AsHints(advice);
    // The marker's text, where the host cannot show it, is the whole word.
    if (std::optional<std::string> whole = text.PlainText(range)) {
      w.F = *whole;
      w.parenthesised = w.wordDots = false;
    }
  }
  if (const std::size_t following = text.CharAt(in.followingPlace);
      in.followingPlace >= 0 && following > range.begin && following < range.end) {
    range.end = following;
    while (range.end > range.begin + 1 && text.IsSpaceAt(range.end - 1)) --range.end;
    if (!advice.empty() && advice != "NONE") advice = AsHints(advice);
  }
  // Advice made of a word that holds a letter the code page cannot hold
  // names that letter as the system shows it, and as a hint: put in, it
  // would write another letter.
  if (advice.find(kSubstituteChar) != std::string::npos) {
    ShowSubstitutes(advice);
    if (advice != "NONE") advice = AsHints(advice);
  }
  if (!SelectOrSkip(host, cursor, range, w, in)) return false;
  // A finding whose word also carries its sentence's length finding is
  // shown as that finding, over the same words, with the same advice.
  const int category = length ? Msg::SentenceLength - Msg::First : in.category;
  const int number = in.sentenceLength > 0 ? in.sentenceLength : in.markerNumber;
  PutMarker(host, KestaValue(category, number, advice), CategoryColour(category), w);
  cursor.Replaced(range);
  return true;
}

// Whether the full stop before `pos` ends a sentence: nothing, markup or a
// capital follows it.
bool EndsSentence(const TextPlaces& text, std::size_t pos) {
  while (pos < text.Size() && !text.MarkupBefore(pos) && text.IsSpaceAt(pos)) ++pos;
  if (pos >= text.Size() || text.MarkupBefore(pos)) return true;
  const unsigned char c = text.CodeAt(pos);
  return c >= 'A' && c <= 'Z';
}

// Whether `range` is a part of a compound that markup divides: at either
// end of it, markup stands between a hyphen and a letter or digit
// ("twenty-<b>five</b>").
bool DividedByMarkup(const TextPlaces& text, TextRange range) {
  auto joined = [&](std::size_t after) {
    if (after == 0 || after >= text.Size() || !text.MarkupBefore(after)) return false;
    const bool hyphenBefore = text.CodeAt(after - 1) == '-', hyphenAfter = text.CodeAt(after) == '-';
    return (hyphenBefore && (text.IsWordAt(after) || hyphenAfter)) || (hyphenAfter && text.IsWordAt(after - 1));
  };
  return range.begin < range.end && range.end <= text.Size() && (joined(range.begin) || joined(range.end));
}

// A correction's marker on `range`: its advice is the corrected text (as
// the code page shows it), which the menu puts in place of the words. Where
// putting it in would not give the corrected text, the advice is a hint:
// the words are only a part of what the correction replaces (`partOnly`),
// or a part of a compound that markup divides.
bool MarkCorrectionRange(HostChannel& host, MarkCursor& cursor, TextRange range, std::string advice, bool partOnly,
                         const MarkWork& w, const MarkInput& in) {
  if (partOnly || DividedByMarkup(cursor.Text(), range)) advice = AsHints(advice);
  return MarkRange(host, cursor, range, advice, w, in);
}

// A correction of the rules: a marker on the words it corrects. The full
// stop of a short form that also ends its sentence ("5 max. Remove") stays
// outside the marker, so that the corrected text keeps it.
bool MarkCorrection(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  w.S = DotsForBlanksAndHyphens(w.S);
  const std::string pattern = FindText(w.S);
  std::optional<TextRange> m = AimCorrection(cursor, in, pattern);
  const TextPlaces& text = cursor.Text();
  bool partOnly = false;
  if (!m) {
    // Words that already read as the correction ("30°F") need none.
    const std::size_t place = cursor.PlaceOf(in);
    const std::string corrected = PlainAdvice(w.A);
    if (place < text.Size() && text.PlainText({place, std::min(text.Size(), place + corrected.size())}) == corrected)
      return false;
    // Words that markup divides: as many of the first words as stand
    // together carry the finding.
    for (std::size_t cut = pattern.rfind('.'); !m && cut != std::string::npos && cut > 0;
         cut = pattern.rfind('.', cut - 1)) {
      m = AimCorrection(cursor, in, pattern.substr(0, cut));
      partOnly = true;
    }
    // Words the check read otherwise than the text holds them: the word at
    // the place, which the corrected text may not replace whole.
    if (!m) {
      m = cursor.WordAsWritten(in, pattern);
      partOnly = true;
    }
    if (!m) {
      ReportMissing(host, pattern, w, in);
      return false;
    }
    if (std::optional<std::string> words = text.PlainText(*m)) w.F = *words;
  } else if (FoundAsRead(text, *m, pattern)) {
    partOnly = true;
  }
  if (m->end - m->begin > 1 && text.CodeAt(m->end - 1) == '.' && (w.A.empty() || w.A.back() != '.') &&
      EndsSentence(text, m->end))
    --m->end;
  return MarkCorrectionRange(host, cursor, *m, PlainAdvice(w.A), partOnly, w, in);
}

// A sign the rules add to a word ("pump" gets "&reg;"): a marker on the
// word, with the word and the sign as its advice ("pump®"). A word the sign
// already follows needs none.
bool MarkSignAdded(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  w.S = DotsForBlanksAndHyphens(w.S);
  const std::string pattern = FindText(w.S);
  std::optional<TextRange> m = AimCorrection(cursor, in, pattern);
  if (!m) m = cursor.WordAsWritten(in, pattern);
  if (!m) {
    ReportMissing(host, pattern, w, in);
    return false;
  }
  const TextPlaces& text = cursor.Text();
  const std::string sign = PlainAdvice(in.suggestion);
  if (text.PlainText({m->end, std::min(text.Size(), m->end + sign.size())}) == sign) return false;
  const std::optional<std::string> written = text.PlainText(*m);
  return MarkCorrectionRange(host, cursor, *m, (written ? *written : in.altWord) + sign, false, w, in);
}

// The word that follows a place: its letters, digits, hyphens and
// apostrophes, up to markup.
std::optional<TextRange> WordAt(const TextPlaces& text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.Size() && (end == pos || !text.MarkupBefore(end)) &&
         (text.IsWordAt(end) || JoinsWordPieces(text.CodeAt(end)) || text.CodeAt(end) == 0xAD))
    ++end;
  if (end == pos) return std::nullopt;
  return TextRange{pos, end};
}

bool IsClosingQuote(unsigned char c) { return c == '"' || c == '\'' || c == 0x94 || c == 0x92; }

// An article the sentence needs after the word found ("Remove cover"): a
// marker on the word with the word and the article as its advice ("Remove
// the"), as the correction would have written it. A quotation mark that
// closes right after the word goes with it, so that the article is never
// put inside the quotation; where the word ends an element, the article
// belongs to the next word's element: the marker goes on the next word
// ("the cover"), unless that word has a finding of its own, which keeps it.
void MarkArticleInsertion(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  const ArticleCorrection fix = ArticleFix(w);
  const std::string article = fix.insert.substr(1);  // "the" or "THE"
  const std::string pattern = FindText(fix.search);
  std::optional<TextRange> found = AimCorrection(cursor, in, pattern);
  if (!found) found = cursor.WordAsWritten(in, pattern);
  if (!found) return ReportMissing(host, pattern, w, in);
  const TextPlaces& text = cursor.Text();
  TextRange word = *found;
  while (word.end < text.Size() && !text.MarkupBefore(word.end) && IsClosingQuote(text.CodeAt(word.end))) ++word.end;
  if (word.end < text.Size() && text.MarkupBefore(word.end)) {
    const std::size_t next = cursor.NextPlaceOf(in);
    std::optional<TextRange> second;
    if (next >= word.end && next < text.Size() && in.followingPlace != in.nextPlace) second = WordAt(text, next);
    // The next finding's word stays whole for its own marker, with the
    // quotation mark that closes before it ("'valve'valves").
    if (const std::size_t following = text.CharAt(in.followingPlace);
        second && in.followingPlace >= 0 && following > second->begin && following < second->end) {
      second->end = following;
      while (second->end > second->begin + 1 && IsClosingQuote(text.CodeAt(second->end - 1))) --second->end;
    }
    std::optional<std::string> secondText;
    if (second) secondText = text.PlainText(*second);
    if (secondText) {
      w.F = *secondText;
      MarkRange(host, cursor, *second, article + " " + *secondText, w, in);
      return;
    }
  }
  std::optional<std::string> written = text.PlainText(word);
  w.F = written ? *written : fix.search;
  MarkRange(host, cursor, word, written ? *written + " " + article : std::string(), w, in);
}

// "and" for the sign written ("&amp;"): a marker on the sign, with "and"
// or the finding's own advice ("(Repeated word -and-)").
void MarkConjunction(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  const std::size_t at = cursor.PlaceOf(in);
  const TextPlaces& text = cursor.Text();
  if (at < cursor.Caret() || at >= text.Size() || text.CodeAt(at) != '&') {
    // The word there is "and" already: nothing to advise.
    if (at < text.Size() && text.PlainText({at, std::min(text.Size(), at + 3)}) == "and") return;
    return ReportMissing(host, FindText(w.S), w, in);
  }
  w.F = "&";
  MarkRange(host, cursor, {at, at + 1}, w.A.empty() ? "and" : w.A, w, in);
}

// A semicolon: the marker wraps the one that stands at the finding's place.
void MarkSemicolon(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  std::optional<TextRange> m = cursor.Aim(in, ";", {});
  if (!m) return ReportMissing(host, ";", w, in);
  if (!SelectOrSkip(host, cursor, *m, w, in)) return;
  Guarded([&] { host.Execute(InsertMarkupCommand(MarkerMarkup("3700.", "FF99FF", ";"))); });
  ++Check.markedCount;
  cursor.Replaced(*m);
}

// A sentence article: the finding belongs to the sentence's first word, the
// article that the check does not keep; the marker goes on "The" (or
// "THE") before the word, or on the word when no such article stands
// there.
std::optional<TextRange> FindSentenceArticle(HostChannel& host, MarkCursor& cursor, MarkWork& w,
                                             const MarkInput& in) {
  w.S = w.F;
  std::optional<TextRange> m = cursor.Aim(in, FindText(w.S), {});
  if (!m) m = cursor.WordAsWritten(in, FindText(w.S));
  if (!m) {
    ReportMissing(host, FindText(w.S), w, in);
    return std::nullopt;
  }
  const TextPlaces& text = cursor.Text();
  w.kind = FindingKind::Word;
  w.refineMode = 0;
  if (auto t = text.Backward(m->begin, cursor.Caret(), "T..", {})) {
    w.S = text.CodeAt(t->begin + 1) == 'H' ? "THE" : "The";
    if (text.MatchAt(t->begin, w.S, {.anyDot = false}) == t) {
      w.F = w.S;
      return t;
    }
  }
  return m;
}

// A possessive: its word and the apostrophe, and the "s" after it where one
// ends the word ("pump's", "glass's"). A plural's ("valves'") has none: the
// character after its apostrophe (a blank, the next word) is no part of it.
std::optional<TextRange> PossessiveWords(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  const std::string pattern = FindText(w.S.substr(0, w.S.size() - 1));
  std::optional<TextRange> m = cursor.Aim(in, pattern, {});
  if (!m) m = cursor.WordAsWritten(in, pattern);
  if (!m) {
    ReportMissing(host, FindText(w.S), w, in);
    return std::nullopt;
  }
  const TextPlaces& text = cursor.Text();
  const std::size_t s = m->end;
  if (s < text.Size() && !text.MarkupBefore(s) && (text.CodeAt(s) == 's' || text.CodeAt(s) == 'S') &&
      (s + 1 >= text.Size() || text.MarkupBefore(s + 1) || !text.IsWordAt(s + 1)))
    ++m->end;
  if (std::optional<std::string> written = text.PlainText(*m)) w.F = *written;
  return m;
}

// The words of a finding as its search and the backward search of its
// find text settle them; nothing when they are not at the finding's place.
std::optional<TextRange> FindingWords(HostChannel& host, MarkCursor& cursor, MarkWork& w, const MarkInput& in) {
  RefineSearch(in, w);
  if (w.kind == FindingKind::Possessive && w.S.ends_with("..")) return PossessiveWords(host, cursor, w, in);
  // Words that a finding covers may run across markup the search does not
  // cross ("parsing and</secondary></indexterm>If"), across an article the
  // check set aside ("pump the Remove") or across a character it passed
  // over (a quotation mark): then the finding is marked on as many of its
  // first words as stand together, rather than lost. So are the words of
  // a phrase the dictionary holds ("in order to"), which the check reads
  // as one word across the markup of its first ("<b>in</b> order to").
  // So is a comma whose next word lies behind markup or an article the
  // search does not hold (", the &prod;s"): the comma alone is marked.
  // The advice is for all the words, so on a part of them it is a hint:
  // put in, it would leave the other words standing ("to order to"). A
  // comma's next word only tells where the comma is.
  constexpr const char* kBetweenWords = ". ";
  const std::size_t join = w.S.find_first_of(kBetweenWords);
  auto wordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ';'; };
  // A number is a first word too ("20" of "20 newton", a quotation mark
  // between them), where a word follows it: the figures of a decimal
  // ("0.5") are no words of their own.
  auto isDigit = [](char c) { return IsDigit(static_cast<unsigned char>(c)); };
  auto isLetter = [](char c) { return IsAsciiLetter(static_cast<unsigned char>(c)); };
  const std::string first = w.S.substr(0, join);  // the whole search where it is one word
  const bool several = join != std::string::npos && join >= 1;
  // So is a number with its unit joined to it ("90degrees"), where markup
  // stands between them in the document.
  const bool number = several && isDigit(first[0]) &&
                      (std::ranges::any_of(first, isLetter) ||
                       (std::ranges::all_of(first, isDigit) && join + 1 < w.S.size() && isLetter(w.S[join + 1])));
  const bool words = several && (isLetter(first[0]) || first[0] == '&' || number) &&
                     std::ranges::all_of(first, [&](char c) { return wordChar(c) || c == '&' || c == '#'; });
  const bool comma = join == 1 && w.S[0] == ',' && w.F == ",";
  std::optional<TextRange> m = cursor.Aim(in, FindText(w.S), {});
  if (m && w.A != "NONE" && FoundAsRead(cursor.Text(), *m, FindText(w.S))) w.A = AsHints(w.A);
  if (!m && (w.backwardMode == 0 || w.backwardMode == 7) && (words || comma)) {
    // The longest run of the first words that stands at the place.
    for (std::size_t cut = w.S.find_last_of(kBetweenWords); !m && cut != std::string::npos && cut >= join;
         cut = w.S.find_last_of(kBetweenWords, cut - 1)) {
      if (cut == join || wordChar(w.S[cut - 1])) {
        std::string run = w.S.substr(0, cut);
        m = cursor.Aim(in, FindText(run), {});
        if (m) {
          w.S = w.F = w.findF = run;
          if (words && w.A != "NONE") w.A = AsHints(w.A);
        }
      }
      if (cut == join) break;
    }
  }
  // A word that the check read shorter than the text holds it (the degree
  // sign of "&prod;30°F" dropped): the word at the finding's place. Where
  // the finding has more words, that first word is marked as above.
  const bool firstOnly = join != std::string::npos && words && (w.backwardMode == 0 || w.backwardMode == 7);
  if (!m && (join == std::string::npos || firstOnly)) {
    m = cursor.WordAtPlace(in, FindText(first));
    if (m) {
      w.S = w.F = w.findF = cursor.Text().PlainText(*m).value_or(firstOnly ? first : w.F);
      if (firstOnly && w.A != "NONE") w.A = AsHints(w.A);
    }
  }
  // The last resort: the word at the place as the text holds it, where the
  // check read it otherwise ("#half#" for "½"). The advice is a hint where
  // the finding names more words than this one.
  if (!m && (m = cursor.WordAsWritten(in, FindText(first)))) {
    w.S = w.F = w.findF = cursor.Text().PlainText(*m).value_or(w.F);
    if (several && w.A != "NONE") w.A = AsHints(w.A);
  }
  if (!m) {
    ReportMissing(host, FindText(w.S), w, in);
    return std::nullopt;
  }
  // The character after the word that the search ends on ("90degrees."),
  // where it is a semicolon, comma or colon, is left for its own finding.
  if (w.S.ends_with('.') && m->end - m->begin > 1 && !cursor.Text().MarkupBefore(m->end - 1) &&
      std::string_view(";,:").find(static_cast<char>(cursor.Text().CodeAt(m->end - 1))) != std::string_view::npos)
    --m->end;
  if (w.backwardMode > 0) {
    // The find text within the words found: where they begin ("a" of "a
    // abbrev", not the "a" the search ends on), else the nearest before
    // their end; where it is not there, the words found are marked, and
    // the marking goes on.
    // The words as the check read them ("×pump" as "xpump") are looked
    // for as the search found them, so that the marker ends with them.
    const std::string find = FindText(w.findF);
    for (const SearchFlags flags : {SearchFlags{}, SearchFlags{.asRead = true}}) {
      if (auto f = cursor.Text().MatchAt(m->begin, find, flags); f && f->end <= m->end) return f;
      if (auto f = cursor.Text().Backward(m->end, std::max(cursor.Caret(), m->begin), find, flags)) return f;
    }
  }
  return m;
}

std::string ClosingStatus(int count) {
  if (count == 0) return "KESta: Congratulations: NO ERRORS";
  if (count == 1) return "KESta: One error.";
  return Format("KESta: Found %d errors.", count);
}
}  // namespace

HRESULT MarkingEngineWork(HostChannel& host) {
  Check.markedCount = 0;
  try {
    Guarded([&] {
      for (const char* option :
           {"set pendingdelete=on", "set extendselection=off", "set tagscan=off", "set case=on",
            "set wrapscan=off", "set gentext=on", "set deletespaces=on", "set wordscan=off"})
        host.Execute(option);
    });
    std::size_t records = FindingCount();
    if (records == 0) return S_OK;
    SetLastFindingMarkMode(999);
    BoundedText<78> go;
    go.format("clm; goto_oid('%s');", Cursor.CurrentOid.c_str());
    Guarded([&] { host.Execute(go.str()); });

    int processed = 1;
    bool lastMarked = false;
    MarkCursor cursor(host, CheckedText.text, Check.checkedTextLead);
    // A selection check's text may begin inside the element the marking
    // starts at: its first words tell where.
    if (!Check.markScope.empty()) cursor.Anchor();
    WalkFindings([&](const MarkInput& in, int& markMode) {
      int keptMarkMode = markMode;
      MarkWork w;
      KeyReading reading = ReadMarkKey(in, w);
      // A word written with its plural in parentheses ("valve(s)") is
      // advised as the word and its plural; a plural the dictionaries do not
      // take would be flagged once put in: it is a hint.
      if (const std::size_t slash = w.A.find('/');
          w.parenthesised && slash != std::string::npos && !IsApprovedWord(std::string_view(w.A).substr(slash + 1)))
        w.A = w.A.substr(0, slash + 1) + "(" + w.A.substr(slash + 1) + ")";
      if (w.markModeSix) markMode = 6;
      if (reading == KeyReading::LeadingColon) {
        BoundedText<80> msg;
        msg.format("Report KESta error Dictionary [%s]", in.searchKey.c_str());
        ShowMessageBox(msg.str(), "KESta PROBLEM", MB_ICONERROR);
        return true;
      }
      if (reading == KeyReading::MissingSearch) {
        BoundedText<80> msg;
        msg.format("Report KESta error Gate No. %d at [%s].", in.ruleId, in.searchKey.c_str());
        ShowMessageBox(msg.str(), "REPORT KESta PROBLEM", MB_ICONERROR);
        return true;
      }
      // Every correction of the rules is shown to the writer as a marker
      // whose advice is the corrected text, which the writer takes through
      // the finding's menu; a correction with nothing to put in place of
      // the words found would only delete them: it is marked like any
      // other finding.
      const ArticleCorrectionKind article = ArticleCorrectionOf(w);
      if (article == ArticleCorrectionKind::And) {
        MarkConjunction(host, cursor, w, in);
        return true;
      }
      std::optional<bool> correctionMarked;
      switch (w.kind) {
        case FindingKind::Correction:
          switch (article) {
            case ArticleCorrectionKind::Insertion:
              MarkArticleInsertion(host, cursor, w, in);
              return true;
            case ArticleCorrectionKind::And:
            case ArticleCorrectionKind::Change:
              w.kind = FindingKind::Word;
              break;
            case ArticleCorrectionKind::None:
              if (w.A.empty()) {
                w.kind = FindingKind::Word;
                break;
              }
              correctionMarked = MarkCorrection(host, cursor, w, in);
              break;
          }
          break;
        case FindingKind::Replacement:
          if (in.suggestion.empty() || in.suggestion[0] != '&') {
            w.kind = FindingKind::Word;
            break;
          }
          correctionMarked = MarkSignAdded(host, cursor, w, in);
          break;
        case FindingKind::Semicolon:
          MarkSemicolon(host, cursor, w, in);
          return true;
        default:
          break;
      }
      if (correctionMarked) {
        if (!*correctionMarked) return true;
      } else {
        ApplyLeadingKeyChar(in, w);
        std::optional<TextRange> words = w.kind == FindingKind::SentenceArticle
                                             ? FindSentenceArticle(host, cursor, w, in)
                                             : FindingWords(host, cursor, w, in);
        if (!words || !MarkRange(host, cursor, *words, w.A, w, in)) return true;
      }
      if (keptMarkMode == 999) {
        lastMarked = true;
        return false;
      }
      ++processed;
      if (processed % 20 == 0) {
        BoundedText<80> line;
        line.format("WAIT: KESta processed %d of %d errors", processed, static_cast<int>(records));
        Guarded([&] { SendStatus(host, line.str()); });
      }
      return true;
    });
    if (!lastMarked) {
      // The count of markers written, not of findings collected: a
      // finding whose words were not found is not in the document.
      BoundedText<80> line(ClosingStatus(Check.markedCount));
      Guarded([&] { SendStatus(host, line.str()); });
    }
    return S_OK;
  } catch (const StopMarking& stop) {
    return stop.code;
  }
}
