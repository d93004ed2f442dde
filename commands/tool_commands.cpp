// The writer's tools: each method shows its dialog modally. Only the
// temporary dictionary connects to the host, as the host commands do,
// though it sends nothing.
#include "commands/frame_handlers.h"
#include "commands/run_kesta.h"
#include "platform/app_framework.h"
#include "tools/metric_dialog.h"
#include "tools/tempwin.h"
#include "tools/verb_selector.h"
#include "tools/word_finder.h"

namespace {
constexpr CommandFrame kShowTempFrame = {
    .application = AclFailed(S_OK),
    .hostObject = AclFailed(S_OK),
    .acl = AclFailed(S_OK),
    .work = Silent(S_OK),
};

template <typename Dialog>
HRESULT ShowToolDialog() {
  Dialog dialog;
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  dialog.DoModal();
  return S_OK;
}
}  // namespace

HRESULT RunKesta::WordFinder() { return ShowToolDialog<CWordfinder>(); }

HRESULT RunKesta::VerbSelector() { return ShowToolDialog<CVerbSelect>(); }

HRESULT RunKesta::MetricConverter() { return ShowToolDialog<CMetric>(); }

HRESULT RunKesta::ShowTemp() {
  return RunCommandFrame(kShowTempFrame, [](HostSession&) {
    Tempwin dialog;
    dialog.DoModal();
    return S_OK;
  });
}
