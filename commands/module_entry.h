#pragma once
// The module's own handle, known from the moment the loader attaches it.
#include "platform/library_loader.h"

struct ModuleEntryState {
  HMODULE module = nullptr;
  void Reset() { module = nullptr; }
};
extern ModuleEntryState ModuleEntry;
