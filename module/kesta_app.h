#pragma once
// The module's application object. Its start-up reads the settings, loads the
// three dictionaries and sets up the COM module, and refuses the load when
// any of that fails; its exit frees what the start-up built.
#include "platform/app_framework.h"
#include "platform/com_module.h"
#include "resources/run_kesta_idl.h"

class CKestaEpicApp : public CWinApp {
 public:
  CKestaEpicApp() = default;
  ~CKestaEpicApp() override = default;
  // Non-zero when the module may stay loaded.
  BOOL InitInstance() override;
  // The framework's exit code. Frees the dictionaries; safe to call again.
  int ExitInstance() override;
};
extern CKestaEpicApp theApp;

// The COM module object and the classes it serves (the map lives with the
// classes, in commands/); the type library's id is LIBID_KESTAEPICLib.
extern ComModule KestaComModule;
extern const ObjectMapEntry KestaObjectMap[];

// Frees every block of a list whose blocks hold the pointer to the next block
// in their first word (blocks of the dictionary store's allocator); a null
// list does nothing.
void FreeBlockList(void* first);
