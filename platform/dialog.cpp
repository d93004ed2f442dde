#include "platform/dialog.h"

#include <algorithm>
#include <cctype>

#include "platform/interaction.h"

namespace {
bool IsButton(ControlKind k) {
  return k == ControlKind::PushButton || k == ControlKind::DefaultButton || k == ControlKind::CheckBox ||
         k == ControlKind::RadioButton;
}
bool IsList(ControlKind k) {
  return k == ControlKind::ListView || k == ControlKind::ListBox || k == ControlKind::ComboBox;
}
}  // namespace

// --- controls ---------------------------------------------------------------

DialogControl* CDialogItem::Control() const { return dialog_ ? dialog_->GetDlgItem(id_) : nullptr; }

void CDialogItem::SetWindowText(const std::string& text) {
  if (DialogControl* c = Control()) c->text = text;
}

std::string CDialogItem::GetWindowText() const {
  const DialogControl* c = Control();
  return c ? c->text : std::string();
}

void CDialogItem::EnableWindow(bool enable) {
  if (DialogControl* c = Control()) c->enabled = enable;
}

void CDialogItem::ShowWindow(bool show) {
  if (DialogControl* c = Control()) c->visible = show;
}

void CStatic::SetIcon(const ImageHandle& icon) {
  if (DialogControl* c = Control()) c->image = icon;
}

void CStatic::SetBitmap(const ImageHandle& bitmap) {
  if (DialogControl* c = Control()) c->image = bitmap;
}

ImageHandle CStatic::GetImage() const {
  const DialogControl* c = Control();
  return c ? c->image : ImageHandle{};
}

void CButton::SetCheck(int check) {
  if (DialogControl* c = Control()) c->checked = check != 0;
}

int CButton::GetCheck() const {
  const DialogControl* c = Control();
  return c && c->checked ? 1 : 0;
}

void CEdit::SetLimitText(int limit) {
  if (DialogControl* c = Control()) c->textLimit = limit > 0 ? limit : 0;
}

namespace {
int LowerByte(char c) { return std::tolower(static_cast<unsigned char>(c)); }
bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return LowerByte(x) < LowerByte(y); });
}
bool ValidIndex(const DialogControl* c, int index) {
  return c && index >= 0 && static_cast<std::size_t>(index) < c->rows.size();
}
}  // namespace

int CListBox::AddString(const std::string& text) {
  DialogControl* c = Control();
  if (!c) return -1;
  auto at = c->rows.end();
  if (c->sorted)
    at = std::upper_bound(c->rows.begin(), c->rows.end(), text,
                          [](const std::string& t, const std::vector<std::string>& row) {
                            return LessNoCase(t, row.empty() ? std::string() : row[0]);
                          });
  int index = static_cast<int>(at - c->rows.begin());
  c->rows.insert(at, std::vector<std::string>{text});
  if (c->selected >= index) ++c->selected;
  return index;
}

int CListBox::DeleteString(int index) {
  DialogControl* c = Control();
  if (!ValidIndex(c, index)) return -1;
  c->rows.erase(c->rows.begin() + index);
  if (c->selected == index)
    c->selected = -1;
  else if (c->selected > index)
    --c->selected;
  return static_cast<int>(c->rows.size());
}

void CListBox::ResetContent() {
  if (DialogControl* c = Control()) {
    c->rows.clear();
    c->selected = -1;
  }
}

int CListBox::GetCount() const {
  const DialogControl* c = Control();
  return c ? static_cast<int>(c->rows.size()) : 0;
}

std::string CListBox::GetText(int index) const {
  const DialogControl* c = Control();
  if (!ValidIndex(c, index) || c->rows[static_cast<std::size_t>(index)].empty()) return {};
  return c->rows[static_cast<std::size_t>(index)][0];
}

int CListBox::GetCurSel() const {
  const DialogControl* c = Control();
  return c ? c->selected : -1;
}

void CListBox::SetCurSel(int index) {
  if (DialogControl* c = Control()) c->selected = ValidIndex(c, index) ? index : -1;
}

int CComboBox::AddString(const std::string& text) {
  DialogControl* c = Control();
  if (!c) return -1;
  c->rows.push_back(std::vector<std::string>{text});
  return static_cast<int>(c->rows.size()) - 1;
}

void CComboBox::ResetContent() {
  if (DialogControl* c = Control()) {
    c->rows.clear();
    c->selected = -1;
    c->text.clear();
  }
}

int CComboBox::GetCount() const {
  const DialogControl* c = Control();
  return c ? static_cast<int>(c->rows.size()) : 0;
}

std::string CComboBox::GetLBText(int index) const {
  const DialogControl* c = Control();
  if (!ValidIndex(c, index) || c->rows[static_cast<std::size_t>(index)].empty()) return {};
  return c->rows[static_cast<std::size_t>(index)][0];
}

int CComboBox::GetCurSel() const {
  const DialogControl* c = Control();
  return c ? c->selected : -1;
}

void CComboBox::SetCurSel(int index) {
  DialogControl* c = Control();
  if (!c) return;
  if (!ValidIndex(c, index)) {
    c->selected = -1;
    return;
  }
  c->selected = index;
  c->text = GetLBText(index);
}

int CListCtrl::InsertColumn(int column, const std::string& title, int format, int width) {
  (void)format;
  DialogControl* c = Control();
  if (!c || column < 0) return -1;
  std::size_t at = std::min(static_cast<std::size_t>(column), c->columns.size());
  c->columns.insert(c->columns.begin() + static_cast<long>(at), ListColumn{title, width});
  for (auto& row : c->rows)
    if (row.size() >= at) row.insert(row.begin() + static_cast<long>(at), std::string());
  return static_cast<int>(at);
}

int CListCtrl::InsertItem(int item, const std::string& text) {
  DialogControl* c = Control();
  if (!c || item < 0) return -1;
  std::size_t at = std::min(static_cast<std::size_t>(item), c->rows.size());
  std::vector<std::string> row(std::max<std::size_t>(c->columns.size(), 1));
  row[0] = text;
  c->rows.insert(c->rows.begin() + static_cast<long>(at), std::move(row));
  return static_cast<int>(at);
}

bool CListCtrl::SetItemText(int item, int column, const std::string& text) {
  DialogControl* c = Control();
  if (!c || item < 0 || column < 0 || static_cast<std::size_t>(item) >= c->rows.size()) return false;
  auto& row = c->rows[static_cast<std::size_t>(item)];
  if (static_cast<std::size_t>(column) >= row.size()) row.resize(static_cast<std::size_t>(column) + 1);
  row[static_cast<std::size_t>(column)] = text;
  return true;
}

std::string CListCtrl::GetItemText(int item, int column) const {
  const DialogControl* c = Control();
  if (!c || item < 0 || column < 0 || static_cast<std::size_t>(item) >= c->rows.size()) return {};
  const auto& row = c->rows[static_cast<std::size_t>(item)];
  return static_cast<std::size_t>(column) < row.size() ? row[static_cast<std::size_t>(column)] : std::string();
}

int CListCtrl::GetItemCount() const {
  const DialogControl* c = Control();
  return c ? static_cast<int>(c->rows.size()) : 0;
}

bool CListCtrl::DeleteAllItems() {
  DialogControl* c = Control();
  if (!c) return false;
  c->rows.clear();
  c->selected = -1;
  return true;
}

int CListCtrl::GetSelectionMark() const {
  const DialogControl* c = Control();
  return c ? c->selected : -1;
}

void CListCtrl::SetSelectionMark(int item) {
  if (DialogControl* c = Control()) c->selected = item >= 0 && static_cast<std::size_t>(item) < c->rows.size() ? item : -1;
}

void CListCtrl::SetTextColor(COLORREF colour) {
  if (DialogControl* c = Control()) c->textColour = colour;
}

// --- the dialog -------------------------------------------------------------

CDialog::CDialog(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {}

INT_PTR CDialog::DoModal() {
  state_ = DialogState{template_.id, template_.caption, template_.controls};
  open_ = true;
  result_ = IDCANCEL;
  OnInitDialog();
  for (DialogControl& c : state_.controls) {
    COLORREF colour = OnCtlColor(c.id);
    if (colour != kBaseTextColour) c.textColour = colour;
  }
  Interaction& ui = CurrentInteraction();
  const bool shown = open_;  // OnInitDialog may end the dialog at once
  if (shown) ui.DialogOpened(state_);
  while (open_) {
    DialogAction action = ui.NextDialogAction(state_);
    std::string why;
    if (!Play(action, &why)) ui.DialogActionRefused(action, why);
    // Nobody is left to act: a dialog that does not close on Cancel would
    // wait for ever, so it ends here as cancelled.
    if (action.dismissed && open_) EndDialog(IDCANCEL);
  }
  if (shown) ui.DialogClosed(state_, result_);
  return result_;
}

void CDialog::EndDialog(int result) {
  result_ = result;
  open_ = false;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx{this, saveAndValidate != FALSE};
  DoDataExchange(&dx);
  return TRUE;
}

bool CDialog::OnCommand(int id, Notification code) {
  if (code != Notification::Clicked) return false;
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void CDialog::OnOK() {
  UpdateData(TRUE);
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::SetDlgItemText(int id, const std::string& text) {
  if (DialogControl* c = state_.Find(id)) c->text = text;
}

std::string CDialog::GetDlgItemText(int id) const {
  const DialogControl* c = state_.Find(id);
  return c ? c->text : std::string();
}

int CDialog::IsDlgButtonChecked(int id) const {
  const DialogControl* c = state_.Find(id);
  return c && c->checked ? 1 : 0;
}

void CDialog::CheckDlgButton(int id, int check) {
  if (DialogControl* c = state_.Find(id)) c->checked = check != 0;
}

bool CDialog::Play(const DialogAction& action, std::string* why) {
  if (action.kind == DialogAction::Close) {
    OnCommand(IDCANCEL, Notification::Clicked);
    return true;
  }
  if (action.kind == DialogAction::Folder) {
    *why = "no folder is asked for";
    return false;
  }
  DialogControl* c = state_.Find(action.control);
  if (!c || !c->visible) {
    *why = "the dialog has no control " + std::to_string(action.control);
    return false;
  }
  if (!c->enabled) {
    *why = "control " + std::to_string(action.control) + " is greyed";
    return false;
  }
  const int id = action.control;
  switch (action.kind) {
    case DialogAction::Click:
      if (!IsButton(c->kind)) {
        *why = "control " + std::to_string(id) + " is not a button";
        return false;
      }
      if (c->kind == ControlKind::CheckBox) c->checked = !c->checked;
      if (c->kind == ControlKind::RadioButton) {
        for (DialogControl& other : state_.controls)
          if (other.kind == ControlKind::RadioButton && other.group == c->group) other.checked = false;
        c->checked = true;
      }
      OnCommand(id, Notification::Clicked);
      return true;
    case DialogAction::Tick:
    case DialogAction::Untick:
      if (c->kind != ControlKind::CheckBox) {
        *why = "control " + std::to_string(id) + " is not a check box";
        return false;
      }
      c->checked = action.kind == DialogAction::Tick;
      OnCommand(id, Notification::Clicked);
      return true;
    case DialogAction::Type:
      if (c->kind != ControlKind::Edit && c->kind != ControlKind::ComboBox) {
        *why = "control " + std::to_string(id) + " takes no typed text";
        return false;
      }
      c->text = action.text;
      // The field takes no more than its limit, as an edit control refuses the rest.
      if (c->textLimit > 0 && c->text.size() > static_cast<std::size_t>(c->textLimit))
        c->text.resize(static_cast<std::size_t>(c->textLimit));
      OnCommand(id, Notification::Changed);
      return true;
    case DialogAction::Select:
    case DialogAction::DoubleClick: {
      if (!IsList(c->kind)) {
        *why = "control " + std::to_string(id) + " is not a list";
        return false;
      }
      int index = action.index;
      if (!action.text.empty()) {
        index = -2;
        for (std::size_t r = 0; r < c->rows.size(); ++r)
          if (!c->rows[r].empty() && c->rows[r][0] == action.text) {
            index = static_cast<int>(r);
            break;
          }
        if (index == -2) {
          *why = "list " + std::to_string(id) + " has no item \"" + action.text + "\"";
          return false;
        }
      }
      if (index >= static_cast<int>(c->rows.size())) {
        *why = "list " + std::to_string(id) + " has " + std::to_string(c->rows.size()) + " rows";
        return false;
      }
      c->selected = index;
      if (c->kind == ControlKind::ComboBox && index >= 0) c->text = c->rows[static_cast<std::size_t>(index)][0];
      OnCommand(id, Notification::SelChanged);
      if (action.kind == DialogAction::DoubleClick) OnCommand(id, Notification::DoubleClicked);
      return true;
    }
    default:
      break;
  }
  return false;
}

// --- data exchange ----------------------------------------------------------

void DDX_Control(CDataExchange* dx, int id, CDialogItem& item) {
  if (!item.IsBound()) item.Attach(dx->dialog, id);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  if (dx->saveAndValidate)
    value = dx->dialog->GetDlgItemText(id);
  else
    dx->dialog->SetDlgItemText(id, value);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
  if (dx->saveAndValidate)
    value = dx->dialog->IsDlgButtonChecked(id);
  else
    dx->dialog->CheckDlgButton(id, value);
}
