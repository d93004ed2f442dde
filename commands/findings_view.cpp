// Interim store of the findings until the collection's list is merged.
#include "commands/findings_view.h"

#include <vector>

namespace {
std::vector<MarkInput> g_findings;
}

std::vector<MarkInput>& InterimFindings() { return g_findings; }

std::size_t FindingCount() { return g_findings.size(); }
void ClearFindings() { g_findings.clear(); }
void SetLastFindingMarkMode(int markMode) {
  if (!g_findings.empty()) g_findings.back().markMode = markMode;
}
void WalkFindings(const std::function<bool(const MarkInput&, int& markMode)>& visit) {
  for (MarkInput& f : g_findings)
    if (!visit(f, f.markMode)) return;
}
