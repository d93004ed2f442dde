#include "resources/quality_dialogs.h"

#include <map>

#include "platform/interaction.h"

namespace {
DialogControl Control(int id, ControlKind kind, const char* text = "") {
  DialogControl c;
  c.id = id;
  c.kind = kind;
  c.text = text;
  return c;
}

DialogTemplate SigboxTemplate() {
  DialogTemplate t{IDD_SIGBOX, "KESta Six Sigma-  Quality Report", 420, 330, {}};
  auto& c = t.controls;
  c.push_back(Control(IDOK, ControlKind::DefaultButton, "Write Six Sigma file"));
  c.push_back(Control(IDCANCEL, ControlKind::PushButton, "Close ..."));
  c.push_back(Control(IDC_CLASS_LIST, ControlKind::ListView));
  c.push_back(Control(IDC_RATING_TEXT, ControlKind::Static));
  c.push_back(Control(IDC_STATIC, ControlKind::Static,
                      "Print NOT FOUND word list. Use Lexicon Manager to add  terms."));
  c.push_back(Control(IDC_NOT_FOUND_LIST, ControlKind::ListView));
  c.push_back(Control(IDC_NOT_FOUND_RESULT, ControlKind::Static));
  c.push_back(Control(IDC_PRINT_NOT_FOUND, ControlKind::PushButton, "Print Not Found report"));
  for (int id = IDC_LEVEL_ICON_FIRST; id < IDC_LEVEL_ICON_FIRST + 6; ++id)
    c.push_back(Control(id, ControlKind::Picture));
  c.push_back(Control(IDC_RATING_ICON, ControlKind::Picture));
  c.push_back(Control(IDC_RED_NOTE, ControlKind::Static));
  c.push_back(Control(IDC_SIGMA_RESULT, ControlKind::Static));
  c.push_back(Control(IDC_SUMMARY, ControlKind::Static));
  c.push_back(Control(IDC_REPORT_HINT, ControlKind::Static));
  return t;
}

DialogTemplate TrafficTemplate(unsigned id, int picture, unsigned bitmap, int levelText, int height) {
  DialogTemplate t{id, "KESta - Quality Traffic Light", 131, height, {}};
  auto& c = t.controls;
  c.push_back(Control(picture, ControlKind::Picture));
  c.back().image = LoadBitmapResource(bitmap);
  c.push_back(Control(levelText, ControlKind::Static));
  c.push_back(Control(IDC_TRAFFIC_DATE, ControlKind::Static));
  c.push_back(Control(IDC_TRAFFIC_AUTHOR, ControlKind::Static));
  c.push_back(Control(IDC_STATIC, ControlKind::Static, "(A QA tag added to this document.)"));
  c.push_back(Control(IDOK, ControlKind::DefaultButton, "Print Report"));
  c.push_back(Control(IDCANCEL, ControlKind::PushButton, "Close ..."));
  return t;
}

const std::map<unsigned, DialogTemplate>& Templates() {
  static const std::map<unsigned, DialogTemplate> templates = {
      {IDD_SIGBOX, SigboxTemplate()},
      {IDD_TRAFFIC_GREEN, TrafficTemplate(IDD_TRAFFIC_GREEN, 368, IDB_LIGHT_GREEN, 374, 158)},
      {IDD_TRAFFIC_AMBER, TrafficTemplate(IDD_TRAFFIC_AMBER, 370, IDB_LIGHT_AMBER, 377, 160)},
      {IDD_TRAFFIC_RED, TrafficTemplate(IDD_TRAFFIC_RED, 369, IDB_LIGHT_RED, 379, 160)},
      {IDD_TRAFFIC_BLUE, TrafficTemplate(IDD_TRAFFIC_BLUE, 384, IDB_LIGHT_BLUE, 383, 159)},
  };
  return templates;
}

const std::map<unsigned, const char*>& IconNames() {
  static const std::map<unsigned, const char*> names = {
      {IDI_LEVEL_GOOD, "green level mark"},
      {IDI_LEVEL_LOW, "orange level mark"},
      {IDI_RATING_POOR, "rating POOR (red face)"},
      {IDI_RATING_EXCELLENT, "rating EXCELLENT (green face, two thumbs up)"},
      {IDI_RATING_VERY_GOOD, "rating VERY GOOD (green face)"},
      {IDI_RATING_AVERAGE, "rating AVERAGE (amber face)"},
      {IDI_RATING_BELOW_AVERAGE, "rating BELOW AVERAGE (amber face, frowning)"},
      {IDI_RATING_FAIR, "rating FAIR (red face, frowning)"},
  };
  return names;
}

const std::map<unsigned, const char*>& BitmapNames() {
  static const std::map<unsigned, const char*> names = {
      {IDB_LIGHT_GREEN, "traffic light, green lamp lit"},
      {IDB_LIGHT_RED, "traffic light, red lamp lit"},
      {IDB_LIGHT_AMBER, "traffic light, amber lamp lit"},
      {IDB_LIGHT_BLUE, "traffic light, blue lamp lit"},
      {397, "Convert: a ruler and a scale with an arrow between them"},
  };
  return names;
}

ImageHandle Find(const std::map<unsigned, const char*>& names, unsigned id) {
  auto it = names.find(id);
  return it == names.end() ? ImageHandle{} : ImageHandle{id, it->second};
}
}  // namespace

const DialogTemplate& QualityDialogTemplate(unsigned id) {
  static const DialogTemplate empty;
  auto it = Templates().find(id);
  return it == Templates().end() ? empty : it->second;
}

ImageHandle LoadIconResource(unsigned id) { return Find(IconNames(), id); }

ImageHandle LoadBitmapResource(unsigned id) { return Find(BitmapNames(), id); }
