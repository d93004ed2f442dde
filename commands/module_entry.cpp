// The module's entry point: the loader calls it after mapping the module and
// before unmapping it. Loading starts the application object; a refused start
// fails the load. Unloading ends it.
#include "commands/module_entry.h"

#include <new>

#include "host/host_state.h"
#include "module/kesta_app.h"

extern "C" __attribute__((visibility("default"))) int DllMain(HMODULE module, unsigned reason,
                                                              void* /*reserved*/) {
  if (reason == DLL_PROCESS_ATTACH) {
    ModuleEntry.module = module;
    bool started = false;
    // No exception may leave the entry point: a start that runs out of
    // memory is refused like any other, and leaves nothing behind.
    try {
      started = theApp.InitInstance();
    } catch (const std::bad_alloc&) {
      started = false;
    }
    if (!started) {
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
