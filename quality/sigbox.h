#pragma once
// The six-sigma report dialog: the findings by message class, the rating
// with its icons, the words that no dictionary holds with their context,
// and the buttons that write the two report files.
#include "platform/dialog.h"
#include "platform/interaction.h"

class CSigbox : public CDialog {
 public:
  CSigbox();
  ~CSigbox() override = default;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnCommand(int id, Notification code) override;
  COLORREF OnCtlColor(int id) override;

  void OnWriteSixSigma();
  void OnPrintNotFound();
  void OnClose() { EndDialog(IDCANCEL); }

 private:
  void FillClassList();
  void ShowRating();
  void FillNotFoundList();

  CStatic levelIcons_[6];
  CStatic ratingIcon_;
  CListCtrl classList_;
  CListCtrl notFoundList_;
  int totalErrors_ = 0;
};
