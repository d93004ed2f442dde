// Switching the host's tag display to full tags.
#include "commands/run_kesta.h"
#include "host/command_frame.h"
#include "resources/string_table.h"

namespace {
constexpr CommandFrame kFullTagsFrame = {
    .application = {.box = StringBox(IDS_ACL_FAILED), .result = S_OK},
    .hostObject = {.box = StringBox(IDS_ACL_FAILED), .result = S_OK},
    .acl = {.box = NoBox(), .result = S_OK},
    .work = {.box = NoBox(), .result = S_FALSE},
};
}  // namespace

HRESULT RunKesta::FullTags() {
  return RunCommandFrame(kFullTagsFrame, [](HostSession& host) {
    host.Execute("set tagdisplay=full;");
    return S_OK;
  });
}
