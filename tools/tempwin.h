#pragma once
// The temporary dictionary and preferences dialog: the writer's own list of
// suggested terms with their kinds, kept in the term file beside the
// dictionaries for ten days; the warning preference; the network folder.
#include <string>
#include <vector>

#include "platform/bounded_text.h"
#include "platform/dialog.h"

// Module-wide: the time stamp of the dialog's opening, which every term
// added during that opening carries.
struct TempDictState {
  BoundedText<24> openedStamp;
  void Reset() { *this = TempDictState{}; }
};
extern TempDictState TempDict;

class Tempwin : public CDialog {
 public:
  Tempwin();
  ~Tempwin() override = default;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, Notification code) override;
  COLORREF OnCtlColor(int id) override;

  void OnAddTerm();
  void OnRemoveTerm();
  void OnPrintTerms();
  void OnRecordSetting();
  void OnSelectNetworkPath();
  void OnResetPath();
  void OnClose();

 private:
  std::vector<std::string> Entries() const;
  void ShowCount();
  void ShowLocalPath();

  CListBox terms_;
  CEdit termField_;
};
