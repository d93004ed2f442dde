// The rules of the adjectives inside their sentence, by word: the steps
// that are no rows ("light", "little", "low", and the codes a few words
// clear first), then the rows of the word.
#include "rules/main/adjective_word_rules.h"

#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/adjective_word_tables.h"

namespace {

namespace rows = adjective_rows;

struct WordTable {
  std::string_view text;
  std::span<const RuleRow> (*rows)();
};

// Whole words.
constexpr WordTable kWords[] = {
    {"both", rows::Both},       {"current", rows::Current},   {"cold", rows::Cold},
    {"close", rows::Close},     {"clear", rows::Clear},       {"cool", rows::Cool},
    {"dry", rows::Dry},         {"double", rows::Double},     {"enough", rows::Enough},
    {"even", rows::Even},       {"flush", rows::Flush},       {"fast", rows::Fast},
    {"fewer", rows::Fast},      {"free", rows::Free},         {"good", rows::Good},
    {"general", rows::General}, {"heavy", rows::Heavy},       {"hot", rows::Hot},
    {"hard", rows::Hard},       {"lower", rows::Lower},       {"large", rows::Large},
    {"long", rows::Long},       {"little", rows::Little},     {"last", rows::Last},
    {"major", rows::MajorMinor}, {"minor", rows::MajorMinor}, {"next", rows::Next},
    {"now", rows::Now},         {"only", rows::Only},         {"old", rows::Old},
    {"single", rows::Single},   {"soft", rows::Soft},         {"square", rows::Square},
    {"smooth", rows::Smooth},   {"small", rows::Small},       {"slow", rows::Slow},
    {"same", rows::Same},       {"short", rows::Short},       {"straight", rows::Straight},
    {"several", rows::Several}, {"thick", rows::ThickThin},   {"thin", rows::ThickThin},
    {"true", rows::True},       {"together", rows::Together},
};

// Stems, tried after the whole words ("lower" is a word of its own).
// "full" takes its forms written with a hyphen ("full-scale") along.
constexpr WordTable kStems[] = {
    {"high", rows::High}, {"light", rows::Light}, {"low", rows::Low}, {"open", rows::Open}, {"full", rows::Full},
};

Walk Rows(RuleContext& c, std::span<const RuleRow> table) {
  if (auto o = ApplyFirstMatch(c, table)) return *o;
  return Walk::Next;
}

// "light" and its forms: a noun or an adjective by its place.
Walk LightRules(RuleContext& c) {
  WordRec* w = c.word;
  if (w->lastLetter == 's') w->wordClass = Cls::NounPlural;
  if (w->sentencePos < 0) {
    w->wordClass = Cls::Noun;
    pass::SetFamily(w, 'N');
    return Walk::Next;
  }
  if (auto o = ApplyFirstMatch(c, rows::Light())) return *o;
  if (kNounClasses.Has(c.n1().wordClass) && c.N(1)) {
    w->wordClass = Cls::Adjective;
    return Walk::Next;
  }
  w->wordClass = Cls::Noun;
  pass::SetFamily(w, 'N');
  return Walk::Next;
}

// "little" is first "small" with its own finding; the rows may replace it.
Walk LittleRules(RuleContext& c) {
  WriteSuggestion(c.word, "small/(Give size range)");
  SetWordMessage(c.word, Msg::Awkward, 3247);
  return Rows(c, rows::Little());
}

}  // namespace

std::span<const RuleRow> AdjectiveWordRows(std::string_view text) {
  for (const WordTable& t : kWords)
    if (t.text == text) return t.rows();
  for (const WordTable& t : kStems)
    if (text.starts_with(t.text)) return t.rows();
  return {};
}

Walk ApplyAdjectiveWordRules(RuleContext& c) {
  WordRec* w = c.word;
  const std::string_view text = w->text.view();
  if (!text.empty() && text.front() == 'h')
    if (auto o = ApplyFirstMatch(c, rows::HWord())) return *o;
  if (text == "little") return LittleRules(c);
  if (text.starts_with("light")) return LightRules(c);
  if (text == "large" || text == "small" || text == "same") w->subClass = 0;
  if (text == "double") pass::ClearCodes(w);
  return Rows(c, AdjectiveWordRows(text));
}
