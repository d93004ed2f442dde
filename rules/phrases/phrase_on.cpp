// The phrase rules of "on".
#include <string>

#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "rules/phrases/phrase_particle.h"
#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"

namespace {

constexpr ParticleLabels kOnLabels = {
    .words = "key|label|signal|command|contact|both|each|button",
    .keepAsLabel = "key|button",
    .suggestion = "ON position/in the ON position",
};

// Verbs before "on" that mean something else with it; the particle's own
// codes go.
// clang-format off
constexpr RuleRow kVerbsOn[] = {
    {.p1 = "turn*", .clear = true, .suggestion = "in the ON position/connected/connect", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 4475},
    {.p1 = "focus*", .clear = true, .suggestion = "(look at)/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 4475},
    {.p1 = "loop*", .clear = true, .suggestion = "loop condition/(Change the verb.)", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 4475},
};

// Words before "on" that make an awkward phrase with it, and their advice.
constexpr RuleRow kTakesOn[] = {
    {.p1 = "only|operate*", .clear = true, .suggestion = "(Rephrase for clarity)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "place", .clear = true, .suggestion = "are on/put on", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "power", .clear = true, .suggestion = "power applied/power switch in ON position", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "stated", .clear = true, .suggestion = "shown on", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "ship*", .clear = true, .suggestion = "sent/supplied", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "switch", .clear = true, .suggestion = "switch to the ON position", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "voltage", .clear = true, .suggestion = "voltage applied", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "work*", .clear = true, .suggestion = "do work on/work(n)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "tolerance*", .clear = true, .suggestion = "tolerance for", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "rest*|remain*", .clear = true, .suggestion = "is on/are on/stay on", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "act*", .clear = true, .suggestion = "do .../(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "based|back", .clear = true, .suggestion = "from/data from/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "build", .clear = true, .suggestion = "add/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "came|count*", .clear = true, .suggestion = "illuminated/connected", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "center*", .clear = true, .suggestion = "put in the center/in the center of", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "data", .clear = true, .suggestion = "data about/data for", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "engine|early", .clear = true, .suggestion = "(Give time ref.)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "effect", .clear = true, .suggestion = "control/cause", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "information", .clear = true, .suggestion = "information about/information for", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "jump*", .clear = true, .suggestion = "go on/goes on", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "level", .clear = true, .suggestion = "made level on/aligned on/at a level on", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "low", .clear = true, .suggestion = "(Give a measure or level)", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "flat", .clear = true, .suggestion = "level on/touch", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
    {.p1 = "key switch", .clear = true, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 7476},
};

// clang-format on

// "on" inside a sentence, before a marked side word ("on the right") and a verb.
bool SideBeforeVerb(const RuleContext& c) {
  return c.word->sentencePos > 0 && IsMarked(c.n1()) && c.n2().wordClass >= 20;
}
// "on" inside a sentence, not before "of".
bool InsideNotBeforeOf(const RuleContext& c) {
  return c.word->sentencePos > 0 && !TextIs(c.n2(), "of");
}
// The side word is read as a plain word.
void SideAsNeutral(RuleContext&, WordRec& side) { side.wordClass = Cls::Neutral; }

// A side word after "on" (the finding goes on it), and places and times
// that take another preposition.
// clang-format off
constexpr RuleRow kOnSideOrPlace[] = {
    {.n1 = "r*", .n1Class = {Cls::LeftRight}, .when = SideBeforeVerb, .suggestion = "right side", .then = SideAsNeutral, .on = On::N1, .code = Msg::MissingReference, .ruleId = 8418},
    {.n1Class = {Cls::LeftRight}, .when = SideBeforeVerb, .suggestion = "left side", .then = SideAsNeutral, .on = On::N1, .code = Msg::MissingReference, .ruleId = 8418},
    {.n1 = "end", .when = InsideNotBeforeOf, .suggestion = "on the end/on one end", .covers = 2, .code = Msg::Preposition, .ruleId = 8518, .outcome = Walk::SkipCovered},
    {.n1 = "battery", .when = InsideNotBeforeOf, .suggestion = "(Rephrase for subj. power)", .covers = 2, .code = Msg::Preposition, .ruleId = 8518, .outcome = Walk::SkipCovered},
    {.n1 = "flight", .when = InsideNotBeforeOf, .suggestion = "during the flight", .covers = 2, .code = Msg::Preposition, .ruleId = 8518, .outcome = Walk::SkipCovered},
    {.n1 = "duty", .when = InsideNotBeforeOf, .suggestion = "(in position)/at xxx/(Rephrase)", .covers = 2, .code = Msg::Preposition, .ruleId = 8518, .outcome = Walk::SkipCovered},
};

// The other rules of "on": phrasal verbs, position labels and prepositions.
constexpr RuleRow kOnRows[] = {
    // Verbs and words before "on".
    {.p1 = "hold*", .clear = true, .suggestion = "hold/continue to hold", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 3716},
    {.p1 = "check*", .clear = true, .suggestion = "examine/check", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 6318},
    {.p1 = "toggle*", .clear = true, .suggestion = "set to ON", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 7364},
    {.p1 = "live", .clear = true, .suggestion = "(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 3318},
    {.p1 = "marked", .clear = true, .suggestion = "shown on", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 3618},
    {.p1 = "lights", .clear = true, .suggestion = "illuminated/illuminates continuously", .covers = 2, .on = On::P1, .code = Msg::NameLabel, .ruleId = 6466},
    {.p1 = "climb*", .clear = true, .suggestion = "go up/climb", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 5463},
    {.p1 = "continu*", .suggestion = "continue to operate", .code = Msg::Awkward, .ruleId = 5564},
    {.p1 = "put", .suggestion = "install/attach", .code = Msg::WrongVerb, .ruleId = 5564},
    {.p1 = "notice*", .suggestion = "(Rephrase)", .code = Msg::Awkward, .ruleId = 7318},
    {.p1 = "schedule*", .suggestion = "(Give date range)", .code = Msg::Measurement, .ruleId = 6319},
    {.p1 = "call*", .suggestion = "(Rephrase)", .code = Msg::Translation, .ruleId = 3514},
    {.p1 = "issue*|file", .suggestion = "problem with/about", .code = Msg::Translation, .ruleId = 7318},
    {.p1 = "spot", .suggestion = "(correct)", .code = Msg::PrefixSuffix, .ruleId = 2414},
    {.p1 = "volume*", .suggestion = "(Give a reference)", .code = Msg::MissingReference, .ruleId = 5463},
    {.p2 = "turn*|switch*|put*", .p1 = "it|them", .suggestion = "to the ON position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 7607},
    {.p1 = "it|them|its|their", .suggestion = "(Give the item name)", .code = Msg::MissingReference, .ruleId = 7464},
    {.p1 = "been|being", .suggestion = "in the ON position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 5463},
    {.p1 = "switches", .suggestion = "in the ON position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 8463},
    {.p1 = "appear*", .suggestion = "shown on", .code = Msg::WrongMeaning, .ruleId = 3219},
    {.p1 = "high", .suggestion = "(Give a measure or level)", .code = Msg::Style, .ruleId = 6466},
    {.p1 = "rely|relies", .suggestion = "(Rephrase)", .code = Msg::Preposition, .ruleId = 2607},
    {.p1 = "depend*", .suggestion = "(Rephrase)", .code = Msg::Preposition, .ruleId = 3415},
    {.p1 = "resid*", .suggestion = "is on/are on", .code = Msg::Preposition, .ruleId = 4317},
    {.p1 = "advise*|require*|strict*", .suggestion = "(Rephrase)", .code = Msg::Preposition, .ruleId = 4419},
    {.p1 = "click*", .suggestion = "click", .code = Msg::Preposition, .ruleId = 4464},
    {.p1 = "illuminate*", .suggestion = "illuminates continuously", .code = Msg::Preposition, .ruleId = 4575},
    {.p1 = "included|recorded", .suggestion = "shown on/in", .code = Msg::Preposition, .ruleId = 5464},
    {.p1 = "trained", .suggestion = "(Rephrase)", .code = Msg::Preposition, .ruleId = 7455},
    {.p1 = "present", .suggestion = "in/at", .code = Msg::Preposition, .ruleId = 7464},
    {.p1 = "agreed", .suggestion = "about/(Rephrase)", .code = Msg::Preposition, .ruleId = 8314},
    {.p1 = "begin*|began", .suggestion = "start", .code = Msg::Gerund, .ruleId = 6463},
    {.p1 = "insist*", .suggestion = "(To + infinitive)", .code = Msg::Gerund, .ruleId = 7388},
    {.p1 = "from", .n1Class = {Cls::To}, .suggestion = "the ON position to the OFF position", .verbForm = 'X', .covers = 3, .code = Msg::NameLabel, .ruleId = 5564, .outcome = Walk::SkipCovered},
    // Words after "on".
    {.n1 = "and", .n2 = "under", .suggestion = "(Give position or switch name)", .verbForm = 'X', .covers = 3, .code = Msg::NameLabel, .ruleId = 8318, .outcome = Walk::SkipCovered},
    {.n1 = "/", .n2 = "off", .suggestion = "ON/OFF", .verbForm = 'X', .covers = 3, .code = Msg::NameLabel, .ruleId = 3463, .outcome = Walk::SkipCovered},
    {.n1 = "off", .suggestion = "ON/OFF", .verbForm = 'X', .covers = 2, .code = Msg::NameLabel, .ruleId = 6318, .outcome = Walk::SkipCovered},
    {.n1 = "to", .suggestion = "onto", .covers = 2, .code = Msg::Spelling, .ruleId = 5464, .outcome = Walk::SkipCovered},
    {.n1 = "again", .suggestion = "(Rephrase)", .code = Msg::Awkward, .ruleId = 5564},
    {.n1 = "whether", .suggestion = "about/(Rephrase)", .covers = 2, .code = Msg::Preposition, .ruleId = 5564, .outcome = Walk::SkipCovered},
    {.n1Class = {Cls::TimeConjunction}, .on = On::N1, .code = Msg::Translation, .ruleId = 3428},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbsOnRows() { return kVerbsOn; }
std::span<const RuleRow> TakesOnRows() { return kTakesOn; }
std::span<const RuleRow> OnSideOrPlaceRows() { return kOnSideOrPlace; }
std::span<const RuleRow> OnPhraseRows() { return kOnRows; }

void CheckOnPhrase(WordRec* word, SentenceStateRec& state) {
  if (!word || !Next(word)) return;
  RuleContext c = PhraseContext(word, state);
  if (ParticleFirstSteps(c, kOnLabels, true)) return;
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  const WordRec& p1 = c.p1();
  const WordRec& p2 = c.p2();
  const int pos = word->sentencePos;
  const int count = state.sentenceWordCount;

  if (ClassIsOneOf(p1, {24, 25})) {
    GiveFinding(c, word, Msg::NameLabel, 6466, {.suggestion = "in operation/ON position/(Rephrase)"});
    return;
  }
  if (GiveFirstRow(c, kVerbsOn)) return;
  if (GiveFirstRow(c, kTakesOn)) return;
  if (c.P(1)) {
    if (TextIs(p1, "and") && n1.wordClass >= 20) {
      GiveP1Finding(c, Msg::Awkward, 7476, {.suggestion = "do .../(Rephrase)"}, true);
      return;
    }
  }
  if (TextIs(n1, "and") && TextIs(n2, "off")) {
    GiveFinding(c, word, Msg::NameLabel, 2466,
                {.covers = 3, .suggestion = "from ON position to OFF position", .verbForm = 'X'});
    return;
  }
  if (GiveFirstRow(c, kOnSideOrPlace)) return;
  if (!IsCaps(*word) && TextIsOneOf(n1, {"and", "or"}) &&
      TextIsOneOf(n2, {"around", "about", "after", "before", "near"})) {
    GiveFinding(c, word, Msg::Awkward, 6317, {.covers = 3, .suggestion = "(Give range)"});
    return;
  }
  if (TextIs(n1, "being")) {
    GiveFinding(c, word, Msg::Gerund, 6352, {.covers = 2, .suggestion = "when/(Rephrase)"});
    return;
  }
  if (pos >= 2 && n1.wordClass == 23 && n1.markFlag == '0' && n1.subClass == 0 &&
      MakeVerbFromIng(c.N(1), 0) == 1 && !c.n1().suggestion.empty()) {
    state.subjectNumber = 1;
    word->entryWords = 2;
    const std::string base = c.n1().suggestion.str();
    FormatSuggestion(word, "when you %s/%s", base.c_str(), base.c_str());
    SetWordMessage(word, Msg::Awkward, 1675);
    SkipCoveredWords(word);
    return;
  }
  if (n1.wordClass == 23) {
    WriteSuggestion(word, "(To + infinitive)");
    word->extraFlag = 'W';
    GiveFinding(c, c.N(1), Msg::Gerund, 5564);
    return;
  }
  if (p1.wordClass == 60 && n1.wordClass == 68 && n2.wordClass == 61) {
    GiveFinding(c, word, Msg::NameLabel, 3593,
                {.covers = 3, .suggestion = "the ON position to OFF position", .verbForm = 'X'});
    return;
  }
  if (pos >= 4 && c.P(2) && p1.tokenKind == 0 && p2.tokenKind == 0) {
    if (IsIndicatorWord(c.P(1)) == 1) {
      GiveFinding(c, word, Msg::WrongMeaning, 3319, {.suggestion = "illuminated"});
      return;
    }
    if (IsIndicatorWord(c.P(2)) == 1) {
      GiveFinding(c, word, Msg::WrongMeaning, 4319, {.suggestion = "illuminated"});
      return;
    }
  }
  if (TextStartsOneOf(p1, {"stay", "come"})) {
    GiveP1Finding(c, Msg::PhrasalVerb, 5494, {.suggestion = "illuminate/illuminates/hold"}, true);
    return;
  }
  if (IsCaps(*word) && pos >= 2 && p1.wordClass == 68 && n1.wordClass == 68) {
    GiveFinding(c, word, Msg::NameLabel, 5468, {.suggestion = "the ON position", .verbForm = 'X'});
    return;
  }
  if (pos < count - 3 && n1.wordClass == 63 && TextIs(n2, "off")) {
    GiveFinding(c, word, Msg::NameLabel, 5464,
                {.covers = 3, .suggestion = "the ON position and OFF position", .verbForm = 'X'});
    return;
  }
  if (GiveFirstRow(c, kOnRows)) return;
  if (pos == 0) {
    if (TextIs(n1, "for")) {
      GiveFinding(c, word, Msg::NameLabel, 2466,
                  {.suggestion = "ON position/in the ON position", .verbForm = 'X'});
      return;
    }
    if (n1.wordClass == 63 && n2.wordClass == 61) {
      GiveFinding(c, word, Msg::NameLabel, 8466,
                  {.covers = 3, .suggestion = "ON or OFF", .verbForm = 'X'});
      return;
    }
    if (IsCaps(*word) && TextIs(n1, ".")) return;
    if (n1.wordClass < 20 || count >= 4) GiveFinding(c, word, Msg::Preposition, 8718);
  }
}
