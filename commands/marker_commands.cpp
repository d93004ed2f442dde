// The marker search, walk and removal commands, with their frames.
#include "commands/frame_handlers.h"
#include "commands/run_kesta.h"
#include "commands/session_channel.h"
#include "resources/string_table.h"

namespace {
// A check must not go on to remove markers when the search could not even
// connect: FindKesta then answers S_FALSE.
constexpr CommandFrame kFindKestaFrame = {
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kFindNextKestaFrame = {
    .application = {.box = StringBox(IDS_DOCUMENT_MODE_POSITION_4), .result = S_OK},
    .hostObject = {.box = StringBox(IDS_DOCUMENT_MODE_POSITION_3), .result = S_OK},
    .acl = {.box = StringBox(IDS_DOCUMENT_MODE_POSITION_2), .result = S_OK},
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kTreeWalkerFrame = {
    .application = AclFailed(S_OK),
    .hostObject = AclFailed(S_OK),
    .acl = AclFailed(S_OK),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kRemoveAllMarkersFrame = {
    .application = {.box = StringBox(IDS_DOCUMENT_MODE_POSITION_4), .result = S_FALSE},
    .hostObject = {.box = StringBox(IDS_DOCUMENT_MODE_POSITION_3), .result = S_FALSE},
    .acl = {.box = StringBox(IDS_DOCUMENT_MODE_POSITION_2), .result = S_FALSE},
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kRemoveMarksFrame = {
    .application = AclFailed(S_OK),
    .hostObject = AclFailed(S_OK),
    .acl = AclFailed(S_OK),
    .work = Silent(S_OK),
};

constexpr CommandFrame kRemoveKestaMarkersFrame = {
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = AclFailed(S_FALSE),
};

constexpr CommandFrame kRemoveKestaPiFrame = {
    .application = AclFailed(S_OK),
    .hostObject = AclFailed(S_OK),
    .acl = AclFailed(S_OK),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kRemoveMessageFrame = {
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kCloseKestaFrame = {
    .storeHostObject = true,
    .application = {.box = TextBox("Error(52) Blank File: CloseKesta"), .result = S_OK},
    .hostObject = {.box = TextBox("Error(52) Blank File: CloseKesta"), .result = S_OK},
    .acl = {.box = TextBox("Error(51) CloseKesta"), .result = S_OK},
    .work = Silent(S_OK),
};
}  // namespace

HRESULT RunKesta::FindKesta() { return RunWork(kFindKestaFrame, FindKestaWork); }
HRESULT RunKesta::FindNextKesta() {
  return RunWorkWithSelf(kFindNextKestaFrame, this, FindNextKestaWork);
}
HRESULT RunKesta::TreeWalker() { return RunWork(kTreeWalkerFrame, TreeWalkerWork); }
HRESULT RunKesta::RemoveAllMarkers() {
  return RunWork(kRemoveAllMarkersFrame, RemoveAllMarkersWork);
}
HRESULT RunKesta::RemoveMarks() { return RunWork(kRemoveMarksFrame, RemoveMarksWork); }
HRESULT RunKesta::RemoveKestaMarkers() {
  return RunWorkWithSelf(kRemoveKestaMarkersFrame, this, RemoveKestaMarkersWork);
}
HRESULT RunKesta::RemoveKestaPi() { return RunWork(kRemoveKestaPiFrame, RemoveKestaPiWork); }
HRESULT RunKesta::RemoveMessage() { return RunWork(kRemoveMessageFrame, RemoveMessageWork); }

HRESULT RunKesta::CloseKesta() {
  // The results of the last check go first, whatever happens later.
  CloseKestaForget();
  return RunWorkWithSelf(kCloseKestaFrame, this, CloseKestaWork);
}
