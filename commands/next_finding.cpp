// The next-finding key: the host's search options for stepping through the
// markers; the host's own search does the stepping.
#include "commands/finding_work.h"

HRESULT CallNextKestaWork(HostChannel& host) {
  try {
    for (const char* option :
         {"set extendselection=off", "set tagscan=on", "set pendingdelete=off", "set wrapscan=on",
          "set selectscan=on", "set docmapcurrenttag=off", "set RevertFocus=on",
          "set messagelocation=statusbar", "set saverenames=off"})
      host.Execute(option);
  } catch (const _com_error&) {
    // Silent: the settings not sent yet are skipped.
  }
  return S_OK;
}
