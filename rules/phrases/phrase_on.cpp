// The phrase rules of "on".
#include <string>

#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "rules/phrases/phrase_particle.h"
#include "rules/phrases/phrase_rules.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/main_pass/sentence_state.h"

namespace {

constexpr LabelWords kOnLabels = {
    .words = "key|label|signal|command|contact|both|each|button",
    .keepAsLabel = "key|button",
    .suggestion = "ON position/in the ON position",
};

struct TakesOnRow {
  const char* words;  // "a|stem*"
  const char* suggestion;
};

// Words before "on" that make an awkward phrase with it, and their advice.
// clang-format off
constexpr TakesOnRow kTakesOn[] = {
    {"only|operate*", "(Rephrase for clarity)"},
    {"place", "are on/put on"},
    {"power", "power applied/power switch in ON position"},
    {"stated", "shown on"},
    {"ship*", "sent/supplied"},
    {"switch", "switch to the ON position"},
    {"voltage", "voltage applied"},
    {"work*", "do work on/work(n)"},
    {"tolerance*", "tolerance for"},
    {"rest*|remain*", "is on/are on/stay on"},
    {"act*", "do .../(Rephrase)"},
    {"based|back", "from/data from/(Rephrase)"},
    {"build", "add/(Rephrase)"},
    {"came|count*", "illuminated/connected"},
    {"center*", "put in the center/in the center of"},
    {"data", "data about/data for"},
    {"engine|early", "(Give time ref.)"},
    {"effect", "control/cause"},
    {"information", "information about/information for"},
    {"jump*", "go on/goes on"},
    {"level", "made level on/aligned on/at a level on"},
    {"low", "(Give a measure or level)"},
    {"flat", "level on/touch"},
    {"key switch", nullptr},
};

// The other rules of "on": phrasal verbs, position labels and prepositions.
constexpr ParticleRow kOnRows[] = {
    // Verbs and words before "on".
    {.p1 = "hold*", .target = On::P1, .code = 315, .ruleId = 3716, .suggestion = "hold/continue to hold"},
    {.p1 = "check*", .target = On::P1, .code = 315, .ruleId = 6318, .suggestion = "examine/check"},
    {.p1 = "toggle*", .target = On::P1, .code = 315, .ruleId = 7364, .suggestion = "set to ON"},
    {.p1 = "live", .target = On::P1, .code = 323, .ruleId = 3318, .suggestion = "(Rephrase)"},
    {.p1 = "marked", .target = On::P1, .code = 323, .ruleId = 3618, .suggestion = "shown on"},
    {.p1 = "lights", .target = On::P1, .code = 323, .ruleId = 6466, .suggestion = "illuminated/illuminates continuously"},
    {.p1 = "climb*", .target = On::P1, .code = 324, .ruleId = 5463, .suggestion = "go up/climb"},
    {.p1 = "continu*", .code = 302, .ruleId = 5564, .suggestion = "continue to operate"},
    {.p1 = "put", .code = 300, .ruleId = 5564, .suggestion = "install/attach"},
    {.p1 = "notice*", .code = 302, .ruleId = 7318, .suggestion = "(Rephrase)"},
    {.p1 = "schedule*", .code = 305, .ruleId = 6319, .suggestion = "(Give date range)"},
    {.p1 = "call*", .code = 313, .ruleId = 3514, .suggestion = "(Rephrase)"},
    {.p1 = "issue*|file", .code = 313, .ruleId = 7318, .suggestion = "problem with/about"},
    {.p1 = "spot", .code = 319, .ruleId = 2414, .suggestion = "accurate"},
    {.p1 = "volume*", .code = 320, .ruleId = 5463, .suggestion = "(Give a reference)"},
    {.p1 = "it|them", .p2 = "turn*|switch*|put*", .code = 323, .ruleId = 7607, .suggestion = "to the ON position", .verbForm = 'X'},
    {.p1 = "it|them|its|their", .code = 320, .ruleId = 7464, .suggestion = "(Give the item name)"},
    {.p1 = "been|being", .code = 323, .ruleId = 5463, .suggestion = "in the ON position", .verbForm = 'X'},
    {.p1 = "switches", .code = 323, .ruleId = 8463, .suggestion = "in the ON position", .verbForm = 'X'},
    {.p1 = "appear*", .code = 324, .ruleId = 3219, .suggestion = "shown on"},
    {.p1 = "high", .code = 326, .ruleId = 6466, .suggestion = "(Give a measure or level)"},
    {.p1 = "rely|relies", .code = 331, .ruleId = 2607, .suggestion = "(Rephrase)"},
    {.p1 = "depend*", .code = 331, .ruleId = 3415, .suggestion = "(Rephrase)"},
    {.p1 = "resid*", .code = 331, .ruleId = 4317, .suggestion = "is on/are on"},
    {.p1 = "advise*|require*|strict*", .code = 331, .ruleId = 4419, .suggestion = "(Rephrase)"},
    {.p1 = "click*", .code = 331, .ruleId = 4464, .suggestion = "click"},
    {.p1 = "illuminate*", .code = 331, .ruleId = 4575, .suggestion = "illuminates continuously"},
    {.p1 = "included|recorded", .code = 331, .ruleId = 5464, .suggestion = "shown on/in"},
    {.p1 = "trained", .code = 331, .ruleId = 7455, .suggestion = "(Rephrase)"},
    {.p1 = "present", .code = 331, .ruleId = 7464, .suggestion = "in/at"},
    {.p1 = "agreed", .code = 331, .ruleId = 8314, .suggestion = "about/(Rephrase)"},
    {.p1 = "begin*|began", .code = 338, .ruleId = 6463, .suggestion = "start"},
    {.p1 = "insist*", .code = 338, .ruleId = 7388, .suggestion = "(To + infinitive)"},
    {.p1 = "from", .n1Class = 68, .code = 323, .ruleId = 5564, .suggestion = "the ON position to the OFF position", .covers = 3, .verbForm = 'X'},
    // Words after "on".
    {.n1 = "and", .n2 = "under", .code = 323, .ruleId = 8318, .suggestion = "(Give position or switch name)", .covers = 3, .verbForm = 'X'},
    {.n1 = "/", .n2 = "off", .code = 323, .ruleId = 3463, .suggestion = "ON/OFF", .covers = 3, .verbForm = 'X'},
    {.n1 = "off", .code = 323, .ruleId = 6318, .suggestion = "ON/OFF", .covers = 2, .verbForm = 'X'},
    {.n1 = "to", .code = 311, .ruleId = 5464, .suggestion = "onto", .covers = 2},
    {.n1 = "again", .code = 302, .ruleId = 5564, .suggestion = "(Rephrase)"},
    {.n1 = "whether", .code = 331, .ruleId = 5564, .suggestion = "about/(Rephrase)", .covers = 2},
    {.n1Class = 70, .target = On::N1, .code = 313, .ruleId = 3428},
};
// clang-format on

}  // namespace

void CheckOnPhrase(WordRec* word) {
  if (!word || !Next(word)) return;
  const PhraseWords pw(word);
  if (ParticleFirstSteps(pw, kOnLabels, true)) return;
  const WordRec& n1 = pw.n1;
  const WordRec& n2 = pw.n2;
  const WordRec& p1 = pw.p1;
  const WordRec& p2 = pw.p2;
  const int pos = word->sentencePos;
  const int count = SentenceState.sentenceWordCount;

  if (ClassIsOneOf(p1, {24, 25})) {
    GiveFinding(pw, word, Msg::NameLabel, 6466, {.suggestion = "in operation/ON position/(Rephrase)"});
    return;
  }
  if (TextStartsOneOf(p1, {"turn", "focus", "loop"})) {
    const char* s = FirstIs(p1, 't')   ? "in the ON position/connected/connect"
                    : FirstIs(p1, 'f') ? "look at/(Rephrase)"
                                       : "loop condition/(Change the verb.)";
    GiveP1Finding(pw, Msg::WrongVerb, 4475, {.suggestion = s}, true);
    return;
  }
  if (pw.p1p) {
    for (const TakesOnRow& row : kTakesOn) {
      if (TextMatches(p1, row.words)) {
        GiveP1Finding(pw, Msg::Awkward, 7476, {.suggestion = row.suggestion}, true);
        return;
      }
    }
    if (TextIs(p1, "and") && n1.wordClass >= 20) {
      GiveP1Finding(pw, Msg::Awkward, 7476, {.suggestion = "do .../(Rephrase)"}, true);
      return;
    }
  }
  if (TextIs(n1, "and") && TextIs(n2, "off")) {
    GiveFinding(pw, word, Msg::NameLabel, 2466,
                {.covers = 3, .suggestion = "from ON position to OFF position", .verbForm = 'X'});
    return;
  }
  if (pos > 0 && n1.wordClass == 43 && IsMarked(n1) && n2.wordClass >= 20) {
    pw.n1p->wordClass = 40;
    GiveFinding(pw, pw.n1p, Msg::MissingReference, 8418,
                {.suggestion = FirstIs(n1, 'r') ? "right side" : "left side"});
    return;
  }
  if (pos > 0 && TextIsOneOf(n1, {"end", "battery", "flight", "duty"}) && !TextIs(n2, "of")) {
    const char* s = TextIs(n1, "end")       ? "on the end/on one end"
                    : TextIs(n1, "battery") ? "(Rephrase for subj. power)"
                    : TextIs(n1, "flight")  ? "during the flight"
                                            : "in position/at xxx/(Rephrase)";
    GiveFinding(pw, word, Msg::Preposition, 8518, {.covers = 2, .suggestion = s});
    return;
  }
  if (!IsCaps(*word) && TextIsOneOf(n1, {"and", "or"}) &&
      TextIsOneOf(n2, {"around", "about", "after", "before", "near"})) {
    GiveFinding(pw, word, Msg::Awkward, 6317, {.covers = 3, .suggestion = "(Give range)"});
    return;
  }
  if (TextIs(n1, "being")) {
    GiveFinding(pw, word, Msg::Gerund, 6352, {.covers = 2, .suggestion = "when/(Rephrase)"});
    return;
  }
  if (pos >= 2 && n1.wordClass == 23 && n1.markFlag == '0' && n1.subClass == 0 &&
      MakeVerbFromIng(pw.n1p, 0) == 1 && !pw.n1.suggestion.empty()) {
    SentenceState.subjectNumber = 1;
    word->entryWords = 2;
    const std::string base = pw.n1.suggestion.str();
    FormatSuggestion(word, "when you %s/%s", base.c_str(), base.c_str());
    SetWordMessage(word, Msg::Awkward, 1675);
    SkipCoveredWords(word);
    return;
  }
  if (n1.wordClass == 23) {
    WriteSuggestion(word, "(To + infinitive)");
    word->extraFlag = 'W';
    GiveFinding(pw, pw.n1p, Msg::Gerund, 5564);
    return;
  }
  if (p1.wordClass == 60 && n1.wordClass == 68 && n2.wordClass == 61) {
    GiveFinding(pw, word, Msg::NameLabel, 3593,
                {.covers = 3, .suggestion = "the ON position to OFF position", .verbForm = 'X'});
    return;
  }
  if (pos >= 4 && pw.p2p && p1.tokenKind == 0 && p2.tokenKind == 0) {
    if (IsIndicatorWord(pw.p1p) == 1) {
      GiveFinding(pw, word, Msg::WrongMeaning, 3319, {.suggestion = "illuminated"});
      return;
    }
    if (IsIndicatorWord(pw.p2p) == 1) {
      GiveFinding(pw, word, Msg::WrongMeaning, 4319, {.suggestion = "illuminated"});
      return;
    }
  }
  if (TextStartsOneOf(p1, {"stay", "come"})) {
    GiveP1Finding(pw, Msg::PhrasalVerb, 5494, {.suggestion = "illuminate/illuminates/hold"}, true);
    return;
  }
  if (IsCaps(*word) && pos >= 2 && p1.wordClass == 68 && n1.wordClass == 68) {
    GiveFinding(pw, word, Msg::NameLabel, 5468, {.suggestion = "the ON position", .verbForm = 'X'});
    return;
  }
  if (pos < count - 3 && n1.wordClass == 63 && TextIs(n2, "off")) {
    GiveFinding(pw, word, Msg::NameLabel, 5464,
                {.covers = 3, .suggestion = "the ON position and OFF position", .verbForm = 'X'});
    return;
  }
  if (ApplyParticleRows(pw, kOnRows, true)) return;
  if (pos == 0) {
    if (TextIs(n1, "for")) {
      GiveFinding(pw, word, Msg::NameLabel, 2466,
                  {.suggestion = "ON position/in the ON position", .verbForm = 'X'});
      return;
    }
    if (n1.wordClass == 63 && n2.wordClass == 61) {
      GiveFinding(pw, word, Msg::NameLabel, 8466,
                  {.covers = 3, .suggestion = "ON or OFF", .verbForm = 'X'});
      return;
    }
    if (IsCaps(*word) && TextIs(n1, ".")) return;
    if (n1.wordClass < 20 || count >= 4) GiveFinding(pw, word, Msg::Preposition, 8718);
  }
}
