#include "engine/sentence_measures.h"

#include <algorithm>

#include "engine/ascii_text.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/tokenizer.h"

namespace {

int WeightOf(const WordRec& w) { return std::max(w.weight, 1); }

// Whether `w` ends the sentence for the count of the given mode. A lone
// "!" ends the first sentence as it ends any later one ("Stop! Remove...").
bool EndsSentence(const WordRec& w, int mode) {
  if (w.text == "." || w.text == "!") return true;
  char c = w.text.first();
  if (c == ':' || c == ';' || c == '?') return true;
  if (mode == 1) return c == '.' || w.wordClass == 48;
  return false;
}

// The letters the tokenizer read apart after an apostrophe inside a word
// ("ll" of "they'll", "d" of "we'd", "s" of "he's"): the rest of one word,
// which weighs nothing of its own, as "we'll" and "it's" are one word.
bool RestAfterApostrophe(const WordRec& w) {
  const std::string_view text = CheckedText.text;
  if (w.place < 2 || static_cast<std::size_t>(w.place) >= text.size()) return false;
  const auto at = [&](std::int32_t i) { return static_cast<unsigned char>(text[static_cast<std::size_t>(i)]); };
  const unsigned char mark = at(w.place - 1);
  return (mark == '\'' || mark == 0x92) && IsLetterOrDigit(at(w.place - 2)) && IsLetterOrDigit(at(w.place));
}

}  // namespace

int CountSentenceWords(WordRec* word, int mode) {
  if (!word) return -1;
  word->sentenceLength = 0;
  if (mode != 0 && mode != 1) return -1;

  int weightSum = WeightOf(*word);
  int tokens = 1;
  int deduction = 0;
  for (WordRec* w = Next(word); !AtEnd(w); w = Next(w)) {
    if (FirstIs(*w, '(')) {
      if (IsDigit(NextOr(word).text.first())) deduction += 3;
      if (IsDigit(word->text[1])) deduction += 3;
    }
    if (ClassIsOneOf(*w, {47, 41, 44}) || FirstIs(*w, '-') || w->text == "/") continue;
    if (w->text == ".)") continue;
    if (EndsSentence(*w, mode)) break;
    ++tokens;
    if (!RestAfterApostrophe(*w)) weightSum += WeightOf(*w);
  }
  word->sentenceLength = weightSum - deduction - 1;
  return tokens + 1;
}

namespace {

// Step 5 of the passive measure: the span from the be-form to `end`.
int PassiveResult(const WordRec* beForm, const WordRec* end, bool passive) {
  if (!passive || !end) return -1;
  int span = end->sentencePos - beForm->sentencePos + 1;
  if (span < 3) return -1;
  return span == 3 ? 3 : 4;
}

}  // namespace

int MeasurePassiveSpan(WordRec* beForm, int sentenceWordCount) {
  if (!beForm) return -1;
  const WordRec& n1 = NextOr(beForm);
  const WordRec& n2 = NextOr(beForm, 2);

  if (TextStarts(*beForm, "must")) return -1;
  if (beForm->sentencePos < sentenceWordCount - 3 && n1.wordClass == 31 && n2.wordClass == 74)
    return -1;

  if (beForm->wordClass == 27 && ClassIsOneOf(n1, {22, 31})) return 2;
  if (ClassIsOneOf(n1, {24, 25}) && TextIs(n2, "not") && n2.wordClass == 29 &&
      NextOr(beForm, 3).wordClass == 23)
    return 3;
  if (beForm->wordClass == 24 && n1.wordClass == 23) return 2;

  bool passive = false;
  WordRec* reached = beForm;
  WordRec* participle = nullptr;
  WordRec* end = nullptr;
  WordRec* cur = Next(beForm);
  for (int step = 0; step < 6; ++step) {
    if (AtEnd(cur)) {
      end = cur ? cur : reached;
      break;
    }
    reached = cur;
    const WordRec& f = NextOr(cur);
    if (f.text.first() == ' ' || f.sentenceEnd > 0 || IsMarked(f)) return -1;
    if (ClassIsOneOf(*cur, {70, 63})) return -1;
    if (ClassIsOneOf(f, {48, 47}) || cur->sentencePos == 0 || cur->wordClass < 20) return -1;
    if (!(cur->wordClass == 50 && f.wordClass == 31)) {
      if (cur->wordClass == 27) {
        passive = true;
      } else if (!TextIs(*cur, "not") &&
                 (cur->subClass > 299 || cur->wordClass == 48 || IsMarked(f))) {
        end = cur;
        break;
      } else if (cur->wordClass == 22 && TextIs(PrevOr(cur), "been") && cur->subClass < 299) {
        cur->wordClass = 31;
        participle = cur;
        break;
      } else if (cur->wordClass == 31) {
        participle = cur;
        break;
      }
    }
    cur = Next(cur);
  }
  if (participle) {
    WordRec* after = Next(participle);
    if (after && (TextIs(*after, "by") || TextIs(*after, "with"))) {
      passive = true;
      end = after;
    } else {
      end = participle;
    }
  }
  if (!end) end = reached;
  return PassiveResult(beForm, end, passive);
}

int MeasureNounCluster(WordRec* word) {
  if (!word) return 0;
  int count = 0;
  int weight = 0;
  for (WordRec* w = word; w && w->wordClass <= 19; w = Next(w)) {
    if (FirstIs(*w, '<')) break;
    if (IsMarked(NextOr(w))) break;
    if (w->tag.startsWith("<A")) {
      if (w->wordClass != 18 && word->wordClass != 19) break;
      word->tag = "***";
      w->tokenKind = 0;
    }
    ++count;
    weight += w->weight;
  }
  return weight >= 4 ? count : 0;
}
