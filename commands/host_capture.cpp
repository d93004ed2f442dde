// Refreshing the module-wide host object before the context menu opens.
#include "commands/run_kesta.h"
#include "host/command_frame.h"
#include "resources/string_table.h"

namespace {
constexpr CommandFrame kCaptureFrame = {
    .storeHostObject = true,
    .connectAcl = false,
    .switchModuleState = false,  // runs inside its caller's state
    .application = {.box = StringBox(IDS_ACL_FAILED), .result = S_FALSE},
    .hostObject = {.box = StringBox(IDS_ACL_FAILED), .result = S_FALSE},
    .acl = {},
    .work = {},
};
}  // namespace

HRESULT RunKesta::CaptureHostAndCursor() { return RunCommandFrame(kCaptureFrame, nullptr); }
