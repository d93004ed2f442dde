#pragma once
// The findings of the last check as the marking reads them.
#include <cstddef>
#include <functional>

#include "commands/mark_plan.h"

std::size_t FindingCount();
void ClearFindings();
// Sets the mark mode of the last finding (the marking's end mark).
void SetLastFindingMarkMode(int markMode);
// Calls `visit` for each finding in order with its fields and its mark
// mode, which the visit may change; stops when `visit` returns false.
void WalkFindings(const std::function<bool(const MarkInput&, int& markMode)>& visit);
