// The phrase rules of "no". No rule pass calls them yet.
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "rules/phrases/phrase_common.h"
#include "rules/phrases/phrase_rules.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

// Set while the rules look at "there is no" / "there are no": 1 when P1 is
// "is" or "are" and P2 is "there".
int NegativeAfterThere = 0;

struct NoRow {
  const char* n1;
  const char* n2 = nullptr;  // null: any
  int n2Class = 0;
  int code = 0;
  int ruleId = 0;
  const char* suggestion = nullptr;
  int covers = 2;
};

// "no" with the word after it: comparatives, "no need", "no sign of" and the like.
// clang-format off
constexpr NoRow kNoRows[] = {
    {.n1 = "longer", .code = 334, .ruleId = 4018, .suggestion = "not now/(Rephrase)"},
    {.n1 = "later", .n2 = "than", .code = 305, .ruleId = 4918, .suggestion = "(Give time limit)", .covers = 3},
    {.n1 = "sooner", .code = 313, .ruleId = 2918, .suggestion = "(Rephrase)"},
    {.n1 = "need", .code = 302, .ruleId = 2093, .suggestion = "it is not necessary to"},
    {.n1 = "sign*", .n2Class = 67, .code = 324, .ruleId = 4018, .suggestion = "no indication of", .covers = 3},
    {.n1 = "effect", .code = 313, .ruleId = 7918, .suggestion = "does not change/does not cause"},
    {.n1 = "problem*", .code = 302, .ruleId = 2191, .suggestion = "(Rephrase)"},
    {.n1 = "purpose", .code = 313, .ruleId = 8014, .suggestion = "(Rephrase)"},
    {.n1 = "possibility", .code = 313, .ruleId = 8021, .suggestion = "can not"},
    {.n1 = "charge", .code = 305, .ruleId = 8321, .suggestion = "zero charge/discharged"},
    {.n1 = "such", .code = 313, .ruleId = 3918, .suggestion = "(Rephrase)"},
    {.n1 = "other", .code = 302, .ruleId = 6115, .suggestion = "only"},
    {.n1 = "doubt", .code = 302, .ruleId = 6117, .suggestion = "(Rephrase)"},
    {.n1 = "matter", .code = 302, .ruleId = 6125, .suggestion = "(Rephrase)"},
    {.n1 = "way", .code = 302, .ruleId = 6176, .suggestion = "can not/(Rephrase)"},
    {.n1 = "not", .code = 334, .ruleId = 5112, .suggestion = "(Rephrase)"},
    {.n1 = "none|nothing", .code = 334, .ruleId = 6175, .suggestion = "(Rephrase)"},
    {.n1 = "no", .code = 304, .ruleId = 4018, .suggestion = "(Delete)", .covers = 1},
    {.n1 = "-", .code = 317, .ruleId = 7125, .covers = 1},
    {.n1 = "un*", .code = 319, .ruleId = 4918, .suggestion = "(Rephrase)"},
};
// clang-format on

}  // namespace

void CheckNegativePhrase(WordRec* word) {
  if (!word || !Next(word)) return;
  const PhraseWords pw(word);
  const WordRec& n1 = pw.n1;
  const WordRec& n2 = pw.n2;
  const WordRec& p1 = pw.p1;

  if (ClassIsOneOf(n1, {37, 38, 39, 45, 48, 64, 76, 78}) || IsMarked(*word) || IsMarked(n1) ||
      word->splitKind == '4' || FirstIs(n1, ')') || FirstIs(n1, '@'))
    return;
  if ((word->written == "No" || word->written == "NO") && n1.wordClass >= 20) return;
  if (IsCaps(*word) && TextIsOneOf(n1, {"key", "label", "position", "button"})) return;

  if (TextIsOneOf(n1, {"more", "greater", "higher", "less", "fewer", "lower"}) && TextIs(n2, "than")) {
    const bool upper = TextIsOneOf(n1, {"more", "greater", "higher"});
    GiveFinding(pw, word, Msg::Measurement, upper ? 4318 : 8014,
                {.covers = 3, .suggestion = upper ? "maximum" : "minimum"});
    return;
  }
  if (TextIsOneOf(n1, {"smoking", "person", "one", "power", "load", "more", "pressure",
                       "responsibility", "action", "fault"})) {
    word->wordClass = 40;
    pass::ClearCodes(word);
    return;
  }
  if (TextIsOneOf(n1, {"running", "pushing", "pressing", "stepping", "reaching", "entry"})) {
    const char* s = FirstIs(n1, 'p')         ? "Do Not Push"
                    : TextStarts(n1, "ru")   ? "Do Not Run"
                    : FirstIs(n1, 'r')       ? "Do Not reach into ..."
                    : FirstIs(n1, 's')       ? "Do Not Step"
                                             : "(Use no + infinitive)";
    GiveFinding(pw, word, Msg::ProductLiability, 2125, {.covers = 2, .suggestion = s});
    return;
  }

  NegativeAfterThere = (TextIsOneOf(p1, {"is", "are"}) && TextIs(pw.p2, "there")) ? 1 : 0;
  if (NegativeAfterThere == 1) {
    const WordRec* before = word->sentencePos > 2 ? Prev(word, 3) : nullptr;
    if (before) {
      FormatSuggestion(word, "%s there is no/%s there are no", before->written.c_str(),
                       before->written.c_str());
      SetWordMessage(word, Msg::Negative, 6145);
    } else {
      GiveFinding(pw, word, Msg::Negative, 4928);
    }
    NegativeAfterThere = 0;
    return;
  }

  if (TextIsOneOf(p1, {"has", "have"})) {
    pw.p1p->entryWords = 2;
    FormatSuggestion(pw.p1p, "%s not %s", TextIs(p1, "has") ? "does" : "do", "have");
    SetWordMessage(pw.p1p, Msg::Negative, 8011);
    return;
  }
  if (TextIsOneOf(p1, {"is", "are", "was", "were"})) {
    pw.p1p->entryWords = 2;
    FormatSuggestion(pw.p1p, "%s not", p1.text.c_str());
    SetWordMessage(pw.p1p, Msg::WrongChoice, 4012);
    return;
  }
  if (TextIs(p1, "with")) {
    GiveFinding(pw, pw.p1p, Msg::Delete, 7012, {.covers = 2, .suggestion = "without"});
    return;
  }

  for (const NoRow& row : kNoRows) {
    if (!TextMatches(n1, row.n1)) continue;
    if (row.n2 && !TextMatches(n2, row.n2)) continue;
    if (row.n2Class && n2.wordClass != row.n2Class) continue;
    GiveFinding(pw, word, row.code, row.ruleId, {.covers = row.covers, .suggestion = row.suggestion});
    return;
  }
  if (n1.wordClass == 23) {
    GiveFinding(pw, word, Msg::ChangeToNoun, 7012, {.covers = 2, .suggestion = "(Rephrase)"});
    return;
  }
  if (n1.wordClass == 22) {
    GiveFinding(pw, word, Msg::ChangeToNoun, 5679, {.suggestion = "(Use a noun)"});
    return;
  }
  if (n1.wordClass == 63) GiveFinding(pw, word, Msg::Rephrase, 8797, {.suggestion = "(Rephrase)"});
}
