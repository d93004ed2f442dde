#pragma once
// The framework's modal dialogs: a dialog class derives from CDialog, fills
// its controls in OnInitDialog, binds them in DoDataExchange and handles its
// buttons in OnCommand. DoModal shows the dialog through the interaction in
// use and plays the user's actions on it until a handler ends it.
//
//   class CPumpBox : public CDialog {
//    public:
//     explicit CPumpBox(const DialogTemplate& t) : CDialog(t) {}
//     BOOL OnInitDialog() override {
//       CDialog::OnInitDialog();
//       SetDlgItemText(203, "pump");
//       return TRUE;
//     }
//     bool OnCommand(int id, Notification code) override {
//       if (id == 204 && code == Notification::Clicked) { Copy(); return true; }
//       return CDialog::OnCommand(id, code);
//     }
//   };
#include <string>

#include "platform/app_framework.h"
#include "platform/dialog_data.h"

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

using INT_PTR = long;

class CDialog;

// What happened to a control, as its notification to the dialog.
enum class Notification {
  Clicked,     // a button was pressed, a box ticked or cleared
  Changed,     // an edit field's text changed
  SelChanged,  // a list's selection changed
  DoubleClicked,  // a list's row or item was double-clicked (and selected)
};

// One call of DoDataExchange: to the controls (`saveAndValidate` false) or
// from them.
struct CDataExchange {
  CDialog* dialog = nullptr;
  bool saveAndValidate = false;
};

// A control of an open dialog, reached by its id; bound by DDX_Control.
class CDialogItem {
 public:
  virtual ~CDialogItem() = default;
  void Attach(CDialog* dialog, int id) {
    dialog_ = dialog;
    id_ = id;
  }
  int GetDlgCtrlID() const { return id_; }
  bool IsBound() const { return dialog_ != nullptr; }
  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;
  void EnableWindow(bool enable);
  void ShowWindow(bool show);
  // Fonts are accepted and have no effect here.
  void SetFont(const void* font, bool redraw = true) {
    (void)font;
    (void)redraw;
  }

 protected:
  DialogControl* Control() const;

 private:
  CDialog* dialog_ = nullptr;
  int id_ = IDC_STATIC;
};

class CStatic : public CDialogItem {
 public:
  void SetIcon(const ImageHandle& icon);
  void SetBitmap(const ImageHandle& bitmap);
  ImageHandle GetImage() const;
};

class CButton : public CDialogItem {
 public:
  void SetCheck(int check);
  int GetCheck() const;
};

class CEdit : public CDialogItem {
 public:
  // The most characters the user can type into the field.
  void SetLimitText(int limit);
};

// A list box: one text per item; a sorted one (its template says so) puts
// each new item in alphabetical order, without regard to case.
class CListBox : public CDialogItem {
 public:
  // The index of the new item, -1 on failure.
  int AddString(const std::string& text);
  // The number of items left, -1 for a wrong index.
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  std::string GetText(int index) const;
  int GetCurSel() const;  // -1 none
  void SetCurSel(int index);
};

// A drop-down combo box: an edit part (the window text) and a list that
// keeps its items in the order they were added.
class CComboBox : public CDialogItem {
 public:
  int AddString(const std::string& text);
  void ResetContent();
  int GetCount() const;
  std::string GetLBText(int index) const;
  int GetCurSel() const;
  // Selects item `index` and shows it in the edit part; -1 clears the selection.
  void SetCurSel(int index);
};

// A list view in report view (also serves list and combo boxes: one column).
class CListCtrl : public CDialogItem {
 public:
  int InsertColumn(int column, const std::string& title, int format = 0, int width = -1);
  // Inserts a row at `item` (at the end when beyond it) with its first
  // column's text; returns the row's index, -1 on failure.
  int InsertItem(int item, const std::string& text);
  bool SetItemText(int item, int column, const std::string& text);
  std::string GetItemText(int item, int column) const;
  int GetItemCount() const;
  bool DeleteAllItems();
  int GetSelectionMark() const;
  void SetSelectionMark(int item);
  // Colours and styles are accepted; the colour is kept for the record.
  void SetTextColor(COLORREF colour);
  void SetExtendedStyle(unsigned style) { (void)style; }
};

// List-view extended styles.
constexpr unsigned LVS_EX_GRIDLINES = 0x1;
constexpr unsigned LVS_EX_FULLROWSELECT = 0x20;
constexpr unsigned LVS_EX_TWOCLICKACTIVATE = 0x40;
constexpr int LVCFMT_LEFT = 0;

class CDialog {
 public:
  explicit CDialog(const DialogTemplate& dialogTemplate);
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog and returns the code EndDialog gave (IDOK, IDCANCEL).
  INT_PTR DoModal();
  void EndDialog(int result);
  bool IsOpen() const { return open_; }

  // Base: exchanges the data to the controls; TRUE.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
  // Runs DoDataExchange in the given direction.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  // Base: IDOK runs OnOK, IDCANCEL (also the close box) OnCancel. True when
  // the notification was handled.
  virtual bool OnCommand(int id, Notification code);
  virtual void OnOK();
  virtual void OnCancel();
  // The text colour of a control, asked once for each control when the
  // dialog opens; kBaseTextColour keeps the base colour.
  virtual COLORREF OnCtlColor(int id) {
    (void)id;
    return kBaseTextColour;
  }

  // The framework's control calls.
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;
  int IsDlgButtonChecked(int id) const;
  void CheckDlgButton(int id, int check);
  DialogControl* GetDlgItem(int id) { return state_.Find(id); }
  const DialogControl* GetDlgItem(int id) const { return state_.Find(id); }
  void SetForegroundWindow() {}
  void SetFocus() {}

  // The dialog as it stands (for the interactions and tests).
  const DialogState& State() const { return state_; }

 private:
  // Plays one action; false (with the reason) when it cannot be played.
  bool Play(const DialogAction& action, std::string* why);

  const DialogTemplate& template_;
  DialogState state_;
  bool open_ = false;
  int result_ = 0;
};

// Data exchange between a dialog's members and its controls.
void DDX_Control(CDataExchange* dx, int id, CDialogItem& item);
void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
