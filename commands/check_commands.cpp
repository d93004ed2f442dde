// The document check, its body reading and the marking, with their frames.
#include "commands/run_kesta.h"
#include "commands/session_channel.h"
#include "resources/string_table.h"

namespace {
constexpr FrameHandler kAclFailed = {.box = StringBox(IDS_ACL_FAILED), .result = S_FALSE};

constexpr CommandFrame kProcessKestaFrame = {
    .storeHostObject = true,
    .application = kAclFailed,
    .hostObject = kAclFailed,
    .acl = kAclFailed,
    .work = {.box = TextBox("Error(67) Open a file, then use KESta", "KESta Error"), .result = S_FALSE},
};

// The body reading stays silent when the host fails: the check then reports
// that no start tag was found.
constexpr CommandFrame kGetDocStartFrame = {
    .application = kAclFailed,
    .hostObject = kAclFailed,
    .acl = kAclFailed,
    .work = {.box = NoBox(), .result = S_FALSE},
};

constexpr CommandFrame kMarkingEngineFrame = {
    .storeHostObject = true,
    .application = kAclFailed,
    .hostObject = kAclFailed,
    .acl = kAclFailed,
    .work = kAclFailed,
};
}  // namespace

HRESULT RunKesta::ProcessKesta() {
  return RunCommandFrame(kProcessKestaFrame, [this](HostSession& session) {
    SessionChannel host(session);
    SelfCalls self(this);
    return ProcessKestaWork(host, self);
  });
}

HRESULT RunKesta::GetDocStart() {
  return RunCommandFrame(kGetDocStartFrame, [](HostSession& session) {
    SessionChannel host(session);
    return GetDocStartWork(host);
  });
}

HRESULT RunKesta::MarkingEngine() {
  return RunCommandFrame(kMarkingEngineFrame, [](HostSession& session) {
    SessionChannel host(session);
    return MarkingEngineWork(host);
  });
}
