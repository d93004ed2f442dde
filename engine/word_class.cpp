#include "engine/word_class.h"

#include <string>
#include <string_view>
#include <vector>

#include "engine/ascii_text.h"
#include "engine/inflection.h"
#include "engine/neighbours.h"

namespace {

// The number of two code digits; a pair that is not two digits reads 0.
int Pair(const std::string& code, std::size_t at) {
  if (code.size() < at + 2 || !IsDigit(code[at]) || !IsDigit(code[at + 1])) return 0;
  return (code[at] - '0') * 10 + (code[at + 1] - '0');
}

// A regular plural: -s after a text of more than three letters whose
// next-to-last letter is neither 's' nor 'u' ("valves", not "gas", "bus").
bool RegularPlural(const WordRec& w) {
  const std::string_view t = w.text.view();
  return w.lastLetter == 's' && t.size() > 3 && NextToLast(t) != 's' && NextToLast(t) != 'u';
}

void SetChar(std::string& code, std::size_t i, char c) {
  if (code.size() <= i) code.resize(i + 1, '*');
  code[i] = c;
}

// ---- The class table ------------------------------------------------------

enum class Rule {
  Set,         // the code, unless it begins with one of `unless`
  Keep,        // unchanged
  Plural,      // 10, 18: singular or plural by the ending
  Material,    // 16
  Be,          // 24
  Have,        // 25
  Neutral,     // 39..44: "D1****" for subclass 80
  Adverb,      // 50..59: the class becomes 50
  Pronoun,     // 66: by the text's length
  Unclassed,   // 99: unchanged, no subclass
};

struct ClassRow {
  int classes[8];  // zero-terminated
  const char* code;
  Rule rule = Rule::Set;
  const char* unless = "";
};

// clang-format off
constexpr ClassRow kClassTable[] = {
    {.classes = {1},  .code = "G0****"},
    {.classes = {2},  .code = "P2****"},
    {.classes = {3},  .code = "X0****"},
    {.classes = {4},  .code = "Z1****"},
    {.classes = {5},  .code = "K*****"},
    {.classes = {6},  .code = "JMS***"},
    {.classes = {10, 18}, .code = nullptr, .rule = Rule::Plural},
    {.classes = {11, 19}, .code = "NMP***", .unless = "JZ"},
    {.classes = {12, 14, 15, 17}, .code = "N*S***"},
    {.classes = {16}, .code = nullptr, .rule = Rule::Material},
    {.classes = {20}, .code = "V0****", .unless = "XYZ"},
    {.classes = {21}, .code = "V1****", .unless = "Z"},
    {.classes = {22}, .code = "V2****", .unless = "P"},
    {.classes = {23}, .code = "V3****", .unless = "G"},
    {.classes = {24}, .code = nullptr, .rule = Rule::Be},
    {.classes = {25}, .code = nullptr, .rule = Rule::Have},
    {.classes = {26, 72}, .code = nullptr, .rule = Rule::Keep},
    {.classes = {27}, .code = "H2****"},
    {.classes = {28}, .code = "H6****"},
    {.classes = {29}, .code = "SN****"},
    {.classes = {30, 32, 33, 34, 35, 38, 46}, .code = "AF****"},
    {.classes = {31}, .code = "AP****"},
    {.classes = {37}, .code = "S*****"},
    {.classes = {39, 40, 41, 42, 43, 44}, .code = "D*****", .rule = Rule::Neutral},
    {.classes = {45}, .code = "D1****"},
    {.classes = {47}, .code = "DC****"},
    {.classes = {48}, .code = "DX****"},
    {.classes = {49}, .code = "S08***"},
    {.classes = {50, 51, 52, 53, 55, 56, 57, 59}, .code = "B*****", .rule = Rule::Adverb},
    {.classes = {54}, .code = "S54***"},
    {.classes = {60}, .code = "SIT***"},
    {.classes = {61}, .code = "S05***"},
    {.classes = {62, 65, 70, 71, 73, 75}, .code = "S*****"},
    {.classes = {63}, .code = "DCC***"},
    {.classes = {64}, .code = "S00***"},
    {.classes = {66}, .code = nullptr, .rule = Rule::Pronoun},
    {.classes = {67}, .code = "S06***"},
    {.classes = {68}, .code = "S022**"},
    {.classes = {69}, .code = "S20T3*"},
    {.classes = {74}, .code = "S19W**"},
    {.classes = {76}, .code = "S20***"},
    {.classes = {77}, .code = "SNO***"},
    {.classes = {78}, .code = "H51Y"},
    {.classes = {99}, .code = nullptr, .rule = Rule::Unclassed},
};
// clang-format on
constexpr const char* kOtherClassCode = "D*****";

const ClassRow* FindClassRow(int cls) {
  for (const ClassRow& row : kClassTable)
    for (int c : row.classes) {
      if (c == 0) break;
      if (c == cls) return &row;
    }
  return nullptr;
}

// Applies the class table to the final class `cls`; writes wordClass.
void ApplyClassTable(WordRec* w, int cls, std::string& code) {
  const std::string_view text = w->text.view();
  const ClassRow* row = FindClassRow(cls);
  if (row == nullptr) {
    code = kOtherClassCode;
  } else {
    switch (row->rule) {
      case Rule::Set:
        if (!CharIn(code.empty() ? '\0' : code[0], row->unless)) code = row->code;
        break;
      case Rule::Keep:
        break;
      case Rule::Plural:
        if (!code.empty() && CharIn(code[0], "JX")) break;
        if (RegularPlural(*w)) {
          code = "N*P***";
          ++cls;
        } else if (w->lastLetter != 's') {
          code = "N*S***";
        }
        break;
      case Rule::Material:
        if (w->lastLetter == 's') {
          if (text.size() >= 4 && NextToLast(text) != 's') code = "N*P***";
        } else {
          code = "N*S***";
        }
        break;
      case Rule::Be:
        code = !text.empty() && text[0] == 'h' ? "H1****" : "H2****";
        break;
      case Rule::Have:
        if (!text.empty() && text[0] == 'h') code = "H3****";
        else if (!text.empty() && (text[0] == 'w' || text[0] == 'a')) code = "H2****";
        else code = "H22***";
        break;
      case Rule::Neutral:
        code = w->subClass == 80 ? "D1****" : "D*****";
        break;
      case Rule::Adverb:
        code = row->code;
        cls = 50;
        break;
      case Rule::Pronoun:
        code = text.size() < 3 ? "H51I" : "H52I";
        break;
      case Rule::Unclassed:
        w->subClass = 0;
        break;
    }
  }
  w->wordClass = cls;
}

// The verb form read from the ending of the word (of its first word, when a
// phrasal verb carries its particle in the text).
void VerbFormFromEnding(WordRec* w, int& cls, std::string& code) {
  w->length = static_cast<int>(w->text.length());
  std::string_view verb = w->text.view();
  verb = verb.substr(0, verb.find(' '));
  const char last = verb.empty() ? '\0' : verb.back();
  char form = '0';
  if (last == 'd') {
    const WordRec* prev = w->sentencePos >= 1 ? Prev(w) : nullptr;
    if (prev && prev->wordClass == 28) {
      cls = 20;
    } else {
      cls = 22;
      if (NextToLast(verb) == 'e') form = '2';
    }
  } else if (last == 'g') {
    cls = 20;
    if (verb.size() > 5 && verb.substr(verb.size() - 3) == "ing") {
      cls = 23;
      form = '3';
    }
  } else if (last == 's') {
    cls = 21;
    form = '1';
  }
  w->verbForm = form;
  switch (form) {
    case '0': SetChar(code, 0, 'V'); SetChar(code, 1, '0'); break;
    case '1': SetChar(code, 0, 'V'); SetChar(code, 1, '1'); break;
    case '2':
      if (w->markFlag == '1') {
        SetChar(code, 0, 'N');
        cls = 10;
      } else {
        SetChar(code, 0, 'V');
        SetChar(code, 1, '2');
      }
      break;
    default:
      if (w->text.length() < 5) {
        SetChar(code, 0, 'N');
        SetChar(code, 1, 'S');
        cls = 10;
      } else {
        SetChar(code, 0, 'V');
        SetChar(code, 1, '3');
      }
      break;
  }
  if (w->message == 315) {
    w->tag.clear();
    w->subClass = w->message = w->message2 = 315;
  }
}

// "CC" and "CCSS" codes. Adverbs keep their suggestion; other two-digit
// codes drop it.
void DecodePlainCode(WordRec* w, int& cls, std::string& code) {
  const std::string_view text = w->text.view();
  if (code.size() == 2) {
    cls = Pair(code, 0);
    w->subClass = 0;
    if (cls == 50 && w->markFlag != '1') return;
    if (cls >= 51 && cls <= 59) {
      if (cls != 54) cls = 50;
      return;
    }
    if (cls == 50) cls = 30;  // an adverb after "the" reads as an adjective
    w->suggestion.clear();
    if ((cls == 11 || cls == 16 || cls == 19) && w->lastLetter == 's' && text.size() >= 4 &&
        text[0] == 'a' && NextToLast(text) == 'c') {
      cls = 10;
      code = "N*S***";
      w->lastLetter = ' ';
    }
    if ((cls == 10 || cls == 16 || cls == 17 || cls == 18) && w->pluralMarker == '$' &&
        w->lastLetter == 's') {
      code = "N*S***";
      if (text.size() > 3 && NextToLast(text) != 's' && NextToLast(text) != 'u') {
        if (cls == 16) {
          cls = 11;
        } else if (cls == 10 || cls == 18) {
          ++cls;
          code = "N*P***";
        }
      }
    }
  } else if (code.size() == 4) {
    cls = Pair(code, 0);
    w->subClass = Pair(code, 2);
    code = "N*S***";
    if ((cls == 10 || cls == 18) && RegularPlural(*w)) {
      ++cls;
      code = "N*P***";
    }
  }
}

// Codes that begin with '3': adjectives ("3C", "3CSS") and message-bearing
// codes ("3MMCC"). Returns true for a five-character message code.
bool DecodeMessageCode(WordRec* w, int& cls, std::string& code) {
  const std::string_view text = w->text.view();
  if (code.size() == 2) {
    cls = Pair(code, 0);
    w->subClass = 0;
    return false;
  }
  if (code.size() == 4) {
    cls = Pair(code, 0);
    w->subClass = Pair(code, 2);
    return false;
  }
  if (code.size() != 5) {
    cls = 40;
    w->subClass = 0;
    return false;
  }
  const int message = 300 + Pair(code, 1);
  w->message = w->message2 = w->subClass = message;
  cls = Pair(code, 3);
  if (cls == 23) w->message = w->message2 = w->subClass = 338;
  if (((cls >= 20 && cls <= 23) || w->dictMarker == '^') &&
      (w->dictMarker == '^' || w->message == 301)) {
    w->message = w->subClass = 300;
  }
  SetChar(code, 3, '3');
  switch (w->message) {
    case 300: case 305: case 313: case 315: case 320:
      VerbFormFromEnding(w, cls, code);
      break;
    case 301:
      if (cls == 30 || cls == 40 || cls == 52 || cls == 60) break;
      if (text.size() >= 3 && text.substr(text.size() - 2) == "ly") {
        cls = 50;
      } else if (w->markFlag == '1' && w->dictMarker != '^') {
        code = "NMS***";
        cls = w->lastLetter == 's' ? 11 : 10;
        w->message = w->subClass = 301;
      }
      break;
    case 314:
      w->separatorFlag = '~';
      break;
    default:
      if (w->dictMarker == '@') {
        cls = 30;
        if (text.size() > 2) {
          if (text.substr(text.size() - 2) == "er") cls = 34;
          else if (text.size() >= 3 && text.substr(text.size() - 3) == "est") cls = 35;
        }
      }
      break;
  }
  return true;
}

bool HasInflectionCode(std::string_view s) {
  return s.find_first_of(kInflectionCodes) != std::string_view::npos;
}

}  // namespace

void DecodeWordClass(WordRec* w) {
  if (w == nullptr) return;
  // 1. An unapproved verb without a message gets WRONG VERB with its class.
  if (w->verbForm == '8' && w->message == 0) {
    if (w->classCode[0] == '2') {
      const char form = w->classCode[1];
      w->classCode = "3002";
      w->classCode.append(CharIn(form, "123") ? form : '0');
    }
    w->verbForm = ' ';
  }
  // 2. A word the article rule marked.
  if (w->tag == "<AR>") w->message = w->message2 = 311;
  // 3. The subclass starts clear; a case flag not yet set is read from
  // the first two letters.
  w->subClass = 0;
  if (!CharIn(w->caseFlag, "012")) {
    const char c0 = w->written[0], c1 = w->written[1];
    w->caseFlag = IsAsciiUpper(c0) ? (IsAsciiUpper(c1) ? '2' : '1') : '0';
  }
  // 4. The code without its variant mark or closing blank (none reads as
  // 4080); then the plain codes and the message codes are decoded.
  std::string code = w->classCode.str();
  if (!code.empty() && (code.back() == '>' || code.back() == ' ')) code.pop_back();
  if (code.empty()) code = "4080";

  int cls = w->wordClass;
  bool messageCode = false;
  if (IsDigit(code[0]) && code[0] != '3') {
    DecodePlainCode(w, cls, code);
  } else if (code[0] == '3') {
    messageCode = DecodeMessageCode(w, cls, code);
  }

  // 8. The class table; units and measures (subclass 17) keep their weight.
  if (w->subClass == 17) {
    w->wordClass = cls;
    w->classCode = "NM*S";
    return;
  }
  ApplyClassTable(w, cls, code);
  // 9. A multi-word entry counts as one word.
  w->weight = 1;
  // 10. The suggestion in the word's form and case.
  w->classCode = code;
  if (!w->suggestion.empty() && w->message != 308 && w->message != 337) {
    // GERUND (338) is the -ing form of a verb entry of those messages: its
    // advice takes the -ing form too.
    static constexpr int kInflected[] = {300, 301, 311, 314, 315, 319, 322, 338};
    for (int m : kInflected)
      if (w->message == m && HasInflectionCode(w->suggestion.view())) {
        ExpandSuggestion(w);
        break;
      }
    if (w->caseFlag == '1' || w->caseFlag == '2') MatchSuggestionCase(w);
  }
  // 11. A message code says so in its fourth character (and a class-12
  // word in its fifth), and the message becomes the subclass.
  if (messageCode) {
    SetChar(code, 3, '3');
    if (w->wordClass == 12) SetChar(code, 4, 'N');
    w->classCode = code;
    if (w->message > 299) w->subClass = w->message;
  }
}

void ExpandSuggestion(WordRec* w) {
  if (w == nullptr) return;
  if (IsDigit(w->suggestion[0]) && IsDigit(w->suggestion[1])) return;
  std::vector<std::string> alternatives;
  const std::string copy = w->suggestion.str();
  std::size_t from = 0;
  while (from <= copy.size()) {
    std::size_t slash = copy.find('/', from);
    if (slash == std::string::npos) slash = copy.size();
    if (slash > from) alternatives.push_back(copy.substr(from, slash - from));
    from = slash + 1;
  }
  std::vector<std::string> done;
  for (std::size_t i = 0; i < alternatives.size() && i < 6; ++i) {
    const std::string& alt = alternatives[i];
    // Only a code letter is an inflection code; any other capital (a name,
    // "O-ring") starts an alternative that is taken as it stands.
    if (IsInflectionCode(alt[0])) {
      Alternative a(std::string_view(alt).substr(1, 46));
      InflectByCode(a, w, alt[0], '0');
      done.push_back(a.str());
    } else {
      done.push_back(alt.substr(0, 46));
    }
  }
  std::string joined;
  for (std::size_t i = 0; i < done.size(); ++i) {
    if (i == 0) {
      joined = done[0];
    } else if (i == 1) {
      joined += '/' + done[1];
    } else {
      if (joined.size() + done[i].size() >= 78) break;
      joined += '/' + done[i];
    }
  }
  if (!joined.empty()) w->suggestion = joined;
}

void MatchSuggestionCase(WordRec* w) {
  if (w == nullptr) return;
  const std::string_view s = w->suggestion.view();
  if (s.find('(') != std::string_view::npos) return;
  const int sub = w->subClass;
  if (sub < 0 || sub == 17 || sub == 16 || (sub >= 1 && sub <= 5)) return;
  if (w->message == 323 || w->message == 326) return;
  if (w->caseFlag == '0') return;
  if (IsDigit(w->written[0])) return;
  if (IsAsciiUpper(w->written[0]) && IsAsciiUpper(w->written[1]) && w->length > 0 &&
      IsAsciiLower(w->written[static_cast<std::size_t>(w->length - 1)]))
    return;
  if (w->sentencePos == 0 && w->caseFlag == '1' && w->markFlag == '1') return;

  std::string out(s);
  if (w->caseFlag == '2' && w->extraFlag != '~') {
    for (char& c : out) c = AsciiUpper(c);
  } else if (w->caseFlag == '1') {
    for (std::size_t i = 0; i < out.size(); ++i)
      if (i == 0 || out[i - 1] == '/') out[i] = AsciiUpper(out[i]);
  }
  w->suggestion = out;
}
