#include "tools/tempwin.h"

#include <cerrno>

#include "module/app_settings.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "resources/tool_dialogs.h"
#include "tools/term_file.h"

TempDictState TempDict;

namespace {
constexpr const char* kNetworkPrompt = "(Network path to Dictionaries)";

std::string TermFilePath() { return Settings.app.wordListFile.str(); }

std::string WithoutTrailingSeparator(std::string path) {
  if (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

void WriteFailedBox(int error) {
  BoundedText<160> text;
  text.format("Error(60) Can not open File to write: Error Code %d\nCheck permissions to WRITE.", error);
  AfxMessageBox(text.str(), MB_ICONERROR);
}

// Replaces the term file's content; false after the error box.
bool WriteTermFile(const std::string& bytes) {
  int error = 0;
  const char* stage = nullptr;
  if (ReplaceFileContent(TermFilePath(), bytes, &error, &stage)) return true;
  WriteFailedBox(error);
  return false;
}
}  // namespace

Tempwin::Tempwin() : CDialog(ToolDialogTemplate(IDD_TEMPWIN)) {}

void Tempwin::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_TD_LIST, terms_); }

BOOL Tempwin::OnInitDialog() {
  CDialog::OnInitDialog();
  // The 12-point Arial of the fields and buttons is the console's own.
  termField_.Attach(this, IDC_TD_TERM);
  termField_.SetLimitText(static_cast<int>(kLongestTerm));
  const std::string path = TermFilePath();
  std::size_t slash = path.find_last_of('\\');
  SetDlgItemText(IDC_TD_FILE_NAME, slash == std::string::npos ? path : path.substr(slash + 1));
  ShowLocalPath();
  SetDlgItemText(IDC_TD_DICT_DIR, WithoutTrailingSeparator(Settings.app.dictDir.str()));
  CheckDlgButton(IDC_TD_SHOW_WARNINGS, Settings.app.showWarnings == 1);
  CheckDlgButton(IDC_TD_HIDE_WARNINGS, Settings.app.showWarnings == 0);

  const std::int64_t now = CurrentUnixTime();
  TempDict.openedStamp.format("%lld", static_cast<long long>(now));

  std::FILE* f = OpenFile(path, "r+b");
  if (!f) {
    BoundedText<400> text;
    text.format("KESta will create a new File called:\n %s for your Temporary Dictionary", path.c_str());
    AfxMessageBox(text.str(), MB_ICONINFORMATION);
    f = OpenFile(path, "wb");
    if (!f) {
      AfxMessageBox("Error(24) Check Folder for WRITE permissions.", MB_ICONINFORMATION);
      ShowCount();
      return TRUE;
    }
  }
  std::fclose(f);
  std::string bytes;
  if (ReadFileBytes(path, &bytes))
    for (const std::string& entry : ReadTermEntries(bytes, now)) terms_.AddString(entry);
  ShowCount();
  return TRUE;
}

bool Tempwin::OnCommand(int id, Notification code) {
  if (id == IDC_TD_LIST && code == Notification::DoubleClicked) {
    OnRemoveTerm();
    return true;
  }
  if (code == Notification::Clicked) {
    switch (id) {
      case IDC_TD_ADD: OnAddTerm(); return true;
      case IDC_TD_PRINT: OnPrintTerms(); return true;
      case IDC_TD_RECORD: OnRecordSetting(); return true;
      case IDC_TD_SELECT_NETWORK: OnSelectNetworkPath(); return true;
      case IDC_TD_RESET_PATH: OnResetPath(); return true;
      case IDC_TD_CLOSE: OnClose(); return true;
      default: break;
    }
  }
  return CDialog::OnCommand(id, code);
}

COLORREF Tempwin::OnCtlColor(int id) {
  switch (id) {
    case IDC_TD_TERM: return RGB(0, 0, 0);
    case IDC_TD_DICT_DIR: return RGB(0, 0, 255);
    case IDC_TD_NETWORK_PATH:
    case IDC_TD_HEADING:
    case IDC_TD_REMOVE_NOTE:
    case IDC_TD_FILE_NAME: return RGB(255, 0, 0);
    case IDC_TD_LOCAL_PATH: return RGB(102, 153, 102);
    default: return kBaseTextColour;
  }
}

std::vector<std::string> Tempwin::Entries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < terms_.GetCount(); ++i) entries.push_back(terms_.GetText(i));
  return entries;
}

void Tempwin::ShowCount() { SetDlgItemText(IDC_TD_COUNT, EntryCountText(terms_.GetCount())); }

void Tempwin::ShowLocalPath() {
  SetDlgItemText(IDC_TD_LOCAL_PATH, WithoutTrailingSeparator(Settings.app.dictDir.str()));
}

void Tempwin::OnAddTerm() {
  const char* tag = "";
  for (int id : kTermKindButtons)
    if (IsDlgButtonChecked(id)) tag = TermKindTag(id);
  std::string term = termField_.GetWindowText().substr(0, kLongestTerm);
  if (term.size() < 2) return;
  // '|' ends the term in the file: such a term could never be read back.
  if (term.find('|') != std::string::npos) {
    AfxMessageBox("A term can not contain the character |.", MB_ICONINFORMATION);
    return;
  }
  for (int i = 0; i < terms_.GetCount(); ++i)
    if (EntryHoldsTerm(terms_.GetText(i), term)) return;
  terms_.AddString(term + tag + "|" + TempDict.openedStamp.str());
  ShowCount();
  termField_.SetWindowText("");
}

void Tempwin::OnRemoveTerm() {
  const int selected = terms_.GetCurSel();
  if (selected < 0) return;
  terms_.DeleteString(selected);
  ShowCount();
}

void Tempwin::OnClose() {
  // A file that cannot be written keeps the dialog open, so nothing is lost.
  if (!WriteTermFile(TermFileBytes(Entries()))) return;
  EndDialog(IDOK);
}

void Tempwin::OnPrintTerms() {
  const std::vector<std::string> entries = Entries();
  if (entries.empty()) {
    AfxMessageBox("There are no \"NOT Found\" Words.", MB_ICONINFORMATION);
    return;
  }
  const std::string path = TermFilePath();
  if (!WriteTermFile(PrintedTermFileBytes(path, entries))) return;
  AfxMessageBox("Wrote: WORD LIST called " + path + "\r\n", MB_ICONINFORMATION);
}

void Tempwin::OnRecordSetting() {
  if (IsDlgButtonChecked(IDC_TD_HIDE_WARNINGS))
    SetWarningPreference("HID", nullptr, 1);
  else if (IsDlgButtonChecked(IDC_TD_SHOW_WARNINGS))
    SetWarningPreference("SHO", nullptr, 2);
}

void Tempwin::OnSelectNetworkPath() {
  std::optional<std::string> chosen =
      CurrentInteraction().BrowseForFolder("Select the KESta \"Dictionaries\" on Network folder");
  if (!chosen) return;
  BoundedText<300> text;
  const std::string folder = *chosen;
  if (!FileExists(folder)) {
    text.format("Wrong Name or Permission: Select Dictionaries: %s", folder.c_str());
    AfxMessageBox(text.str(), MB_ICONERROR);
    return;
  }
  if (folder.find("Dictionaries") == std::string::npos) {
    text.format("Wrong Name: Select sub-folder called Dictionaries: %s", folder.c_str());
    AfxMessageBox(text.str(), MB_ICONERROR);
    return;
  }
  text.format("Confirm Directory Name: %s", folder.c_str());
  if (AfxMessageBox(text.str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  AppSettings& s = Settings.app;
  s.altDictDir = folder;
  if (s.altDictDir.last() != '\\' && s.altDictDir.last() != '/') s.altDictDir.append('\\');
  // The checker reads its dictionaries from the local folder only: say so
  // rather than claim the network folder is in use.
  SetDlgItemText(IDC_TD_LOCAL_PATH, "(Network path kept, not used: dictionaries read from Local path.)");
  SetDlgItemText(IDC_TD_NETWORK_PATH, s.altDictDir.str());
}

void Tempwin::OnResetPath() {
  Settings.app.altDictDir.clear();
  SetDlgItemText(IDC_TD_NETWORK_PATH, kNetworkPrompt);
  ShowLocalPath();
}
