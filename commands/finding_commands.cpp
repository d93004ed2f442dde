// The selection check, showing a finding, its context menu and the
// next-finding command, with their frames.
#include "commands/finding_work.h"
#include "commands/frame_handlers.h"
#include "commands/menu_line.h"
#include "commands/run_kesta.h"
#include "commands/selection_passes.h"
#include "commands/session_channel.h"
#include "platform/app_framework.h"

namespace {
constexpr FrameHandler ShowMeBox(const char* text) {
  return {.box = TextBox(text, "KESta Error"), .result = S_FALSE};
}

constexpr CommandFrame kSelectElementFrame = {
    .storeHostObject = true,
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = {.box = TextBox("Error(67) ACL Error in top block."), .result = S_FALSE},
};

// The work's own failures are handled inside it (their boxes differ by
// step); the frame's work handler only ends the command.
constexpr CommandFrame kShowMeFrame = {
    .application = ShowMeBox("Error(97) Report Problem in ShowMe class(3)"),
    .hostObject = ShowMeBox("Error(98) Report Problem in ShowMe class(2)"),
    .acl = ShowMeBox("Error(99) Report Problem in ShowMe class(1)"),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kShowContextFrame = {
    .storeHostObject = true,
    .application = AclFailed(S_FALSE),
    .hostObject = AclFailed(S_FALSE),
    .acl = AclFailed(S_FALSE),
    .work = Silent(S_FALSE),
};

// The menu fails silently; its caller ignores the answer.
constexpr CommandFrame kDisplayCmenuFrame = {
    .application = Silent(S_FALSE),
    .hostObject = Silent(S_FALSE),
    .acl = Silent(S_FALSE),
    .work = Silent(S_FALSE),
};

constexpr CommandFrame kCallNextKestaFrame = {
    .application = Silent(S_OK),
    .hostObject = Silent(S_OK),
    .acl = Silent(S_OK),
    .work = Silent(S_OK),
};

// Calls go through the object's own method table.
class SelfFindingCalls final : public FindingCalls {
 public:
  explicit SelfFindingCalls(RunKesta* self) : self_(self) {}
  HRESULT CaptureHostAndCursor() override { return self_->CaptureHostAndCursor(); }
  HRESULT DisplayCmenu(int menuMode) override { return self_->DisplayCmenu(menuMode); }
  HRESULT CLoadMenu() override { return self_->CLoadMenu(); }
  HRESULT RemoveAllMarkers() override { return self_->RemoveAllMarkers(); }

 private:
  RunKesta* self_;
};

// Runs a work that calls the object's finding methods.
HRESULT RunFindingWork(const CommandFrame& frame, RunKesta* object,
                       HRESULT (*work)(HostChannel&, FindingCalls&)) {
  return RunCommandFrame(frame, [object, work](HostSession& session) {
    SessionChannel host(session);
    SelfFindingCalls self(object);
    return work(host, self);
  });
}
}  // namespace

HRESULT RunKesta::SelectElement() {
  return RunCommandFrame(kSelectElementFrame, [this](HostSession& session) {
    SessionChannel host(session);
    SelfCalls self(this);
    return SelectElementWork(host, self, RunSelectionPasses);
  });
}

HRESULT RunKesta::ShowMe() { return RunFindingWork(kShowMeFrame, this, ShowMeWork); }
HRESULT RunKesta::ShowContext() { return RunFindingWork(kShowContextFrame, this, ShowContextWork); }

HRESULT RunKesta::DisplayCmenu(int menuMode) {
  return RunCommandFrame(kDisplayCmenuFrame, [this, menuMode](HostSession& session) {
    SessionChannel host(session);
    SelfFindingCalls self(this);
    return DisplayCmenuWork(host, self, menuMode);
  });
}

HRESULT RunKesta::CLoadMenu() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  LoadMenuLine();
  return S_OK;
}

HRESULT RunKesta::CallNextKesta() { return RunWork(kCallNextKestaFrame, CallNextKestaWork); }
