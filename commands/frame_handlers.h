#pragma once
// Failure handlers that many commands' frames share.
#include "host/command_frame.h"
#include "resources/string_table.h"

// String 108 in the framework's box, then `result`.
constexpr FrameHandler AclFailed(HRESULT result) {
  return {.box = StringBox(IDS_ACL_FAILED), .result = result};
}

// No box, only `result`.
constexpr FrameHandler Silent(HRESULT result) { return {.box = NoBox(), .result = result}; }
