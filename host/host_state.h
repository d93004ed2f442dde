#pragma once
// Module-wide state of the host bridge.
#include "platform/com_object.h"

struct HostBridgeState {
  // The host object fetched by the latest command that keeps it; released
  // when the module unloads.
  ComPtr<IUnknown> HostObject;
  void Reset() { HostObject.Reset(); }
};
extern HostBridgeState Bridge;
