#include "tools/verb_selector.h"

#include <cctype>

#include "platform/interaction.h"
#include "resources/tool_dialogs.h"
#include "tools/verb_list.h"

namespace {
constexpr const char* kPrompt = "(Enter Verb)";
constexpr int kVerbFieldLimit = 47;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool IsUpper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }
bool IsLower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }

bool RowBeginsWith(const char* row, const std::string& lowerText) {
  return Lower(row).starts_with(lowerText);
}
}  // namespace

int FindVerbRow(const std::string& text) {
  const std::string key = Lower(text);
  for (int i = 1; i < kVerbRowCount; ++i)
    if (RowBeginsWith(kVerbRows[static_cast<std::size_t>(i)], key)) return i;
  return RowBeginsWith(kVerbRows[0], key) ? 0 : -1;
}

std::string CutAnnotation(const std::string& text) {
  std::size_t paren = text.size() > 1 ? text.find('(', 1) : std::string::npos;
  return paren == std::string::npos ? text : text.substr(0, paren);
}

std::string ToggleInitialCase(const std::string& text) {
  if (text.size() < 2) return text;
  std::string out = text;
  if (IsUpper(text[0]) && IsUpper(text[1])) {
    for (std::size_t i = 1; i < out.size(); ++i) out[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[i])));
  } else if (IsLower(text[0]) && IsLower(text[1])) {
    out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  } else if (IsUpper(text[0]) && IsLower(text[1])) {
    out = Lower(out);
  }
  return out;
}

bool IsGerund(const std::string& text) { return Lower(text).ends_with("ing"); }

CVerbSelect::CVerbSelect() : CDialog(ToolDialogTemplate(IDD_VERBSELECT)) {}

void CVerbSelect::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_VS_COMBO, verbList_); }

BOOL CVerbSelect::OnInitDialog() {
  CDialog::OnInitDialog();
  verbField_.Attach(this, IDC_VS_VERB);
  verbField_.SetLimitText(kVerbFieldLimit);
  Status("");
  verbList_.ResetContent();
  for (const char* row : kVerbRows) verbList_.AddString(row);
  verbList_.SetWindowText(kPrompt);
  return TRUE;
}

bool CVerbSelect::OnCommand(int id, Notification code) {
  if (code == Notification::Clicked) {
    switch (id) {
      case IDC_VS_SEARCH: OnSearchList(); return true;
      case IDC_VS_MOVE: OnMoveEntry(); return true;
      case IDC_VS_TO_CLIPBOARD: OnToClipboard(); return true;
      case IDC_VS_CAPS: OnCaps(); return true;
      case IDC_VS_INIT_LC: OnInitLc(); return true;
      case IDC_VS_CLEAR_ENTRY: OnClearEntry(); return true;
      default: break;
    }
  }
  return CDialog::OnCommand(id, code);
}

COLORREF CVerbSelect::OnCtlColor(int id) {
  if (id == IDC_VS_STATUS) return RGB(0, 0, 255);
  if (id == IDC_STATIC) return RGB(255, 0, 0);
  return RGB(72, 61, 139);
}

void CVerbSelect::Message(const char* text) { ShowMessageBox(text, "KESta Verbs", MB_ICONINFORMATION); }

void CVerbSelect::Status(const std::string& text) { SetDlgItemText(IDC_VS_STATUS, text); }

void CVerbSelect::OnSearchList() {
  const std::string text = verbList_.GetWindowText();
  Status("");
  if (text.starts_with("(")) return Message("Clear box and Enter verb");
  if (text.empty()) return Message("Enter a verb with letters only");
  // Only an -ing form is a gerund: "tag" and "drag" are verbs of the list.
  if (IsGerund(text)) return Message("Do not use gerunds(-ing)");
  const int row = FindVerbRow(text);
  if (row < 0) return Message("NO MATCH - Try first two letters or scroll list");
  verbList_.SetCurSel(row);
  verbField_.SetWindowText(Lower(verbList_.GetLBText(row)));
}

void CVerbSelect::OnMoveEntry() {
  const std::string text = verbList_.GetWindowText();
  if (text.starts_with("(")) return Status("Select a verb from the list, then use Move...");
  Status("");
  if (text.empty()) return Message("Enter a verb with letters only");
  const int row = FindVerbRow(text);
  if (row >= 0) {
    verbList_.SetCurSel(row);
    verbField_.SetWindowText(CutAnnotation(verbList_.GetLBText(row)));
  } else {
    verbField_.SetWindowText("");
  }
  Status("Edit tense and style, then click >clipboard");
}

void CVerbSelect::OnToClipboard() {
  Status("");
  const std::string verb = verbField_.GetWindowText();
  if (verb.empty()) {
    Status("Select a verb, then use Move button");
    verbField_.SetWindowText("");
    return;
  }
  CurrentInteraction().SetClipboardText(CutAnnotation(verb) + " ");
  Status("Verb copied to clipboard for Editor Paste");
}

void CVerbSelect::OnCaps() {
  std::string verb = verbField_.GetWindowText();
  for (char& c : verb) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  verbField_.SetWindowText(verb);
}

void CVerbSelect::OnInitLc() { verbField_.SetWindowText(ToggleInitialCase(verbField_.GetWindowText())); }

void CVerbSelect::OnClearEntry() {
  verbField_.SetWindowText("");
  Status("");
  verbList_.SetWindowText(kPrompt);
}
