// The document check, its body reading and the marking, with their frames.
#include "commands/frame_handlers.h"
#include "commands/run_kesta.h"
#include "commands/session_channel.h"

namespace {
constexpr CommandFrame kProcessKestaFrame = {
    .storeHostObject = true,
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = {.box = TextBox("Error(67) Open a file, then use KESta", "KESta Error"), .result = S_FALSE},
};

// The body reading stays silent when the host fails: the check then reports
// that no start tag was found.
constexpr CommandFrame kGetDocStartFrame = {
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kMarkingEngineFrame = {
    .storeHostObject = true,
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = AclFailed(S_FALSE),
};
}  // namespace

HRESULT RunKesta::ProcessKesta() {
  return RunWorkWithSelf(kProcessKestaFrame, this, ProcessKestaWork);
}
HRESULT RunKesta::GetDocStart() { return RunWork(kGetDocStartFrame, GetDocStartWork); }
HRESULT RunKesta::MarkingEngine() { return RunWork(kMarkingEngineFrame, MarkingEngineWork); }
