#include "module/help_launcher.h"

#include "module/app_settings.h"
#include "platform/interaction.h"

bool IsShiftedHelpTopic(unsigned id) { return id <= 33 || (id >= 35 && id <= 39) || id == 44; }

void ShowHelpTopic(unsigned contextId) {
  if (Settings.app.helpFile.length() < 16) {
    ShowMessageBox("Error(72) Reload the KestaHelp.chm and support files.", "Missing KESta Help",
                   MB_ICONERROR);
    return;
  }
  if (IsShiftedHelpTopic(contextId)) contextId += 1000;
  // The help opens beside the editor; the editor's window keeps its own place
  // in the stacking order (it is not made topmost).
  CurrentInteraction().ShowHelp(Settings.app.helpFile.str(), contextId);
}
