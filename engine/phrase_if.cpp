// The phrase rules of "if".
#include <string_view>

#include "engine/message_codes.h"
#include "engine/phrase_common.h"
#include "engine/phrase_rules.h"
#include "engine/rule_match.h"

namespace {

// Words after "if" that read better otherwise, with the suggestion (null: none).
struct IfWord {
  std::string_view word;
  const char* suggestion;
};
constexpr IfWord kIfWords[] = {
    {"using", "if you use/with"},
    {"this", "if (noun)"},
    {"they", "if (noun)"},
    {"some", "if all"},
    {"never", "if necessary/(Rephrase)"},
    {"needed", "if necessary/(Rephrase)"},
    {"lesser", "if less than"},
    {"opening", "when you open/if you open"},
    {"only", "if"},
    {"allowed", "if you can/if you have permission to"},
    {"altered", "if changed"},
    {"is", nullptr},
    {"given", "if xxx is shown in"},
    {"greater", "if more than"},
    {"desired", "if necessary"},
    {"equipped", "if installed"},
    {"even", "when"},
    {"flashing", "(light, LED flash or illuminates)"},
    {"fitted", "is installed/has"},
};

}  // namespace

void CheckIfPhrase(WordRec* word) {
  if (!word || !Next(word)) return;
  const PhraseWords pw(word);
  const WordRec& n1 = pw.n1;
  const WordRec& n2 = pw.n2;
  const WordRec& n3 = pw.n3;
  const bool firstWord = word->sentencePos == 0;

  if (ClassIsOneOf(n1, {37, 38, 39, 45, 64, 76, 78}) || word->splitKind == '4') return;
  if (IsCaps(*word) && TextIsOneOf(n1, {"key", "label", "position", "signal", "input", "output",
                                        "applicable", "frequency", "button"}))
    return;

  if (n1.tokenKind == 9 || TextIsOneOf(n1, {"required", "necessary"}) ||
      (n1.wordClass == 77 && CodeStarts(n2, 'N'))) {
    if (pw.n2p && !IsSentinel(pw.n2p)) pw.n2p->wordClass = 40;
    return;
  }
  if (TextIsOneOf(n1, {"possible", "so", "any", "no", "hot", "cold", "present", "faulty", "when",
                       "used", "indicated"}) ||
      ClassIsOneOf(n1, {23, 66})) {
    GiveFinding(pw, word, Msg::Awkward, 5725, {.covers = 2});
    return;
  }
  if (TextIs(n1, "you") && TextIs(n2, "do") && TextIs(n3, "not")) {
    GiveFinding(pw, word, Msg::Negative, 5494, {.covers = 4, .suggestion = "(Rephrase warning)"});
    return;
  }
  if (TextIs(n1, "there") && TextIsOneOf(n2, {"is", "are"})) {
    pw.n1p->wordClass = 40;
    pw.n2p->wordClass = 40;
    return;
  }
  if (TextIs(n1, "not") && TextIs(n2, "part") && TextIs(n3, "of")) {
    GiveFinding(pw, word, Msg::Punctuation, 6642,
                {.covers = 3, .suggestion = "if not included/(Rephrase)"});
    return;
  }
  if (TextIs(n1, "it") && TextIs(n2, "is")) {
    GiveFinding(pw, word, Msg::MissingReference, 5211, {.covers = 3});
    return;
  }
  if (!TextIsOneOf(n1, {"no", "not"}) && !firstWord && n1.markFlag == '0') {
    for (const IfWord& row : kIfWords) {
      if (TextIs(n1, row.word)) {
        GiveFinding(pw, word, Msg::Awkward, 1494, {.covers = 2, .suggestion = row.suggestion});
        return;
      }
    }
  }
  if (TextIs(n1, "not")) {
    GiveFinding(pw, word, Msg::MissingReference, 1594, {.covers = 2});
    return;
  }
  if (TextIs(n1, "in") || TextIs(n2, "doubt")) {
    GiveFinding(pw, word, Msg::Awkward, 2494,
                {.covers = 3, .suggestion = "make sure that/(Delete this phrase)"});
    return;
  }
  if (TextIs(n1, "need") && TextIs(n2, "be")) {
    GiveFinding(pw, word, Msg::Awkward, 2494, {.covers = 3});
    return;
  }
  if (TextIs(n1, "more") && TextStarts(n2, "than") && TextIs(n3, "one")) {
    GiveFinding(pw, word, Msg::Awkward, 2494, {.covers = 4, .suggestion = "Give range or number"});
    return;
  }
  if (TextIs(n1, "some") && TextStarts(n2, "sign") && n3.wordClass == 67) {
    GiveFinding(pw, word, Msg::Awkward, 2494, {.covers = 3, .suggestion = "if there are indications"});
    return;
  }
  if (!firstWord && TextIsOneOf(pw.p1, {"check", "verify", "clear", "even", "test"})) {
    GiveFinding(pw, pw.p1p, Msg::WrongVerb, 6494,
                {.covers = 2,
                 .suggestion = FirstIs(pw.p1, 'e') ? "if/when/(Rephrase)" : "make sure that/(Rephrase)"});
    return;
  }
  if (n1.tokenKind == 0 && n1.markFlag == '0' &&
      TextIsOneOf(n1, {"greater", "some", "sooner", "they", "more", "less"})) {
    GiveFinding(pw, word, Msg::MissingReference, 1494, {.covers = 2});
    return;
  }
  if (TextIsOneOf(n1, {"needed", "commanded", "further", "sooner", "noted", "successful",
                       "unsuccessful"})) {
    GiveFinding(pw, word, Msg::WrongMeaning, 4662,
                {.covers = 2, .suggestion = TextIs(n1, "needed") ? "if necessary" : nullptr});
    return;
  }
  if (word->sentencePos >= 2 && TextIsOneOf(pw.p1, {"later", "also", "so", "even", "noted"})) {
    GiveFinding(pw, pw.p1p, Msg::Awkward, 5494, {.covers = 2});
    return;
  }
}
