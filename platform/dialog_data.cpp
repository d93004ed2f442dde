#include "platform/dialog_data.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

DialogControl* DialogState::Find(int controlId) {
  for (DialogControl& c : controls)
    if (c.id == controlId && controlId != IDC_STATIC) return &c;
  return nullptr;
}

const DialogControl* DialogState::Find(int controlId) const {
  return const_cast<DialogState*>(this)->Find(controlId);
}

namespace {
bool ParseNumber(const std::string& text, int* out) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  *out = static_cast<int>(v);
  return true;
}

// Splits off the first word of `rest` (blanks before it skipped); `rest`
// keeps what follows the single blank after it.
std::string TakeWord(std::string* rest) {
  std::size_t start = rest->find_first_not_of(' ');
  if (start == std::string::npos) {
    rest->clear();
    return {};
  }
  std::size_t end = rest->find(' ', start);
  std::string word = rest->substr(start, end == std::string::npos ? std::string::npos : end - start);
  *rest = end == std::string::npos ? std::string() : rest->substr(end + 1);
  return word;
}
}  // namespace

bool ParseDialogAction(const std::string& text, DialogAction* action, std::string* error) {
  std::string rest = text;
  std::string verb = TakeWord(&rest);
  DialogAction a;
  if (verb == "close") {
    if (rest.find_first_not_of(' ') != std::string::npos) {
      *error = "close takes nothing else";
      return false;
    }
    a.kind = DialogAction::Close;
    *action = a;
    return true;
  }
  if (verb == "folder") {
    a.kind = DialogAction::Folder;
    a.text = rest;
    *action = a;
    return true;
  }
  if (verb == "click")
    a.kind = DialogAction::Click;
  else if (verb == "type")
    a.kind = DialogAction::Type;
  else if (verb == "select")
    a.kind = DialogAction::Select;
  else if (verb == "dblclick")
    a.kind = DialogAction::DoubleClick;
  else if (verb == "tick")
    a.kind = DialogAction::Tick;
  else if (verb == "untick")
    a.kind = DialogAction::Untick;
  else {
    *error = "unknown dialog action '" + verb +
             "' (click ID, type ID TEXT, select ID N, dblclick ID N, tick ID, untick ID, close, folder PATH)";
    return false;
  }
  std::string idText = TakeWord(&rest);
  if (!ParseNumber(idText, &a.control)) {
    *error = verb + " needs a control id, not '" + idText + "'";
    return false;
  }
  switch (a.kind) {
    case DialogAction::Type:
      a.text = rest;
      break;
    case DialogAction::Select:
    case DialogAction::DoubleClick: {
      if (rest.empty()) {
        *error = verb + " needs a row number or an item's text";
        return false;
      }
      int n = 0;
      if (ParseNumber(rest, &n)) {
        if (n < 0 || (n == 0 && a.kind == DialogAction::DoubleClick)) {
          *error = a.kind == DialogAction::Select ? "select needs a row number from 1 (0 selects none)"
                                                  : "dblclick needs a row number from 1";
          return false;
        }
        a.index = n - 1;
      } else {
        a.text = rest;
      }
      break;
    }
    default:
      if (rest.find_first_not_of(' ') != std::string::npos) {
        *error = verb + " takes only a control id";
        return false;
      }
  }
  *action = a;
  return true;
}

std::string DialogActionText(const DialogAction& a) {
  std::string id = std::to_string(a.control);
  switch (a.kind) {
    case DialogAction::Click: return "click " + id;
    case DialogAction::Type: return "type " + id + " " + a.text;
    case DialogAction::Select:
      return "select " + id + " " + (a.text.empty() ? std::to_string(a.index + 1) : a.text);
    case DialogAction::DoubleClick:
      return "dblclick " + id + " " + (a.text.empty() ? std::to_string(a.index + 1) : a.text);
    case DialogAction::Tick: return "tick " + id;
    case DialogAction::Untick: return "untick " + id;
    case DialogAction::Folder: return "folder " + a.text;
    case DialogAction::Close: break;
  }
  return "close";
}

namespace {
const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultButton: return "button";
    case ControlKind::Static: return "text";
    case ControlKind::Picture: return "picture";
    case ControlKind::Edit: return "edit";
    case ControlKind::CheckBox: return "check";
    case ControlKind::RadioButton: return "radio";
    case ControlKind::ListView: return "list";
    case ControlKind::ListBox: return "listbox";
    case ControlKind::ComboBox: return "combo";
    case ControlKind::GroupBox: return "group";
  }
  return "control";
}

// Line ends inside a text continue on an indented line.
std::string Quoted(const std::string& text, const std::string& indent) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\n' || c == '\r')
      out += "\n" + indent;
    else
      out += c;
  }
  return out + "\"";
}

std::string Row(const std::vector<std::string>& cells) {
  std::string out = "|";
  for (const std::string& c : cells) out += " " + c + " |";
  return out;
}
}  // namespace

std::vector<std::string> DescribeDialog(const DialogState& d) {
  std::vector<std::string> lines;
  lines.push_back(d.caption);
  for (const DialogControl& c : d.controls) {
    if (!c.visible) continue;
    std::string head = std::string("  ") + KindName(c.kind);
    if (c.id != IDC_STATIC) head += " " + std::to_string(c.id);
    std::string line = head;
    switch (c.kind) {
      case ControlKind::Picture:
        line += c.image.IsNull() ? ": (empty)"
                                 : ": " + std::to_string(c.image.id) +
                                       (c.image.name.empty() ? "" : " " + c.image.name);
        break;
      case ControlKind::CheckBox:
      case ControlKind::RadioButton:
        line += std::string(c.checked ? " [x] " : " [ ] ") + Quoted(c.text, "      ");
        break;
      case ControlKind::ListView:
      case ControlKind::ListBox:
      case ControlKind::ComboBox: {
        if (c.kind == ControlKind::ComboBox) line += " " + Quoted(c.text, "      ");
        line += ":";
        if (!c.enabled) line += " (greyed)";
        lines.push_back(line);
        if (!c.columns.empty()) {
          std::vector<std::string> titles;
          for (const ListColumn& col : c.columns) titles.push_back(col.title);
          lines.push_back("      " + Row(titles));
        }
        for (std::size_t r = 0; r < c.rows.size(); ++r)
          lines.push_back("    " + std::to_string(r + 1) + (static_cast<int>(r) == c.selected ? "*" : " ") +
                          " " + Row(c.rows[r]));
        if (c.rows.empty()) lines.push_back("    (no rows)");
        continue;
      }
      default:
        line += " " + Quoted(c.text, "      ");
    }
    if (c.kind == ControlKind::DefaultButton) line += " (default)";
    if (!c.enabled) line += " (greyed)";
    lines.push_back(line);
  }
  return lines;
}
