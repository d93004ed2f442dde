#include "resources/tool_dialogs.h"

#include <map>

#include "platform/interaction.h"

namespace {
DialogControl Control(int id, ControlKind kind, const char* text = "", int group = 0) {
  DialogControl c;
  c.id = id;
  c.kind = kind;
  c.text = text;
  c.group = group;
  return c;
}

DialogTemplate WordFinderTemplate() {
  DialogTemplate t{IDD_WORDFINDER, "KESta WordFinder", 300, 250, {}};
  auto& c = t.controls;
  c.push_back(Control(IDC_STATIC, ControlKind::Static, "Enter term to search for in KESta Dictionaries"));
  c.push_back(Control(IDC_WF_TERM, ControlKind::Edit));
  c.push_back(Control(IDC_STATIC, ControlKind::GroupBox, "Search results "));
  c.push_back(Control(IDC_WF_RESULT, ControlKind::Static));
  c.push_back(Control(IDC_WF_SHOW_WARNINGS, ControlKind::CheckBox, "Show Warnings"));
  c.push_back(Control(IDC_WF_IGNORE_WARNINGS, ControlKind::CheckBox, "Ignore Warnings"));
  c.push_back(Control(IDC_WF_CHANGE, ControlKind::PushButton, "Change"));
  c.push_back(Control(IDC_STATIC, ControlKind::GroupBox, "KESta Version and Dictionaries"));
  c.push_back(Control(IDC_WF_DICTS, ControlKind::Static));
  c.push_back(Control(IDC_WF_USER, ControlKind::Static));
  c.push_back(Control(IDOK, ControlKind::DefaultButton, "&Search ..."));
  c.push_back(Control(IDC_WF_CLEAR, ControlKind::PushButton, "Clear"));
  c.push_back(Control(IDCANCEL, ControlKind::PushButton, "&Close"));
  return t;
}

DialogTemplate VerbSelectTemplate() {
  DialogTemplate t{IDD_VERBSELECT, "KESta Verb Selector", 260, 200, {}};
  auto& c = t.controls;
  c.push_back(Control(3715, ControlKind::GroupBox, "Enter verb below - example balance : Click Search"));
  c.push_back(Control(IDC_VS_COMBO, ControlKind::ComboBox));
  c.push_back(Control(IDC_VS_CLEAR_ENTRY, ControlKind::PushButton, "Clear entry"));
  c.push_back(Control(IDC_VS_SEARCH, ControlKind::PushButton, "Search List"));
  c.push_back(Control(IDC_VS_MOVE, ControlKind::PushButton, "Move entry to clipboard"));
  c.push_back(Control(IDC_STATIC, ControlKind::Static, "Use WordFinder to search for synonyms."));
  c.push_back(Control(372, ControlKind::GroupBox, " "));
  c.push_back(Control(IDC_VS_TO_CLIPBOARD, ControlKind::PushButton, "> Clipboard"));
  c.push_back(Control(IDC_VS_VERB, ControlKind::Edit));
  c.push_back(Control(IDC_VS_CAPS, ControlKind::PushButton, "CAPS"));
  c.push_back(Control(IDC_VS_INIT_LC, ControlKind::PushButton, "Init/lc"));
  c.push_back(Control(IDC_VS_STATUS, ControlKind::Static));
  c.push_back(Control(IDC_STATIC, ControlKind::Static, "Conjugate Verb. Do not add (gerund) -ing."));
  c.push_back(Control(IDOK, ControlKind::DefaultButton, "Close ..."));
  c.push_back(Control(IDCANCEL, ControlKind::PushButton, "Cancel"));
  return t;
}

DialogTemplate MetricTemplate() {
  DialogTemplate t{IDD_METRIC, "Metric Converter Tool", 280, 220, {}};
  auto& c = t.controls;
  c.push_back(Control(IDC_STATIC, ControlKind::Static, "Enter numerical VALUE, for example 462 or 32.25"));
  c.push_back(Control(IDC_MC_VALUE, ControlKind::Edit));
  c.push_back(Control(IDC_MC_CONVERT, ControlKind::PushButton, "Convert"));
  c.push_back(Control(IDC_MC_SELECT_NOTE, ControlKind::Static, "Select Conversion"));
  c.push_back(Control(IDC_MC_LIST, ControlKind::ListBox));
  c.push_back(Control(IDC_MC_COPY_NOTE, ControlKind::Static, "Copy and Paste\nConversion below"));
  c.push_back(Control(IDC_STATIC, ControlKind::GroupBox, ""));
  c.push_back(Control(IDC_MC_RESULT, ControlKind::Edit));
  c.push_back(Control(IDC_MC_CLEAR, ControlKind::PushButton, "Clear Fields"));
  c.push_back(Control(IDCANCEL, ControlKind::PushButton, "Close"));
  return t;
}

DialogTemplate TempwinTemplate() {
  DialogTemplate t{IDD_TEMPWIN, "KESta Temporary Dictionary - Preferences", 400, 330, {}};
  auto& c = t.controls;
  c.push_back(Control(IDC_TD_HEADING, ControlKind::Static, "Suggest a new TERM or SYNONYM"));
  c.push_back(Control(IDC_TD_TERM, ControlKind::Edit));
  constexpr int kKinds = 1;
  c.push_back(Control(345, ControlKind::RadioButton, "Noun with +s plural", kKinds));
  c.push_back(Control(346, ControlKind::RadioButton, "Noun Nomenclature +s plural", kKinds));
  c.push_back(Control(324, ControlKind::RadioButton, "Noun - Proper Name, Mark", kKinds));
  c.push_back(Control(347, ControlKind::RadioButton, "Noun -  PLURAL ONLY", kKinds));
  c.push_back(Control(348, ControlKind::RadioButton, "Noun - SINGULAR ONLY", kKinds));
  c.push_back(Control(349, ControlKind::RadioButton, "Adjective - Common", kKinds));
  c.push_back(Control(350, ControlKind::RadioButton, "Abbreviation - Long+Short", kKinds));
  c.push_back(Control(351, ControlKind::RadioButton, "Phrase - Technical Expression", kKinds));
  c.push_back(Control(352, ControlKind::RadioButton, "Computer Command or Label", kKinds));
  c.push_back(Control(353, ControlKind::RadioButton, "SUGGEST A NEW SYNONYM", kKinds));
  c.push_back(Control(IDC_TD_ADD, ControlKind::PushButton, "Add Term to List"));
  c.push_back(Control(IDC_TD_COUNT, ControlKind::Static));
  c.push_back(Control(IDC_TD_LIST, ControlKind::ListBox));
  c.back().sorted = true;
  c.push_back(Control(IDC_TD_REMOVE_NOTE, ControlKind::Static, "Double-click to remove an entry."));
  c.push_back(Control(IDC_TD_PRINT, ControlKind::PushButton, "Print a List of Terms"));
  c.push_back(Control(IDC_STATIC, ControlKind::GroupBox, "Settings to include or exclude tags for legal warnings. "));
  constexpr int kWarnings = 2;
  c.push_back(Control(IDC_TD_SHOW_WARNINGS, ControlKind::RadioButton, "ALWAYS Check Legal WARNINGS:", kWarnings));
  c.push_back(Control(IDC_TD_HIDE_WARNINGS, ControlKind::RadioButton, "DO NOT Check Legal Warnings:", kWarnings));
  c.push_back(Control(IDC_TD_RECORD, ControlKind::PushButton, "Record Setting"));
  c.push_back(Control(IDC_STATIC, ControlKind::GroupBox, " Select Local or Network Dictionaries"));
  c.push_back(Control(IDC_TD_NETWORK_PATH, ControlKind::Static, "(Network path to Dictionaries)"));
  c.push_back(Control(IDC_TD_SELECT_NETWORK, ControlKind::PushButton, "Select Network Path"));
  c.push_back(Control(IDC_TD_LOCAL_PATH, ControlKind::Static, "(Local path to dictionaries)"));
  c.push_back(Control(IDC_TD_RESET_PATH, ControlKind::PushButton, "Reset Path (Local PC)"));
  c.push_back(Control(IDC_STATIC, ControlKind::GroupBox, "Name and Path to Temp. Dictionary"));
  c.push_back(Control(IDC_TD_DICT_DIR, ControlKind::Static, "(Hello)"));
  c.push_back(Control(IDC_TD_FILE_NAME, ControlKind::Static, "(Hello)"));
  c.push_back(Control(IDC_TD_CLOSE, ControlKind::PushButton, "Close ..."));
  return t;
}

const std::map<unsigned, DialogTemplate>& Templates() {
  static const std::map<unsigned, DialogTemplate> templates = {
      {IDD_WORDFINDER, WordFinderTemplate()},
      {IDD_VERBSELECT, VerbSelectTemplate()},
      {IDD_METRIC, MetricTemplate()},
      {IDD_TEMPWIN, TempwinTemplate()},
  };
  return templates;
}
}  // namespace

const DialogTemplate& ToolDialogTemplate(unsigned id) {
  static const DialogTemplate empty;
  auto it = Templates().find(id);
  return it == Templates().end() ? empty : it->second;
}
