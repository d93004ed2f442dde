#include "commands/mark_plan.h"

#include <algorithm>
#include <cctype>

#include "commands/marker_text.h"
#include "commands/text_places.h"
#include "engine/ascii_text.h"
#include "engine/message_list.h"

namespace {
constexpr std::size_t npos = std::string::npos;

// Bounds-checked character read: past the end reads as NUL.
char At(std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }
}  // namespace

KeyReading ReadMarkKey(const MarkInput& in, MarkWork& w) {
  w = MarkWork{};
  w.kind = in.kind;
  // The separators are read as the collection wrote them: a ':' or '!' of
  // the flagged text or the advice comes escaped.
  SearchKeyParts key = ParseSearchKey(in.searchKey);
  w.A = key.advice;
  if (!w.A.empty()) w.refineMode = 7;

  if (key.colonFinding) {
    w.S = w.F = ":";
    return KeyReading::Search;
  }
  if (!key.hasSeparator) return KeyReading::MissingSearch;
  if (key.colonFirst) return KeyReading::LeadingColon;

  w.S = key.text;
  w.F = w.S;
  // A full stop before the last character (an abbreviation's) is not searched;
  // the any-character run before a one-letter word ("...B") is no such stop.
  std::size_t lastDot = w.F.rfind('.');
  if (lastDot != npos && w.F.size() >= 2 && lastDot == w.F.size() - 2 && w.F.compare(0, 3, "...") != 0)
    w.F.resize(lastDot);
  w.markModeSix = true;
  w.keepDots = true;
  w.wordDots = false;

  if (w.F.find('.') != npos && w.kind != FindingKind::Correction) {
    bool dotLast = w.F.find('.') == w.F.size() - 1;
    if (IsDigit(At(w.F, 0))) {
      w.keepDots = false;
      w.hyphenate = true;
      w.kind = FindingKind::Word;
      if (At(w.F, 1) == '.') {
        w.keepDots = true;
        w.wordDots = true;
      } else {
        w.wordDots = true;
        if (dotLast) w.keepDots = true;
      }
    } else {
      w.wordDots = false;
      if (dotLast) {
        w.keepDots = true;
        w.wordDots = true;
        w.kind = FindingKind::Word;
      }
    }
  }

  w.refineMode = 7;
  std::size_t p = w.S.rfind('.');
  if (p != npos && p > 3) {
    if (At(w.F, p - 1) == '.') {
      w.keepDots = true;
      w.wordDots = false;
      w.refineMode = 0;
    } else {
      w.refineMode = 7;
    }
    if (w.S.compare(p - 3, 3, "N.m") == 0) {
      w.keepDots = true;
      w.wordDots = true;
      w.refineMode = 0;
    }
  }

  if (w.F.find('-') != npos) {
    w.hyphenate = true;
    w.wordDots = true;
    w.refineMode = 7;
  }

  if (w.S == "/") {
    w.F = "/";
    w.A.clear();
  }

  // A plural in parentheses ("valve(s)") follows its word directly; a
  // parenthesis after a blank ("two (2)") is text of the words found. The
  // next word of an article to put in ("turn?valve(s)") is no word of its
  // search.
  std::size_t q = w.S.find('(');
  const bool articleBefore = w.kind == FindingKind::Correction && w.S.find('?') < q;
  if (q != npos && q > 0 && IsAsciiLetter(static_cast<unsigned char>(w.S[q - 1])) && !articleBefore) {
    std::string before = w.S.substr(0, q);
    std::ranges::replace(w.S, '(', '.');
    std::ranges::replace(w.S, ')', '.');
    w.F = w.S;
    w.refineMode = 7;
    w.parenthesised = true;
    w.kind = FindingKind::Word;
    std::string plural = before;
    if (At(w.S, q + 2) == '.') {
      plural += "s";
    } else if (At(w.S, q + 3) == '.') {
      plural += "es";
    } else if (At(w.S, q + 4) == '.') {
      std::ranges::replace(plural, 'y', 'i');
      plural += "es";
    }
    w.A = before + "/" + plural;
  }

  if (w.S.empty()) return KeyReading::MissingSearch;
  return KeyReading::Search;
}

std::string DotsForBlanksAndHyphens(std::string s) {
  std::ranges::replace(s, '-', '.');
  std::ranges::replace(s, ' ', '.');
  return s;
}

bool IsArticle(std::string_view word) {
  return EqualsNoCase(word, "a") || EqualsNoCase(word, "an") || EqualsNoCase(word, "the");
}

ArticleCorrectionKind ArticleCorrectionOf(const MarkWork& w) {
  // "and" for the sign, and any finding the rules give that sign, comes of
  // any kind: its search is the sign and the next word.
  if (w.S.compare(0, 3, "...") == 0) return ArticleCorrectionKind::And;
  if (w.kind != FindingKind::Correction) return ArticleCorrectionKind::None;
  if (w.S.find('?') != npos) return ArticleCorrectionKind::Insertion;
  if (IsArticle(w.S) && IsArticle(w.A)) return ArticleCorrectionKind::Change;
  // An article put before the word: the advice is the article and the word.
  const std::size_t blank = w.A.find(' ');
  if (blank != npos && IsArticle(std::string_view(w.A).substr(0, blank)) &&
      EqualsNoCase(std::string_view(w.A).substr(blank + 1), w.S))
    return ArticleCorrectionKind::Change;
  return ArticleCorrectionKind::None;
}

ArticleCorrection ArticleFix(const MarkWork& w) {
  ArticleCorrection fix;
  std::size_t q = w.S.find('?');
  std::string t = w.S.substr(0, q == npos ? w.S.size() : q);
  std::ranges::replace(t, '-', '.');
  fix.search = DotsForBlanksAndHyphens(t);
  bool capitals = IsAsciiUpper(At(fix.search, 0)) && IsAsciiUpper(At(fix.search, 1));
  // Only the article goes in, after the words found: they stay as the
  // document has them (a hyphen, a soft hyphen, a reference inside them).
  fix.insert = capitals ? " THE" : " the";
  return fix;
}

void ApplyLeadingKeyChar(const MarkInput& in, MarkWork& w) {
  if (At(in.searchKey, 0) == '?') {
    w.F = w.S = "?";
    w.refineMode = 7;
  } else if (At(in.searchKey, 0) == ',') {
    w.F = ",";
    w.refineMode = 7;
    w.kind = FindingKind::OneWord;
  }
}

void RefineSearch(const MarkInput& in, MarkWork& w) {
  if (in.category == 8 && w.F.size() == 1) w.refineMode = 0;
  if (w.kind == FindingKind::Word || w.kind == FindingKind::OneWord) w.refineMode = 7;
  if (w.kind == FindingKind::Possessive) {
    w.F = w.S.substr(0, w.S.size() >= 2 ? w.S.size() - 2 : 0) + "'s";
    w.refineMode = 0;
  }
  w.backwardMode = w.kind == FindingKind::Contraction ? 0 : w.refineMode;

  // Where an apostrophe of the document stood as '?' in the key, the
  // backward search keeps '.' (any character), so a typographic apostrophe
  // is found as well as a straight one.
  bool apostrophes = false;
  if (in.category == 10 && w.F.size() > 2 && w.kind != FindingKind::Possessive) {
    std::size_t q = w.S.find('?');
    if (w.kind == FindingKind::Contraction && q != npos && q > 1) {
      w.F = w.S;
      std::ranges::replace(w.S, '?', '.');
      w.backwardMode = 1;
      apostrophes = true;
    }
    bool own = KindIsOneOf(w.kind, {FindingKind::Contraction, FindingKind::ItIs,
                                     FindingKind::Semicolon, FindingKind::OneWord,
                                     FindingKind::Word});
    if (!own && w.backwardMode != 7) {
      w.S += "..";
      w.backwardMode = 7;
    }
  }
  // The length finding of a word without a finding of its own: the word
  // alone, without the next word's letter the search ends on; a
  // contraction ("They'll") whole.
  if (in.category == 28 && w.kind != FindingKind::SentenceArticle) {
    std::size_t dot = w.S.find('.');
    if (dot != npos) {
      w.S.resize(dot);
      w.F = w.S;
    }
    if (w.S.find('?') != npos) {
      w.F = w.S;
      w.backwardMode = 1;
      std::ranges::replace(w.S, '?', '.');
      apostrophes = true;
    }
  }
  w.findF = w.F;
  if (apostrophes) {
    std::ranges::replace(w.findF, '?', '.');
    const bool apostrophe = w.kind == FindingKind::ItIs || in.category == 10 || in.category == 28;
    std::ranges::replace(w.F, '?', apostrophe ? '\'' : '-');
  }
}

std::string MarkerTextFromF(const MarkWork& w) {
  std::string t = w.F;
  if (w.parenthesised) {
    std::ranges::replace(t, '.', '(');
    std::size_t last = t.rfind('(');
    if (last != npos) t = t.substr(0, last) + ")";
    return t;
  }
  if (!w.wordDots) {
    std::ranges::replace(t, '.', ' ');
    return t;
  }
  if (!w.keepDots) std::ranges::replace(t, '.', ' ');
  if (w.hyphenate) {
    std::size_t last = t.rfind('.');
    for (std::size_t i = 0; i < t.size(); ++i)
      if (t[i] == '.') t[i] = i == last ? ' ' : '-';
  }
  return t;
}

std::string FindText(std::string_view text) {
  // A reference in the word as checked ("valg&lowbar;eg.c") is one
  // character of the document: the entity the editor keeps, or the
  // character it stands for.
  // A '?' inside a word (after a letter, a digit or a reference) stands for
  // the apostrophe the checked text had (straight or typographic): it is
  // searched as any character.
  std::string s;
  s.reserve(text.size());
  bool inWord = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t ref = text[i] == '&' ? ReferenceLength(text.substr(i)) : 0;
    const char c = text[i];
    s += ref || c == '@' || (c == '?' && inWord) ? kWordCharWildcard : c;
    inWord = ref || std::isalnum(static_cast<unsigned char>(c));
    i += ref ? ref : 1;
  }
  return s;
}
