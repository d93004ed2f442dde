#pragma once
// The word finder: a term of one to four words looked up in the three
// dictionaries, answered with its part of speech and dictionary, the case
// rule that applies to it, the checker's suggestions for it, or that no
// dictionary holds it.
#include <string>

#include "platform/dialog.h"

// What a search answers: the result area's text, and whether the term field
// is emptied (a term of a refused length).
struct WordFinderAnswer {
  std::string result;
  bool clearTerm = false;
};

// Looks `term` up (through the module-wide word list, which is empty again
// afterwards) and words the answer.
WordFinderAnswer SearchTerm(const std::string& term);

// What a search keeps of the first word record before the list is freed.
struct FoundTerm {
  std::string written;
  std::string classCode;
  std::string suggestion;
  char extraFlag = ' ';
  int wordClass = 0;
  int subClass = 0;
  int message = 0;
};

// The result text for a looked-up term (`typed`: its words joined by one
// blank).
std::string FinderResult(const FoundTerm& found, const std::string& typed);

// The part-of-speech text of a word class ("letter": the first character of
// the class code), with "%s" for the term and "%s" for the dictionary, or
// for class 71 the term alone; null for a class without a text.
const char* PartOfSpeechFormat(int wordClass, char letter);

// The short label of a message code 300..338 ("WRONG_VERB"); null otherwise.
const char* MessageLabel(int code);

// The dictionaries block: name and version of each, the module's version,
// the dictionaries folder.
std::string DictionariesText();

// The module's version text.
inline constexpr const char* kKestaVersion = "V7.1.7 2026";

class CWordfinder : public CDialog {
 public:
  CWordfinder();
  ~CWordfinder() override = default;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, Notification code) override;
  void OnCancel() override;
  COLORREF OnCtlColor(int id) override;

  void OnSearch();
  void OnClear();
  void OnChange();
};
