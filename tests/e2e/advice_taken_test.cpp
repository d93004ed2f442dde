// Every plain suggestion taken as a writer takes it through the finding's
// menu, over the samples, the shared corpus and a table of paragraphs,
// checked with the bundled dictionaries: no suggestion holds a placeholder
// ("...", "xxx"); the sentence that results doubles no word, opens with no
// blank, gets no second blank, keeps every word round the marker, and,
// checked again, gets no finding on the words the suggestion put in.
//
// A finding counts against the suggestion when its marker begins among the
// words the suggestion put in and covers one that was not among the words
// it replaced ("in position" for "in place"), or, for NOT IN DICTIONARY,
// covers one. Left out, as findings on what the writer built round the
// words:
// - SENTENCE LENGTH, which concerns the sentence;
// - a marker that begins on a word of the writer's own before the words
//   where that word had a finding in the document too (the rule is keyed
//   on it, and fires whatever stands after it); a pair that the words put
//   in make with the writer's word on either side counts ("any other",
//   "start with");
// - a finding whose advice begins with the words it marks ("makes the" for
//   "makes"), which keeps them and asks for more round them, and the order
//   of the clauses ("(Move if to main clause.)" for "if" in place of "in
//   the event that");
// - a GERUND finding where the words put in hold no -ing word: it concerns
//   the writer's -ing word next to them ("contains the following");
// - a finding with no plain advice on the words put in alone, before the
//   writer's word that has a finding of its own in both sentences: the
//   rules read the words by that word ("other" before the gerund
//   "processing");
// - VERB TENSE, PASSIVE VOICE, MISSING REFERENCE and CHANGE TO VERB on a
//   verb that keeps the writer's form, a modal for a lone modal ("must" for
//   "should"), a past for a past ("made" for "generated") or an infinitive
//   after "to" ("all you want to give is"), and a tense or a voice that
//   begins on the writer's words before where the word put in has the
//   ending of the word it replaced ("were not used by" for "were never used
//   by"): the tense, the voice, the subject and the sentence's build are
//   the writer's; a verb in another form counts ("Want" for "Adhering to",
//   "want" for "desired");
// - a word that a contraction the suggestion replaced stood for ("it is"
//   for "it's");
// - a finding the check gives the words as the opening of their sentence
//   where, in the document, it read them further on (the marker's number
//   is the place of its first word): the sentence checked again starts at
//   markup that cut it.
// A sentence that an inline element cuts after the suggestion is checked
// with that element's words after it, and one that an empty element cuts,
// with the words after that, as the document has them.
//
// Running the menu once a suggestion would take hours over the corpus, so
// the replacement is simulated in the marked text; the menu's own runs in
// marking_places_test.cpp (TakingTheAdvice) tie the two together. Like the
// menu (commands/context_menu.cpp, show_finding.cpp), the simulation reads
// the advice from at most 255 characters of the marker's value and 251 of
// advice, splits it as the menu does (six items at most, a hint in
// parentheses never put in), takes no suggestion from a marker whose words
// open with '/' or ';', searches for the marker's text up to its first
// markup (of the 380 bytes the menu keeps of the marker as the host shows
// it, at most 127) with blanks matching any run of blanks and letters in
// any case, and puts the suggestion in as the menu's own SuggestionToPutIn
// gives it, its references as the characters they stand for. It leaves out:
// where the search starts (it is taken to find the marker's own words,
// which an earlier place could only overlap), other markers' tags in the
// way of a search, named references other than XML's own (kept as
// written), case folding beyond ASCII, and the exact length of an insert
// command that carries markup.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>
#include <string_view>

#include "commands/finding_work.h"
#include "editor/markup_text.h"
#include "tests/e2e/documents.h"
#include "tests/e2e/sample_check.h"
#include "tests/support/corpus.h"

namespace {

namespace fs = std::filesystem;

// XML's own references and character references as the characters they
// stand for; other references stay as written.
std::string Decoded(std::string_view s) { return editor::DecodeAttributeValue(s); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The character at `at` and its length in bytes.
unsigned long CharAt(const std::string& s, std::size_t at, std::size_t* length) {
  const auto b = static_cast<unsigned char>(s[at]);
  std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
  if (at + n > s.size()) n = 1;
  unsigned long c = n == 1 ? b : b & (0x3F >> (n - 1));
  for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[at + k]) & 0x3F);
  *length = n;
  return c;
}

bool IsLetter(unsigned long c) {
  if (c < 0x80) return std::isalnum(static_cast<int>(c)) != 0;
  return c >= 0xC0 && c != 0xD7 && c != 0xF7 && !(c >= 0x2000 && c <= 0x2BFF) && !(c >= 0x3000 && c <= 0x303F) &&
         c != 0xFEFF && c != 0xFFFD;
}

struct Word {
  std::size_t begin, end;
  std::string lower;
};

// The words of a text: letters and digits, with an apostrophe or a hyphen
// between two of them.
std::vector<Word> Words(const std::string& s) {
  std::vector<Word> words;
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t n = 0;
    if (!IsLetter(CharAt(s, i, &n))) {
      i += n;
      continue;
    }
    const std::size_t begin = i;
    i += n;
    while (i < s.size()) {
      if (IsLetter(CharAt(s, i, &n))) {
        i += n;
        continue;
      }
      const unsigned long c = CharAt(s, i, &n);
      std::size_t next = 0;
      if ((c == '\'' || c == '-' || c == 0x2019) && i + n < s.size() && IsLetter(CharAt(s, i + n, &next))) {
        i += n + next;
        continue;
      }
      break;
    }
    words.push_back({begin, i, Lower(s.substr(begin, i - begin))});
  }
  return words;
}

// The words written twice in a row, blanks alone between them.
std::multiset<std::string> Doubled(const std::string& s) {
  std::multiset<std::string> doubled;
  const std::vector<Word> words = Words(s);
  for (std::size_t k = 1; k < words.size(); ++k) {
    const std::string gap = s.substr(words[k - 1].end, words[k].begin - words[k - 1].end);
    if (words[k].lower == words[k - 1].lower && std::all_of(gap.begin(), gap.end(), IsBlank))
      doubled.insert(words[k].lower);
  }
  return doubled;
}

struct Marker {
  std::size_t begin = 0, end = 0;  // in the run's text
  std::string value;               // the Kesta value, decoded
  std::string colour;
  std::string words;  // as the file holds them
};

// The text between two pieces of markup other than markers, decoded; the
// markers' tags are dropped and their places kept. A CDATA section is text.
struct TextRun {
  std::string text;
  bool opensElement = false;  // the markup before it is a start tag
  bool afterEmpty = false;    // the markup before it is an empty element
  std::vector<Marker> markers;
};

std::string Attribute(std::string_view tag, std::string_view name) {
  const std::size_t at = tag.find(std::string(name) + "=\"");
  if (at == std::string_view::npos) return "";
  const std::size_t from = at + name.size() + 2;
  return std::string(tag.substr(from, tag.find('"', from) - from));
}

std::vector<TextRun> TextRuns(const std::string& doc) {
  std::vector<TextRun> runs;
  TextRun run;
  run.opensElement = true;
  // The marker open: its run (runs.size() for the current one) and place.
  std::size_t openRun = std::string::npos, openMarker = 0, openAt = 0;
  auto endRun = [&](bool opensElement, bool afterEmpty = false) {
    if (openRun == runs.size()) run.markers[openMarker].end = run.text.size();
    runs.push_back(std::move(run));
    run = TextRun{};
    run.opensElement = opensElement;
    run.afterEmpty = afterEmpty;
  };
  auto skipTo = [&](std::size_t from, std::string_view end) {
    const std::size_t at = doc.find(end, from);
    return at == std::string::npos ? doc.size() : at + end.size();
  };
  std::size_t i = 0;
  while (i < doc.size()) {
    if (doc[i] != '<') {
      const std::size_t next = std::min(doc.find('<', i), doc.size());
      run.text += Decoded(std::string_view(doc).substr(i, next - i));
      i = next;
    } else if (doc.compare(i, 15, "<?Pub _touchup ") == 0) {
      const std::size_t end = skipTo(i, "?>");
      const std::string_view tag = std::string_view(doc).substr(i, end - i);
      run.markers.push_back({run.text.size(), run.text.size(), Decoded(Attribute(tag, "Kesta")),
                             Attribute(tag, "HighltBckclr"), ""});
      openRun = runs.size(), openMarker = run.markers.size() - 1, openAt = end;
      i = end;
    } else if (doc.compare(i, 17, "<?Pub /_touchup?>") == 0) {
      if (openRun == runs.size()) run.markers[openMarker].end = run.text.size();
      if (openRun <= runs.size())
        (openRun == runs.size() ? run : runs[openRun]).markers[openMarker].words = doc.substr(openAt, i - openAt);
      openRun = std::string::npos;
      i += 17;
    } else if (doc.compare(i, 9, "<![CDATA[") == 0) {
      const std::size_t end = skipTo(i, "]]>");
      run.text += doc.substr(i + 9, end - i - 12);
      i = end;
    } else if (doc.compare(i, 4, "<!--") == 0) {
      endRun(false);
      i = skipTo(i, "-->");
    } else if (doc.compare(i, 2, "<?") == 0) {
      endRun(false);
      i = skipTo(i, "?>");
    } else {  // a tag or the document type, its quoted values and internal subset passed over
      const bool start = doc.compare(i, 2, "</") != 0 && doc.compare(i, 2, "<!") != 0;
      char quote = 0;
      int subset = 0;
      std::size_t j = i + 1;
      for (; j < doc.size(); ++j) {
        const char c = doc[j];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '[') {
          ++subset;
        } else if (c == ']') {
          --subset;
        } else if (subset > 0 && doc.compare(j, 4, "<!--") == 0) {
          j = skipTo(j, "-->") - 1;
        } else if (c == '>' && subset <= 0) {
          break;
        }
      }
      const bool empty = start && j < doc.size() && doc[j - 1] == '/';
      endRun(start && j < doc.size() && !empty, empty);
      i = j + 1;
    }
  }
  endRun(false);
  return runs;
}

// The advice's suggestions as the menu splits them: pieces between '/',
// the first '/' kept in an advice that begins with a digit (a fraction).
std::vector<std::string> Suggestions(std::string advice) {
  const bool fraction = !advice.empty() && std::isdigit(static_cast<unsigned char>(advice[0])) &&
                        advice.find('/') != std::string::npos;
  if (fraction) advice[advice.find('/')] = '~';
  std::vector<std::string> pieces;
  std::istringstream in(advice);
  for (std::string piece; std::getline(in, piece, '/');)
    if (!piece.empty()) pieces.push_back(piece);
  if (fraction && !pieces.empty()) std::replace(pieces.front().begin(), pieces.front().end(), '~', '/');
  if (pieces.size() > 6) pieces.resize(6);
  return pieces;
}

// The text the menu searches for: of the marker as the host shows it (the
// value's '>' as "&gt;", the text's '&' and '<' as references) 380 bytes
// are kept, and of those the text after the opening up to the next markup,
// at most 127 bytes.
std::string MenuWord(const Marker& m, const std::string& text) {
  std::string value;
  for (char c : m.value) value += c == '>' ? std::string("&gt;") : std::string(1, c);
  const std::size_t opening = 22 + value.size() + 16 + m.colour.size() + 3;
  std::size_t room = opening < 380 ? 380 - opening : 0, k = 0;
  for (; k < text.size(); ++k) {
    const std::size_t shown = text[k] == '&' ? 5 : text[k] == '<' ? 4 : 1;
    if (shown > room) break;
    room -= shown;
  }
  return text.substr(0, std::min<std::size_t>(k, 127));
}

// Where the search for `word` that starts at `at` ends, or npos: a run of
// blanks matches a run of blanks, letters match in any case, a soft hyphen
// inside is passed over.
std::size_t SearchEnd(const std::string& text, std::size_t at, const std::string& word) {
  std::size_t p = at;
  for (std::size_t w = 0; w < word.size();) {
    if (p > at)
      while (text.compare(p, 2, "\xC2\xAD") == 0) p += 2;
    if (p >= text.size()) return std::string::npos;
    if (IsBlank(word[w])) {
      if (!IsBlank(text[p])) return std::string::npos;
      while (w < word.size() && IsBlank(word[w])) ++w;
      while (p < text.size() && IsBlank(text[p])) ++p;
    } else {
      if (std::tolower(static_cast<unsigned char>(text[p])) != std::tolower(static_cast<unsigned char>(word[w])))
        return std::string::npos;
      ++p, ++w;
    }
  }
  return p;
}

// The sentence round [from, to) of a run's text: from after the last full
// stop, '!' or '?' before a blank ahead of it (or the run's start) to the
// next one after it (or the run's end); whether a sentence opens there.
struct Sentence {
  std::size_t begin, end;
  bool opens;
  bool cutBefore = false, cutAfter = false;  // markup cuts it at the run's start, at its end
};
Sentence SentenceAround(const TextRun& run, const std::string& text, std::size_t from, std::size_t to) {
  Sentence s{0, text.size(), run.opensElement, true, true};
  for (std::size_t j = from; j-- > 0;)
    if (j + 1 < from && std::strchr(".!?", text[j]) && IsBlank(text[j + 1])) {
      s.begin = j + 1, s.opens = true, s.cutBefore = false;
      break;
    }
  // The blanks that open a sentence cut by markup stay: the markup may
  // stand right before them.
  std::size_t lead = s.begin;
  while (lead < from && IsBlank(text[lead])) ++lead;
  s.opens = s.opens && lead == from;
  if (!s.cutBefore) s.begin = lead;
  for (std::size_t j = to; j < text.size(); ++j)
    if (std::strchr(".!?", text[j]) && (j + 1 == text.size() || IsBlank(text[j + 1]))) {
      s.end = j + 1, s.cutAfter = false;
      break;
    }
  return s;
}

// Adjacent blanks that hold at least one character of [from, to) or touch it.
int BlankPairs(const std::string& text, std::size_t from, std::size_t to) {
  int pairs = 0;
  for (std::size_t i = from > 0 ? from - 1 : 0; i < to && i + 1 < text.size(); ++i)
    pairs += IsBlank(text[i]) && IsBlank(text[i + 1]);
  return pairs;
}

std::vector<std::string> WordsOutside(const std::string& text, std::size_t from, std::size_t to, bool before) {
  std::vector<std::string> out;
  for (const Word& w : Words(text))
    if (before ? w.end < from : w.begin > to) out.push_back(w.lower);
  return out;
}

// One suggestion taken.
struct Taken {
  std::string document, advice, words, alternative;
  std::string before, after;          // the sentence
  std::size_t inserted = 0, end = 0;  // the suggestion's place in `after`
  std::string replaced;               // the text the suggestion replaced
  bool cutBefore = false, cutAfter = false;
  std::string goesOn;  // the markup and words that follow where an inline element cuts the sentence
  int place = 0;  // the marker's number: its first word's place in the sentence as the check read it
  bool nextFlagged = false;  // the writer's word after the words replaced has a finding of its own
  // Where the findings on the writer's words before the words replaced
  // begin in the sentence, as the document has them.
  std::vector<std::size_t> findingsBefore;
  std::string Describe() const {
    return document + "\n  advice:      \"" + advice + "\"\n  words:       \"" + words +
           "\"\n  alternative: \"" + alternative + "\"\n  before:      \"" + before + "\"\n  after:       \"" +
           after + "\"";
  }
};

// The words of an element's text up to the end of its first sentence: the
// words that follow where an inline element cuts a sentence; empty where
// the element holds none.
std::string Continuation(const std::string& text) {
  if (std::all_of(text.begin(), text.end(), IsBlank)) return {};
  for (std::size_t j = 0; j < text.size(); ++j)
    if (std::strchr(".!?", text[j]) && (j + 1 == text.size() || IsBlank(text[j + 1]))) return text.substr(0, j + 1);
  return text;
}

std::string Escaped(const std::string& s) {
  std::string out;
  for (char c : s) out += c == '&' ? std::string("&amp;") : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
  return out;
}

// A suggestion that a writer must still fill in: "...", "…" or "xxx".
bool HoldsPlaceholder(const std::string& suggestion) {
  if (suggestion.find("...") != std::string::npos || suggestion.find("\xE2\x80\xA6") != std::string::npos) return true;
  for (const Word& w : Words(suggestion))
    if (w.lower == "xxx") return true;
  return false;
}

// The part of a contraction after its apostrophe and the words it stands
// for.
struct Contraction {
  std::string_view part;
  std::vector<std::string> words;
};
const Contraction kContractions[] = {
    {"s", {"is", "has"}}, {"re", {"are"}}, {"ve", {"have"}},          {"ll", {"will"}},
    {"d", {"would", "had"}}, {"m", {"am"}}, {"t", {"not", "cannot"}},
};

// The number a marker's value holds after its category: the place of its
// first word in its sentence, 0 opening it (a long sentence's length).
int PlaceOf(const Marker& m) {
  const std::string& v = m.value;
  const auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(v[i])) != 0; };
  return v.size() >= 4 && digit(2) && digit(3) ? (v[2] - '0') * 10 + (v[3] - '0') : -1;
}

bool IsModal(const std::string& w) {
  for (std::string_view m : {"can", "could", "may", "might", "must", "shall", "should", "will", "would"})
    if (w == m) return true;
  return false;
}

// A past or a participle: in -ed, or one of the irregular ones the advice
// gives.
bool IsPastForm(const std::string& w) {
  if (w.size() > 3 && w.ends_with("ed")) return true;
  for (std::string_view past : {"bent", "broke", "broken", "came", "come", "cut", "did", "done", "felt", "found",
                                "got", "gave", "given", "had", "held", "kept", "left", "let", "made", "put", "read",
                                "ran", "run", "saw", "seen", "sent", "set", "shown", "shut", "took", "taken", "told",
                                "went", "gone", "wore", "worn", "wrote", "written"})
    if (w == past) return true;
  return false;
}

// The form a word's ending shows: -ing, a past, -s, or none.
char FormOf(const std::string& w) {
  if (w.size() > 4 && w.ends_with("ing")) return 'g';
  if (IsPastForm(w)) return 'd';
  return w.size() > 2 && w.ends_with('s') && !w.ends_with("ss") ? 's' : '0';
}

// Where the first word after `at` begins, or npos.
std::size_t WordAfter(const std::string& text, std::size_t at) {
  for (const Word& w : Words(text.substr(at)))
    return at + w.begin;
  return std::string::npos;
}

bool FindingAt(const std::vector<Marker>& markers, std::size_t at) {
  return at != std::string::npos &&
         std::any_of(markers.begin(), markers.end(), [&](const Marker& m) { return m.begin == at; });
}

// Whether the finding of marker `m`, which begins among the words the
// suggestion put in and covers the new ones `added`, concerns what the
// writer built round them rather than the words put in (the file's head
// lists each case).
bool OnTheWritersWords(const Taken& t, const Marker& m, const std::vector<Marker>& markers,
                       const std::set<std::string>& replaced, const std::vector<std::string>& added) {
  const std::string category = m.value.substr(0, 2);
  const std::string marked = Lower(t.after.substr(m.begin, m.end - m.begin));
  const std::string advice = m.value.substr(std::min<std::size_t>(4, m.value.size()));
  if (category == "28" || Lower(advice).starts_with(marked + " ")) return true;
  if (advice.starts_with("(Move ") && advice.find(" to main clause") != std::string::npos) return true;
  if (category == "38")
    return std::none_of(added.begin(), added.end(), [](const std::string& w) { return w.ends_with("ing"); });
  if (PlaceOf(m) == 0 && t.place > 0) return true;
  // No plain advice, on the words put in alone, before the writer's word
  // that has a finding of its own in both sentences: the rules read the
  // words by that word ("other" before the gerund "processing").
  const std::vector<std::string> offered = advice == "NONE" ? std::vector<std::string>() : Suggestions(advice);
  const bool plainAdvice =
      std::any_of(offered.begin(), offered.end(), [](const std::string& s) { return s[0] != '('; });
  if (!plainAdvice && m.end <= t.end && t.nextFlagged && FindingAt(markers, WordAfter(t.after, t.end)))
    return true;
  // A tense or a voice that begins on the writer's words before ("were
  // ... used by", "will ... stop"): the writer's, where the word put in
  // keeps the form of the word it replaced.
  if (m.begin < t.inserted && (category == "30" || category == "35")) {
    const std::vector<Word> was = Words(t.replaced), is = Words(t.after.substr(t.inserted, t.end - t.inserted));
    if (!was.empty() && !is.empty() && FormOf(was[0].lower) == FormOf(is[0].lower)) return true;
  }
  if (category == "06" || category == "20" || category == "30" || category == "35") {
    const std::vector<Word> was = Words(t.replaced), is = Words(t.after.substr(t.inserted, t.end - t.inserted));
    if (was.size() != 1 || is.empty()) return false;
    const std::string& writers = was[0].lower;
    const std::string& put = is[0].lower;
    const std::vector<Word> before = Words(t.after.substr(0, t.inserted));
    const bool infinitive = !before.empty() && before.back().lower == "to" && is.size() == 1;
    return (IsModal(writers) && IsModal(put)) || (IsPastForm(writers) && IsPastForm(put) && !replaced.count(put)) ||
           infinitive;
  }
  return false;
}

class AdviceTaken : public SampleCheck {
 protected:
  ProgramRun Check(const std::string& xml) {
    ProgramRun run = Kesta({"check", dir_.Write("doc.xml", xml)}, std::string(KESTA_BUILD_DIR) + "/custom");
    EXPECT_LE(run.status, 1) << run.err;
    EXPECT_EQ(run.err.find("Sanitizer"), std::string::npos) << run.err;
    return run;
  }

  // Takes every plain suggestion of the marked document `marked` in turn,
  // each on the document as checked; fails where a sentence is spoiled.
  std::vector<Taken> TakeAll(const std::string& document, const std::string& marked) {
    std::vector<Taken> taken;
    const std::vector<TextRun> runs = TextRuns(marked);
    for (std::size_t k = 0; k < runs.size(); ++k) {
      const TextRun& run = runs[k];
      for (const Marker& m : run.markers) {
        const std::string value = m.value.substr(0, 255);
        std::string advice = value.substr(std::min<std::size_t>(4, value.size()), 251);
        const std::string text = run.text.substr(m.begin, m.end - m.begin);
        if (value.empty() || !std::isdigit(static_cast<unsigned char>(value[0])) || advice == "NONE" ||
            advice == ":| 0" || text.starts_with("/") || text.starts_with(";"))
          continue;
        const std::string word = MenuWord(m, text);
        for (const std::string& piece : Suggestions(advice)) {
          if (piece[0] == '(') continue;
          // What the menu puts in for the suggestion; an empty one or one
          // too long to insert changes nothing.
          const std::string plain = SuggestionToPutIn(piece);
          if (plain.empty()) continue;
          const bool markup = Decoded(plain) != plain;
          if ((markup ? 35 : 29) + plain.size() + 2 > 255) continue;
          Taken t{document, advice, m.words, piece, "", "", 0, 0, "", false, false, "", 0, false, {}};
          if (HoldsPlaceholder(plain)) {
            ADD_FAILURE() << "the suggestion holds a placeholder: " << t.Describe();
            continue;
          }
          const std::size_t end = SearchEnd(run.text, m.begin, word);
          if (word.empty() || end == std::string::npos) {
            ADD_FAILURE() << "the menu's search misses the marker's words \"" << word << "\": " << t.Describe();
            continue;
          }
          const std::string chosen = markup ? Decoded(plain) : plain;
          const std::string after = run.text.substr(0, m.begin) + chosen + run.text.substr(end);
          const std::size_t putEnd = m.begin + chosen.size();
          const Sentence was = SentenceAround(run, run.text, m.begin, end);
          const Sentence is = SentenceAround(run, after, m.begin, putEnd);
          t.before = run.text.substr(was.begin, was.end - was.begin);
          t.after = after.substr(is.begin, is.end - is.begin);
          t.inserted = m.begin - is.begin, t.end = putEnd - is.begin;
          t.replaced = run.text.substr(m.begin, end - m.begin);
          t.cutBefore = is.cutBefore, t.cutAfter = is.cutAfter;
          if (is.cutAfter && k + 1 < runs.size() && !Continuation(runs[k + 1].text).empty()) {
            const std::string words = Escaped(Continuation(runs[k + 1].text));
            if (runs[k + 1].opensElement) t.goesOn = "<ph>" + words + "</ph>";
            if (runs[k + 1].afterEmpty) t.goesOn = "<b/>" + words;
          }
          t.place = m.value.starts_with("28") ? 0 : PlaceOf(m);  // a long sentence's number is its length
          t.nextFlagged = FindingAt(run.markers, WordAfter(run.text, end));
          for (const Marker& o : run.markers)
            if (o.begin >= is.begin && o.begin < m.begin) t.findingsBefore.push_back(o.begin - is.begin);
          taken.push_back(t);

          std::multiset<std::string> doubledBefore = Doubled(run.text), doubledAfter = Doubled(after);
          for (const std::string& w : doubledBefore)
            if (auto at = doubledAfter.find(w); at != doubledAfter.end()) doubledAfter.erase(at);
          for (const std::string& w : doubledAfter) ADD_FAILURE() << "\"" << w << "\" twice in a row: " << t.Describe();
          if (is.opens && IsBlank(after[m.begin]))
            ADD_FAILURE() << "a blank opens the sentence: " << t.Describe();
          if (BlankPairs(after, m.begin, putEnd) > BlankPairs(run.text, m.begin, end))
            ADD_FAILURE() << "two blanks where there were none: " << t.Describe();
          // The marker's words the menu left (none where the search took
          // the blanks after them too) lie before the rest of the run.
          const std::size_t markerEnd = putEnd + (m.end > end ? m.end - end : 0);
          EXPECT_EQ(WordsOutside(after, m.begin, markerEnd, true), WordsOutside(run.text, m.begin, m.end, true))
              << "a word before the marker changed: " << t.Describe();
          EXPECT_EQ(WordsOutside(after, m.begin, markerEnd, false),
                    WordsOutside(run.text, m.begin, std::max(m.end, end), false))
              << "a word after the marker changed: " << t.Describe();
        }
      }
    }
    return taken;
  }

  // Checks every resulting sentence, a paragraph each, in one document,
  // and fails where a finding lands on the words the suggestion put in (as
  // the file's head says). An empty element stands for the markup that cuts
  // a sentence, so that its last word is not read as the paragraph's; where
  // an inline element cuts it after the suggestion, that element's words
  // follow in one, and where an empty element does, the words after it.
  // Returns how many sentences were checked again.
  std::size_t CheckWords(const std::vector<Taken>& taken) {
    if (taken.empty()) return 0;
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<topic id=\"taken\"><body>\n";
    for (const Taken& t : taken)
      xml += "<p>" + std::string(t.cutBefore ? "<b/>" : "") + Escaped(t.after) +
             (t.goesOn.empty() ? t.cutAfter ? "<b/>" : "" : t.goesOn) + "</p>\n";
    const std::string out = Check(xml + "</body></topic>\n").out;
    std::size_t at = out.find("<body>"), checked = 0;
    for (const Taken& t : taken) {
      const std::size_t open = out.find("<p>", at), close = out.find("</p>", open);
      if (open == std::string::npos || close == std::string::npos) {
        ADD_FAILURE() << "the check of the sentences lost a paragraph: " << t.Describe() << "\n" << out;
        return checked;
      }
      at = close;
      const std::vector<TextRun> runs = TextRuns(out.substr(open + 3, close - open - 3));
      const std::size_t index = t.cutBefore ? 1 : 0;
      if (runs.size() <= index || runs[index].text != t.after) {
        ADD_FAILURE() << "the check of the sentences changed one: " << t.Describe() << "\n"
                      << out.substr(open, close - open);
        continue;
      }
      ++checked;
      const TextRun& sentence = runs[index];
      // The words replaced, and their parts round an apostrophe with the
      // words a contraction's part stands for: "it is" for "it's" keeps
      // the writer's "it" and "is".
      std::set<std::string> replaced;
      for (const Word& w : Words(t.replaced)) {
        replaced.insert(w.lower);
        std::string part;
        for (std::size_t i = 0; i <= w.lower.size(); ++i) {
          if (i == w.lower.size() || w.lower[i] == '\'' || w.lower.compare(i, 3, "\xE2\x80\x99") == 0) {
            replaced.insert(part);
            for (const Contraction& c : kContractions)
              if (part == c.part) replaced.insert(c.words.begin(), c.words.end());
            part.clear();
            if (i < w.lower.size() && w.lower[i] != '\'') i += 2;
          } else {
            part += w.lower[i];
          }
        }
      }
      const std::vector<Word> words = Words(t.after);
      auto putIn = [&](const Word& w) {
        return w.begin < t.end && w.end > t.inserted && !replaced.count(w.lower);
      };
      for (const Marker& m : sentence.markers) {
        if (m.end <= t.inserted || m.begin >= t.end) continue;
        if (m.value.starts_with("25")) {
          for (const Word& w : words)
            if (w.begin < std::min(m.end, t.end) && w.end > std::max(m.begin, t.inserted) && putIn(w))
              ADD_FAILURE() << "\"" << t.after.substr(w.begin, w.end - w.begin)
                            << "\" of the suggestion NOT IN DICTIONARY: " << t.Describe();
          continue;
        }
        // It covers a word that is new, and begins among the words put in
        // or on a writer's word that had no finding of its own.
        if (m.begin < t.inserted && std::ranges::find(t.findingsBefore, m.begin) != t.findingsBefore.end()) continue;
        std::vector<std::string> newWords;
        for (const Word& w : words)
          if (w.begin < m.end && w.end > m.begin && putIn(w)) newWords.push_back(w.lower);
        if (newWords.empty() || OnTheWritersWords(t, m, sentence.markers, replaced, newWords)) continue;
        ADD_FAILURE() << "the check flags \"" << t.after.substr(m.begin, m.end - m.begin) << "\" (" << m.value
                      << ") where the suggestion put it in: " << t.Describe();
      }
    }
    return checked;
  }
};

class AdviceTakenInDocument : public AdviceTaken, public ::testing::WithParamInterface<std::string> {};

TEST_P(AdviceTakenInDocument, EveryPlainSuggestion) {
  const fs::path file = GetParam();
  if (!fs::is_regular_file(file)) GTEST_SKIP() << CorpusMissing(file);
  const std::string name = (file.parent_path().filename() / file.filename()).string();
  const std::vector<Taken> taken = TakeAll(name, Check(ReadAll(file)).out);
  const std::size_t checked = CheckWords(taken);
  std::cout << "[ taken    ] " << name << ": took " << taken.size() << " suggestions, checked " << checked
            << " again" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Documents, AdviceTakenInDocument, ::testing::ValuesIn(Documents()),
                         [](const auto& info) { return DocumentTestName(info.param, info.index); });

TEST_F(AdviceTaken, GeneratedParagraphs) {
  const char* const kParagraphs[] = {
      "Keeping the pump in place is easy.",
      "Hold the pump in place with the clamp.",
      "The pump was kept in place.",
      "Read Bob Stayton\xE2\x80\x99s guide.",
      "Read Bob Stayton's guide.",
      "Take care when you remove the pump.",
      "Type the name in the box.",
      "Stop the pump. Take care with the valve.",
      "The tool is expected to start.",
      "The part is aligned with the hole.",
      "The pump is placed in the box.",
      "The tool cleans up the files.",
      "The tool cleaned up the files.",
      "The operator desires a new value.",
      "The pump may stop.",
      "The validation performed by the tool is good.",
      // Corrections (an article, a sign, a number, a repeated word), a
      // phrase and a word of the synonym dictionary.
      "Install a update now.",
      "Set the 258C code.",
      "Wait twenty-five minutes.",
      "Remove the the cover.",
      "Stop the pump in the event that it leaks.",
      "Utilize the tool.",
      // Placeholders are hints; the form fits its subject, modal or "be";
      // a compound's advice replaces the part it names.
      "Make the change so it is no longer necessary to stop the pump.",
      "You can either stop or start the pump.",
      "Stop the pump unless the valve is open.",
      "The bearings may fall out.",
      "If you are running Linux, stop the pump.",
      "You cannot expect to get good results.",
      "We\xE2\x80\x99re going to assume that the pump is on.",
      "The formatters are able to start.",
      "The pump is likely to stop.",
      "The pump is allowed to start.",
      "The tank is kept at room temperature.",
      "It is kept at room temperature. It is ready to start the pump. It is best to stop the pump.",
      "The user logs in to the system.",
      "Pull out the old element.",
      "The tools allow you to publish the file.",
      "Type the part number.",
      "You can depress the pump.",
      "Use a one-time password.",
      "The cards have no on-board memory.",
      "Use a non-metallic tool.",
      "Install the plug-in in the folder.",
      // Advice that the check would flag in its place: a synonym whose
      // word the rules refuse, an -ing form for a gerund, an adverb the
      // check deletes, a rule's alternative flagged in its turn.
      "The design requires regular work.",
      "Specifying the value is easy.",
      "The tool makes many forms, including HTML.",
      "Initially, the difference was small.",
      "The stem is held in place by the bolts.",
      "Therefore, stop the pump.",
      "Although the pump is on, the valve is closed.",
      "The pump usually stops.",
      "Additionally, remove the cover.",
      "In addition, remove the cover.",
      "If the pump has previously failed, replace it.",
      "The following list is short.",
      "Remove the following cover.",
      "With the valve open, stop the pump.",
      "As a rule, stop the pump.",
      "It looks like a valve.",
      // An -ing form for the writer's -ing word, advice that opens a
      // sentence where the check flags its first word, a rule's
      // alternative that needs the words round it changed, and a long
      // sentence's marker, which holds the first word alone.
      "Enabling the valve will stop the pump.",
      "Prior to the test, open the valve.",
      "In case of a leak, stop the pump.",
      "Just as the valve opens, the pump stops.",
      "Checking the version",
      "The two parts are the same, except that one is red.",
      "Use a catalog other than the one supplied.",
      "The pump can be installed on the frame.",
      "The valve can be opened by turning the handle.",
      "In the script that sets the transformation type, give the name.",
      "Properties specified as arguments are shown.",
      "Identifiers should begin with the name.",
      "In order to apply a custom index definition to the publishing outputs, edit the catalog file and remove the "
      "comment marks round the entry in the index section of the file.",
      // Advice that the rules refuse beside the words round it, a phrasal
      // verb's forms, and rows that leave a word behind or need more words
      // changed round them.
      "It illustrates one possible reference page.",
      "It depends on the aforementioned styles.",
      "Replace any such references with the name.",
      "Then they would need to be updated.",
      "It may include additional, literal information.",
      "Let the fuel flow out.",
      "You can get rid of the cover.",
      "The element on which they appear is red.",
      "Feel free to ask.",
      "The change is announced six months in advance.",
      "Put it under a company name prefix.",
      "It is one of the following letters:",
      "You need to install.",
      "The issue may have originated here.",
      "You can nest it to any depth desired.",
      "The parts below include oil.",
      "The key sets up the pages.",
      "It wraps one part (but not both).",
      "One question to consider is <quote>how stable is the tool?</quote>",
      // Pairs that the words put in make with the writer's word beside
      // them, which a rule flags wherever they stand.
      "It is called without any additional options.",
      "It prints considerably more additional information.",
      "The tool will use it to evaluate the paths.",
      "The instances can be re-used, which saves time.",
      "The references are relative to the location.",
      "Extensions can be very useful, but use them with care.",
  };
  std::string xml = "<topic><body>";
  for (const char* paragraph : kParagraphs)
    xml += "<p>" + (std::string_view(paragraph).find('<') != std::string_view::npos ? paragraph : Escaped(paragraph)) +
           "</p>";
  const std::vector<Taken> all = TakeAll("generated paragraphs", Check(xml + "</body></topic>").out);
  const std::size_t checked = CheckWords(all);
  std::cout << "[ taken    ] generated paragraphs: took " << all.size() << " suggestions, checked " << checked
            << " again" << std::endl;
  EXPECT_GT(all.size(), 0u);
}

}  // namespace
