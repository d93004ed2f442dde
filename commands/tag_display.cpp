// Switching the host's tag display to full tags.
#include "commands/frame_handlers.h"
#include "commands/run_kesta.h"

namespace {
constexpr CommandFrame kFullTagsFrame = {
    .application = AclFailed(S_OK),
    .hostObject = AclFailed(S_OK),
    .acl = Silent(S_OK),
    .work = Silent(S_FALSE),
};
}  // namespace

HRESULT RunKesta::FullTags() {
  return RunCommandFrame(kFullTagsFrame, [](HostSession& host) {
    host.Execute("set tagdisplay=full;");
    return S_OK;
  });
}
