#include "engine/collect_messages.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "engine/advice_forms.h"
#include "engine/advice_hints.h"
#include "engine/covered_words.h"
#include "engine/finding_kind.h"
#include "engine/pass_marks.h"
#include "engine/pass_text.h"
#include "engine/message_codes.h"
#include "engine/message_list.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/tokenizer.h"
#include "engine/word_class.h"

using ascii::Contains;
using pass::ClearCodes;
using K = FindingKind;

namespace {

// Empties the tag by ending it at its first character. The characters after
// it stay in the field, and later steps that read a tag's second to fifth
// character by position still see them; clearing the whole field would
// change what those steps decide.
void ClearTag(WordRec* w) { w->tag.set(0, '\0'); }

void ReplaceFirst(std::string& s, char from, std::string_view to) {
  if (auto p = s.find(from); p != std::string::npos) s.replace(p, 1, to);
}

// The written form "word?next" of a word that an article rule joined to
// the next word.
bool JoinedForArticle(const WordRec& w) {
  const std::string_view s = w.written.view();
  const std::size_t q = s.find('?');
  const WordRec* n = Next(&w);
  return q != std::string_view::npos && q > 0 && n && s.substr(q + 1) == n->written.view();
}

// Sets the written form from a longer working text, cut at the field.
void SetWritten(WordRec* w, std::string_view s) { w->written = s; }

// A written form as the search joins it to what follows: one blank between
// its words and none after the last, whatever blanks a rule wrote into it
// ("a " for "a"), so that the search never looks for two separators where
// the document has one.
std::string OneBlank(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (c != ' ' || (!out.empty() && out.back() != ' ')) out += c;
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// Appends a separator and `tail` to the written form, as the search reads
// it: blanks the form ends with are not searched twice.
void AppendAfterWord(WordRec* w, char separator, std::string_view tail) {
  std::string s = OneBlank(w->written.view());
  s += separator;
  s += tail;
  SetWritten(w, s);
}

// Whether a written form ends with the article the tokenizer set aside
// before the next word: a rule wrote it back ("in the" of "in the event
// that"), so the search must not allow for it a second time.
bool EndsWithArticle(std::string_view written) {
  const std::string s = OneBlank(written);
  if (s.size() < 3) return false;
  const std::string_view last = std::string_view(s).substr(s.size() - 3);
  const bool the = EqualsNoCase(last, "the");
  return the && (s.size() == 3 || s[s.size() - 4] == ' ');
}

constexpr std::size_t kAdviceMax = 83;

// The per-word working texts, cut at the sizes the marking reads them at:
// advice up to the 83 characters of a marker's advice, search text and key
// up to the longest key.
struct Work {
  std::string advice;  // A, at most kAdviceMax characters
  std::string search;  // S, at most 255
  std::string key;     // at most 255
  FindingKind kind = FindingKind::Word;  // stored in the record as its letters
  // The record's word was taken before `written` got the start of the next
  // word for the search ("higher" searched as "higher.t"): it stays so.
  bool wordTaken = false;
  // The marker holds only a part of the words the advice replaces (the
  // search stops at markup that divides them; a long sentence's marker
  // stops at the apostrophe of "it's"): the advice is a hint.
  bool partOnly = false;
  void SetAdvice(std::string_view a) { advice = std::string(a.substr(0, kAdviceMax)); }
  void SetSearch(std::string_view s) { search = std::string(s.substr(0, kSearchKeyMax)); }
};

std::string Number(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2d", n);
  return buf;
}

// S ":|" N, then "!" A when `withAdvice`. S is cut, if need be, so that the
// separators and the number always fit; A is cut at the end of the key.
std::string StandardKey(std::string_view search, int number, std::string_view advice,
                        bool withAdvice) {
  const std::string n = Number(number);
  std::string key;
  AppendKeyText(key, search, kSearchKeyMax - 2 - n.size() - (withAdvice ? 1 : 0));
  key += ":|";
  key += n;
  if (withAdvice) {
    key += '!';
    AppendKeyText(key, advice);
  }
  return key;
}

// The one-word correction forms of the corrections and the semicolon.
std::string CorrectionKey(std::string_view written, std::string_view advice) {
  std::string key;
  AppendKeyText(key, written, kSearchKeyMax - 5);
  if (advice.empty()) {
    key += ":|00|";
  } else {
    key += ":|00!";
    AppendKeyText(key, advice);
  }
  return key;
}

// Words joined for the search or corrected in place: hyphenated pairs,
// measurements, articles, doubled blanks, repeated articles and the
// "<ES>" and "<##>" tags.
void MarkJoinsAndCorrections(WordRec* w, MessageRec& rec, Work& work) {
  WordRec* next = Next(w);
  const auto& T = w->text;
  // A hyphenated pair written apart.
  if (w->extraFlag == 'H') {
    ClearTag(w);
    w->message = w->message2 = Msg::Hyphenation;
    std::string s(w->written.view());
    ReplaceFirst(s, ' ', ".");
    SetWritten(w, s);
  }
  // A measurement on a number (".5" too), corrected in place. It covers
  // the number alone, so the next word keeps its own finding.
  if (w->message == Msg::Measurement && (IsDigit(T[0]) || (T[0] == '.' && IsDigit(T[1])))) {
    w->entryWords = 1;
    w->written.append('.');
    work.kind = K::Correction;
    rec.word = w->written.str();
    work.SetAdvice(w->suggestion.view());
    w->message = Msg::Spelling;
    ClearTag(w);
  }
  // A word joined to the next by '?' for a missing article whose finding a
  // later rule replaced: the finding is its own, found as the text has it.
  if (w->tag.startsWith("<AR>") && w->message != Msg::Spelling && JoinedForArticle(*w)) {
    w->written.truncate(w->written.view().find('?'));
    ClearTag(w);
  }
  // An article to add, change or drop. Only "and" joins the next word.
  if (w->tag.startsWith("<AR>")) {
    if (!(w->written == "and")) {
      // An article the next word needs ("Remove?cover") is this finding's
      // advice; the next word's own finding for it ("the cover", with no
      // advice shown) would mark the same want twice. A next word that
      // the finding does not join keeps its findings.
      if (JoinedForArticle(*w)) ClearCodes(next);
      const auto& s = w->suggestion;
      if (!s.empty() && s[0] != '(') {
        work.SetAdvice(s.view());
        rec.suggestion = s.str();
        rec.altWord = w->written.str();
      }
      w->message = Msg::Spelling;
      work.kind = rec.suggestion[0] == '&' ? K::Replacement : K::Correction;
      // A hint in parentheses ("(No. 4)" for "#4") is no text to put in:
      // the finding is marked, with the hint as its advice.
      if (!s.empty() && s[0] == '(') work.kind = K::Word;
    } else {
      // "&amp;" read as "and": the sign with the white space around it,
      // and the article the tokenizer set aside before the next word (any
      // three letters and a blank: "the", "The", "THE"), then that word.
      std::string joined = "...";
      if (next && next->articleSetAside) joined += "....";
      if (next) joined += next->written.view();
      SetWritten(w, joined);
      work.SetAdvice("and");
      // Markup after the sign keeps its finding, for the words near it.
      if (next && !IsPlaceholder(*next)) ClearCodes(next);
    }
    ClearTag(w);
  }
  // Two words with a doubled blank between them: each blank is searched as
  // two characters.
  if (w->tag.startsWith("<DS>") && w->entryWords == 2 && Contains(w->written, ' ')) {
    ClearTag(w);
    std::string s;
    for (char c : w->written.view()) s += c == ' ' ? std::string("..") : std::string(1, c);
    SetWritten(w, s);
  }
  // A repeated article.
  if (w->tag.startsWith("<RP>")) {
    work.kind = K::Correction;
    w->sentencePos = 1;
    ClearTag(w);
    w->written.set(3, '.');
    work.SetAdvice(w->suggestion.view().substr(0, 3));
    w->message = Msg::Punctuation;
  }
  // A word corrected in place together with the three characters after it.
  if (w->tag.startsWith("<ES>")) {
    work.kind = K::Correction;
    w->sentencePos = 1;
    work.SetAdvice(w->written.view());
    ClearTag(w);
    w->written.append("...");
    w->message = Msg::Punctuation;
  }
  // A cross-reference tag, marked as a correction of itself.
  if (w->tag.startsWith("<##>")) {
    work.kind = K::Correction;
    w->sentencePos = 1;
    ClearTag(w);
  }
}

// A semicolon, marked together with the start of the next word. False when
// that word does not begin with two letters: the semicolon gets no record.
bool MarkSemicolon(WordRec* w, Work& work) {
  if (w->message == Msg::Punctuation && w->text[0] == ';') {
    work.kind = K::Semicolon;
    const WordRec& n = NextOr(w);
    // A name written as a reference ("&prod;") begins with its name's letters.
    const WordText& next = n.written[0] == '&' ? n.text : n.written;
    if (!IsAsciiLetter(next[0]) || !IsAsciiLetter(next[1])) return false;
    std::string s = n.articleSetAside ? ". ... " : ". ";
    s += next[0];
    s += next[1];
    SetWritten(w, s);
    w->entryWords = 1;
    ClearTag(w);
  }
  return true;
}

// Advice on one word and the tags that name what the search adds to the
// word: hyphenation advice, tag words, the next word's first letter,
// spelling advice, comma tags, "<*/*" tags and line ends.
void MarkAdviceAndTags(WordRec* w, MessageRec& rec, Work& work) {
  const auto& T = w->text;
  // Hyphenation advice, without a leading 'N', in the word's capitals.
  if (w->message == Msg::Hyphenation && !w->suggestion.empty()) {
    work.kind = K::OneWord;
    w->sentencePos = 1;
    std::string a(w->suggestion.view());
    if (a[0] == 'N') a.erase(0, 1);
    if (w->caseFlag == '1' && !a.empty()) a[0] = AsciiUpper(a[0]);
    work.SetAdvice(a);
    ClearTag(w);
  }
  // Tag words.
  if (w->tag.startsWith("<**>") || w->tag.startsWith("<*->")) {
    w->entryWords = 1;
    rec.markMode = 1;
    if (w->tokenKind != 9) {
      rec.altWord = w->written.str();
      if (w->sentencePos > 0 && PrevOr(w).tokenKind != 8) work.kind = K::Replacement;
    }
    ClearTag(w);
  }
  // A finding over several words searches the words, not the tag.
  if (w->entryWords > 1) ClearTag(w);
  // A blank and a letter in the tag: the word is searched with the blank
  // and the letter that follow it.
  if (w->tag[0] == '<' && w->tag[1] == ' ' && IsAsciiLetter(w->tag[2])) {
    const char x = w->tag[2];
    work.kind = K::OneWord;
    ClearTag(w);
    rec.subKind = "SP";
    rec.word = w->written.str();
    work.wordTaken = true;
    AppendAfterWord(w, ' ', std::string_view(&x, 1));
  }
  // "<+" and a letter: the word is searched with the first letter of the
  // next word (one character between them).
  if (w->entryWords < 2 && w->tag.startsWith("<+") && IsAsciiLetter(w->tag[2])) {
    const char x = w->tag[2];
    work.kind = K::Word;
    w->entryWords = 1;
    if (OneBlank(w->written.view()).find(' ') == std::string::npos) {
      rec.word = w->written.str();
      work.wordTaken = true;
      AppendAfterWord(w, '.', std::string_view(&x, 1));
      work.kind = K::OneWord;
    } else {
      std::string s = OneBlank(w->written.view());
      ReplaceFirst(s, ' ', ".");
      SetWritten(w, s);
    }
    ClearTag(w);
  }
  // Spelling advice, unless the word is corrected in place.
  if (w->message == Msg::Spelling && !w->suggestion.empty() && work.kind != K::Correction) {
    rec.subKind = "D";
    w->sentencePos = 1;
    ClearTag(w);
    work.SetAdvice(w->suggestion.view());
  }
  // The comma tags of the tokenizer.
  if ((w->message == Msg::Comma || T[0] == ',') && w->tag[0] == '<' && w->tag[1] == ',' &&
      w->tag[2] && w->tag[3] && w->tag[4] == '>') {
    work.kind = K::CommaTag;
    rec.category = 18;
    // The tag holds the blank after the comma and the next word's first
    // letter; the '.' of the key stands for that blank, so it is not written
    // twice (",..n" would find ", and" for ", not").
    std::string s = ",.";
    if (w->tag[2] != ' ') s += w->tag[2];
    s += w->tag[3];
    SetWritten(w, s);
    ClearTag(w);
    w->entryWords = 1;
  }
  // A "<*/*" tag marks the word alone.
  if (w->tag.startsWith("<*/*")) {
    w->entryWords = 1;
    rec.subKind = "J";
    ClearTag(w);
  }
  // A word at a line end: searched with the line break and the next word's
  // first letter.
  if (w->entryWords == 1 && w->tag.startsWith("<+") && w->tag[4] == '8') {
    const char c = w->tag[2];
    rec.word = OneBlank(w->written.view()) + ' ' + c;
    work.wordTaken = true;
    AppendAfterWord(w, '.', std::string_view(&c, 1));
    work.kind = K::LineEnd;
    ClearTag(w);
  }
}

// The marks that the finding's message code decides: words not in the
// dictionary, "it's", possessives, style and capital marks, labels,
// abbreviations, punctuation before a colon and numbers with a unit mark.
void MarkByMessage(WordRec* w, MessageRec& rec, Work& work) {
  WordRec* next = Next(w);
  // A word not in the dictionary: a one-word finding when it has advice.
  if (w->message == Msg::NotInDictionary) {
    work.kind = w->suggestion.empty() ? K::Word : K::OneWord;
    w->splitKind = '0';
    w->extraFlag = '\0';
  }
  // "it's" where "its" or "it is" is meant.
  if (w->extraFlag == '5' && (w->message == Msg::Apostrophe || w->subClass == Msg::Apostrophe)) {
    work.kind = K::ItIs;
    w->splitKind = '0';
    w->extraFlag = '\0';
    // "it is" stands in for "it's" alone, in its case; after any other word
    // ("Stayton's") only the hint fits.
    const bool it = w->text.startsWith("it") && w->text.length() == 4;
    work.SetAdvice(!it ? "(Noun ... is)" : w->caseFlag != '0' ? "It is/(Noun ... is)" : "it is/(Noun ... is)");
  }
  // A possessive.
  if (w->splitKind == '2' && w->message == Msg::Apostrophe) {
    rec.markMode = 1;
    rec.altWord = w->written.str();
    w->written.append("..");
    work.kind = K::Possessive;
    rec.word = w->written.str() + "'s";
  }
  // Style and capital marks.
  if (w->message == Msg::Style && w->separatorFlag == 'r') work.kind = K::StyleMark;
  if (w->message == Msg::Capitalization && w->verbForm == 'R') {
    work.kind = K::CapitalMark;
    work.SetAdvice(w->suggestion.view());
  }
  // A label keeps no tag; a dotted abbreviation is marked as a whole.
  if (w->message == Msg::NameLabel &&
      (w->separatorFlag == 'R' || w->separatorFlag == 'T' || w->separatorFlag == 'U')) {
    ClearTag(w);
  } else if (w->message == Msg::Abbreviation && Contains(w->written, '.') && w->written[1] == '.') {
    rec.markMode = 6;
  }
  // Punctuation before a colon.
  if (w->message == Msg::Punctuation && NextOr(w).text[0] == ':') {
    w->written = ":";
    w->entryWords = 1;
    w->suggestion.set(0, '.');
    ClearCodes(next);
  }
  // A number written with its unit mark.
  if (w->message == Msg::Number && IsDigit(w->tag[1])) {
    std::string s(1, w->written[0]);
    s += '.';
    s += w->tag[2];
    SetWritten(w, s);
    rec.word = s;
    w->entryWords = 1;
    ClearCodes(next);
  }
}

// The marks that change how the finding is searched, in their order.
// Answers false when the word yields no record.
bool ApplyMarks(WordRec* w, MessageRec& rec, Work& work) {
  MarkJoinsAndCorrections(w, rec, work);
  if (!MarkSemicolon(w, work)) return false;
  MarkAdviceAndTags(w, rec, work);
  // A word beginning with '!' yields no record.
  if (w->text[0] == '!') return false;
  MarkByMessage(w, rec, work);
  return true;
}

// A covered word joined to its next word for a missing article
// ("change?bars") is searched as itself: the next word is not covered.
std::string CoveredWritten(const WordRec* r) {
  if (!r) return std::string();
  std::string_view s = r->written.view();
  if (JoinedForArticle(*r)) s = s.substr(0, s.find('?'));
  return OneBlank(s);
}

// Whether a written form begins with the article the tokenizer set aside
// before it: a rule wrote it back in front ("the time" of "at the time
// of").
bool BeginsWithArticle(std::string_view written) {
  return written.size() > 4 && EqualsNoCase(written.substr(0, 3), "the") && written[3] == ' ';
}

// The gap before a covered word in the search: a blank, or a blank, any
// three letters and a blank where the tokenizer set an article aside
// ("it the Remove" is not found as "it Remove") and neither the word
// before nor the word itself holds it again.
std::string GapBefore(const WordRec* r) {
  const bool aside = r && r->articleSetAside && !(r->prev && EndsWithArticle(r->prev->written.view())) &&
                     !BeginsWithArticle(r->written.view());
  return aside ? std::string(" ... ") : std::string(" ");
}

// The search text of findings that cover several words, and of
// one-word findings by kind.
void CoveredWords(WordRec* w, MessageRec& rec, Work& work, char formerTag1) {
  WordRec* n1 = Next(w);
  WordRec* n2 = Next(w, 2);
  WordRec* n3 = Next(w, 3);
  const auto written = CoveredWritten;
  const auto gap = GapBefore;
  const bool keepKind = KindIsOneOf(work.kind, {K::Correction, K::Replacement});
  const auto& sug = w->suggestion;
  if (w->entryWords == 2) {
    if (!sug.empty()) work.SetAdvice(sug.view());
    std::string s = written(w) + (formerTag1 == 'D' ? ".." : gap(n1)) + written(n1);
    rec.word = written(w) + (formerTag1 == 'D' ? ".." : " ") + written(n1);
    if (!keepKind) work.kind = K::Word;
    std::ranges::replace(s, ' ', '.');
    work.SetSearch(s);
    ClearCodes(n1);
  } else if (w->entryWords == 3) {
    std::string s = written(w) + gap(n1) + written(n1) + gap(n2) + written(n2);
    rec.word = written(w) + ' ' + written(n1) + ' ' + written(n2);
    std::ranges::replace(s, ' ', '.');
    work.SetSearch(s);
    ClearCodes(n1);
    ClearCodes(n2);
    if (!keepKind) work.kind = K::Word;
    if (!sug.empty()) work.SetAdvice(sug.view());
  } else if (w->entryWords >= 4) {
    if (!KindIsOneOf(work.kind, {K::Correction, K::Semicolon})) work.kind = K::Word;
    rec.word = written(w) + ' ' + written(n1) + ' ' + written(n2) + ' ' + written(n3);
    std::string s = written(w) + gap(n1) + written(n1) + gap(n2) + written(n2) + gap(n3) + written(n3);
    std::ranges::replace(s, ' ', '.');
    work.SetSearch(s);
    if (!sug.empty()) work.SetAdvice(sug.view());
    ClearCodes(n1);
    ClearCodes(n2);
    ClearCodes(n3);
  } else if (KindIsOneOf(work.kind, {K::Semicolon, K::Correction})) {
    work.key = CorrectionKey(w->written.view(), work.advice);
  } else if (KindIsOneOf(work.kind, {K::Possessive, K::Word})) {
    // A word whose written form got a blank and the next word's first
    // letter for a one-word search, and that then became a finding of its
    // own (a long sentence's "A p" of "A placeholder"), is searched as
    // itself: a blank is no wildcard, and the letter belongs to the next
    // word and its findings.
    const bool letterAfterBlank = work.wordTaken && work.kind == K::Word && Contains(w->written, ' ');
    work.SetSearch(OneBlank(letterAfterBlank ? std::string_view(rec.word) : w->written.view()));
    w->sentenceLength = 0;
  } else if (!work.advice.empty() && KindIsOneOf(work.kind, {K::OneWord, K::LineEnd})) {
    std::string s = OneBlank(w->written.view());
    if (!work.wordTaken) rec.word = s;
    w->sentenceLength = 0;
    std::ranges::replace(s, ' ', '.');
    work.SetSearch(s);
  } else if (KindIsOneOf(work.kind, {K::CommaTag, K::OneWord, K::SentenceArticle})) {
    std::string s = OneBlank(w->written.view());
    ReplaceFirst(s, ' ', ".");
    work.SetSearch(s);
  } else if (!work.advice.empty() && w->message != Msg::Style && !w->tag.empty()) {
    std::string s = OneBlank(w->written.view());
    if (w->tag[0] == '<') {
      s += '.';
      s += w->tag[2];
      work.kind = K::Word;
    }
    if (s.find(' ') != std::string::npos) {
      ReplaceFirst(s, ' ', ".");
      work.kind = K::Word;
    }
    work.SetSearch(s);
    if (!sug.empty()) work.SetAdvice(sug.view());
  } else {
    std::string s = OneBlank(w->written.view());
    if (!work.wordTaken) rec.word = s;
    w->sentenceLength = 0;
    std::ranges::replace(s, ' ', '.');
    work.SetSearch(s);
    work.kind = K::OneWord;
  }
  // The search finds only words that stand together in the document: where
  // markup divides the covered words, it looks for those before the markup.
  // The advice is for all the words: on a part of them it is a hint, which
  // put in would leave the other words standing ("to <i>to</i>").
  if (w->entryWords >= 2 && KindIsOneOf(work.kind, {K::Word})) {
    const int covers = w->entryWords < 4 ? w->entryWords : 4;
    int joined = 1;
    const WordRec* r = Next(w);
    for (; r && joined < covers && !r->markupBefore; r = Next(r)) ++joined;
    if (joined < covers) {
      std::string s = written(w);
      for (int i = 1; i < joined; ++i) s += '.' + written(Next(w, i));
      work.SetSearch(s);
      if (r != nullptr) work.partOnly = true;
    }
  }
}

// The nearest word of the sentence on one side of `w` that no finding
// holds: past punctuation and placeholders, never past a word with a
// finding of its own, nor back to `taken` (the last word a finding before
// holds), so that the findings stay in the order of their words.
const WordRec* NearestFreeWord(const WordRec* w, bool forward, const WordRec* taken) {
  for (const WordRec* at = w;;) {
    if (!forward && at->sentencePos == 0) return nullptr;  // the sentence's first word
    const WordRec* n = forward ? Next(at) : at->prev;
    if (AtEnd(n) || (forward && n->sentencePos == 0)) return nullptr;
    if (HasCodes(*n) || n == taken) return nullptr;
    if (IsTextWord(*n)) return n;
    at = n;
  }
}

// The words that carry the finding of a placeholder: the words it covers
// after it, else the nearest word of its sentence (the following one where
// the placeholder opens the sentence, else the one before it). The search
// and the words of the record become theirs; the advice stays the
// finding's own. Where no such word stands free, all stays as it was.
void MoveToNearestWords(const WordRec* w, const WordRec* taken, MessageRec& rec, Work& work,
                        const WordRec** first, const WordRec** last) {
  const WordRec* from = nullptr;
  const WordRec* to = nullptr;
  const int covers = std::min(w->entryWords, 4);
  for (int i = 1; i < covers; ++i) {
    const WordRec* n = Next(w, i);
    if (!n || !IsTextWord(*n)) continue;
    if (!from) from = n;
    to = n;
  }
  if (!from) {
    const bool opens = w->sentencePos == 0;
    from = NearestFreeWord(w, opens, taken);
    if (!from) from = NearestFreeWord(w, !opens, taken);
    to = from;
  }
  if (!from) return;
  std::string words = CoveredWritten(from);
  std::string search = words;
  for (const WordRec* r = from; r != to;) {
    r = Next(r);
    words += ' ' + CoveredWritten(r);
    search += GapBefore(r) + CoveredWritten(r);
  }
  std::ranges::replace(search, ' ', '.');
  work.SetSearch(search);
  rec.word = words;
  work.kind = K::Word;
  *first = from;
  *last = to;
}

// Whether the word has a finding; settles its three codes so that
// `message` and `subClass` hold the finding's code.
bool SettleCodes(WordRec* w) {
  if (w->message < 1 && w->message2 < 1 && w->subClass < 1) return false;
  if (w->message == 0 && w->message2 > 299) {
    w->message = w->subClass = w->message2;
    w->message2 = 0;
  }
  if (w->subClass == 0 && w->message > 299) w->subClass = w->message;
  if (w->message2 >= 1 && w->subClass == 0) w->subClass = w->message = w->message2;
  return true;
}

// A long sentence's finding over a finding of the word's own (or of the
// words it opens): the word's codes go back to that finding, so that its
// record is made as in a sentence within the limit, its words and advice
// unchanged; the answer is the sentence's length, which the record's
// marker shows, or 0 where the word carries no such pair.
std::int32_t TakeCarriedFinding(WordRec* w) {
  if (w->message != Msg::SentenceLength || w->message2 < 300 || w->message2 == Msg::SentenceLength) return 0;
  const std::int32_t length = w->sentenceLength;
  w->message = w->message2;
  w->message2 = 0;
  if (w->subClass == Msg::SentenceLength) w->subClass = w->message;
  w->sentenceLength = 0;
  return length;
}

MessageRec NewRecord(const WordRec* w) {
  MessageRec rec;
  rec.markMode = 0;
  rec.category = w->message - 300;
  rec.markerNumber = w->sentencePos;
  rec.ruleId = w->ruleId;
  rec.word = w->written.str();
  return rec;
}

// The advice after the marks (the working texts start empty): the
// suggestion in the word's capitals, taken as advice where the kind shows
// it; contractions spelt out; a long sentence's length as its number.
void TakeAdvice(WordRec* w, MessageRec& rec, Work& work) {
  if ((w->caseFlag == '1' || w->caseFlag == '2') &&
      KindIsOneOf(work.kind, {K::Word, K::ItIs, K::StyleMark, K::CapitalMark}) &&
      IsAsciiLower(w->suggestion[0]) && w->length > 1)
    MatchSuggestionCase(w);
  if (!w->suggestion.empty() && w->message != Msg::Style && w->message != Msg::Spelling &&
      w->message != 0 &&
      !KindIsOneOf(work.kind, {K::CommaTag, K::Correction, K::Semicolon, K::Possessive}) &&
      w->tag[0] != '<') {
    work.SetAdvice(w->suggestion.view());
  }
  // Apostrophes and contractions.
  if (w->message == Msg::Apostrophe && w->extraFlag != 'I') {
    w->entryWords = 1;
    if (w->extraFlag == '4') {
      work.kind = K::Contraction;
      ExpandContraction(w);
      std::string a(w->suggestion.view());
      if (w->sentencePos == 0 && !a.empty()) a[0] = AsciiUpper(a[0]);
      work.SetAdvice(a);
    }
  }
  // A long sentence whose word has no finding of its own.
  if (w->message == Msg::SentenceLength) {
    rec.markerNumber = w->sentenceLength;
    work.kind = K::Word;
    w->suggestion.clear();
    if (w->markFlag == '1') {
      work.kind = K::SentenceArticle;
      w->entryWords = 1;
    }
  }
}

// The record's key: the colon finding's fixed advice, commas and '?' with
// their advice always, corrections and semicolons as the covered-words
// step left it, others with their advice when they have one.
void MakeKey(const WordRec* w, Work& work) {
  const int n = w->sentenceLength;
  if (w->written[0] == ':') {
    work.advice = "(Check use of colons)/(Use a bulleted list)";
    work.key = ":" + StandardKey("", n, work.advice, true);
  } else if (w->written[0] == ',' || w->written[0] == '?') {
    work.key = StandardKey(work.search, n, work.advice, true);
  } else if (KindIsOneOf(work.kind, {K::Correction, K::Semicolon})) {
    // The key stays as the covered-words step left it; a correction of
    // several words, which that step gives only its search, is keyed as
    // any finding of several words, so that it is marked too.
    if (work.key.empty() && work.kind == K::Correction && !work.search.empty())
      work.key = StandardKey(work.search, n, work.advice, !work.advice.empty());
  } else {
    work.key = StandardKey(work.search, n, work.advice, !work.advice.empty());
  }
}

}  // namespace

int CollectMessages(WordRec* head) {
  int count = 0;
  // The list is sized once, for every word that may yield a record: grown
  // by doubling it would hold up to three times what it needs at its peak.
  std::size_t flagged = 0;
  for (const WordRec* w = head; !AtEnd(w); w = w->next)
    if (w->message >= 1 || w->message2 >= 1 || w->subClass >= 1) ++flagged;
  MessageList.records.reserve(MessageList.records.size() + flagged);
  const WordRec* taken = nullptr;  // the last word the records so far hold
  for (WordRec* w = head; !AtEnd(w); w = w->next) {
    if (!SettleCodes(w)) continue;
    const std::int32_t carriedLength = TakeCarriedFinding(w);
    MessageRec rec = NewRecord(w);
    rec.sentenceLength = carriedLength;
    Work work;
    const char formerTag1 = w->tag[1];
    if (!ApplyMarks(w, rec, work)) continue;
    TakeAdvice(w, rec, work);
    CoveredWords(w, rec, work, formerTag1);
    if (!work.advice.empty() && !KindIsOneOf(work.kind, {K::Correction, K::Replacement, K::Semicolon, K::CommaTag})) {
      const std::string fitted = AdviceInPlace(*w, work.advice);
      work.SetAdvice(WholeAlternatives(work.partOnly ? AsHints(fitted) : fitted, kAdviceMax));
    }
    // The finding's words: the word and those it covers; a placeholder's
    // finding goes to the words next to it.
    const WordRec* first = w;
    const WordRec* last = Next(w, std::clamp(w->entryWords, 1, 4) - 1);
    if (IsPlaceholder(*w) && !KindIsOneOf(work.kind, {K::Correction, K::Replacement, K::Semicolon}))
      MoveToNearestWords(w, taken, rec, work, &first, &last);
    MakeKey(w, work);
    // An empty key drops the record.
    if (work.key.empty()) continue;
    rec.kind = KindLetters(work.kind);
    rec.searchKey = work.key;
    rec.ruleId = w->ruleId;
    rec.place = first->place;
    if (const WordRec* n = Next(first)) rec.nextPlace = n->place;
    MessageList.records.push_back(std::move(rec));
    taken = last ? last : first;
    ++count;
  }
  return count;
}
