// The quality score and the traffic light, with their frames.
#include "commands/frame_handlers.h"
#include "commands/run_kesta.h"
#include "commands/session_channel.h"
#include "quality/quality_commands.h"

namespace {
constexpr FrameHandler DocumentModeFailed(HRESULT result) {
  return {.box = StringBox(IDS_ACL_DOCUMENT_MODE), .result = result};
}

constexpr CommandFrame kSixsigmaReadFrame = {
    .storeHostObject = true,
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = DocumentModeFailed(S_FALSE),
};

// The traffic light holds its own connection for the call only, so that
// the quality score that calls it keeps its own.
constexpr CommandFrame kTrafficLightFrame = {
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = DocumentModeFailed(S_FALSE),
};
}  // namespace

HRESULT RunKesta::SixsigmaRead() {
  return RunCommandFrame(kSixsigmaReadFrame, [this](HostSession& session) {
    SessionChannel host(session);
    SelfCalls self(this);
    return SixsigmaReadWork(host, self, [this] { return TrafficLight(); });
  });
}

HRESULT RunKesta::TrafficLight() { return RunWork(kTrafficLightFrame, TrafficLightWork); }
