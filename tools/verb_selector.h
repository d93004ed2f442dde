#pragma once
// The verb selector: the list of approved verbs with a search by first
// letters, case buttons for the chosen verb and a button that puts it on the
// clipboard.
#include <string>

#include "platform/dialog.h"

// The row that begins with `text` (without regard to case), searched from
// the second row to the end and then the first; -1 when none does.
int FindVerbRow(const std::string& text);

// The text up to its first '(' after the first character (the row's
// annotation), or all of it.
std::string CutAnnotation(const std::string& text);

// "Init/lc" on a text: capitals become an initial capital, lower case an
// initial capital, an initial capital lower case; anything else stays.
std::string ToggleInitialCase(const std::string& text);

// Whether a verb is written as a gerund (-ing), which the list does not hold.
bool IsGerund(const std::string& text);

class CVerbSelect : public CDialog {
 public:
  CVerbSelect();
  ~CVerbSelect() override = default;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, Notification code) override;
  COLORREF OnCtlColor(int id) override;

  void OnSearchList();
  void OnMoveEntry();
  void OnToClipboard();
  void OnCaps();
  void OnInitLc();
  void OnClearEntry();

 private:
  void Message(const char* text);
  void Status(const std::string& text);

  CComboBox verbList_;
  CEdit verbField_;
};
