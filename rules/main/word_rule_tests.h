#pragma once
// Tests and writes that the rows of the determiners and of the adjectives
// inside their sentence share: the word's place in the sentence, flags of
// the word and its neighbours, and the small edits a row makes beside its
// finding.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/common/rule_row.h"

namespace word_rows {

inline constexpr Walk kNext = Walk::Next;
inline constexpr Walk kSkip = Walk::SkipCovered;
inline constexpr Walk kOverN = Walk::PassNext;
inline constexpr Walk kClear = Walk::Clear;

inline constexpr Classes kAbove19 = Classes::Range(20, 127);
inline constexpr Classes kAbove20 = Classes::Range(21, 127);
inline constexpr Classes kEnds = {Cls::Comma, Cls::SentenceEnd};

// The word's place in its sentence.
inline bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
inline bool Inside1(const RuleContext& c) { return c.word->sentencePos > 1; }
inline bool Inside2(const RuleContext& c) { return c.word->sentencePos > 2; }
inline bool NotInside(const RuleContext& c) { return c.word->sentencePos <= 0; }
inline bool AtMost2(const RuleContext& c) { return c.word->sentencePos <= 2; }
inline bool BeforeStart(const RuleContext& c) { return c.word->sentencePos < 0; }

// Flags of the word and its neighbours.
inline bool WordMarked(const RuleContext& c) { return IsMarked(*c.word); }
inline bool WordTokenAbove0(const RuleContext& c) { return c.word->tokenKind > 0; }
inline bool PrevToken0(const RuleContext& c) { return c.P(1) && c.P(1)->tokenKind == 0; }
inline bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
inline bool NextUnmarked(const RuleContext& c) { return c.N(1) && c.N(1)->markFlag == '0'; }
inline bool NextCodeA(const RuleContext& c) { return CodeStarts(c.n1(), 'A'); }
inline bool NextCodeN(const RuleContext& c) { return CodeStarts(c.n1(), 'N'); }
inline bool NextCodeNotA(const RuleContext& c) { return c.N(1) && !CodeStarts(c.n1(), 'A'); }
inline bool NextParen(const RuleContext& c) { return FirstIs(c.n1(), '('); }
inline bool NextDigit(const RuleContext& c) { return IsDigit(c.n1().text.first()); }
inline bool NextAt(const RuleContext& c) { return FirstIs(c.n1(), '@'); }
inline bool NextToken9(const RuleContext& c) { return c.N(1) && c.N(1)->tokenKind == 9; }
inline bool NextTokenAbove0(const RuleContext& c) { return c.n1().tokenKind > 0; }
inline bool WordSplit4(const RuleContext& c) { return c.word->splitKind == '4'; }
inline bool WordNotSplit4(const RuleContext& c) { return c.word->splitKind != '4'; }
inline bool WordOrNextSplit4(const RuleContext& c) { return c.word->splitKind == '4' || c.n1().splitKind == '4'; }
inline bool WordSplit0(const RuleContext& c) { return c.word->splitKind == '0'; }
inline bool WordEndsS(const RuleContext& c) { return c.word->lastLetter == 's'; }

// Writes beside the finding.
inline void ClearNext(RuleContext& c, WordRec&) { pass::ClearCodes(c.N(1)); }
inline void NextNeutral(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Neutral;
}
inline void NextNoun(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Noun;
}
inline void NextParticiple(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Participle;
}
// "%s-%s" of the word's and the next word's written forms, on the target.
inline void Hyphenated(RuleContext& c, WordRec& t) {
  FormatSuggestion(&t, "%s-%s", c.word->written.c_str(), c.n1().written.c_str());
}

}  // namespace word_rows
