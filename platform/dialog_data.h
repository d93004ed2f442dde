#pragma once
// A modal dialog as data: its template (caption, controls with ids, kinds
// and texts), the live state of its controls while it is open (texts, list
// rows, check marks, the icon or bitmap each picture shows), and what the
// user does to it (clicks, typed text, selections, ticks). The console
// prints this state and reads the actions from the command line or a
// terminal; the tests' interaction records it and plays queued actions.
#include <cstdint>
#include <string>
#include <vector>

// The id of a control that has none (a fixed text).
constexpr int IDC_STATIC = -1;

enum class ControlKind {
  PushButton,
  DefaultButton,  // the push button that Enter presses
  Static,         // a line or block of text
  Picture,        // a static that shows an icon or a bitmap
  Edit,
  CheckBox,
  RadioButton,
  ListView,       // a report-view list: columns and rows
  ListBox,
  ComboBox,
  GroupBox,
};

// An icon or bitmap of the module's resources, by id; the name says what
// the picture shows.
struct ImageHandle {
  unsigned id = 0;
  std::string name;
  bool IsNull() const { return id == 0; }
};

struct ListColumn {
  std::string title;
  int width = 0;  // pixels
};

// RGB(r, g, b) as the system writes colours.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr COLORREF kBaseTextColour = 0xFF000000u;  // "not set"

struct DialogControl {
  int id = IDC_STATIC;
  ControlKind kind = ControlKind::Static;
  std::string text;  // caption of a button, text of a static or edit field
  // List views: columns and rows (one text per column); list and combo
  // boxes: items (one text each, in `rows[i][0]`).
  std::vector<ListColumn> columns;
  std::vector<std::vector<std::string>> rows;
  int selected = -1;        // selected row or item; -1 none
  bool checked = false;     // check boxes and radio buttons
  bool enabled = true;
  bool visible = true;
  ImageHandle image;        // what a picture shows
  COLORREF textColour = kBaseTextColour;  // accepted; the console ignores it
  int group = 0;            // radio buttons of one group share a number
  bool sorted = false;      // a list box that keeps its items in alphabetical order
  int textLimit = 0;        // an edit field's most characters the user can type; 0 none
};

struct DialogTemplate {
  unsigned id = 0;
  std::string caption;
  int width = 0;   // dialog units
  int height = 0;
  std::vector<DialogControl> controls;
};

// The dialog while it is open.
struct DialogState {
  unsigned id = 0;
  std::string caption;
  std::vector<DialogControl> controls;

  DialogControl* Find(int controlId);
  const DialogControl* Find(int controlId) const;
};

// One thing the user does to an open dialog.
struct DialogAction {
  enum Kind {
    Click,   // presses button `control` (a check box toggles, a radio button is set)
    Type,    // replaces the text of edit or combo field `control` with `text`
    Select,  // selects row or item `index` (from 0; -1 none) of list `control`
    Tick,    // ticks check box `control`
    Untick,  // clears it
    Close,   // the window's close box: the dialog's Cancel
    DoubleClick,  // double-clicks row or item `index` of list `control` (selecting it)
    Folder,  // the answer to a folder picker: `text`, empty for Cancel
  };
  Kind kind = Close;
  int control = 0;
  int index = -1;
  std::string text;
  // A Close nobody asked for (no action left, nobody to ask): a dialog that
  // stays open after it is closed for good.
  bool dismissed = false;

  static DialogAction Dismissed() {
    DialogAction a;
    a.dismissed = true;
    return a;
  }
};

// Parses "click 1", "type 203 pump valve", "select 248 2" (rows and items
// count from 1 as the console shows them; "select ID TEXT" selects the item
// with that text), "dblclick 371 2" (or "dblclick ID TEXT"), "tick 5",
// "untick 5", "close", "folder PATH". False with a message for anything else.
bool ParseDialogAction(const std::string& text, DialogAction* action, std::string* error);
// The action written back as text in that form.
std::string DialogActionText(const DialogAction& action);

// The dialog as lines of text: caption, then each visible control with its
// id, kind and text; list views as tables with numbered rows; the picture
// each picture control shows.
std::vector<std::string> DescribeDialog(const DialogState& dialog);
