#include "engine/dict_lookup.h"

#include <cstring>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/dict_run_index.h"
#include "engine/entry_match.h"
#include "engine/lookup_state.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/word_class.h"

using pass::ClearCodes;
using pass::SetClass;

namespace {

// "a": the article, unless it stands for a plural, a noun after "the" or a
// letter before something that is no word.
void ArticleRule(WordRec* w) {
  if (w->splitKind == '1') return SetClass(w, 11, "NFP*");
  if (w->markFlag == '1') return SetClass(w, 10, "NFS*");
  SetClass(w, 64, "S00*");
  const char next = NextOr(w).text[0];
  if (!IsDigit(next) && !IsAsciiLetter(next)) SetClass(w, 40, "D1**");
}

// "I", "O" and their small forms.
void SingleLetterRule(WordRec* w) {
  SetClass(w, 40, "D***");
  w->classCode.append(w->text[0]);
  if (w->splitKind == '1') return SetClass(w, 11, "NFP**");
  if (w->markFlag == '1') return SetClass(w, 10, "NFS**");
  if (w->written[0] == 'I' && w->caseFlag == '2') w->splitKind = 'I';
}

// "x" and "y" as variables of a formula.
void VariableRule(WordRec* w) {
  SetClass(w, 40, "D****");
  if (w->splitKind == '1') return SetClass(w, 11, "NFP**");
  if (w->markFlag == '1') w->classCode = "NMSX**";
  const WordRec* prev = Prev(w);
  if (w->sentencePos >= 1 && prev &&
      (prev->classCode.startsWith("S06F") || prev->classCode.startsWith("S022")))
    w->classCode = "NMSX**";
}

void LetterRule(WordRec* w) {
  if (w->extraFlag == 'L') return;
  if (w->splitKind == '1') return SetClass(w, 11, "NFP**");
  if (w->markFlag == '1') return SetClass(w, 10, "NFS**");
  SetClass(w, 40, "D***");
}

// Marks that begin the entry of a two-letter stem: tried for every word of
// the run (the synonym search takes two marks more).
constexpr const char* kStemMarks = "!$&?^";
constexpr const char* kSynonymMarks = "!#$&?@^";

// Tries the entries of a run that can match `w` in their order (those that
// begin with its third letter or with one of `marks`, every entry for a
// two-letter word) until `tryEntry` gives a result above 0, which it returns;
// -1 when none does. The run's listing is used when it was made for this
// run; else the run's text is read entry by entry.
template <typename TryEntry>
int TryRunEntries(const char* run, int count, const DigramNode* node, int slot, const WordRec* w,
                  const char* marks, TryEntry tryEntry) {
  const char third = w->text[2];
  const bool twoLetters = w->text.length() == 2;
  if (const RunIndex* index = RunIndexFor(node, slot, run, count)) {
    RunCandidates candidates(*index, third, twoLetters, marks);
    while (const char* entry = candidates.Next()) {
      const int result = tryEntry(entry);
      if (result > 0) return result;
    }
    return kLookupNotFound;
  }
  const char* p = run;
  for (int i = 0; p != nullptr && i < count; ++i, p = NextDictEntry(p)) {
    if (*p == '\0') break;  // the end of the dictionary text
    if (*p == third || twoLetters || CharIn(*p, marks)) {
      const int result = tryEntry(p);
      if (result > 0) return result;
    }
  }
  return kLookupNotFound;
}

// Whether a variant's next word keeps the synonym search from running.
bool NextWordSkipsSynonyms(const WordRec* w) {
  const WordRec* next = Next(w);
  if (next == nullptr || next->text.length() >= 3) return false;
  const std::string_view t = next->text.view();
  if (t == "an" || t == "go" || t == "a" || t == "is" || t == "if") return true;
  const char c = t.empty() ? '\0' : t[0];
  if (CharIn(c, "acgi")) return false;
  return !(IsDigit(c) && w->text.length() > 1);
}

// The variant's preferred word from the SYNONYM run of the same digram.
bool FindSynonym(WordRec* w, const DigramNode* node) {
  const int slot = Dictionaries.SynonymDictIndex;
  const char* run = DictRun(node, slot);
  if (run == nullptr) return false;
  return TryRunEntries(run, RunEntryCount(node, slot), node, slot, w, kSynonymMarks, [&](const char* entry) {
           Lookup.MatchExtraWords = 0;
           w->suggestion.clear();
           return MatchInflectedWord(w, entry, CheckMode, 0, slot);
         }) > 0;
}

int TwoDigits(const std::string& s, std::size_t at) {
  if (s.size() < at + 2 || !IsDigit(s[at]) || !IsDigit(s[at + 1])) return 0;
  return (s[at] - '0') * 10 + (s[at + 1] - '0');
}

// Folds the consumed records of a multi-word entry into `w`.
void MergeFollowingWords(WordRec* w) {
  const int extra = Lookup.MatchExtraWords;
  w->weight = extra + 1;
  if (w->written.endsWith("?")) w->separatorFlag = 't';
  if (!(w->tag[0] == ')' || w->tag[1] == '?')) w->tag.clear();
  for (int i = 0; i < extra; ++i) {
    WordRec* next = w->next;
    if (next == nullptr) break;  // a short list: nothing more to fold in
    w->lastLetter = next->lastLetter;
    if (w->splitKind == '0') w->splitKind = next->splitKind;
    if (next->separatorFlag == '8') w->separatorFlag = '8';
    w->sentenceEnd = next->sentenceEnd;
    w->tokenKind = next->tokenKind;
    if (w->written.length() + static_cast<std::size_t>(next->length) < 48) {
      if (w->written.endsWith(".")) {
        w->separatorFlag = 't';
      } else {
        w->written.append(' ');
      }
      w->written.append(next->written.view());
      if (next->tag[0] == '<' && next->tag[1] == ' ') w->tag = next->tag;
    }
    if (w->length + next->length < 82) {
      w->text.append(' ');
      w->text.append(next->text.view());
    }
    w->length = static_cast<int>(w->text.length());
    RenumberReached(next);  // a deferred walk of an earlier merge passes over it
    DeleteWordRec(next);
  }
  Lookup.MatchExtraWords = -1;
}

}  // namespace

void ClassifyByForm(WordRec* w) {
  const char c = w->text[0];
  const std::size_t len = w->text.length();
  switch (c) {
    case '\0':
      SetClass(w, 40, "DX**");
      w->text = ".";
      w->written = ".";
      w->length = 1;
      return;
    case '!':
      SetClass(w, 48, "D!***");
      w->message = 337;
      w->sentenceEnd = 1;
      return;
    case '&': return SetClass(w, 63, "DCCA**");
    case '(': case '[': case '{':
      return len >= 2 ? SetClass(w, 40, "D***") : SetClass(w, 41, "DL***");
    case ')': case ']': case '}': return SetClass(w, 44, "DR****");
    case '+': case '-': case '=': return SetClass(w, 40, "D****");
    case ',': return SetClass(w, 47, "DYC***");
    case '.':
      if (len == 1 && w->extraFlag == 'D') {
        SetClass(w, 40, "D***");
        w->text.set(0, '-');
        w->written.set(0, '-');
      } else if (len == 1) {
        SetClass(w, 48, w->extraFlag == 'H' ? "DXXH*" : "DXX**");
        w->sentenceEnd = 1;
        w->length = static_cast<int>(w->text.length());
      } else {
        SetClass(w, 40, "D***");
        w->caseFlag = '0';
      }
      return;
    case '/': return SetClass(w, 40, "DS***");
    case ':':
      SetClass(w, 48, "SP***");
      w->sentenceEnd = 1;
      return;
    case ';': return SetClass(w, 42, "D;***");
    case '?':
      SetClass(w, 48, "D?***");
      w->sentenceEnd = 1;
      return;
    case '~':
      SetClass(w, 40, "D*****");
      w->message = 337;
      w->sentenceEnd = 1;
      return;
    case 'V': case 'v':
      return SetClass(w, w->written[0] == 'v' ? 40 : 17, "D1***");
    case 'A': case 'a': return ArticleRule(w);
    case 'I': case 'O': case 'i': case 'o': return SingleLetterRule(w);
    case 'X': case 'Y': case 'x': case 'y': return VariableRule(w);
    default:
      if (IsDigit(c)) return SetClass(w, 49, "S08***");
      if (IsAsciiLetter(c)) return LetterRule(w);
      return SetClass(w, 40, "D8***");
  }
}

int ScanDictRun(const char* run, int mode, WordRec* word, int count, int flags,
                const DigramNode* node, int slot) {
  Lookup.MatchExtraWords = 0;
  if (run == nullptr || word == nullptr) return kLookupNotFound;
  int result = TryRunEntries(run, count, node, slot, word, kStemMarks, [&](const char* entry) {
    Lookup.MatchExtraWords = 0;
    return MatchInflectedWord(word, entry, mode, flags, slot);
  });
  if (result <= 0) return kLookupNotFound;

  // 2. The entry's code, kept for a variant that finds no synonym.
  const int keptExtra = Lookup.MatchExtraWords;
  std::string kept(word->classCode.view().substr(0, 4));

  if (result == 6) {
    for (const char* prefix : {"1014", "06", "1017", "4517", "3012"})
      if (kept.compare(0, std::strlen(prefix), prefix) == 0) result = kLookupFound;
  }
  if (result == 6) {
    const bool found = node != nullptr && !NextWordSkipsSynonyms(word) && FindSynonym(word, node);
    if (found) {
      kept.clear();
    } else {
      Lookup.MatchExtraWords = keptExtra;
      ClearCodes(word);
      word->classCode = !kept.empty() && kept[0] == '3'   ? "AF**"
                        : !kept.empty() && kept[0] == '1' ? "NMS"
                                                          : "D***";
      if (kept.size() == 4) {
        word->wordClass = TwoDigits(kept, 0);
        word->subClass = TwoDigits(kept, 2);
      } else if (kept.size() == 2) {
        word->wordClass = TwoDigits(kept, 0);
      }
    }
  }

  if (Lookup.MatchExtraWords > 0) MergeFollowingWords(word);
  if (slot >= 0 && slot <= 2) word->extraFlag = static_cast<char>('0' + slot);
  if (!kept.empty() && kept[0] == 'X') word->classCode = "X1***";
  return kLookupFound;
}

int LookupWord(WordRec* word, int dictCount, int mode, int flags) {
  if (word == nullptr) return kLookupNotFound;
  const char first = word->text[0];
  if (word->text.length() < 2 || IsDigit(first) || IsAsciiPunct(first) || word->extraFlag == 'L') {
    ClassifyByForm(word);
    return kLookupFound;
  }

  if (const DigramNode* node = FindDigramNode(word->text.c_str())) {
    for (int d = 0; d < dictCount && d < kDictCount; ++d) {
      const int count = RunEntryCount(node, d);
      if (count <= 0) continue;
      const char* run = DictRun(node, d);
      if (run == nullptr) continue;
      if (ScanDictRun(run, mode, word, count, flags, node, d) > 0) {
        DecodeWordClass(word);
        return kLookupFound;
      }
    }
  }

  if (word->extraFlag == '3') {
    word->extraFlag = ' ';
    if (CharIn(word->written[0], "DMP")) SetClass(word, 40, "DT***");
    else SetClass(word, 45, "D1****");
    return kLookupFound;
  }
  const char w0 = word->written[0];
  if (IsAsciiUpper(w0) && word->written[1] == '-' && IsAsciiUpper(word->written[2])) {
    SetClass(word, word->lastLetter == 's' ? 19 : 18, "NM**");
    return kLookupFound;
  }
  word->wordClass = 40;
  word->message = word->subClass = word->message2 = 325;
  if (word->markFlag == '1') word->wordClass = word->lastLetter == 's' ? 11 : 10;
  word->classCode = "FN***";
  return kLookupNotFound;
}

int LookUpAlone(std::string_view word, int dictCount, WordRec* probe) {
  if (word.size() < 2 || word.size() > BoundedText<84>::kMaxLength) return kLookupNotFound;
  *probe = WordRec{};  // stands alone: no neighbour to merge or read
  probe->written = word;
  probe->text = word;
  for (std::size_t i = 0; i < word.size(); ++i)
    probe->text.set(i, AsciiLower(static_cast<unsigned char>(word[i])));
  probe->length = static_cast<int>(word.size());
  probe->lastLetter = probe->text.last();
  const int keptExtra = Lookup.MatchExtraWords;
  const int result = LookupWord(probe, dictCount, CheckMode, 0);
  Lookup.MatchExtraWords = keptExtra;
  return result;
}

bool IsApprovedWord(std::string_view word) {
  WordRec probe;
  return LookUpAlone(word, kDictCount, &probe) == kLookupFound && probe.message == 0;
}

bool IsTechnicalUnit(std::string_view word) {
  WordRec probe;
  return LookUpAlone(word, kTechnicalDict + 1, &probe) == kLookupFound && probe.extraFlag == '0' + kTechnicalDict &&
         probe.wordClass == 17;
}
