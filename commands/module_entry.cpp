// The module's entry point: the loader calls it after mapping the module and
// before unmapping it.
#include "commands/module_entry.h"
#include "host/host_state.h"

extern "C" __attribute__((visibility("default"))) int DllMain(HMODULE module, unsigned reason,
                                                              void* /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    ModuleEntry.module = module;
    return 1;
  }
  if (reason == DLL_PROCESS_DETACH) {
    Bridge.Reset();
    ModuleEntry.Reset();
  }
  return 1;
}
