#include "tools/word_finder.h"

#include <cctype>
#include <cstring>
#include <vector>

#include "engine/dict_lookup.h"
#include "engine/dict_store.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "resources/tool_dialogs.h"

namespace {

constexpr std::size_t kShortestTerm = 3;
constexpr std::size_t kLongestTerm = 76;
constexpr int kMostWords = 4;
constexpr int kMostAlternatives = 7;

const char* DictionaryName(char extraFlag) {
  switch (extraFlag) {
    case '0': return "TECHNICAL";
    case '1': return "CORE";
    case '2': return "SYNONYM";
    default: return "";
  }
}

const char* CaseRuleSuffix(int subClass) {
  switch (subClass) {
    case 17: return " (Exact Match Rule)";
    case 1: return " (Inital Cap Rule)";
    case 2: return " (ALL Caps Rule)";
    default: return "";
  }
}

// The term's words; runs of blanks give no empty words.
std::vector<std::string> SplitWords(const std::string& term) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < term.size()) {
    while (i < term.size() && term[i] == ' ') ++i;
    if (i >= term.size()) break;
    std::size_t end = term.find(' ', i);
    if (end == std::string::npos) end = term.size();
    words.push_back(term.substr(i, end - i));
    i = end;
  }
  return words;
}

void AppendRecord(const std::string& word, int wordNo) {
  char token[BoundedText<84>::kSize] = {};
  CopyBounded(token, sizeof token, word);
  AddWordRec(token, 0, wordNo, 0, nullptr);
}

// Builds the word list of the term (at most four words, always ended by the
// sentinel, so that a lookup of several words cannot run off the list),
// looks it up, keeps the first record and frees the list.
FoundTerm LookUp(const std::vector<std::string>& words) {
  WordList.Reset();
  int wordNo = 0;
  for (const std::string& word : words) {
    if (wordNo == kMostWords) break;
    AppendRecord(word, wordNo++);
  }
  AppendRecord(kSentinel, wordNo);

  int looked = 0;
  for (WordRec* w = WordList.head; w && !w->written.view().starts_with(kSentinel) && looked < kMostWords;
       ++looked) {
    LookupWord(w, kDictCount, FinderMode, 0);
    w = w->next;
  }
  FoundTerm found;
  if (const WordRec* first = WordList.head) {
    found.written = first->written.str();
    found.classCode = first->classCode.str();
    found.suggestion = first->suggestion.str();
    found.extraFlag = first->extraFlag;
    found.wordClass = first->wordClass;
    found.subClass = first->subClass;
    found.message = first->message;
  }
  WordList.Reset();
  return found;
}

std::string JoinWords(const std::vector<std::string>& words) {
  std::string out;
  for (const std::string& w : words) out += (out.empty() ? "" : " ") + w;
  return out;
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string InitialCapital(std::string s) {
  if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}

// The term as the result names it: the dictionary's own form for an exact
// match, or the term in the case its rule asks for.
std::string DisplayTerm(const FoundTerm& f, const std::string& term) {
  const std::string& base = f.suggestion.empty() ? term : f.suggestion;
  switch (f.subClass) {
    case 17: return base;
    case 2: return Upper(base);
    case 1: return InitialCapital(base);
    default: return term;
  }
}

std::string SuggestionsText(const FoundTerm& f, const std::string& display) {
  std::string out;
  int code = f.subClass >= 300 ? f.subClass : f.message;
  if (const char* label = MessageLabel(code)) out = display + " : " + label + "\n";
  out += "KESta Suggestions:-\n";
  int shown = 0;
  std::size_t i = 0;
  const std::string& s = f.suggestion;
  while (i <= s.size() && shown < kMostAlternatives) {
    std::size_t end = s.find('/', i);
    if (end == std::string::npos) end = s.size();
    std::string alternative = s.substr(i, end - i);
    if (!alternative.empty() && alternative[0] == ' ') alternative.erase(0, 1);
    if (!alternative.empty()) {
      out += "-  " + InitialCapital(alternative) + "\n";
      ++shown;
    }
    i = end + 1;
  }
  return out;
}

}  // namespace

const char* PartOfSpeechFormat(int wordClass, char letter) {
  switch (wordClass) {
    case 1: return "Found: %s [Noun/Verb/Adj.] in %s";
    case 2: return "Found: %s [Past Part.] in %s";
    case 4: return "Found: %s [Noun or Verb] in %s";
    case 5: return "Found: %s [Adj. or Adverb] in %s";
    case 6: return "Found: %s [Noun or Adj.] in %s";
    case 7: return "Found: %s [Adj or Adv.] in %s";
    case 10:
    case 11:
      if (letter == 'J') return "Found: %s [Noun and Adj.] in %s";
      if (letter == 'X' || letter == 'Y' || letter == 'Z') return "Found: %s [Noun and Verb] in %s";
      return "Found: %s [Noun,Common] in %s";
    case 15: return "Found: %s [Noun,Proper] in %s";
    case 16: return "Found: %s [Noun,Material] in %s";
    case 17: return "Found: %s [Noun,Measure] in %s";
    case 18:
    case 19: return "Found: %s [Noun,Nomen.] in %s";
    case 20:
    case 21:
    case 22:
    case 23:
      if (letter == 'Y') return "Found: %s [Verb and Adj.] in %s";
      if (letter == 'X' || letter == 'Z') return "Found: %s [Verb and Noun] in %s";
      return "Found: %s [Verb] in %s";
    case 24:
    case 25:
    case 26:
    case 27:
    case 28:
    case 29: return "Found: %s [Verb, Aux.] in %s";
    case 30:
    case 31:
    case 33:
    case 34:
    case 35:
    case 36:
    case 37:
    case 38:
      if (letter == 'J') return "Found: %s [Noun and Adj.] in %s";
      if (letter == 'K') return "Found: %s [Adj. and Adverb] in %s";
      return "Found: %s [Adj] in %s";
    case 32: return "Found: %s [Adj.,Color] in %s";
    case 39: return "Found: %s [Place nName] in %s";
    case 40:
    case 43: return "Found: %s in %s";
    case 45: return "Found: %s [Abbrev.] in %s";
    case 49: return "Found: %s [Number] in %s";
    case 63: return "Found: %s [Conj.] in %s";
    case 64: return "Found: %s [Article] in %s";
    case 66: return "Found: %s [Pronoun] in %s";
    case 71: return "%s use until or prevent. [STE]";
    case 80: return "Found: %s [Command] in %s";
    default: break;
  }
  if (wordClass >= 50 && wordClass <= 58) return "Found: %s [Adverb] in %s";
  if ((wordClass >= 60 && wordClass <= 62) || wordClass == 65 || wordClass == 67 || wordClass == 68 ||
      wordClass == 70 || (wordClass >= 72 && wordClass <= 78))
    return "Found: %s [Prep.] in %s";
  return nullptr;
}

const char* MessageLabel(int code) {
  static const char* const kLabels[] = {
      "WRONG_VERB",        "WRONG_CHOICE",   "AWKWARD WORD",       "SUBJ. AGREEMENT", "DELETE WORD",
      "MEASUREMENT",       "CHANGE TO VERB", "PRODUCT_LIABILITY",  "NUMBER",          "ABBREVIATION",
      "APOSTROPHE",        "SPELLING",       "WRONG PRONOUN",      "TRANSLATION",     "TERMINOLOGY",
      "PHRASAL VERB",      "CAPITALIZATION", "HYPHENATION",        "COMMA",           "SUFFIX OR PREFIX",
      "MISSING_REFERENCE", "REPHRASE",       "USE A NOUN",         "NAME LABEL",      "WRONG_MEANING",
      "NOT IN DICTIONARY", "STYLE",          "ADJECTIVE",          "SENTENCE LENGTH", "PARALLEL STRUCTURE",
      "PASSIVE_VOICE",     "PREPOSITION",    "THAT WHICH",         "ADVERB POSITION", "NEGATIVE",
      "VERB_TENSE",        "WORD_CLUSTER",   "PUNCTUATION",        "GERUND",
  };
  if (code < 300 || code > 338) return nullptr;
  return kLabels[code - 300];
}

WordFinderAnswer SearchTerm(const std::string& term) {
  if (term.empty()) return {"\n\n\nEnter a term to search", true};
  if (term.size() < kShortestTerm) return {"\n\n\nEnter a longer term.", true};
  if (term.size() > kLongestTerm) return {"\n\n\nEnter a smaller term.", true};

  // Blanks before, after or between the words do not count.
  const std::vector<std::string> words = SplitWords(term);
  return {FinderResult(LookUp(words), JoinWords(words)), false};
}

std::string FinderResult(const FoundTerm& f, const std::string& typed) {
  if (f.written != typed || f.classCode.empty() || f.classCode[0] == 'F')
    return "NOT FOUND IN KESta Dictionaries.";

  const std::string display = DisplayTerm(f, typed);
  if ((!f.suggestion.empty() && f.subClass != 17) || f.subClass >= 300)
    return SuggestionsText(f, display);

  // A class without a text of its own is still named as found.
  const char* format = PartOfSpeechFormat(f.wordClass, f.classCode[0]);
  if (!format) format = "Found: %s in %s";
  BoundedText<256> text;
  if (f.wordClass == 71)
    text.format(format, display.c_str());
  else
    text.format(format, display.c_str(), DictionaryName(f.extraFlag));
  text.append(CaseRuleSuffix(f.subClass));
  return text.str();
}

std::string DictionariesText() {
  const auto& d = Dictionaries.DictDescriptors;
  BoundedText<512> text;
  text.format("No. 1: (TEC) %s V%s\nNo. 2: (COR) %s V%s\nNo. 3: (SYN) %s V%s\nKESta Version: %s\nDict Path: %s",
              d[0].name.c_str(), d[0].version.c_str(), d[1].name.c_str(), d[1].version.c_str(), d[2].name.c_str(),
              d[2].version.c_str(), kKestaVersion, Settings.app.dictDir.c_str());
  return text.str();
}

CWordfinder::CWordfinder() : CDialog(ToolDialogTemplate(IDD_WORDFINDER)) {}

BOOL CWordfinder::OnInitDialog() {
  CDialog::OnInitDialog();
  // The 12-point Arial of the term and result fields is the console's own.
  SetDlgItemText(IDC_WF_DICTS, DictionariesText());
  SetDlgItemText(IDC_WF_TERM, "");
  SetDlgItemText(IDC_WF_RESULT, "");
  SetDlgItemText(IDC_WF_USER, Settings.app.userLabel.str());
  // The boxes show the setting in force.
  CheckDlgButton(IDC_WF_SHOW_WARNINGS, Settings.app.showWarnings == 1);
  CheckDlgButton(IDC_WF_IGNORE_WARNINGS, Settings.app.showWarnings != 1);
  return TRUE;
}

bool CWordfinder::OnCommand(int id, Notification code) {
  if (code == Notification::Clicked) {
    switch (id) {
      case IDOK: OnSearch(); return true;
      case IDC_WF_CLEAR: OnClear(); return true;
      case IDC_WF_CHANGE: OnChange(); return true;
      default: break;
    }
  }
  return CDialog::OnCommand(id, code);
}

void CWordfinder::OnCancel() { EndDialog(IDCANCEL); }

COLORREF CWordfinder::OnCtlColor(int id) {
  (void)id;
  return RGB(72, 61, 139);
}

void CWordfinder::OnSearch() {
  WordFinderAnswer answer = SearchTerm(GetDlgItemText(IDC_WF_TERM));
  if (answer.clearTerm) SetDlgItemText(IDC_WF_TERM, "");
  SetDlgItemText(IDC_WF_RESULT, answer.result);
}

void CWordfinder::OnClear() {
  SetDlgItemText(IDC_WF_TERM, "");
  SetDlgItemText(IDC_WF_RESULT, "");
}

void CWordfinder::OnChange() {
  const bool show = IsDlgButtonChecked(IDC_WF_SHOW_WARNINGS) != 0;
  const bool ignore = IsDlgButtonChecked(IDC_WF_IGNORE_WARNINGS) != 0;
  int& setting = Settings.app.showWarnings;
  if (show && ignore)
    setting = setting == 1 ? 0 : 1;  // both ticked: the box just ticked is the one that differs
  else if (show)
    setting = 1;
  else if (ignore)
    setting = 0;
  else
    return;
  CheckDlgButton(IDC_WF_SHOW_WARNINGS, setting == 1);
  CheckDlgButton(IDC_WF_IGNORE_WARNINGS, setting != 1);
}
