#include "engine/entity_table.h"

#include "engine/ascii_text.h"
#include "platform/wide_text.h"

namespace {

using W = EntityWhen;
using A = EntityAction;

// clang-format off
constexpr EntityRow kEntities[] = {
    {.text = "&amp;",      .when = W::kBlankAround, .action = A::kReplaceWord, .token = "and", .kind = 144},
    {.text = "&amp;"},
    {.text = "&apos;s",    .action = A::kAddWord, .kind = 9},
    {.text = "&atilde;",   .action = A::kAppendAsWritten},
    {.text = "&aacute;",   .action = A::kAppendAsWritten},
    {.text = "&bull;m",    .action = A::kReplaceWord, .token = "N.m", .kind = 9},
    {.text = "&bull;"},
    {.text = "&ccedil;",   .action = A::kAppendAsWritten},
    {.text = "&copy;"},
    {.text = "&comma;",    .action = A::kDigitsOrSplit, .token = ",", .kind = 2},
    {.text = "&colon;",    .action = A::kDigitsOrSplit, .token = ":", .kind = 2},
    {.text = "&dgr;"},
    {.text = "&delta;"},
    {.text = "&deg;C",     .action = A::kAddWord, .kind = 9},
    {.text = "&deg;F",     .action = A::kAddWord, .kind = 9},
    {.text = "&deg;",      .action = A::kAddWord, .kind = 9},
    {.text = "&eacute;",   .action = A::kAppendAsWritten},
    {.text = "&egrave;",   .action = A::kAppendAsWritten},
    {.text = "&equals;",   .action = A::kAddWordThenToken, .token = "=", .kind = 9, .tokenKind = 146},
    {.text = "&frac14;&ndash;in", .action = A::kReplaceWord, .token = "1/4-inch", .kind = 122},
    {.text = "&frac12;&ndash;in", .action = A::kReplaceWord, .token = "1/2-inch", .kind = 122},
    {.text = "&frac38;&ndash;in", .action = A::kReplaceWord, .token = "3/8-inch", .kind = 122},
    {.text = "&ge;",       .action = A::kReplaceWord, .token = "<Ref>", .kind = 9},
    {.text = "&gt;",       .action = A::kReplaceWord, .token = "<Ref>", .kind = 9},
    {.text = "&le;",       .action = A::kReplaceWord, .token = "<Ref>", .kind = 9},
    {.text = "&lt;",       .action = A::kReplaceWord, .token = "<Ref>", .kind = 9},
    {.text = "&pi;",       .action = A::kReplaceWord, .token = "<Ref>", .kind = 9},
    {.text = "&hyphen;",   .action = A::kDigitsOrAddWord, .token = "-", .kind = 0},
    {.text = "&lsquo;"},
    {.text = "&ldquo;"},
    {.text = "&nbsp;",     .action = A::kAddWord, .kind = 9},
    {.text = "&m", .when = W::kAfterNumberBeforeLetter, .action = A::kAddWord, .kind = 9, .anyInGroup = true},
    {.text = "&n", .when = W::kAfterNumberBeforeLetter, .action = A::kAddWord, .kind = 9, .anyInGroup = true},
    {.text = "&m", .when = W::kAfterWord, .action = A::kAppend, .token = "-", .anyInGroup = true},
    {.text = "&n", .when = W::kAfterWord, .action = A::kAppend, .token = "-", .anyInGroup = true},
    {.text = "&ndash;",    .when = W::kAtTokenStartAlone, .action = A::kEndSentence},
    {.text = "&mdash;",    .when = W::kAtTokenStartAlone, .action = A::kEndSentence},
    {.text = "&middot;m",  .when = W::kAtTokenStart, .action = A::kReplaceWord, .token = "N.m", .kind = 9},
    {.text = "&middot;",   .when = W::kAtTokenStart, .action = A::kAppend, .token = "_"},
    {.text = "&minus;",    .when = W::kAtTokenStart, .action = A::kAppend, .token = "-"},
    {.text = "&micro;s",   .when = W::kAtTokenStart},
    {.text = "&micro;",    .when = W::kAtTokenStart},
    {.text = "&ohgr;",     .action = A::kReplaceWord, .token = "<ref>", .kind = 9},
    {.text = "&ordm;"},
    {.text = "&percnt;",   .action = A::kAddWord, .kind = 9},
    {.text = "&plusmn;",   .action = A::kAddWord, .kind = 9},
    {.text = "&plus;",     .action = A::kAddWord, .kind = 9},
    {.text = "&ques;",     .action = A::kAddWordThenToken, .token = "?", .kind = 9, .tokenKind = 9},
    {.text = "&rdquo;",    .when = W::kAfterNumber, .action = A::kAddWord, .kind = 117},
    {.text = "&rsquo;s",   .action = A::kAddWord, .kind = 102},
    {.text = "&rsquo;Clock", .action = A::kAppendAndAddWord, .token = "Clock", .kind = 0},
    {.text = "&rsquo;t",   .when = W::kAfterWord, .action = A::kAppendAndAddWord, .token = "?t", .kind = 113},
    {.text = "&rsquo;ll",  .when = W::kAfterWord, .action = A::kAppendAndAddWord, .token = "?ll", .kind = 113},
    {.text = "&rsquo;ve",  .when = W::kAfterWord, .action = A::kAppendAndAddWord, .token = "?ve", .kind = 113},
    {.text = "&rsquo;",    .when = W::kAfterWord, .action = A::kAddWord, .kind = 9},
    {.text = "&rdquo;",    .when = W::kAfterWord, .action = A::kAddWord, .kind = 9},
    {.text = "&reg;",      .action = A::kAddWordThenToken, .token = "<ref>", .kind = 9, .tokenKind = 9},
    {.text = "&sigma;",    .action = A::kDiscardWord},
    {.text = "&sup2;",     .action = A::kDiscardAfterMOrAddWord, .kind = 9},
    {.text = "&sup3;",     .action = A::kDiscardAfterMOrAddWord, .kind = 9},
    {.text = "&sup2;&plus;", .action = A::kDiscardAfterMOrAddWord, .kind = 9},
    {.text = "&tm;",       .action = A::kAddWord, .kind = 9},
    {.text = "&trade;",    .action = A::kAddWord, .kind = 9},
    {.text = "&times;",    .action = A::kAppend, .token = "X"},
    {.text = "&utri;"},
    {.text = "&#xb0;F",    .action = A::kAddWord, .kind = 9},
    {.text = "&#xb0;C",    .action = A::kAddWord, .kind = 9},
    {.text = "&#x2022;m",  .action = A::kReplaceWord, .token = "N.m", .kind = 9},
    {.text = "&#xa0;",     .action = A::kAddWord, .kind = 9},
    {.text = "&#9;",       .action = A::kAddWord, .kind = 9},
    {.text = "&#62;",      .action = A::kAddWord, .kind = 0},
};
// clang-format on

// Entity names longer than this are not taken for entities.
// As long as a word may be: a name no word could hold is no reference the
// tokenizer reads.
constexpr std::size_t kMaxEntityName = 81;


char Group(char first) { return AsciiLower(static_cast<unsigned char>(first)); }

// A number before the inch entity: a decimal may be written without its
// leading zero (".5").
bool IsNumberBeforeInch(std::string_view word) {
  if (word.size() > 1 && word[0] == '.') word.remove_prefix(1);
  return IsNumberText(word);
}

bool Holds(EntityWhen when, const EntityContext& context, char after) {
  unsigned char a = static_cast<unsigned char>(after);
  switch (when) {
    case EntityWhen::kAlways:
      return true;
    case EntityWhen::kBlankAround:
      return context.before == ' ' && after == ' ';
    case EntityWhen::kAfterNumber:
      return IsNumberBeforeInch(context.word);
    case EntityWhen::kAfterNumberBeforeLetter:
      return IsNumberText(context.word) && IsLetter(a);
    case EntityWhen::kAfterWord:
      return !context.word.empty();
    case EntityWhen::kAtTokenStart:
      return context.word.empty();
    case EntityWhen::kAtTokenStartAlone:
      return context.word.empty() && !IsLetterOrDigit(a) && after != '&';
  }
  return false;
}

// The part of a row's text that names the entity: up to its ';'.
std::string_view NamePart(std::string_view text) {
  std::size_t semi = text.find(';');
  return semi == std::string_view::npos ? text : text.substr(0, semi + 1);
}

}  // namespace

bool IsEntityNameChar(unsigned char c) {
  return IsLetterOrDigit(c) || c == '-' || c == '.' || c == '_' || c == ':' || c == 0xB7 ||
         c == static_cast<unsigned char>(kSubstituteChar);
}

std::size_t EntityLength(const char* at) {
  if (!at || at[0] != '&') return 0;
  std::size_t i = 1;
  while (i <= kMaxEntityName && (IsEntityNameChar(static_cast<unsigned char>(at[i])) || at[i] == '#')) ++i;
  return (i > 1 && at[i] == ';') ? i + 1 : 0;
}

std::size_t NameReferenceLength(const char* at) {
  const std::size_t whole = EntityLength(at);
  if (whole <= 2 || at[1] == '#' || IsTableEntity(std::string_view(at, whole))) return 0;
  return whole;
}

const EntityRow* MatchEntity(const char* at, const EntityContext& context, std::size_t* consumed) {
  if (!at || at[0] != '&' || at[1] == '\0') return nullptr;
  const char group = Group(at[1]);
  const std::size_t whole = EntityLength(at);
  for (const EntityRow& row : kEntities) {
    if (Group(row.text[1]) != group) continue;
    std::size_t length = 0;
    if (row.anyInGroup) {
      if (whole == 0) continue;
      length = whole;
    } else {
      if (!TextStartsWithNoCase(at, row.text)) continue;
      length = row.text.size();
    }
    // The row matched `length` characters, so reading one more stays in the text.
    if (!Holds(row.when, context, at[length])) continue;
    if (consumed) *consumed = length;
    return &row;
  }
  return nullptr;
}

bool IsTableEntity(std::string_view name) {
  if (name.size() < 3) return false;
  for (const EntityRow& row : kEntities)
    if (!row.anyInGroup && EqualsNoCase(NamePart(row.text), name)) return true;
  return false;
}

bool IsReadOnGroup(char first) {
  char g = Group(first);
  return (g >= 'a' && g <= 'h') || (g >= 'l' && g <= 'u') || g == '#';
}
