#include "quality/sigbox.h"

#include "engine/message_codes.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "quality/not_found_list.h"
#include "quality/quality_stats.h"
#include "quality/report_file.h"
#include "quality/sigma_report.h"
#include "resources/quality_dialogs.h"

namespace {
constexpr int kCategories = Msg::Last - Msg::First + 1;  // 0..38

struct Rating {
  const char* text;
  int levelIcons;  // how many of the level statics show the level mark
  unsigned levelIcon;
  unsigned ratingIcon;
};

const Rating* RatingOf(int level) {
  static const Rating ratings[] = {
      {"POOR", 1, IDI_LEVEL_LOW, IDI_RATING_POOR},
      {"FAIR", 2, IDI_LEVEL_LOW, IDI_RATING_FAIR},
      {"BELOW AVERAGE", 3, IDI_LEVEL_LOW, IDI_RATING_BELOW_AVERAGE},
      {"AVERAGE", 4, IDI_LEVEL_LOW, IDI_RATING_AVERAGE},
      {"VERY GOOD", 5, IDI_LEVEL_GOOD, IDI_RATING_VERY_GOOD},
      {"EXCELLENT", 6, IDI_LEVEL_GOOD, IDI_RATING_EXCELLENT},
  };
  return level >= 1 && level <= 6 ? &ratings[level - 1] : nullptr;
}

void FileError(const char* format, int error) {
  BoundedText<256> text;
  text.format(format, error);
  ShowMessageBox(text.str(), "KESta File Error", MB_ICONERROR);
}

constexpr const char* kReportHint = ">>> Reports in .txt and .xls are found in locations shown above.";
}  // namespace

CSigbox::CSigbox() : CDialog(QualityDialogTemplate(IDD_SIGBOX)) {}

void CSigbox::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  for (int i = 0; i < 6; ++i) DDX_Control(dx, IDC_LEVEL_ICON_FIRST + i, levelIcons_[i]);
  DDX_Control(dx, IDC_RATING_ICON, ratingIcon_);
  DDX_Control(dx, IDC_CLASS_LIST, classList_);
  DDX_Control(dx, IDC_NOT_FOUND_LIST, notFoundList_);
}

BOOL CSigbox::OnInitDialog() {
  CDialog::OnInitDialog();
  SetForegroundWindow();
  SetFocus();
  totalErrors_ = 0;
  for (int k = 0; k < kCategories; ++k)
    if (Quality.messageClassCounters[k][0] > 0) totalErrors_ += Quality.messageClassCounters[k][0];
  Quality.reportWordCount = Quality.docWordCount;
  FillClassList();
  ShowRating();
  FillNotFoundList();
  FreeWordList(WordList.head);
  WordList.Forget();

  const int n = static_cast<int>(NotFoundList.entries.size());
  BoundedText<128> summary;
  if (n == 0)
    summary.format("Document has %d words:  %d Errors :  Zero Not Found Words", Quality.reportWordCount,
                   totalErrors_);
  else if (n == 1)
    summary.format("Document has %d words:  %d Error :  One Not Found Word", Quality.reportWordCount,
                   totalErrors_);
  else
    summary.format("Document has %d words:  %d Errors :  %d Not Found Words", Quality.reportWordCount,
                   totalErrors_, n);
  SetDlgItemText(IDC_SUMMARY, summary.str());
  return TRUE;
}

void CSigbox::FillClassList() {
  classList_.SetTextColor(RGB(0, 102, 51));
  classList_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_TWOCLICKACTIVATE);
  classList_.InsertColumn(0, "KESta Message Classes", LVCFMT_LEFT, 190);
  classList_.InsertColumn(1, "Scroll Errors by Class", LVCFMT_LEFT, 180);
  int row = 0;
  for (int k = 0; k < kCategories; ++k) {
    int count = Quality.messageClassCounters[k][0];
    if (count <= 0) continue;
    classList_.InsertItem(row, MessageClassNames[k]);
    classList_.SetItemText(row, 1, std::to_string(count));
    ++row;
  }
}

void CSigbox::ShowRating() {
  const Rating* rating = RatingOf(Quality.qualityLevel);
  if (!rating) return;
  SetDlgItemText(IDC_RATING_TEXT, rating->text);
  for (int i = 0; i < rating->levelIcons; ++i) levelIcons_[i].SetIcon(LoadIconResource(rating->levelIcon));
  ratingIcon_.SetIcon(LoadIconResource(rating->ratingIcon));
}

void CSigbox::FillNotFoundList() {
  notFoundList_.SetTextColor(RGB(0, 0, 255));
  notFoundList_.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_TWOCLICKACTIVATE);
  notFoundList_.InsertColumn(0, " Left Context ", LVCFMT_LEFT, 105);
  notFoundList_.InsertColumn(1, "Not Found Word", LVCFMT_LEFT, 150);
  notFoundList_.InsertColumn(2, "Right Context", LVCFMT_LEFT, 150);
  int row = 0;
  for (const NotFoundRow& r : CollectNotFoundWords(WordList.head)) {
    notFoundList_.InsertItem(row, r.left);
    notFoundList_.SetItemText(row, 1, r.word);
    notFoundList_.SetItemText(row, 2, r.right);
    ++row;
  }
}

bool CSigbox::OnCommand(int id, Notification code) {
  if (code == Notification::Clicked) {
    switch (id) {
      case IDOK:
        OnWriteSixSigma();
        return true;
      case IDCANCEL:
        OnClose();
        return true;
      case IDC_PRINT_NOT_FOUND:
        OnPrintNotFound();
        return true;
      default:
        break;
    }
  }
  return CDialog::OnCommand(id, code);
}

COLORREF CSigbox::OnCtlColor(int id) {
  switch (id) {
    case IDC_NOT_FOUND_RESULT: return RGB(246, 11, 83);
    case IDC_RED_NOTE: return RGB(255, 0, 0);
    case IDC_SIGMA_RESULT: return RGB(59, 169, 90);
    case IDC_SUMMARY: return RGB(246, 11, 83);
    default: return kBaseTextColour;
  }
}

void CSigbox::OnWriteSixSigma() {
  ReportFileResult file = WriteProfileReport("Kesta_6Sigma_Report.xls", SigmaReportBytes());
  if (file.stage == ReportFileResult::Open) {
    FileError("KESta(67) Can not open handle KESta_6Sigma_Report:\nError Code %d\nCheck permissions to WRITE.",
              file.error);
    return;
  }
  if (file.stage == ReportFileResult::Write) {
    FileError("KESta(62) Can not open KESta_6Sigma_Report File to write:\nError Code %d\nCheck permissions to WRITE.",
              file.error);
    return;
  }
  AfxMessageBox("Hello " + WriterFirstName() + ":  Wrote Kesta_6Sigma_report.xls:\n[Excel Format]=" + file.path,
                MB_ICONINFORMATION);
  SetDlgItemText(IDC_SIGMA_RESULT, "Wrote Kesta_6Sigma_report.xls: " + file.path);
  SetDlgItemText(IDC_REPORT_HINT, kReportHint);
}

void CSigbox::OnPrintNotFound() {
  if (NotFoundList.entries.empty()) {
    AfxMessageBox("There are no NOT FOUND words in the list.", MB_ICONERROR);
    return;
  }
  ReportFileResult file =
      WriteProfileReport("Kesta_NotFound_Report.txt", NotFoundReportText(NotFoundList.entries));
  if (file.stage == ReportFileResult::Open) {
    FileError("KESta(67) Can not open handle KESta_NotFound_Report:\nError Code %d\nCheck permissions to WRITE.",
              file.error);
    return;
  }
  if (file.stage == ReportFileResult::Write) {
    FileError("KESta(60) Can not open KESta_NotFound_Report File to write:\nError Code %d\nCheck permissions to WRITE.",
              file.error);
    return;
  }
  AfxMessageBox("Hello " + WriterFirstName() + ":  Wrote NotFound_report.txt (" +
                    std::to_string(NotFoundList.entries.size()) + " new entries):\n[List Format]=" + file.path,
                MB_ICONINFORMATION);
  SetDlgItemText(IDC_NOT_FOUND_RESULT, "Wrote NotFound_report.txt: " + file.path);
  SetDlgItemText(IDC_REPORT_HINT, kReportHint);
}
