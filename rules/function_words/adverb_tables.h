#pragma once
// The rule tables of the adverbs (classes 50 to 53). The body
// (adverb_rules.cpp) sends "there" to its rows, an adverb that opens its
// sentence to the sentence-start rows, and every other adverb to the chain
// of its trigger word, found by the first letter of its lookup key. A chain
// is tried from the top; the first row that holds acts.
#include <span>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/common/rule_row.h"

namespace adverb {

// A trigger word (or lookup key) and its rows.
struct Chain {
  Words triggers;
  std::span<const RuleRow> rows;
};

// The chains of each letter group, in the order their triggers are compared.
extern const std::span<const Chain> kGroupL;  // adverb_rules_a_l.cpp
extern const std::span<const Chain> kGroupA;
extern const std::span<const Chain> kGroupB;  // adverb_rules_b.cpp
extern const std::span<const Chain> kGroupD;  // adverb_rules_d_j.cpp
extern const std::span<const Chain> kGroupE;
extern const std::span<const Chain> kGroupF;
extern const std::span<const Chain> kGroupH;
extern const std::span<const Chain> kGroupJ;
extern const std::span<const Chain> kGroupN;  // adverb_rules_n_w.cpp
extern const std::span<const Chain> kGroupO;
extern const std::span<const Chain> kGroupP;
extern const std::span<const Chain> kGroupQ;
extern const std::span<const Chain> kGroupS;
extern const std::span<const Chain> kGroupT;
extern const std::span<const Chain> kGroupW;

// The rows of an adverb that opens its sentence (adverb_start_there.cpp).
extern const std::span<const RuleRow> kSentenceStart;
// The rows of "there", at any place in the sentence. The row of *there may
// be* covers three words; the body then passes over two more.
extern const std::span<const RuleRow> kThere;
inline constexpr int kThereMayBe = 1;

// The key a word's chain is found by: "only", "backward" and "very" share
// the chains of "also", "forward" and "too" and are filed under their
// letters. Any other text is its own key.
std::string_view LookupKey(std::string_view text);
// The rows of the chain whose triggers hold `key`; empty when none does
// (also for a first letter without a group).
std::span<const RuleRow> ChainRows(std::string_view key);

// Tests the chains share.
// The word is at least the fourth (third) of its sentence.
inline bool PastThird(const RuleContext& c) { return c.word->sentencePos > 2; }
inline bool PastSecond(const RuleContext& c) { return c.word->sentencePos > 1; }
// The previous word is an ordinary word (no special token).
inline bool PrevOrdinary(const RuleContext& c) {
  const WordRec* p = c.P(1);
  return p && p->tokenKind == 0;
}
inline bool NextOrdinary(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && n->tokenKind == 0;
}
inline bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
inline bool SelfMarked(const RuleContext& c) { return IsMarked(*c.word); }
inline bool NextBeginsDigit(const RuleContext& c) { return IsDigit(static_cast<unsigned char>(c.n1().text.first())); }
// The next word is a number, written in digits or in words.
inline bool NextIsNumber(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && (NextBeginsDigit(c) || n->wordClass == Cls::Number);
}
inline bool NumberSelfInitial(const RuleContext& c) { return NextIsNumber(c) && c.word->caseFlag == '1'; }
inline bool NumberSelfCaps(const RuleContext& c) { return NextIsNumber(c) && IsCaps(*c.word); }
inline bool PrevVerbCode(const RuleContext& c) { return CodeStarts(c.p1(), 'V'); }
inline bool NextVerbCode(const RuleContext& c) { return CodeStarts(c.n1(), 'V'); }

// Actions the chains share, on the word that gets them.
// The word becomes a noun, with no finding.
inline void MakeNoun(RuleContext&, WordRec& w) {
  w.wordClass = Cls::Noun;
  w.subClass = 0;
}

// Classes the chains test.
inline constexpr Classes kClauseEnd = {Cls::Comma, Cls::SentenceEnd};
inline constexpr Classes kBeHave = {Cls::Be, Cls::Have};

}  // namespace adverb
