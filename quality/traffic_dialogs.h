#pragma once
// The four traffic-light dialogs: a lamp picture, the text of the level,
// the date and author lines, and "Print Report".
#include "platform/dialog.h"

class CTrafficLightDialog : public CDialog {
 public:
  CTrafficLightDialog(unsigned dialogId, int colour, int levelTextControl);
  BOOL OnInitDialog() override;
  bool OnCommand(int id, Notification code) override;
  virtual void OnPrintReport() = 0;

 protected:
  int colour_;
  int levelTextControl_;
};

// Green: writes its own traffic-light report.
class CTraffic : public CTrafficLightDialog {
 public:
  CTraffic();
  void OnPrintReport() override;
};

// Amber, red and blue write "Kesta_QA_Report.txt".
class CQaReportDialog : public CTrafficLightDialog {
 public:
  using CTrafficLightDialog::CTrafficLightDialog;
  void OnPrintReport() override;
};

class CTrafficAmber : public CQaReportDialog {
 public:
  CTrafficAmber();
};
class CTrafficRed : public CQaReportDialog {
 public:
  CTrafficRed();
};
class CTrafficBlue : public CQaReportDialog {
 public:
  CTrafficBlue();
};

// The file name of the green dialog's report, in the profile folder.
inline constexpr const char* kTrafficReportName = "Kesta_Traffic_Report.txt";
