#pragma once
// Module-wide state of the host bridge.
#include "platform/com_object.h"

struct HostBridgeState {
  // The host object fetched by the latest command that keeps it; released
  // when the module unloads.
  ComPtr<IUnknown> HostObject;
  // How deep the calls on the stack have switched to the module's framework
  // state (each command switches for its whole call and back on every way
  // out).
  int moduleStateDepth = 0;
  void Reset() {
    HostObject.Reset();
    moduleStateDepth = 0;
  }
};
extern HostBridgeState Bridge;

// Switches to the module's framework state for the life of the object.
class ModuleStateScope {
 public:
  ModuleStateScope() { ++Bridge.moduleStateDepth; }
  ~ModuleStateScope() { --Bridge.moduleStateDepth; }
  ModuleStateScope(const ModuleStateScope&) = delete;
  ModuleStateScope& operator=(const ModuleStateScope&) = delete;
};
