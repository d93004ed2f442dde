// The phrase rules of "off".
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "rules/phrases/phrase_particle.h"
#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

constexpr ParticleLabels kOffLabels = {
    .words = "switch|label|signal|button",
    .keepAsLabel = "switch|button",
    .suggestion = "OFF position/in the OFF position",
};

// "off" ends the clause: a full stop or a comma follows.
bool EndsClause(const RuleContext& c) {
  return EndsSentence(c.n1()) || c.n1().wordClass == Cls::Comma;
}

// "off" at the end of a clause after a form of "be" or "have"; the word
// before that names a light or not.
// clang-format off
constexpr RuleRow kAfterBeOrHave[] = {
    {.p2 = "l*", .p1Class = {Cls::Be, Cls::Have}, .when = EndsClause, .suggestion = "not illuminated", .code = Msg::WrongMeaning, .ruleId = 4475},
    {.p1Class = {Cls::Be, Cls::Have}, .when = EndsClause, .suggestion = "not in operation/stopped", .code = Msg::WrongMeaning, .ruleId = 4475},
};

// "was off", "were off": the finding goes on the verb.
constexpr RuleRow kWasOff[] = {
    {.p1 = "were", .suggestion = "are not illuminated/are disconnected", .on = On::P1, .code = Msg::NameLabel, .ruleId = 6475},
    {.p1 = "was", .suggestion = "is not illuminated/is disconnected", .on = On::P1, .code = Msg::NameLabel, .ruleId = 6475},
};
// clang-format on

// The particle keeps lower case when P1 takes it.
void LowerParticle(RuleContext& c, WordRec&) { c.word->caseFlag = '0'; }

// Words before "off" that make a phrasal verb or a label with it, and the
// advice for each.
// clang-format off
constexpr RuleRow kTakesOff[] = {
    {.p1 = "lift*|raise*", .suggestion = "lift above/remove from/lift", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "remain*", .suggestion = "is in the OFF position", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "mark*", .suggestion = "identify with marks", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "just*", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "switch*|engine|ignition switch|ignition|key switch", .suggestion = "stop/stopped/in OFF position", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "turning|turns|turn", .suggestion = "in the OFF position/to OFF position/disconnected", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "broken", .suggestion = "damaged/removed/broken", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "back*", .suggestion = "loosen/move", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "clos*", .suggestion = "stop/close/prevent/seal", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    // "drop" shares its second letter with "dry" and "dries" but means a fall.
    {.p1 = "dry|dries", .suggestion = "dry/(Rephrase)", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "drop*", .suggestion = "decrease/(Rephrase)/fall", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "fall*", .suggestion = "fall/falls/decrease", .then = LowerParticle, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7318},
};

// A phrasal verb with "off" later in a sentence, before a word that is no
// modal, list mark, number or colon.
bool LaterInSentence(const RuleContext& c) {
  return c.word->sentencePos >= 3 && !ClassIsOneOf(c.n1(), {28, 41, 49}) && !FirstIs(c.n1(), ':') &&
         c.p1().tokenKind == 0;
}

// Verbs that make a phrasal verb with "off", with advice where there is one.
constexpr RuleRow kParticleVerbs[] = {
    {.p1 = "log*", .when = LaterInSentence, .suggestion = "log out/logs out", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "led*", .when = LaterInSentence, .suggestion = "LED is not illuminated", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "lamp*", .when = LaterInSentence, .suggestion = "lamp is not illuminated", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "mov*", .when = LaterInSentence, .suggestion = "move from/moves from", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "measur*", .when = LaterInSentence, .suggestion = "measure/calculate", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "going|gone", .when = LaterInSentence, .suggestion = "do not go", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "get*", .when = LaterInSentence, .suggestion = "decrease/leave", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "powe*|pull*", .when = LaterInSentence, .suggestion = "disconnect/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "shuts", .when = LaterInSentence, .suggestion = "stops/closes", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "shut*", .when = LaterInSentence, .suggestion = "stop/close", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
    {.p1 = "pull*|push*|powe*|pres*|peel*|remain*|round*|start*|shut*|sign*|stay*|switch*|shak*|"
           "took*|top*|work*|wash*|light*|mov*|log*|lift*|mark*|measur*|alarm*|bled*|based*|bleed*|"
           "click*|check*|come*|clean*|clear*|clos*|get*|drop*|enable*|flash*|fall*|jump*|keep*|"
           "hold*|led*|lamp*|turned|taken|well|when|coming|going|gone|given",
     .when = LaterInSentence, .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4415},
};
// clang-format on

constexpr Words kIndicators = "lamp*|light*|led*|alarm*|switch*";

// The other rules of "off": phrasal verbs, position labels and prepositions.
// clang-format off
constexpr RuleRow kOffRows[] = {
    // Verbs before "off".
    {.p1 = "remove|removed|removes", .suggestion = "remove from", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 4475},
    {.p1 = "measur*", .suggestion = "measure/calculate", .covers = 2, .on = On::P1, .code = Msg::Measurement, .ruleId = 2607},
    {.p1 = "bleed*|bled", .suggestion = "bleed/remove", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 1508},
    {.p1 = "click*", .suggestion = "click xxx button", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 1509},
    {.p1 = "hold*", .suggestion = "wait", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 2607},
    {.p1 = "keep*", .suggestion = "keep away from", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 2607},
    {.p1 = "push*|pull*|peel*", .suggestion = "remove", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 7463},
    {.p1 = "wash*|dust*", .suggestion = "remove/clean", .covers = 2, .on = On::P1, .code = Msg::Hyphenation, .ruleId = 146},
    {.p1 = "turned", .suggestion = "in the OFF position/disconnected", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 3418},
    {.p1 = "stay*", .suggestion = "remain in the OFF position", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 3465},
    {.p1 = "flash*", .suggestion = "flashes/not illuminated", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 3566},
    {.p1 = "on", .suggestion = "ON/OFF", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 5318},
    {.p1 = "come*|came|coming", .suggestion = "become loose/disconnect", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 1475},
    {.p1 = "sign*", .suggestion = "sign", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 3566},
    {.p1 = "goes", .suggestion = "stops/is not illuminated", .code = Msg::WrongVerb, .ruleId = 5134},
    {.p1 = "set|sets", .suggestion = "start/cause", .code = Msg::WrongMeaning, .ruleId = 5134},
    {.p1 = "round*", .suggestion = "tolerance for/(Give measurement)", .code = Msg::Measurement, .ruleId = 2607},
    {.p1 = "shut", .suggestion = "stop/close", .code = Msg::Hyphenation, .ruleId = 2147},
    {.p1 = "lever*", .suggestion = "in the OFF position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 3463},
    {.p1 = "indicator*", .suggestion = "not illuminated", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 3465},
    {.p1 = "condition*", .suggestion = "OFF condition/OFF position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 4462},
    {.p1 = "to", .suggestion = "OFF position/in the OFF position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 5607},
    {.p1 = "from", .suggestion = "the OFF position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 6466},
    {.p1 = "well", .suggestion = "(Rephrase)", .code = Msg::WrongMeaning, .ruleId = 1506},
    // Words after "off".
    {.n1Class = {Cls::To}, .n2 = "on", .suggestion = "from the OFF position to the ON position", .verbForm = 'X', .separatorFlag = 'U', .covers = 3, .code = Msg::NameLabel, .ruleId = 1345, .outcome = Walk::SkipCovered},
    {.n1 = "or", .n2 = "on", .suggestion = "OFF or ON position", .verbForm = 'X', .separatorFlag = 'U', .covers = 3, .code = Msg::NameLabel, .ruleId = 2466, .outcome = Walk::SkipCovered},
    {.n1 = "then", .n2 = "on", .suggestion = "in the ON position/illuminated", .verbForm = 'X', .on = On::N2, .code = Msg::NameLabel, .ruleId = 3607},
    {.n1 = "then", .suggestion = "in the OFF position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 3607},
    {.n1 = "from", .suggestion = "from", .code = Msg::WrongChoice, .ruleId = 2607},
    {.n1 = "of", .suggestion = "off/from", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3593, .outcome = Walk::SkipCovered},
    {.n1 = "when", .code = Msg::Awkward, .ruleId = 4218},
    {.n1 = "under|above", .code = Msg::Preposition, .ruleId = 2318},
    {.n1 = "with", .suggestion = "from", .code = Msg::Preposition, .ruleId = 2466},
    {.n1 = "at", .suggestion = "(Rephrase)", .code = Msg::Preposition, .ruleId = 3466},
    {.n1 = "in", .code = Msg::Preposition, .ruleId = 3575},
    {.n1 = "by", .code = Msg::Preposition, .ruleId = 8463},
};
// clang-format on

}  // namespace

std::span<const RuleRow> OffAfterBeOrHaveRows() { return kAfterBeOrHave; }
std::span<const RuleRow> WasOffRows() { return kWasOff; }
std::span<const RuleRow> TakesOffRows() { return kTakesOff; }
std::span<const RuleRow> OffParticleVerbRows() { return kParticleVerbs; }
std::span<const RuleRow> OffPhraseRows() { return kOffRows; }

void CheckOffPhrase(WordRec* word, SentenceStateRec& state) {
  if (!word || !Next(word)) return;
  RuleContext c = PhraseContext(word, state);
  if (ParticleFirstSteps(c, kOffLabels, false)) return;
  const WordRec& n1 = c.n1();
  const WordRec& p1 = c.p1();
  const WordRec& p2 = c.p2();
  const int pos = word->sentencePos;

  if (GiveFirstRow(c, kAfterBeOrHave)) return;
  if (pos >= 4 && EndsSentence(n1) && (kIndicators.Has(p1) || kIndicators.Has(p2))) {
    if (p1.text[1] == 'w' || p2.text[1] == 'w') {
      GiveFinding(c, word, Msg::NameLabel, 7261,
                  {.suggestion = "OFF position/disconnect", .verbForm = 'X'});
    } else {
      const bool alarm = FirstIs(p1, 'a') || FirstIs(p2, 'a');
      GiveFinding(c, word, Msg::Preposition, 7261,
                  {.suggestion = alarm ? "(not operating)" : "not illuminated", .verbForm = 'X'});
    }
    return;
  }
  if (TextIs(p1, "their")) {
    GiveFinding(c, word, Msg::Preposition, 4475);
    return;
  }
  if (TextIs(p1, "went")) {
    GiveFinding(c, word, Msg::NameLabel, 6475,
                {.suggestion = "not illuminated/disconnected/moved", .verbForm = 'X'});
    return;
  }
  if (GiveFirstRow(c, kWasOff)) return;
  if (pos >= 2 && TextStartsOneOf(p2, {"led", "light"})) {
    // The advice names the indicator, not the particle.
    word->entryWords = 1;
    FormatSuggestion(word, "%s not illuminated", c.P(2)->written.c_str());
    SetWordMessage(word, Msg::WrongMeaning, 4475);
    return;
  }
  if (GiveFirstRow(c, kTakesOff)) return;
  if (GiveFirstRow(c, kParticleVerbs)) return;
  if (TextIs(n1, "and") && TextIsOneOf(c.n2(), {"under", "on"})) {
    GiveFinding(c, word, Msg::NameLabel, 8318,
                {.covers = 3, .suggestion = "(Give position or switch name)", .verbForm = 'X'});
    return;
  }
  if (TextIs(n1, "ground")) {
    GiveFinding(c, word, Msg::WrongMeaning, 8318, {.suggestion = "above"});
    return;
  }
  if (n1.wordClass == 50) {
    GiveFinding(c, c.N(1), Msg::Adverb, n1.text.endsWith("ly") ? 1482 : 148);
    return;
  }
  if (GiveFirstRow(c, kOffRows)) return;
  if (pos == 0) {
    if (state.sentenceWordCount < 4) return;
    if (EndsSentence(n1)) {
      if (!IsCaps(*word))
        GiveFinding(c, word, Msg::NameLabel, 4618,
                    {.suggestion = "OFF position/in the OFF position", .tag = "<*->"});
      return;
    }
    GiveFinding(c, word, Msg::Preposition, 4218);
  }
}
