#include "tools/metric_dialog.h"

#include "module/app_settings.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "resources/quality_dialogs.h"
#include "resources/tool_dialogs.h"
#include "tools/metric_table.h"

CMetric::CMetric() : CDialog(ToolDialogTemplate(IDD_METRIC)) {}

void CMetric::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_MC_LIST, conversions_); }

BOOL CMetric::OnInitDialog() {
  CDialog::OnInitDialog();
  conversions_.ResetContent();
  Metric.rows.clear();
  const std::string path = Settings.app.converterFile.str();
  if (path.empty()) return TRUE;
  std::string bytes;
  if (!ReadFileBytes(path, &bytes)) {
    BoundedText<300> text;
    text.format("KESta Error(12) Can not open file %s", path.c_str());
    AfxMessageBox(text.str(), MB_ICONERROR);
    return FALSE;
  }
  if (DialogControl* convert = GetDlgItem(IDC_MC_CONVERT)) convert->image = LoadBitmapResource(IDB_CONVERT);
  SetDlgItemText(IDC_MC_VALUE, "");
  SetDlgItemText(IDC_MC_RESULT, "");
  Metric.rows = ReadMetricTable(bytes);
  for (const MetricRow& row : Metric.rows) conversions_.AddString(row.name.str());
  return TRUE;
}

bool CMetric::OnCommand(int id, Notification code) {
  if (code == Notification::Clicked) {
    switch (id) {
      case IDC_MC_CONVERT: OnConvert(); return true;
      case IDC_MC_CLEAR: OnClearFields(); return true;
      default: break;
    }
  }
  return CDialog::OnCommand(id, code);
}

void CMetric::OnCancel() {
  conversions_.ResetContent();
  EndDialog(IDCANCEL);
}

COLORREF CMetric::OnCtlColor(int id) {
  if (id == IDC_MC_COPY_NOTE) return RGB(0, 0, 255);
  if (id == IDC_MC_SELECT_NOTE) return RGB(255, 0, 0);
  return kBaseTextColour;
}

void CMetric::OnConvert() {
  const int selected = conversions_.GetCurSel();
  if (selected < 0 || static_cast<std::size_t>(selected) >= Metric.rows.size()) {
    AfxMessageBox("Select a conversion for the VALUE.", MB_ICONERROR);
    return;
  }
  const MetricRow& row = Metric.rows[static_cast<std::size_t>(selected)];
  Conversion c = Convert(row, GetDlgItemText(IDC_MC_VALUE));
  if (c.outcome != Conversion::Done) {
    AfxMessageBox(ConversionMessage(c, row), MB_ICONERROR);
    return;
  }
  SetDlgItemText(IDC_MC_RESULT, "");
  if (c.valueChanged) SetDlgItemText(IDC_MC_VALUE, c.valueField);
  Metric.valueText = c.valueText;
  Metric.result = c.result;
  SetDlgItemText(IDC_MC_RESULT, c.result);
}

void CMetric::OnClearFields() {
  SetDlgItemText(IDC_MC_VALUE, "");
  SetDlgItemText(IDC_MC_RESULT, "");
}
