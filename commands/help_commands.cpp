// The help dialog, the edit window's title and the tag display.
#include <cstdlib>

#include "commands/command_work.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"

namespace {
// Context ids of the help that are shifted into the help file's own range.
bool IsShiftedTopic(unsigned id) { return id <= 33 || (id >= 35 && id <= 39) || id == 44; }
}  // namespace

HRESULT GetKestaHelpWork(HostChannel& host, CommandCalls& self) {
  int button = std::atoi(host.Evaluate("response(\"Find KESta message, User Guide and Help.\", "
                                       "'&Next KESta', '&User Guide', '&Online Help', '&Cancel')")
                             .c_str());
  switch (button) {
    case 1: {
      Cursor.CurrentOid.clear();
      BoundedText<16> tag(host.Evaluate("oid_current_tag(0)"));
      Cursor.CurrentOid = tag.view();
      if (tag.length() >= 6 && self.FindKesta() == S_FALSE)
        SendStatus(host, "KESta Search complete. NO Message found.");
      break;
    }
    case 2:
      CurrentInteraction().ShellOpen(Settings.app.userGuideFile.str());
      break;
    case 3:
      ShowHelpTopic(1);
      break;
    default:
      break;
  }
  return S_OK;
}

HRESULT ChangeEditWinTitleWork(HostChannel& host) {
  BoundedText<256> title(host.Evaluate("window_get(\"edit\",\"title\")"));
  title.append(" :: KESta - Active");
  BoundedText<256> command;
  command.format("window_set(\"edit\",\"title\",\"%s\");", title.c_str());
  host.Execute(command.str());
  return S_OK;
}

HRESULT FullTagsWork(HostChannel& host) {
  host.Execute("set tagdisplay=full;");
  return S_OK;
}

void ShowHelpTopic(unsigned contextId) {
  if (Settings.app.helpFile.length() < 16) {
    ShowMessageBox("Error(72) Reload the KestaHelp.chm and support files.", "Missing KESta Help",
                   MB_ICONERROR);
    return;
  }
  if (IsShiftedTopic(contextId)) contextId += 1000;
  // The help opens beside the editor; the editor's window keeps its own
  // place in the stacking order.
  CurrentInteraction().ShowHelp(Settings.app.helpFile.str(), contextId);
}
