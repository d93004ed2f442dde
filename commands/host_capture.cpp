// Refreshing the module-wide host object before the context menu opens.
#include "commands/frame_handlers.h"
#include "commands/run_kesta.h"

namespace {
constexpr CommandFrame kCaptureFrame = {
    .storeHostObject = true,
    .connectAcl = false,
    .switchModuleState = false,  // runs inside its caller's state
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = {},
    .work = {},
};
}  // namespace

HRESULT RunKesta::CaptureHostAndCursor() { return RunCommandFrame(kCaptureFrame, nullptr); }
