#include "quality/traffic_dialogs.h"

#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "quality/qa_report.h"
#include "quality/quality_stats.h"
#include "quality/report_file.h"
#include "resources/quality_dialogs.h"

CTrafficLightDialog::CTrafficLightDialog(unsigned dialogId, int colour, int levelTextControl)
    : CDialog(QualityDialogTemplate(dialogId)), colour_(colour), levelTextControl_(levelTextControl) {}

BOOL CTrafficLightDialog::OnInitDialog() {
  // The 12-point font of the level text is the console's own.
  SetDlgItemText(levelTextControl_, TrafficLevelText(colour_));
  SetDlgItemText(IDC_TRAFFIC_DATE, Quality.reportDateLine.str());
  SetDlgItemText(IDC_TRAFFIC_AUTHOR, Quality.reportAuthorLine.str());
  return TRUE;
}

bool CTrafficLightDialog::OnCommand(int id, Notification code) {
  if (id == IDOK && code == Notification::Clicked) {
    OnPrintReport();
    return true;
  }
  return CDialog::OnCommand(id, code);
}

CTraffic::CTraffic() : CTrafficLightDialog(IDD_TRAFFIC_GREEN, 1, 374) {}
CTrafficAmber::CTrafficAmber() : CQaReportDialog(IDD_TRAFFIC_AMBER, 2, 377) {}
CTrafficRed::CTrafficRed() : CQaReportDialog(IDD_TRAFFIC_RED, 3, 379) {}
CTrafficBlue::CTrafficBlue() : CQaReportDialog(IDD_TRAFFIC_BLUE, 4, 383) {}

void CTraffic::OnPrintReport() {
  ReportFileResult file = WriteProfileReport(kTrafficReportName, GreenReportText());
  Quality.trafficReportFile = file.path;
  if (file.stage != ReportFileResult::Written) {
    BoundedText<160> text;
    text.format("Error(60) Can not open Traffic Report File to write: Error Code %d\nCheck permissions to WRITE.",
                file.error);
    ShowMessageBox(text.str(), "KESta File", MB_ICONINFORMATION);
    return;
  }
  ShowMessageBox("Wrote: Traffic Report called " + file.path + "\r\n", "KESta Quality", MB_ICONINFORMATION);
  EndDialog(IDOK);
}

void CQaReportDialog::OnPrintReport() {
  ReportFileResult file = WriteProfileReport("Kesta_QA_Report.txt", QaReportText(colour_));
  BoundedText<160> text;
  if (file.stage == ReportFileResult::Open) {
    text.format("KESta(67) Can not open handle KESta_QA_Report:\nError Code %d\nCheck permissions to WRITE.",
                file.error);
    ShowMessageBox(text.str(), "KESta File Error", MB_ICONERROR);
    return;
  }
  if (file.stage == ReportFileResult::Write) {
    text.format("KESta(60) Can not open Kesta_QA_report.text to write:\nError Code %d\nCheck permissions to WRITE.",
                file.error);
    ShowMessageBox(text.str(), "KESta File Error", MB_ICONERROR);
    return;
  }
  ShowMessageBox("Hello " + WriterFirstName() + ":  Wrote Kesta_QA_report.txt:\n[Print]=" + file.path,
                 "KESta Quality", MB_ICONINFORMATION);
  EndDialog(IDOK);
}
