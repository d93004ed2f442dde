#pragma once
// The metric converter's dialog: a value, the list of conversions of the
// unit table, and the converted line ready to copy into the document.
#include "platform/dialog.h"

class CMetric : public CDialog {
 public:
  CMetric();
  ~CMetric() override = default;
  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  bool OnCommand(int id, Notification code) override;
  void OnCancel() override;
  COLORREF OnCtlColor(int id) override;

  void OnConvert();
  void OnClearFields();

 private:
  CListBox conversions_;
};
