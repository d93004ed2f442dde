// The module's entry point: the loader calls it after mapping the module and
// before unmapping it. Loading starts the application object; a refused start
// fails the load. Unloading ends it.
#include "commands/module_entry.h"
#include "host/host_state.h"
#include "module/kesta_app.h"

extern "C" __attribute__((visibility("default"))) int DllMain(HMODULE module, unsigned reason,
                                                              void* /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    ModuleEntry.module = module;
    if (!theApp.InitInstance()) {
      theApp.ExitInstance();
      ModuleEntry.Reset();
      return 0;
    }
    return 1;
  }
  if (reason == DLL_PROCESS_DETACH) {
    theApp.ExitInstance();
    // The module-wide host object goes with the module.
    Bridge.Reset();
    ModuleEntry.Reset();
  }
  return 1;
}
