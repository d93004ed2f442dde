// The help dialog and the edit window's title.
#include <cstdlib>

#include "commands/command_work.h"
#include "commands/frame_handlers.h"
#include "commands/session_channel.h"
#include "engine/word_rec.h"
#include "host/acl_bridge.h"
#include "module/app_settings.h"
#include "module/help_launcher.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"

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
  // The title is the file's name: it is escaped, and a long one is cut so
  // that the command keeps its closing quote.
  constexpr std::string_view kSet = "window_set(\"edit\",\"title\",\"\");";
  BoundedText<256> command;
  command.assign("window_set(\"edit\",\"title\"," +
                 AclString(title.view(), BoundedText<256>::kMaxLength - kSet.size()) + ");");
  host.Execute(command.str());
  return S_OK;
}

namespace {
constexpr CommandFrame kGetKestaHelpFrame = {
    .application = {.box = TextBox("Error(98) Problem in Find KESta class(4)"), .result = S_FALSE},
    .hostObject = {.box = TextBox("Error(98) Problem in Find KESta class(3)"), .result = S_FALSE},
    .acl = {.box = TextBox("Error(98) Problem in Find KESta class(2)"), .result = S_FALSE},
    .work = {.box = TextBox("Error(98) Problem in Find KESta class(1)"), .result = S_FALSE},
};

constexpr CommandFrame kChangeEditWinTitleFrame = {
    .storeHostObject = true,
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = {.box = TextBox("Error(67) Can not set the File Name"), .result = S_FALSE},
};
}  // namespace

HRESULT RunKesta::GetKestaHelp() {
  return RunWorkWithSelf(kGetKestaHelpFrame, this, GetKestaHelpWork);
}
HRESULT RunKesta::ChangeEditWinTitle() {
  return RunWork(kChangeEditWinTitleFrame, ChangeEditWinTitleWork);
}
