// The phrase rules of "off".
#include "engine/message_codes.h"
#include "rules/phrases/phrase_particle.h"
#include "rules/phrases/phrase_rules.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main_pass/sentence_state.h"

namespace {

constexpr LabelWords kOffLabels = {
    .words = "switch|label|signal|button",
    .keepAsLabel = "switch|button",
    .suggestion = "OFF position/in the OFF position",
};

// Words before "off" that make a phrasal verb or a label with it.
constexpr const char* kTakesOff =
    "lift*|raise*|mark*|just*|remain*|switch*|drop*|clos*|fall*|back*|"
    "turning|turns|turn|engine|ignition switch|ignition|key switch|dry|dries|broken";

// The replacement of "P1 off", by P1's first letters.
const char* TakesOffSuggestion(const WordRec& p1) {
  switch (p1.text.first()) {
    case 'l':
      return "lift above/remove from/lift";
    case 'm':
      return "identify with marks";
    case 'r':
      return TextStarts(p1, "remain") ? "is in the OFF position" : "lift above/remove from/lift";
    case 's':
    case 'k':
    case 'e':
    case 'i':
      return "stop/stopped/in OFF position";
    case 't':
      return "in the OFF position/to OFF position/disconnected";
    case 'b':
      return p1.text[1] == 'r' ? "damaged/removed/broken" : "loosen/move";
    case 'c':
      return "stop/close/prevent/seal";
    case 'd':
      // "drop" shares its second letter with "dry" and "dries" but means a fall.
      return p1.text[1] == 'r' && !TextStarts(p1, "drop") ? "dry/(Rephrase)"
                                                          : "decrease/(Rephrase)/fall";
    case 'f':
      return "fall/falls/decrease";
    default:
      return nullptr;
  }
}

// Verbs that make a phrasal verb with "off" later in a sentence.
constexpr const char* kParticleVerbs =
    "pull*|push*|powe*|pres*|peel*|remain*|round*|start*|shut*|sign*|stay*|switch*|shak*|"
    "took*|top*|work*|wash*|light*|mov*|log*|lift*|mark*|measur*|alarm*|bled*|based*|bleed*|"
    "click*|check*|come*|clean*|clear*|clos*|get*|drop*|enable*|flash*|fall*|jump*|keep*|"
    "hold*|led*|lamp*|turned|taken|well|when|coming|going|gone|given";

// The replacement of a phrasal verb with "off", by P1's first letters (null: none).
const char* ParticleVerbSuggestion(const WordRec& p1) {
  struct Row {
    const char* stems;
    const char* suggestion;
  };
  static constexpr Row kRows[] = {
      {"log*", "log out/logs out"},
      {"led*", "LED is not illuminated"},
      {"lamp*", "lamp is not illuminated"},
      {"mov*", "move from/moves from"},
      {"measur*", "measure/calculate"},
      {"going|gone", "do not go"},
      {"get*", "decrease/leave"},
      {"powe*|pull*", "disconnect/(Rephrase)"},
      {"shuts", "stops/closes"},
      {"shut*", "stop/close"},
  };
  for (const Row& r : kRows)
    if (TextMatches(p1, r.stems)) return r.suggestion;
  return nullptr;
}

// The other rules of "off": phrasal verbs, position labels and prepositions.
// clang-format off
constexpr ParticleRow kOffRows[] = {
    // Verbs before "off".
    {.p1 = "remove|removed|removes", .target = On::P1, .code = 300, .ruleId = 4475, .suggestion = "remove from"},
    {.p1 = "measur*", .target = On::P1, .code = 305, .ruleId = 2607, .suggestion = "measure/calculate"},
    {.p1 = "bleed*|bled", .target = On::P1, .code = 315, .ruleId = 1508, .suggestion = "bleed/remove"},
    {.p1 = "click*", .target = On::P1, .code = 315, .ruleId = 1509, .suggestion = "click xxx button"},
    {.p1 = "hold*", .target = On::P1, .code = 315, .ruleId = 2607, .suggestion = "wait/delay"},
    {.p1 = "keep*", .target = On::P1, .code = 315, .ruleId = 2607, .suggestion = "keep away from"},
    {.p1 = "push*|pull*|peel*", .target = On::P1, .code = 315, .ruleId = 7463, .suggestion = "remove"},
    {.p1 = "wash*|dust*", .target = On::P1, .code = 317, .ruleId = 146, .suggestion = "remove/clean"},
    {.p1 = "turned", .target = On::P1, .code = 323, .ruleId = 3418, .suggestion = "in the OFF position/disconnected"},
    {.p1 = "stay*", .target = On::P1, .code = 323, .ruleId = 3465, .suggestion = "remain in the OFF position"},
    {.p1 = "flash*", .target = On::P1, .code = 323, .ruleId = 3566, .suggestion = "flashes/not illuminated"},
    {.p1 = "on", .target = On::P1, .code = 323, .ruleId = 5318, .suggestion = "ON/OFF"},
    {.p1 = "come*|came|coming", .target = On::P1, .code = 324, .ruleId = 1475, .suggestion = "become loose/disconnect"},
    {.p1 = "sign*", .target = On::P1, .code = 324, .ruleId = 3566, .suggestion = "approve/sign"},
    {.p1 = "goes", .code = 300, .ruleId = 5134, .suggestion = "stops/is not illuminated"},
    {.p1 = "set|sets", .code = 324, .ruleId = 5134, .suggestion = "start/cause"},
    {.p1 = "round*", .code = 305, .ruleId = 2607, .suggestion = "tolerance for/(Give measurement)"},
    {.p1 = "shut", .code = 317, .ruleId = 2147, .suggestion = "stop/close"},
    {.p1 = "lever*", .code = 323, .ruleId = 3463, .suggestion = "in the OFF position", .verbForm = 'X'},
    {.p1 = "indicator*", .code = 323, .ruleId = 3465, .suggestion = "not illuminated", .verbForm = 'X'},
    {.p1 = "condition*", .code = 323, .ruleId = 4462, .suggestion = "OFF condition/OFF position", .verbForm = 'X'},
    {.p1 = "to", .code = 323, .ruleId = 5607, .suggestion = "OFF position/in the OFF position", .verbForm = 'X'},
    {.p1 = "from", .code = 323, .ruleId = 6466, .suggestion = "the OFF position", .verbForm = 'X'},
    {.p1 = "well", .code = 324, .ruleId = 1506, .suggestion = "(Rephrase)"},
    // Words after "off".
    {.n1Class = 68, .n2 = "on", .code = 323, .ruleId = 1345, .suggestion = "from the OFF position to the ON position", .covers = 3, .verbForm = 'X', .separatorFlag = 'U'},
    {.n1 = "or", .n2 = "on", .code = 323, .ruleId = 2466, .suggestion = "OFF or ON position", .covers = 3, .verbForm = 'X', .separatorFlag = 'U'},
    {.n1 = "then", .n2 = "on", .target = On::N2, .code = 323, .ruleId = 3607, .suggestion = "in the ON position/illuminated", .verbForm = 'X'},
    {.n1 = "then", .code = 323, .ruleId = 3607, .suggestion = "in the OFF position", .verbForm = 'X'},
    {.n1 = "from", .code = 301, .ruleId = 2607, .suggestion = "from"},
    {.n1 = "of", .code = 315, .ruleId = 3593, .suggestion = "off/from", .covers = 2},
    {.n1 = "when", .code = 302, .ruleId = 4218},
    {.n1 = "under|above", .code = 331, .ruleId = 2318},
    {.n1 = "with", .code = 331, .ruleId = 2466, .suggestion = "from"},
    {.n1 = "at", .code = 331, .ruleId = 3466, .suggestion = "(Rephrase)"},
    {.n1 = "in", .code = 331, .ruleId = 3575},
    {.n1 = "by", .code = 331, .ruleId = 8463},
};
// clang-format on

bool AnyStarts(const WordRec& a, const WordRec& b, const char* stems) {
  return TextMatches(a, stems) || TextMatches(b, stems);
}

}  // namespace

void CheckOffPhrase(WordRec* word) {
  if (!word || !Next(word)) return;
  const PhraseWords pw(word);
  if (ParticleFirstSteps(pw, kOffLabels, false)) return;
  const WordRec& n1 = pw.n1;
  const WordRec& p1 = pw.p1;
  const WordRec& p2 = pw.p2;
  const int pos = word->sentencePos;

  if (ClassIsOneOf(p1, {24, 25}) && (EndsSentence(n1) || n1.wordClass == 47)) {
    GiveFinding(pw, word, Msg::WrongMeaning, 4475,
                {.suggestion = FirstIs(p2, 'l') ? "not illuminated" : "not in operation/stopped"});
    return;
  }
  if (pos >= 4 && EndsSentence(n1) && AnyStarts(p1, p2, "lamp*|light*|led*|alarm*|switch*")) {
    if (p1.text[1] == 'w' || p2.text[1] == 'w') {
      GiveFinding(pw, word, Msg::NameLabel, 7261,
                  {.suggestion = "OFF position/disconnect", .verbForm = 'X'});
    } else {
      const bool alarm = FirstIs(p1, 'a') || FirstIs(p2, 'a');
      GiveFinding(pw, word, Msg::Preposition, 7261,
                  {.suggestion = alarm ? "not activated" : "not illuminated", .verbForm = 'X'});
    }
    return;
  }
  if (TextIs(p1, "their")) {
    GiveFinding(pw, word, Msg::Preposition, 4475);
    return;
  }
  if (TextIs(p1, "went")) {
    GiveFinding(pw, word, Msg::NameLabel, 6475,
                {.suggestion = "not illuminated/disconnected/moved", .verbForm = 'X'});
    return;
  }
  if (TextIsOneOf(p1, {"were", "was"})) {
    GiveFinding(pw, pw.p1p, Msg::NameLabel, 6475,
                {.suggestion = TextIs(p1, "were") ? "are not illuminated/are disconnected"
                                                  : "is not illuminated/is disconnected"});
    return;
  }
  if (pos >= 2 && TextStartsOneOf(p2, {"led", "light"})) {
    // The advice names the indicator, not the particle.
    word->entryWords = 1;
    FormatSuggestion(word, "%s not illuminated", pw.p2p->written.c_str());
    SetWordMessage(word, Msg::WrongMeaning, 4475);
    return;
  }
  if (pw.p1p && TextMatches(p1, kTakesOff)) {
    word->caseFlag = '0';
    GiveP1Finding(pw, Msg::Awkward, 7318, {.suggestion = TakesOffSuggestion(p1)}, false);
    return;
  }
  if (pos >= 3 && !ClassIsOneOf(n1, {28, 41, 49}) && !FirstIs(n1, ':') && p1.tokenKind == 0 &&
      TextMatches(p1, kParticleVerbs)) {
    GiveP1Finding(pw, Msg::PhrasalVerb, 4415, {.suggestion = ParticleVerbSuggestion(p1)}, false);
    return;
  }
  if (TextIs(n1, "and") && TextIsOneOf(pw.n2, {"under", "on"})) {
    GiveFinding(pw, word, Msg::NameLabel, 8318,
                {.covers = 3, .suggestion = "(Give position or switch name)", .verbForm = 'X'});
    return;
  }
  if (TextIs(n1, "ground")) {
    GiveFinding(pw, word, Msg::WrongMeaning, 8318, {.suggestion = "above"});
    return;
  }
  if (n1.wordClass == 50) {
    GiveFinding(pw, pw.n1p, Msg::Adverb, n1.text.endsWith("ly") ? 1482 : 148);
    return;
  }
  if (ApplyParticleRows(pw, kOffRows, false)) return;
  if (pos == 0) {
    if (SentenceState.sentenceWordCount < 4) return;
    if (EndsSentence(n1)) {
      if (!IsCaps(*word))
        GiveFinding(pw, word, Msg::NameLabel, 4618,
                    {.suggestion = "OFF position/in the OFF position", .tag = "<*->"});
      return;
    }
    GiveFinding(pw, word, Msg::Preposition, 4218);
  }
}
